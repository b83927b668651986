// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the load sweep for 0 to 5, with the random effect off (one exact search cycle per load)
// and on (LoadSweep::SamplesPerLoad simulated cycles per load), after one cycle of the program,
// on the calling thread; and how long the GUI thread is kept busy at a time while a random
// sweep runs as the Load sweep window starts it, measured by the longest gap between the ticks
// of a zero-interval timer. The random sweep is also timed on the largest network the program
// takes, every pair of its 50 vertices linked both ways (2,450 links, weights drawn 0 to 99).

#include "loadsweep.h"
#include "networkmodel.h"
#include "testnetworks.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <iostream>
#include <memory>

namespace {

std::unique_ptr<NetworkModel> makeModel(bool randomEffect)
{
    auto model = std::make_unique<NetworkModel>();
    model->setDestination(5);
    model->setRandomEffect(randomEffect);
    std::cout.setstate(std::ios::failbit); // the one cycle's report is not measured
    model->runCycle();
    std::cout.clear();
    return model;
}

void sweepComplete(benchmark::State &state)
{
    NetworkModel model;
    model.setTopology(TestNetworks::largest());
    model.setDestination(Routing::MostVertices - 1);
    model.setRandomEffect(true);
    std::cout.setstate(std::ios::failbit);
    model.runCycle();
    std::cout.clear();
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadSweep::compute(model));
    state.counters["links"] = model.topology().linkCount();
}

void sweep(benchmark::State &state, bool randomEffect)
{
    const auto model = makeModel(randomEffect);
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadSweep::compute(*model));
    state.counters["cycles"] = LoadSweep::Loads * (randomEffect ? LoadSweep::SamplesPerLoad : 1);
}

void guiThreadSlice(benchmark::State &state)
{
    const auto model = makeModel(true);
    LoadSweep loadSweep(*model);
    double longest = 0;
    for (auto _ : state) {
        QEventLoop loop;
        QTimer tick;
        tick.setInterval(0);
        QElapsedTimer sinceTick;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longest = std::max(longest, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
            sinceTick.start();
        });
        QObject::connect(&loadSweep, &LoadSweep::finished, &loop, &QEventLoop::quit);
        sinceTick.start();
        tick.start();
        loadSweep.start();
        loop.exec();
    }
    state.counters["longest_gui_ms"] = longest;
}

} // namespace

BENCHMARK_CAPTURE(sweep, random_effect_off, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sweep, random_effect_on, true)->Unit(benchmark::kMillisecond);
BENCHMARK(sweepComplete)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(guiThreadSlice)->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
