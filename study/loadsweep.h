// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>

#if QT_CONFIG(thread)
#include <QThreadPool>
#endif

class NetworkModel;

// What a search started now would give at every load from 0 to 99, for the current endpoints:
// with the random effect off, exactly; with it on, from many simulated cycles drawn from a
// private generator with a fixed seed, so that the same state always gives the same figures.
// The work runs on a thread of its own where Qt has threads, else in slices on this one, so
// that the windows stay responsive.
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

    // The choices a sweep works on.
    struct State
    {
        int source = 0;
        int destination = 0;
        bool randomEffect = false;
    };

    explicit LoadSweep(const NetworkModel &model, QObject *parent = nullptr);
    ~LoadSweep() override;

    // Begins again from the model's present state; a sweep under way is dropped.
    void start();
    // Drops the sweep under way, if any; the last finished one stays.
    void stop();
    // The points belong to the state of the latest start.
    bool isFinished() const;
    // The last finished sweep and the state it belongs to.
    const QList<Point> &points() const;
    bool randomEffect() const;
    int source() const;
    int destination() const;
    // The state of the sweep under way, or of the finished one.
    State pending() const;

    // The whole sweep at once, on the calling thread, for tests and measurements.
    static QList<Point> compute(const NetworkModel &model);

signals:
    void progressed(int loadsDone);
    void finished();

private:
    class Job;

    void finish(const std::shared_ptr<Job> &job);
    void workSlice();

    const NetworkModel &model;
    QList<Point> done;
    State shown;
    State asked;
    bool working = false;
    // Counts the starts; a job whose start is no longer the latest stops and is dropped.
    std::atomic<int> generation {0};
    std::shared_ptr<Job> sliced; // the job worked on in slices, without threads
    QTimer sliceTimer;
#if QT_CONFIG(thread)
    QThreadPool pool;
#endif
};
