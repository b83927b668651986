// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "studywindows.h"

#include "drawingpicture.h"
#include "loadsweepwindow.h"
#include "networkdisplay.h"
#include "networkmodel.h"
#include "practicewindow.h"
#include "searchstepswindow.h"
#include "serieslog.h"
#include "serieswindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QShortcut>

namespace {

// Opens a window made on first use and brings it to the front.
void present(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

// Ctrl+Q quits from the study windows too, by closing the main window as its own Ctrl+Q does.
void quitsWith(QWidget *window, QWidget *board)
{
    new QShortcut(
        QKeySequence(Qt::CTRL | Qt::Key_Q), window, board, &QWidget::close, Qt::WindowShortcut);
}

} // namespace

StudyWindows::StudyWindows(QWidget *board, const NetworkModel *model, NetworkDisplay *view)
    : QObject(board)
    , board(board)
    , model(model)
    , view(view)
    , log(new SeriesLog(*model, this))
{
    connect(model, &NetworkModel::cycleFinished, log, &SeriesLog::takeCycle);

    const std::pair<QKeySequence, void (StudyWindows::*)()> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_T), &StudyWindows::showSearchSteps},
        {QKeySequence(Qt::CTRL | Qt::Key_L), &StudyWindows::showLoadSweep},
        {QKeySequence(Qt::CTRL | Qt::Key_H), &StudyWindows::showSeries},
        {QKeySequence(Qt::CTRL | Qt::Key_E), &StudyWindows::showPractice},
        {QKeySequence(Qt::CTRL | Qt::Key_C), &StudyWindows::copyPicture},
        {QKeySequence(Qt::CTRL | Qt::Key_S), &StudyWindows::savePicture},
    };
    for (const auto &[key, slot] : keys)
        new QShortcut(key, board, this, slot, Qt::WindowShortcut);

    // A right-click on a vertex disc chooses the destination; anywhere else it opens the menu.
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, &StudyWindows::showContextMenu);
}

StudyWindows::~StudyWindows()
{
    delete stepsWindow;
    delete sweepWindow;
    delete seriesWindow;
    delete practiceWindow;
}

const SeriesLog &StudyWindows::seriesLog() const
{
    return *log;
}

void StudyWindows::showSearchSteps()
{
    if (!stepsWindow) {
        stepsWindow = new SearchStepsWindow(*model, board);
        quitsWith(stepsWindow, board);
        connect(model, &NetworkModel::cycleFinished, stepsWindow, &SearchStepsWindow::followSearch);
    }
    present(stepsWindow);
}

void StudyWindows::showLoadSweep()
{
    if (!sweepWindow) {
        sweepWindow = new LoadSweepWindow(*model, board);
        quitsWith(sweepWindow, board);
        connect(model, &NetworkModel::sourceChanged, sweepWindow, &LoadSweepWindow::sweepAgain);
        connect(
            model, &NetworkModel::destinationChanged, sweepWindow, &LoadSweepWindow::sweepAgain);
        connect(
            model, &NetworkModel::randomEffectChanged, sweepWindow, &LoadSweepWindow::sweepAgain);
        connect(model, &NetworkModel::cycleFinished, sweepWindow, &LoadSweepWindow::sweepAgain);
        connect(model, &NetworkModel::loadChanged, sweepWindow, &LoadSweepWindow::markLoad);
    }
    present(sweepWindow);
}

void StudyWindows::showSeries()
{
    if (!seriesWindow) {
        seriesWindow = new SeriesWindow(*log, board);
        quitsWith(seriesWindow, board);
    }
    present(seriesWindow);
}

// Practice has states of its own: it follows nothing of the model.
void StudyWindows::showPractice()
{
    if (!practiceWindow) {
        practiceWindow = new PracticeWindow(board);
        quitsWith(practiceWindow, board);
    }
    present(practiceWindow);
}

void StudyWindows::copyPicture()
{
    QGuiApplication::clipboard()->setImage(DrawingPicture::image(*view));
}

void StudyWindows::savePicture()
{
    DrawingPicture::saveWithDialog(board, tr("Save picture"), tr("netroute.png"),
        [this](const QString &path) { return DrawingPicture::save(*view, path); });
}

void StudyWindows::showContextMenu(QPoint position)
{
    const int element = view->elementAt(position);
    if (element >= 0 && element < NetworkDisplay::VertexCount)
        return;
    QMenu menu(view);
    menu.addAction(tr("Search steps"), QKeySequence(Qt::CTRL | Qt::Key_T), this,
        &StudyWindows::showSearchSteps);
    menu.addAction(
        tr("Load sweep"), QKeySequence(Qt::CTRL | Qt::Key_L), this, &StudyWindows::showLoadSweep);
    menu.addAction(
        tr("Series"), QKeySequence(Qt::CTRL | Qt::Key_H), this, &StudyWindows::showSeries);
    menu.addAction(
        tr("Practice"), QKeySequence(Qt::CTRL | Qt::Key_E), this, &StudyWindows::showPractice);
    menu.addSeparator();
    menu.addAction(
        tr("Copy picture"), QKeySequence(Qt::CTRL | Qt::Key_C), this, &StudyWindows::copyPicture);
    menu.addAction(tr("Save picture..."), QKeySequence(Qt::CTRL | Qt::Key_S), this,
        &StudyWindows::savePicture);
    menu.exec(view->mapToGlobal(position));
}
