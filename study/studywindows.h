// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class LoadSweepWindow;
class NetworkDisplay;
class QCheckBox;
class QLCDNumber;
class QWidget;
class SearchStepsWindow;
class SeriesLog;
class SeriesWindow;

// The windows that study the main window's searches, and the pictures of its drawing: opened by
// their keys in the main window and from the drawing's context menu, windows made when first
// asked for and following the view's changes. None of it changes the program's state.
class StudyWindows : public QObject
{
    Q_OBJECT

public:
    StudyWindows(QWidget *board, NetworkDisplay *view, const QLCDNumber *trialsLeft,
        const QCheckBox *randomEffect);

    const SeriesLog &seriesLog() const;

public slots:
    void showSearchSteps();
    void showLoadSweep();
    void showSeries();
    void copyPicture();
    void savePicture();

private:
    void showContextMenu(QPoint position);

    QWidget *board;
    NetworkDisplay *view;
    const QCheckBox *randomEffect;
    SeriesLog *log;
    QPointer<SearchStepsWindow> stepsWindow;
    QPointer<LoadSweepWindow> sweepWindow;
    QPointer<SeriesWindow> seriesWindow;
};
