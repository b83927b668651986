// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>

#include <memory>

class NetworkDisplay;
class SearchSimulator;

// What a search started now would give at every load from 0 to 99, for the current endpoints:
// with the random effect off, exactly; with it on, from many simulated cycles drawn from a
// private generator with a fixed seed, so that the same state always gives the same figures.
// The work is done in slices, so that the window stays responsive.
class LoadSweep : public QObject
{
    Q_OBJECT

public:
    static constexpr int Loads = 100;
    static constexpr int SamplesPerLoad = 300; // with the random effect on
    static constexpr quint32 Seed = 20261209;

    struct Point
    {
        int load = 0;
        bool noLinkPassed = false; // in every cycle at this load
        double share = 0; // of the cycles that found a path
        int cost = 0; // the exact cost, or the median of the costs found
        int low = 0; // 10 % of the costs found are below it
        int high = 0; // 90 % of the costs found are below or at it
        QList<int> path; // the path found, or the most frequent one; empty when none

        bool found() const { return share > 0; }
    };

    explicit LoadSweep(const NetworkDisplay &view, QObject *parent = nullptr);
    ~LoadSweep() override;

    // Begins again from the view's present state; a sweep under way is dropped.
    void start();
    bool isFinished() const;
    const QList<Point> &points() const;
    bool randomEffect() const;
    int source() const;
    int destination() const;

    // The whole sweep at once, for tests and measurements.
    static QList<Point> compute(const NetworkDisplay &view);

signals:
    void progressed(int loadsDone);
    void finished();

private:
    void begin();
    Point sweepLoad(int load);
    void workSlice();

    const NetworkDisplay &view;
    std::unique_ptr<SearchSimulator> simulator;
    QRandomGenerator draws;
    QList<Point> done;
    bool random = false;
    int from = 0;
    int to = 0;
    QTimer sliceTimer;
};
