// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "loadsweep.h"
#include "networkreader.h"

#include <QTimer>
#include <QWidget>

class NetworkModel;
class QLabel;
class QProgressBar;
class QTableWidget;
class SweepPlot;

// "Load sweep": for the current endpoints, the cost of the best route at every load from 0 to
// 99 if a search were started now, as a plot and as the table "Sweep". It follows the main
// window's changes and searches, and changes nothing.
class LoadSweepWindow : public QWidget
{
    Q_OBJECT

public:
    explicit LoadSweepWindow(const NetworkModel &model, QWidget *parent = nullptr);

    const LoadSweep &sweep() const;
    QWidget *plotWidget() const;

public slots:
    // The endpoints, the random effect or the usable links changed: sweep again, or once shown
    // again when hidden.
    void sweepAgain();
    // Only the current load changed: mark it.
    void markLoad();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void showProgress(int loadsDone);
    void endProgress();
    void showSweep();
    void fillTable();
    void copyPlot();
    void savePlot();

    NetworkReader reader;
    LoadSweep loadSweep;
    QLabel *summary = nullptr;
    QTableWidget *table = nullptr;
    SweepPlot *plot = nullptr;
    QProgressBar *progressBar = nullptr; // only while a sweep takes long
    QTimer progressDelay;
    bool stale = false; // the state changed while the window was hidden
};
