// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the route search alone and the whole search cycle, on a destination that is reached
// (0 to 19 at load 0) and one that is not (0 to 5 at load 40), on a fresh view and on one that
// has already run 10,000 cycles; the search writing down its steps; the routing core's cycle as
// the load sweep runs it; the literal reference search on the same cases; and the making of a
// practice set.
// The console report is discarded while measuring.

#include "coutcapture.h"
#include "networkdisplayprobe.h"
#include "practiceset.h"
#include "searchoracle.h"
#include "searchsimulator.h"
#include "testnetworks.h"

#include <QApplication>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int EarlierCycles = 10000;
// Few enough that a "fresh" view stays fresh while it is measured.
constexpr int CycleIterations = 500;

struct Case
{
    int destination;
    int load;
};
const Case Reached {19, 0};
const Case Unreached {5, 40};
constexpr int LargestLoad = 20;

std::unique_ptr<NetworkDisplay> makeView(const Case &c, bool aged)
{
    auto view = std::make_unique<NetworkDisplay>();
    NetworkDisplayProbe probe(*view);
    CoutCapture discard;
    view->setVertex2(c.destination);
    if (aged) {
        for (int i = 0; i < EarlierCycles; ++i)
            probe.moveShot();
    } else {
        probe.moveShot();
    }
    view->setLoad(c.load);
    return view;
}

void search(benchmark::State &state, Case c, bool aged)
{
    auto view = makeView(c, aged);
    NetworkDisplayProbe probe(*view);
    CoutCapture discard;
    for (auto _ : state) {
        probe.predecessor().fill(-1);
        probe.findShortestPath(0, c.destination);
        discard.clear();
    }
}

// The same search writing down every step, as a search cycle has it do.
void searchRecorded(benchmark::State &state, Case c, bool aged)
{
    auto view = makeView(c, aged);
    NetworkDisplayProbe probe(*view);
    CoutCapture discard;
    SearchRecord record;
    for (auto _ : state) {
        record.begin(SearchRecord::Searched, 0, c.destination, c.load, 1.0f, 20);
        probe.setRecording(&record);
        probe.predecessor().fill(-1);
        probe.findShortestPath(0, c.destination);
        probe.setRecording(nullptr);
        discard.clear();
    }
}

void cycle(benchmark::State &state, Case c, bool aged)
{
    auto view = makeView(c, aged);
    NetworkDisplayProbe probe(*view);
    CoutCapture discard;
    for (auto _ : state) {
        probe.moveShot();
        discard.clear();
    }
    state.counters["cycles before"] = aged ? EarlierCycles : 1;
}

