// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class NetworkDisplay;
class SearchStepsWindow;
class QWidget;

// The windows that study the main window's searches: opened by their keys in the main window
// and from the drawing's context menu, made when first asked for, following the view's changes.
class StudyWindows : public QObject
{
    Q_OBJECT

public:
    StudyWindows(QWidget *board, NetworkDisplay *view);

public slots:
    void showSearchSteps();

private:
    void showContextMenu(QPoint position);

    QWidget *board;
    NetworkDisplay *view;
    QPointer<SearchStepsWindow> stepsWindow;
};
