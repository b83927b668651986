// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times one full paint of the 800 x 600 view into a raster image, plain and with the outcome of
// a search (the best path and its message) drawn over the network, and with every link saturated.

#include "coutcapture.h"
#include "networkdisplayprobe.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

void paint(benchmark::State &state, bool withOutcome, int load)
{
    NetworkDisplay view;
    NetworkDisplayProbe probe(view);
    view.resize(800, 600);
    view.setVertex2(19);
    {
        CoutCapture discard;
        probe.moveShot();
    }
    view.setLoad(load);
    QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        probe.pathFound() = withOutcome; // painting clears the flag it shows
        view.render(&image, QPoint(), QRegion(), QWidget::RenderFlags()); // as a child widget
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK_CAPTURE(paint, network, false, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(paint, with_path_overlay, true, 0)->Unit(benchmark::kMicrosecond);
// Every link saturated: 64 dashed, 2-pixel lines with round caps.
BENCHMARK_CAPTURE(paint, saturated, false, 99)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
