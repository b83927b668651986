// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves pictures of the real windows for the README: the main window right after a search from
// vertex 0 to 19, with the best path drawn; its "Search steps" window at the ninth step; its
// "Series" window; its "Load sweep" window once the sweep is worked out; and its "Practice"
// window with a Next vertex question answered.
// Usage: netroute-screenshot MAIN.png [STEPS.png SERIES.png SWEEP.png [PRACTICE.png]]

#include "loadsweepwindow.h"
#include "mainboard.h"
#include "networkdisplay.h"
#include "practicewindow.h"
#include "searchstepswindow.h"
#include "serieswindow.h"
#include "studywindows.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int ShownStep = 9;

bool save(QWidget *window, const char *path)
{
    const bool saved = window->grab().save(QString::fromLocal8Bit(path));
    std::fprintf(stderr, saved ? "saved %s\n" : "could not write %s\n", path);
    return saved;
}

// The first set that opens with a Next vertex question, answered right.
bool savePractice(StudyWindows *study, QWidget *board, const char *path)
{
    study->showPractice();
    auto *practice = board->findChild<PracticeWindow *>();
    int number = PracticeSet::LowestNumber;
    while (PracticeSet(number, PracticeSet::allKinds()).questions().first().kind
        != PracticeQuestion::NextVertex)
        ++number;
    practice->startSet(number);
    for (auto *field : practice->findChildren<QLineEdit *>()) {
        if (field->accessibleName() == QLatin1String("Answer"))
            field->setText(practice->set().questions().first().answerText());
    }
    practice->check();
    return save(practice, path);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const char *mainPath = argc > 1 ? argv[1] : "screenshot.png";
    const bool others = argc > 4;

    MainBoard board;
    board.setGeometry(MainBoard::StartingGeometry);
    board.show();

    auto *view = board.findChild<NetworkDisplay *>();
    auto *study = board.findChild<StudyWindows *>();
    view->setVertex2(NetworkDisplay::HighestVertex);
    // The outcome shows on the first paint after the search: take the pictures then.
    QObject::connect(view, &NetworkDisplay::canShoot, &app, [&](bool can) {
        if (!can)
            return;
        if (!save(&board, mainPath) || !others) {
            app.exit(others ? 1 : 0);
            return;
        }
        study->showSearchSteps();
        auto *steps = board.findChild<SearchStepsWindow *>();
        for (int step = 0; step < ShownStep; ++step)
            steps->step();
        study->showSeries();
        if (!save(steps, argv[2]) || !save(board.findChild<SeriesWindow *>(), argv[3])) {
            app.exit(1);
            return;
        }
        study->showLoadSweep();
        auto *sweep = board.findChild<LoadSweepWindow *>();
        QObject::connect(&sweep->sweep(), &LoadSweep::finished, &app, [&, sweep] {
            QTimer::singleShot(100, &app, [&, sweep] {
                const bool saved
                    = save(sweep, argv[4]) && (argc <= 5 || savePractice(study, &board, argv[5]));
                app.exit(saved ? 0 : 1);
            });
        });
    });
    QTimer::singleShot(0, &board, [&] { QMetaObject::invokeMethod(&board, "fire"); });
    QTimer::singleShot(20000, &app, [&] { app.exit(2); });
    return app.exec();
}
