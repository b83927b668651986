// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How the program's own widgets appear to assistive technology: each value control as the one
// slider it is, the trial counter with its value, the network view as a described graphic.
// Call once, before the window is made.
void installAccessibleFactory();
