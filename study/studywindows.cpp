// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "studywindows.h"

#include "drawingpicture.h"
#include "loadsweepwindow.h"
#include "networkdisplay.h"
#include "networkediting.h"
#include "networkeditor.h"
#include "networkmodel.h"
#include "practicewindow.h"
#include "routingtableswindow.h"
#include "savedialog.h"
#include "searchstepswindow.h"
#include "serieslog.h"
#include "serieswindow.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QShortcut>

#include <algorithm>

namespace {

// A window larger than the room its screen gives (a small laptop's, the web page's) is shrunk to
// fit, its frame included, and moved into that room.
void fitToScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size() - window->size();
    const QSize fitting = window->size().boundedTo(room.size() - frame);
    if (fitting != window->size())
        window->resize(fitting);
    const QSize outside = fitting + frame;
    const QPoint corner = window->frameGeometry().topLeft();
    const QPoint inside(std::clamp(corner.x(), room.left(), room.right() + 1 - outside.width()),
        std::clamp(corner.y(), room.top(), room.bottom() + 1 - outside.height()));
    if (inside != corner)
        window->move(inside);
}

// Opens a window made on first use and brings it to the front. Not show(): where the platform
// shows every window full screen (Qt for WebAssembly), that would cover the main window with a
// window that has no title bar to close it by.
void present(QWidget *window)
{
    const bool opening = !window->isVisible();
    // Qt for WebAssembly gives a window it shows the keyboard at its first button, not at the
    // control chosen for it: that control takes it back.
    QWidget *keyboard = window->focusWidget();
    window->setVisible(true);
    if (opening)
        fitToScreen(window); // once shown, its frame is known
    window->raise();
    window->activateWindow();
    if (keyboard)
        keyboard->setFocus(Qt::ActiveWindowFocusReason);
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

    // One action per command, its key in the main window and its entry in the context menu.
    // The names are those the web page's own controls give.
    const struct
    {
        const char *name;
        const char *text;
        QKeyCombination key;
        void (StudyWindows::*slot)();
        bool separatorBefore;
    } commands[] = {
        {"searchSteps", QT_TR_NOOP("Search steps"), Qt::CTRL | Qt::Key_T,
            &StudyWindows::showSearchSteps, false},
        {"loadSweep", QT_TR_NOOP("Load sweep"), Qt::CTRL | Qt::Key_L, &StudyWindows::showLoadSweep,
            false},
        {"series", QT_TR_NOOP("Series"), Qt::CTRL | Qt::Key_H, &StudyWindows::showSeries, false},
        {"practice", QT_TR_NOOP("Practice"), Qt::CTRL | Qt::Key_E, &StudyWindows::showPractice,
            false},
        {"routingTables", QT_TR_NOOP("Routing tables"), Qt::CTRL | Qt::ALT | Qt::Key_R,
            &StudyWindows::showRoutingTables, false},
        {"editNetwork", QT_TR_NOOP("Edit network..."), Qt::CTRL | Qt::ALT | Qt::Key_D,
            &StudyWindows::showNetworkEditor, false},
        {"copyPicture", QT_TR_NOOP("Copy picture"), Qt::CTRL | Qt::Key_C,
            &StudyWindows::copyPicture, true},
        {"savePicture", QT_TR_NOOP("Save picture..."), Qt::CTRL | Qt::Key_S,
            &StudyWindows::savePicture, false},
    };
    for (const auto &command : commands) {
        if (command.separatorBefore) {
            auto *separator = new QAction(this);
            separator->setSeparator(true);
            menuEntries << separator;
        }
        auto *action = new QAction(tr(command.text), this);
        action->setObjectName(QLatin1String(command.name));
        action->setShortcut(QKeySequence(command.key));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, command.slot);
        board->addAction(action);
        menuEntries << action;
    }

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
    delete tablesWindow;
    delete editorWindow;
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
        connect(
            model, &NetworkModel::topologyChanged, stepsWindow, &SearchStepsWindow::followSearch);
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
        connect(model, &NetworkModel::topologyChanged, sweepWindow, &LoadSweepWindow::sweepAgain);
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

// Practice has states of its own: it follows only the model's network.
void StudyWindows::showPractice()
{
    if (!practiceWindow) {
        practiceWindow = new PracticeWindow(*model, board);
        quitsWith(practiceWindow, board);
    }
    present(practiceWindow);
}

// The tables start again whenever the network, the load or the search's factor changes.
void StudyWindows::showRoutingTables()
{
    if (!tablesWindow) {
        tablesWindow = new RoutingTablesWindow(*model, board);
        quitsWith(tablesWindow, board);
        connect(
            model, &NetworkModel::topologyChanged, tablesWindow, &RoutingTablesWindow::startAgain);
        connect(model, &NetworkModel::loadChanged, tablesWindow, &RoutingTablesWindow::followModel);
        connect(
            model, &NetworkModel::cycleFinished, tablesWindow, &RoutingTablesWindow::followModel);
    }
    present(tablesWindow);
}

// The editor works on a copy of the network shown and changes nothing until it hands one over.
// Closed, it goes: opened again, it starts from the network shown then.
void StudyWindows::showNetworkEditor()
{
    if (!editorWindow) {
        editorWindow = new NetworkEditor(model->topology(), board);
        quitsWith(editorWindow, board);
        connect(editorWindow, &NetworkEditor::networkMade, this, &StudyWindows::networkMade);
        connect(editorWindow, &NetworkEditor::quitAllowed, board, &QWidget::close);
    }
    present(editorWindow);
}

bool StudyWindows::closeEditorFirst()
{
    if (!editorWindow || !editorWindow->isVisible())
        return true;
    if (editorWindow->editing().isModified())
        present(editorWindow); // where its question shows
    return editorWindow->closeToQuit();
}

void StudyWindows::copyPicture()
{
    QGuiApplication::clipboard()->setImage(DrawingPicture::image(*view));
}

void StudyWindows::savePicture()
{
    SaveDialog::ask(board, DrawingPicture::request(*view, tr("Save picture"), tr("netroute.png")));
}

void StudyWindows::showContextMenu(QPoint position)
{
    const int element = view->elementAt(position);
    if (element >= 0 && element < model->topology().vertexCount)
        return;
    // popup(), not exec(): the web build cannot run the event loop exec() waits in.
    auto *menu = new QMenu(view);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(menuEntries);
    menu->popup(view->mapToGlobal(position));
}

void StudyWindows::addMenuEntries(const QList<QAction *> &actions)
{
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    menuEntries << separator << actions;
}

QAction *StudyWindows::command(const QString &name) const
{
    for (QAction *action : menuEntries) {
        if (!action->isSeparator() && action->objectName() == name)
            return action;
    }
    return nullptr;
}
