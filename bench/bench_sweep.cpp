// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the load sweep for 0 to 5, with the random effect off (one exact search cycle per load)
// and on (LoadSweep::SamplesPerLoad simulated cycles per load), on a view that has run one
// cycle, as the Load sweep window works it out.

#include "coutcapture.h"
#include "loadsweep.h"
#include "networkdisplayprobe.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void sweep(benchmark::State &state, bool randomEffect)
{
    NetworkDisplay view;
    NetworkDisplayProbe probe(view);
    view.setVertex2(5);
    view.setgrand(randomEffect);
    {
        CoutCapture discard;
        probe.moveShot();
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadSweep::compute(view));
    state.counters["cycles"] = LoadSweep::Loads * (randomEffect ? LoadSweep::SamplesPerLoad : 1);
}

} // namespace

BENCHMARK_CAPTURE(sweep, random_effect_off, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sweep, random_effect_on, true)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
