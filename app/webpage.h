// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class MainBoard;

// The web page around the program (built for WebAssembly only). The page's own row of controls
// gives the main window's study commands through netrouteCommand(name), which browsers' own keys
// would otherwise take, and is told when the program's window has closed.
namespace WebPage {

// The names the page may give, besides those of the study commands.
constexpr char MainWindowCommand[] = "mainWindow"; // brings the main window to the front

void serve(MainBoard *board);

} // namespace WebPage
