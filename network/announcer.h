// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>

class QWidget;

// Tells assistive technology what changed on screen, politely and without moving the keyboard
// focus. Screen readers present only the focused control's own changes; an announcement is
// said whatever has the focus. What one user action changes (the trial counter, then the
// outcome of the search it started) is told as one message a moment later, because a screen
// reader that cuts a message short for the next would otherwise say only the last.
class Announcer : public QObject
{
    Q_OBJECT

public:
    // Announces on behalf of a shown widget; does nothing while no assistive technology listens
    // (in the web page its live region always does).
    static void announce(QWidget *source, const QString &message);

    ~Announcer() override;

private:
    explicit Announcer(QWidget *window);
    void tell();

    QPointer<QWidget> source;
    QStringList pending;
    QTimer gatherTimer;
    // The latest notifications, one a message: a screen reader asks for a notification's text
    // some time after it appeared, when a later message must not have replaced it.
    std::deque<QAccessible::Id> notificationIds;
};
