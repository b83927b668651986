// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "loadsweep.h"

#include "networkreader.h"
#include "searchsimulator.h"

#include <QElapsedTimer>
#include <QHash>

#include <algorithm>
#include <vector>

namespace {

constexpr int SliceMs = 15; // the longest the window waits for the sweep at a time
constexpr double LowShare = 0.1;
constexpr double HighShare = 0.9;

int quantile(const std::vector<int> &sorted, double share)
{
    return sorted[static_cast<size_t>(share * static_cast<double>(sorted.size() - 1))];
}

} // namespace

LoadSweep::LoadSweep(const NetworkDisplay &view, QObject *parent)
    : QObject(parent)
    , view(view)
{
    sliceTimer.setInterval(0);
    connect(&sliceTimer, &QTimer::timeout, this, &LoadSweep::workSlice);
}

LoadSweep::~LoadSweep() = default;

void LoadSweep::begin()
{
    const NetworkReader reader(view);
    simulator = std::make_unique<SearchSimulator>(view);
    draws.seed(Seed);
    done.clear();
    random = reader.randomEffect();
    from = reader.source();
    to = reader.destination();
}

void LoadSweep::start()
{
    begin();
    sliceTimer.start();
}

bool LoadSweep::isFinished() const
{
    return done.size() == Loads;
}

const QList<LoadSweep::Point> &LoadSweep::points() const
{
    return done;
}

bool LoadSweep::randomEffect() const
{
    return random;
}

int LoadSweep::source() const
{
    return from;
}

int LoadSweep::destination() const
{
    return to;
}

QList<LoadSweep::Point> LoadSweep::compute(const NetworkDisplay &view)
{
    LoadSweep sweep(view);
    sweep.begin();
    for (int load = 0; load < Loads; ++load)
        sweep.done.append(sweep.sweepLoad(load));
    return sweep.done;
}

LoadSweep::Point LoadSweep::sweepLoad(int load)
{
    Point point;
    point.load = load;
    const int samples = random ? SamplesPerLoad : 1;
    std::vector<int> costs;
    QHash<QList<int>, int> pathCounts;
    int noLink = 0;
    for (int sample = 0; sample < samples; ++sample) {
        const SearchSimulator::Outcome outcome = simulator->run(load, &draws);
        if (outcome.cycle == SearchRecord::NoLinkPassed)
            ++noLink;
        if (!outcome.found)
            continue;
        costs.push_back(outcome.cost);
        if (++pathCounts[outcome.path] > pathCounts.value(point.path) || point.path.isEmpty())
            point.path = outcome.path;
    }
    point.noLinkPassed = noLink == samples;
    point.share = static_cast<double>(costs.size()) / samples;
    if (!costs.empty()) {
        std::sort(costs.begin(), costs.end());
        point.cost = quantile(costs, 0.5);
        point.low = quantile(costs, LowShare);
        point.high = quantile(costs, HighShare);
    }
    return point;
}

void LoadSweep::workSlice()
{
    QElapsedTimer slice;
    slice.start();
    while (done.size() < Loads && slice.elapsed() < SliceMs)
        done.append(sweepLoad(static_cast<int>(done.size())));
    emit progressed(static_cast<int>(done.size()));
    if (done.size() == Loads) {
        sliceTimer.stop();
        emit finished();
    }
}
