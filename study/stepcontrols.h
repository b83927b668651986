// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QTimer>

class QAction;
class QKeySequence;
class QPushButton;
class QWidget;

// The commands that walk through a window's rows (a search's steps, a run's rounds): First,
// Back, Step, Play and Last, each with its key where one control has the focus and a button that
// follows it, and the timer that plays the rows. The window shows the row asked for by
// rowChosen() and then says where it is with follow().
class StepControls : public QObject
{
    Q_OBJECT

public:
    // The keys act where keyWidget has the focus; the buttons are made in window, in order.
    StepControls(QWidget *keyWidget, QWidget *window);

    const QList<QPushButton *> &buttons() const { return buttonList; }
    // Triggers the command whose key this is, if any.
    bool trigger(const QKeySequence &key) const;
    void setInterval(int milliseconds); // per row while playing
    // The row shown and how many there are: the commands that lead anywhere are enabled.
    void follow(int shownRow, int rowCount);
    void setPlaying(bool playing);

public slots:
    void first();
    void back();
    void step();
    void last();
    void togglePlay();

signals:
    void rowChosen(int row);

private:
    QAction *makeAction(const QString &text, Qt::Key key, void (StepControls::*slot)());
    QPushButton *buttonFor(QAction *action, QWidget *window);

    QWidget *keyWidget;
    QAction *firstAction;
    QAction *backAction;
    QAction *stepAction;
    QAction *playAction;
    QAction *lastAction;
    QList<QPushButton *> buttonList;
    QTimer playTimer;
    int row = 0;
    int count = 0;
};
