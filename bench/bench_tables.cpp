// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the routing tables of every vertex: by link state, one search per destination not yet
// settled, and by distance vector from the start to convergence, each advertising way; on the
// largest network (50 vertices, 2,450 links) and on a ring of 50 with chords, where routes take
// many hops and the distance vector many rounds.

#include "distancevector.h"
#include "testnetworks.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Load = 20;
constexpr float Factor = 1.0f;

LinkCosts costsOf(bool largest)
{
    return {largest ? TestNetworks::largest() : TestNetworks::make(QStringLiteral("fifty")), Load,
        Factor};
}

void linkState(benchmark::State &state, bool largest)
{
    const LinkCosts costs = costsOf(largest);
    for (auto _ : state)
        benchmark::DoNotOptimize(RoutingTables::linkState(costs));
}

void distanceVector(benchmark::State &state, bool largest, DistanceVector::Advertising way)
{
    const LinkCosts costs = costsOf(largest);
    int rounds = 0;
    for (auto _ : state) {
        const DistanceVector run(
            costs, {way, DistanceVector::DefaultInfinity, DistanceVector::DefaultRoundCap});
        if (!run.stages().front().converged)
            state.SkipWithError("no convergence");
        rounds = run.stages().front().lastChange;
    }
    state.counters["rounds"] = rounds;
}

using Way = DistanceVector::Advertising;

} // namespace

BENCHMARK_CAPTURE(linkState, largest, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(linkState, ring, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(distanceVector, largest, true, Way::Everything)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(distanceVector, largest_poisoned, true, Way::PoisonedReverse)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(distanceVector, ring, false, Way::Everything)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(distanceVector, ring_split, false, Way::SplitHorizon)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
