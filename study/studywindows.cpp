// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "studywindows.h"

#include "drawingpicture.h"
#include "loadsweepwindow.h"
#include "mainboard.h"
#include "networkdisplay.h"
#include "searchstepswindow.h"
#include "serieslog.h"
#include "serieswindow.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLCDNumber>
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

StudyWindows::StudyWindows(QWidget *board, NetworkDisplay *view, const QLCDNumber *trialsLeft,
    const QCheckBox *randomEffect)
    : QObject(board)
    , board(board)
    , view(view)
    , randomEffect(randomEffect)
    // The counter has already been lowered for the search that just ended.
    , log(new SeriesLog(
          *view, [trialsLeft] { return MainBoard::TrialsPerSeries - trialsLeft->intValue(); },
          this))
{
    connect(view, &NetworkDisplay::missed, log, &SeriesLog::takeCycle);

    const std::pair<QKeySequence, void (StudyWindows::*)()> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_T), &StudyWindows::showSearchSteps},
        {QKeySequence(Qt::CTRL | Qt::Key_L), &StudyWindows::showLoadSweep},
        {QKeySequence(Qt::CTRL | Qt::Key_H), &StudyWindows::showSeries},
        {QKeySequence(Qt::CTRL | Qt::Key_C), &StudyWindows::copyPicture},
        {QKeySequence(Qt::CTRL | Qt::Key_S), &StudyWindows::savePicture},
    };
    for (const auto &[key, slot] : keys)
        new QShortcut(key, board, this, slot, Qt::WindowShortcut);

    // A right-click on a vertex disc chooses the destination; anywhere else it opens the menu.
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, &StudyWindows::showContextMenu);
}

const SeriesLog &StudyWindows::seriesLog() const
{
    return *log;
}

void StudyWindows::showSearchSteps()
{
    if (!stepsWindow) {
        stepsWindow = new SearchStepsWindow(*view, board);
        quitsWith(stepsWindow, board);
        connect(view, &NetworkDisplay::missed, stepsWindow, &SearchStepsWindow::followSearch);
    }
    present(stepsWindow);
}

void StudyWindows::showLoadSweep()
{
    if (!sweepWindow) {
        sweepWindow = new LoadSweepWindow(*view, board);
        quitsWith(sweepWindow, board);
        connect(view, &NetworkDisplay::vertexChanged, sweepWindow, &LoadSweepWindow::sweepAgain);
        connect(view, &NetworkDisplay::vertexChanged2, sweepWindow, &LoadSweepWindow::sweepAgain);
        connect(view, &NetworkDisplay::missed, sweepWindow, &LoadSweepWindow::sweepAgain);
        connect(view, &NetworkDisplay::loadChanged, sweepWindow, &LoadSweepWindow::markLoad);
        connect(randomEffect, &QCheckBox::toggled, sweepWindow, &LoadSweepWindow::sweepAgain);
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
    menu.addSeparator();
    menu.addAction(
        tr("Copy picture"), QKeySequence(Qt::CTRL | Qt::Key_C), this, &StudyWindows::copyPicture);
    menu.addAction(tr("Save picture..."), QKeySequence(Qt::CTRL | Qt::Key_S), this,
        &StudyWindows::savePicture);
    menu.exec(view->mapToGlobal(position));
}