// One cycle of the routing core on a copy of the view's state, as the load sweep runs it: the
// random effect on, a private generator, no report, no record.
void coreCycle(benchmark::State &state, Case c)
{
    auto view = makeView(c, false);
    view->setgrand(true);
    SearchSimulator simulator(view->model());
    QRandomGenerator draws(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(simulator.run(c.load, draws));
}

void oracle(benchmark::State &state, Case c, bool aged)
{
    auto view = makeView(c, aged);
    NetworkDisplayProbe probe(*view);
    OracleInput input;
    input.activeLinks = probe.copies(probe.activeLinks());
    input.trafficLoad = c.load;
    input.destination = c.destination;
    for (auto _ : state)
        benchmark::DoNotOptimize(oracleShortestPath(input));
}

// The largest network, its cycles with the random effect on against its bare search: every
// link passes at load 20, and 0 to 49 is searched.
std::unique_ptr<NetworkModel> largestModel()
{
    auto model = std::make_unique<NetworkModel>();
    model->setTopology(TestNetworks::largest());
    model->setDestination(Routing::MostVertices - 1);
    model->setLoad(LargestLoad);
    model->setRandomEffect(true);
    return model;
}

void largestSearch(benchmark::State &state)
{
    auto model = largestModel();
    CoutCapture discard;
    model->runCycle();
    for (auto _ : state) {
        model->findShortestPath(0, Routing::MostVertices - 1);
        discard.clear();
    }
}

void largestCycle(benchmark::State &state)
{
    auto model = largestModel();
    CoutCapture discard;
    for (auto _ : state) {
        model->runCycle();
        discard.clear();
    }
}

// The routing core's cycle on the largest network, as the load sweep runs it.
void largestCoreCycle(benchmark::State &state)
{
    auto model = largestModel();
    SearchSimulator simulator(*model);
    QRandomGenerator draws(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(simulator.run(LargestLoad, draws));
}

// Remembers each benchmark's time per iteration so the ratios can be printed at the end.
class RecordingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            times[run.benchmark_name().substr(0, run.benchmark_name().find("/iterations"))]
                = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

// A practice set of every kind, a new number each time: ten questions, each worked out by fresh
// cycles of the routing core (up to a hundred for a Reach question).
void practiceSet(benchmark::State &state)
{
    int number = PracticeSet::LowestNumber;
    for (auto _ : state)
        benchmark::DoNotOptimize(PracticeSet(number++, PracticeSet::allKinds()));
}

} // namespace

BENCHMARK_CAPTURE(search, reached_fresh, Reached, false);
BENCHMARK_CAPTURE(search, unreached_fresh, Unreached, false);
BENCHMARK_CAPTURE(search, reached_after10000, Reached, true);
BENCHMARK_CAPTURE(search, unreached_after10000, Unreached, true);
BENCHMARK_CAPTURE(searchRecorded, reached_fresh, Reached, false);
BENCHMARK_CAPTURE(searchRecorded, unreached_fresh, Unreached, false);
BENCHMARK_CAPTURE(cycle, reached_fresh, Reached, false)->Iterations(CycleIterations);
BENCHMARK_CAPTURE(cycle, unreached_fresh, Unreached, false)->Iterations(CycleIterations);
BENCHMARK_CAPTURE(cycle, reached_after10000, Reached, true)->Iterations(CycleIterations);
BENCHMARK_CAPTURE(cycle, unreached_after10000, Unreached, true)->Iterations(CycleIterations);
BENCHMARK_CAPTURE(coreCycle, reached_random, Reached);
BENCHMARK_CAPTURE(coreCycle, unreached_random, Unreached);
BENCHMARK_CAPTURE(oracle, reached_fresh, Reached, false);
BENCHMARK_CAPTURE(oracle, unreached_fresh, Unreached, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(oracle, reached_after10000, Reached, true)->Unit(benchmark::kMicrosecond);
BENCHMARK(practiceSet)->Unit(benchmark::kMicrosecond);
BENCHMARK(largestSearch)->Unit(benchmark::kMicrosecond);
BENCHMARK(largestCycle)->Unit(benchmark::kMicrosecond);
BENCHMARK(largestCoreCycle)->Unit(benchmark::kMicrosecond);
// The reference on the aged unreachable case walks 30,000-entry lists a million times: hours.

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    auto ratio = [&](const std::string &a, const std::string &b) {
        const auto x = reporter.times.find(a);
        const auto y = reporter.times.find(b);
        if (x != reporter.times.end() && y != reporter.times.end() && y->second > 0)
            std::printf("%-56s %10.1fx\n", (a + " / " + b).c_str(), x->second / y->second);
    };
    std::printf("\nRatios (time per iteration):\n");
    ratio("oracle/reached_fresh", "search/reached_fresh");
    ratio("oracle/unreached_fresh", "search/unreached_fresh");
    ratio("oracle/reached_after10000", "search/reached_after10000");
    ratio("cycle/reached_after10000", "cycle/reached_fresh");
    ratio("cycle/unreached_after10000", "cycle/unreached_fresh");
    ratio("search/reached_after10000", "search/reached_fresh");
    ratio("searchRecorded/reached_fresh", "search/reached_fresh");
    ratio("searchRecorded/unreached_fresh", "search/unreached_fresh");
    ratio("coreCycle/reached_random", "search/reached_fresh");
    ratio("coreCycle/unreached_random", "search/unreached_fresh");
    ratio("largestCycle", "largestSearch");
    ratio("largestCoreCycle", "largestSearch");
    return 0;
}
