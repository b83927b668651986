// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves a picture of the real main window right after a search from vertex 0 to 19, with the
// best path drawn, and of its "Search steps" window at the ninth step, for the README.
// Usage: netroute-screenshot OUTPUT.png [STEPS.png]

#include "mainboard.h"
#include "networkdisplay.h"
#include "searchstepswindow.h"
#include "studywindows.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString path
        = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshot.png");
    const QString stepsPath = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    constexpr int ShownStep = 9;

    MainBoard board;
    board.setGeometry(MainBoard::StartingGeometry);
    board.show();

    auto *view = board.findChild<NetworkDisplay *>();
    view->setVertex2(NetworkDisplay::HighestVertex);
    // The outcome shows on the first paint after the search: take the picture then.
    QObject::connect(view, &NetworkDisplay::canShoot, &app, [&](bool can) {
        if (!can)
            return;
        bool saved = board.grab().save(path);
        std::fprintf(stderr, saved ? "saved %s\n" : "could not write %s\n", qPrintable(path));
        if (saved && !stepsPath.isEmpty()) {
            board.findChild<StudyWindows *>()->showSearchSteps();
            auto *steps = board.findChild<SearchStepsWindow *>();
            for (int step = 0; step < ShownStep; ++step)
                steps->step();
            saved = steps->grab().save(stepsPath);
            std::fprintf(
                stderr, saved ? "saved %s\n" : "could not write %s\n", qPrintable(stepsPath));
        }
        app.exit(saved ? 0 : 1);
    });
    QTimer::singleShot(0, &board, [&] { QMetaObject::invokeMethod(&board, "fire"); });
    QTimer::singleShot(10000, &app, [&] { app.exit(2); });
    return app.exec();
}
