// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QWidget>

class QLCDNumber;
class NetworkDisplay;

// The main window: the framed network view on the left, the control panel on the right.
class MainBoard : public QWidget
{
    Q_OBJECT

public:
    // Where the program first shows the window: at (100, 100), 800 x 560.
    static constexpr QRect StartingGeometry {100, 100, 800, 560};
    static constexpr int TrialsPerSeries = 10;

    explicit MainBoard(QWidget *parent = nullptr);

protected slots:
    void fire();
    void hit();
    void missed();
    void newGame();

private:
    void showTrialsLeft(int trials);

    QLCDNumber *trialLeft = nullptr;
    NetworkDisplay *networkDisplay = nullptr;
};
