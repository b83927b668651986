// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblefactory.h"
#include "mainboard.h"
#include "startup.h"

#include <QApplication>

#ifdef Q_OS_WASM
#include <emscripten.h>
#endif

int main(int argc, char **argv)
{
    prepareProcess();
    QApplication::setApplicationName(QStringLiteral("netroute"));
    QApplication::setApplicationVersion(QStringLiteral(NETROUTE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(NETROUTE_APP_ID));

    StartupMessageHold hold(argc > 0 ? argv[0] : nullptr);
    QApplication app(argc, argv);
    hold.release();

#ifdef Q_OS_WASM
    // A page is not closed by the program in it: when its window closes, the page is told, and
    // says so.
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, [] {
        emscripten_run_script(
            "if (typeof window.netrouteEnded === 'function') window.netrouteEnded();");
    });
#endif

    installAccessibleFactory();
    MainBoard board;
    board.setGeometry(MainBoard::StartingGeometry);
    board.show();
    return QApplication::exec();
}
