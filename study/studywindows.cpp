// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "studywindows.h"

#include "networkdisplay.h"
#include "searchstepswindow.h"

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

} // namespace

StudyWindows::StudyWindows(QWidget *board, NetworkDisplay *view)
    : QObject(board)
    , board(board)
    , view(view)
{
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), board, this, &StudyWindows::showSearchSteps,
        Qt::WindowShortcut);

    // A right-click on a vertex disc chooses the destination; anywhere else it opens the menu.
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, &StudyWindows::showContextMenu);
}

void StudyWindows::showSearchSteps()
{
    if (!stepsWindow) {
        stepsWindow = new SearchStepsWindow(*view, board);
        connect(view, &NetworkDisplay::missed, stepsWindow, &SearchStepsWindow::followSearch);
    }
    present(stepsWindow);
}

void StudyWindows::showContextMenu(QPoint position)
{
    const int element = view->elementAt(position);
    if (element >= 0 && element < NetworkDisplay::VertexCount)
        return;
    QMenu menu(view);
    menu.addAction(tr("Search steps"), QKeySequence(Qt::CTRL | Qt::Key_T), this,
        &StudyWindows::showSearchSteps);
    menu.exec(view->mapToGlobal(position));
}
