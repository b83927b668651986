// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stepcontrols.h"

#include <QAction>
#include <QKeySequence>
#include <QPushButton>
#include <QWidget>

namespace {

QString playText(bool playing)
{
    return playing ? StepControls::tr("&Pause") : StepControls::tr("&Play");
}

} // namespace

StepControls::StepControls(QWidget *keyWidget, QWidget *window)
    : QObject(window)
    , keyWidget(keyWidget)
    , firstAction(makeAction(tr("&First"), Qt::Key_Home, &StepControls::first))
    , backAction(makeAction(tr("&Back"), Qt::Key_Left, &StepControls::back))
    , stepAction(makeAction(tr("&Step"), Qt::Key_Right, &StepControls::step))
    , playAction(makeAction(playText(false), Qt::Key_Space, &StepControls::togglePlay))
    , lastAction(makeAction(tr("&Last"), Qt::Key_End, &StepControls::last))
{
    for (QAction *action : {firstAction, backAction, stepAction, playAction, lastAction})
        buttonList << buttonFor(action, window);
    connect(&playTimer, &QTimer::timeout, this, [this] {
        if (row + 1 < count)
            emit rowChosen(row + 1);
        if (row + 1 >= count)
            setPlaying(false);
    });
}

// A command with its key, which acts wherever the key widget has the focus; elsewhere the
// focused control keeps its keys.
QAction *StepControls::makeAction(const QString &text, Qt::Key key, void (StepControls::*slot)())
{
    auto *action = new QAction(text, this);
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, slot);
    keyWidget->addAction(action);
    return action;
}

// A button that shows the action's text, with its mnemonic, and follows its enabled state.
QPushButton *StepControls::buttonFor(QAction *action, QWidget *window)
{
    auto *button = new QPushButton(action->text(), window);
    button->setEnabled(action->isEnabled());
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, button, [button, action] {
        button->setText(action->text());
        button->setEnabled(action->isEnabled());
    });
    return button;
}

bool StepControls::trigger(const QKeySequence &key) const
{
    for (QAction *action : {firstAction, backAction, stepAction, playAction, lastAction}) {
        if (action->shortcut() == key) {
            action->trigger();
            return true;
        }
    }
    return false;
}

void StepControls::setInterval(int milliseconds)
{
    playTimer.setInterval(milliseconds);
}

void StepControls::follow(int shownRow, int rowCount)
{
    row = shownRow;
    count = rowCount;
    const bool any = count > 0;
    const bool atEnd = any && row + 1 >= count;
    firstAction->setEnabled(any && row > 0);
    backAction->setEnabled(any && row > 0);
    stepAction->setEnabled(any && !atEnd);
    lastAction->setEnabled(any && !atEnd);
    playAction->setEnabled(any); // at the end, Play plays again from the start
}

void StepControls::first()
{
    emit rowChosen(0);
}

void StepControls::back()
{
    emit rowChosen(row - 1);
}

void StepControls::step()
{
    emit rowChosen(row + 1);
}

void StepControls::last()
{
    emit rowChosen(count - 1);
}

void StepControls::togglePlay()
{
    if (count == 0)
        return;
    if (!playTimer.isActive() && row + 1 >= count)
        emit rowChosen(0); // playing again from the start
    setPlaying(!playTimer.isActive());
}

void StepControls::setPlaying(bool playing)
{
    if (playing)
        playTimer.start();
    else
        playTimer.stop();
    playAction->setText(playText(playing));
}
