// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "routing.h"

#include <QRect>
#include <QWidget>

#include <memory>

class LCDRange;
class NetworkCommands;
class NetworkDisplay;
class NetworkModel;
class QAction;
class QCloseEvent;
class QLCDNumber;
class StudyWindows;
class Topology;

// The main window: the framed network view on the left, the control panel on the right.
class MainBoard : public QWidget
{
    Q_OBJECT

public:
    // Where the program first shows the window: at (100, 100), 800 x 560.
    static constexpr QRect StartingGeometry {100, 100, 800, 560};
    static constexpr int TrialsPerSeries = Routing::TrialsPerSeries;

    // The window on the built-in network, or on the given one.
    explicit MainBoard(QWidget *parent = nullptr);
    explicit MainBoard(const Topology &topology, QWidget *parent = nullptr);
    ~MainBoard() override;

    // The action of a command by its name ("searchSteps", "openNetwork", ...), or none.
    QAction *command(const QString &name) const;
    NetworkCommands *networkCommands() const { return networkFiles; }

protected:
    void closeEvent(QCloseEvent *event) override;

protected slots:
    // Starts a search and counts it, unless the series is over or a search is running.
    void fire();
    // Answers the view's hit(), which it never emits: a new target, or the end of the series.
    void hit();
    // A search has ended: with no trials left, the series ends.
    void missed();
    // Begins a series of TrialsPerSeries searches.
    void newGame();

private:
    void showTrialsLeft(int trials);
    void followTopology();

    // Made first and gone last: the view and the windows read it.
    std::unique_ptr<NetworkModel> model;
    QLCDNumber *trialLeft = nullptr;
    LCDRange *source = nullptr;
    LCDRange *destination = nullptr;
    NetworkDisplay *networkDisplay = nullptr;
    StudyWindows *studyWindows = nullptr;
    NetworkCommands *networkFiles = nullptr;
};
