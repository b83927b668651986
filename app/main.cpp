// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblefactory.h"
#include "mainboard.h"
#include "startup.h"

#include "networkfile.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

#ifdef Q_OS_WASM
#include "webpage.h"
#endif

namespace {

constexpr int BadFileStatus = 2; // the network named on the command line cannot be opened

} // namespace

int main(int argc, char **argv)
{
    prepareProcess();
    QApplication::setApplicationName(QStringLiteral("netroute"));
    QApplication::setApplicationVersion(QStringLiteral(NETROUTE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(NETROUTE_APP_ID));

    StartupMessageHold hold(argc > 0 ? argv[0] : nullptr);
    QApplication app(argc, argv);
    hold.release();

    QCommandLineParser arguments;
    arguments.setApplicationDescription(QApplication::translate("main",
        "Route finding in a network whose links degrade under "
        "traffic."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("file"),
        QApplication::translate("main", "A network to open, as GraphML."),
        QStringLiteral("[file]"));
    arguments.process(app);
    const QStringList files = arguments.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "netroute: %s\n",
            qPrintable(QApplication::translate("main", "it opens one network file at a time")));
        return BadFileStatus;
    }
    Topology network;
    if (!files.isEmpty()) {
        const NetworkFile::ReadResult read = NetworkFile::read(files.constFirst());
        if (!read.network) {
            std::fprintf(stderr, "netroute: %s\n", qPrintable(read.error));
            return BadFileStatus;
        }
        network = *read.network;
    }

    installAccessibleFactory();
    MainBoard board(network);
    board.setGeometry(MainBoard::StartingGeometry);
#ifdef Q_OS_WASM
    WebPage::serve(&board);
    // Qt for WebAssembly moves the keyboard on from the control chosen for it as it shows the
    // window (to TRAFFIC LOAD): that control takes it back, so that the arrow keys change the
    // destination as on the desktop.
    QWidget *keyboard = board.focusWidget();
    board.show();
    if (keyboard)
        keyboard->setFocus(Qt::ActiveWindowFocusReason);
#else
    board.show();
#endif
    return QApplication::exec();
}
