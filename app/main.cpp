// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblefactory.h"
#include "mainboard.h"
#include "startup.h"

#include <QApplication>

#ifdef Q_OS_WASM
#include "webpage.h"
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

    installAccessibleFactory();
    MainBoard board;
    board.setGeometry(MainBoard::StartingGeometry);
#ifdef Q_OS_WASM
    WebPage::serve(&board);
#endif
    board.show();
    return QApplication::exec();
}
