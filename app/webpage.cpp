// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "webpage.h"

#include "mainboard.h"
#include "networkcommands.h"

#include <QAction>
#include <QGuiApplication>
#include <QPointer>

#include <emscripten.h>
#include <emscripten/bind.h>

#include <string>

namespace {

QPointer<MainBoard> &servedBoard()
{
    static QPointer<MainBoard> board;
    return board;
}

// Carries out a command of the page's controls; false when there is no such command or the
// program has ended.
bool command(const std::string &name)
{
    MainBoard *board = servedBoard();
    if (!board || !board->isVisible())
        return false;
    const QString wanted = QString::fromStdString(name);
    if (wanted == QLatin1String(WebPage::MainWindowCommand)) {
        board->raise();
        board->activateWindow();
        return true;
    }
    QAction *action = board->command(wanted);
    if (!action || !action->isEnabled())
        return false;
    action->trigger();
    return true;
}

NetworkCommands *networkCommands()
{
    MainBoard *board = servedBoard();
    return board ? board->networkCommands() : nullptr;
}

// The page opens the network a link names (?network=PATH, fetched by the page) or carries
// (#network=TEXT); each returns why it could not, or an empty string.
std::string openNetworkFile(const std::string &name, const std::string &content)
{
    NetworkCommands *commands = networkCommands();
    if (!commands)
        return "netroute has ended";
    return commands->openContent(QByteArray::fromStdString(content), QString::fromStdString(name))
        .toStdString();
}

std::string openNetworkLink(const std::string &text)
{
    NetworkCommands *commands = networkCommands();
    if (!commands)
        return "netroute has ended";
    return commands->openLink(QString::fromStdString(text)).toStdString();
}

// The text of a link to the page that carries the network shown.
std::string networkLink()
{
    NetworkCommands *commands = networkCommands();
    return commands ? commands->link().toStdString() : std::string();
}

} // namespace

EMSCRIPTEN_BINDINGS(netroute)
{
    emscripten::function("netrouteCommand", &command);
    emscripten::function("netrouteOpenNetworkFile", &openNetworkFile);
    emscripten::function("netrouteOpenNetworkLink", &openNetworkLink);
    emscripten::function("netrouteNetworkLink", &networkLink);
}

void WebPage::serve(MainBoard *board)
{
    servedBoard() = board;
    // A page is not closed by the program in it: when its window closes, the page says so.
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [] {
        emscripten_run_script(
            "if (typeof window.netrouteEnded === 'function') window.netrouteEnded();");
    });
}
