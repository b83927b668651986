// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "loadsweep.h"

#include "networkmodel.h"
#include "searchsimulator.h"

#include <QElapsedTimer>
#include <QHash>
#include <QRandomGenerator>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

#if QT_CONFIG(thread)
constexpr int ProgressEvery = 10; // loads between progress reports from the worker
#endif
// Without threads, the longest the window waits for a slice, less one cycle, which takes well
// under a millisecond even on a network of the most vertices, every pair linked.
constexpr int SliceMs = 15;
constexpr double LowShare = 0.1;
constexpr double MedianShare = 0.5;
constexpr double HighShare = 0.9;

int quantile(const std::vector<int> &sorted, double share)
{
    return sorted[static_cast<size_t>(share * static_cast<double>(sorted.size() - 1))];
}

} // namespace

// One sweep of one state: a copy of the model's, so that it can run anywhere. It advances one
// simulated cycle at a time, so that work in slices can stop after any of them.
class LoadSweep::Job
{
public:
    Job(const NetworkModel &model, int generation)
        : simulator(model)
        , draws(Seed)
        , generation(generation)
    { }

    bool isDone() const { return points.size() == Loads; }
    int loadsDone() const { return static_cast<int>(points.size()); }
    void sweepNextLoad()
    {
        const int load = loadsDone();
        while (loadsDone() == load)
            runNextCycle();
    }
    void runNextCycle();

    SearchSimulator simulator;
    QRandomGenerator draws;
    const int generation;
    QList<Point> points;

private:
    int samples() const { return simulator.randomEffect() ? SamplesPerLoad : 1; }
    void finishLoad();

    // The load under way.
    Point point;
    int sample = 0;
    std::vector<int> costs;
    QHash<QList<int>, int> pathCounts;
    int noLink = 0;
};

void LoadSweep::Job::runNextCycle()
{
    point.load = loadsDone();
    if (simulator.source() == simulator.destination()) {
        points.append(std::exchange(point, {})); // a cycle from a vertex to itself runs no search
        return;
    }
    const SearchSimulator::Outcome outcome = simulator.run(point.load, draws);
    if (outcome.cycle == SearchRecord::NoLinkPassed)
        ++noLink;
    if (outcome.found) {
        costs.push_back(outcome.cost);
        if (++pathCounts[outcome.path] > pathCounts.value(point.path) || point.path.isEmpty())
            point.path = outcome.path;
    }
    if (++sample == samples())
        finishLoad();
}

void LoadSweep::Job::finishLoad()
{
    point.noLinkPassed = noLink == sample;
    point.share = static_cast<double>(costs.size()) / sample;
    if (!costs.empty()) {
        std::sort(costs.begin(), costs.end());
        point.cost = quantile(costs, MedianShare);
        point.low = quantile(costs, LowShare);
        point.high = quantile(costs, HighShare);
    }
    points.append(std::exchange(point, {}));
    sample = 0;
    costs.clear();
    pathCounts.clear();
    noLink = 0;
}

LoadSweep::LoadSweep(const NetworkModel &model, QObject *parent)
    : QObject(parent)
    , model(model)
{
    sliceTimer.setInterval(0);
    connect(&sliceTimer, &QTimer::timeout, this, &LoadSweep::workSlice);
#if QT_CONFIG(thread)
    pool.setMaxThreadCount(1);
#endif
}

LoadSweep::~LoadSweep()
{
    ++generation; // a job under way stops at its next load
#if QT_CONFIG(thread)
    pool.waitForDone();
#endif
}

void LoadSweep::start()
{
    const int started = ++generation;
    auto job = std::make_shared<Job>(model, started);
    asked = {job->simulator.source(), job->simulator.destination(), job->simulator.randomEffect()};
    working = true;
#if QT_CONFIG(thread)
    pool.start([this, job] {
        while (!job->isDone()) {
            if (generation != job->generation)
                return;
            job->sweepNextLoad();
            const int loadsDone = static_cast<int>(job->points.size());
            if (loadsDone % ProgressEvery == 0 && !job->isDone()) {
                QMetaObject::invokeMethod(
                    this,
                    [this, job, loadsDone] {
                        if (generation == job->generation)
                            emit progressed(loadsDone);
                    },
                    Qt::QueuedConnection);
            }
        }
        QMetaObject::invokeMethod(
            this, [this, job] { finish(job); }, Qt::QueuedConnection);
    });
#else
    sliced = job;
    sliceTimer.start();
#endif
}

void LoadSweep::stop()
{
    ++generation;
    working = false;
    sliceTimer.stop();
    sliced.reset();
}

void LoadSweep::workSlice()
{
    QElapsedTimer slice;
    slice.start();
    while (!sliced->isDone() && slice.elapsed() < SliceMs)
        sliced->runNextCycle();
    if (!sliced->isDone()) {
        emit progressed(sliced->loadsDone());
        return;
    }
    sliceTimer.stop();
    finish(std::exchange(sliced, nullptr));
}

// Takes in a job's points, unless a later start has overtaken it.
void LoadSweep::finish(const std::shared_ptr<Job> &job)
{
    if (job->generation != generation)
        return;
    done = job->points;
    shown = asked;
    working = false;
    emit progressed(Loads);
    emit finished();
}

bool LoadSweep::isFinished() const
{
    return !working && done.size() == Loads;
}

const QList<LoadSweep::Point> &LoadSweep::points() const
{
    return done;
}

bool LoadSweep::randomEffect() const
{
    return shown.randomEffect;
}

int LoadSweep::source() const
{
    return shown.source;
}

int LoadSweep::destination() const
{
    return shown.destination;
}

LoadSweep::State LoadSweep::pending() const
{
    return working ? asked : shown;
}

QList<LoadSweep::Point> LoadSweep::compute(const NetworkModel &model)
{
    Job job(model, 0);
    while (!job.isDone())
        job.sweepNextLoad();
    return job.points;
}
