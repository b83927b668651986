// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times one undoable change to the largest network (50 vertices, 2,450 links) and its undo
// apart: a weight, a vertex moved, a vertex removed with its 98 links; and the editor's drawing
// painted again after a change. Each is one response to the editor's user and should take well
// under a frame.

#include "editordrawing.h"
#include "networkediting.h"
#include "testnetworks.h"

#include <QApplication>
#include <QImage>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

using Change = std::function<bool(NetworkEditing &)>;

void change(benchmark::State &state, const Change &edit)
{
    NetworkEditing editing {NetworkDraft(TestNetworks::largest())};
    for (auto _ : state) {
        if (!edit(editing))
            state.SkipWithError("refused");
        state.PauseTiming();
        editing.undoStack()->undo();
        state.ResumeTiming();
    }
}

void undo(benchmark::State &state, const Change &edit)
{
    NetworkEditing editing {NetworkDraft(TestNetworks::largest())};
    for (auto _ : state) {
        state.PauseTiming();
        if (!edit(editing))
            state.SkipWithError("refused");
        state.ResumeTiming();
        editing.undoStack()->undo();
    }
}

// The whole drawing painted into a raster image, each time after a weight has changed.
void repaint(benchmark::State &state)
{
    const QSize size(800, 600);
    NetworkEditing editing {NetworkDraft(TestNetworks::largest())};
    EditorDrawing drawing(editing);
    drawing.resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    int weight = 11;
    for (auto _ : state) {
        state.PauseTiming();
        weight = weight == 11 ? 12 : 11; // a change each time
        if (!editing.setWeight(20, 30, weight))
            state.SkipWithError("refused");
        state.ResumeTiming();
        drawing.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        benchmark::DoNotOptimize(image.constBits());
    }
}

const Change setWeight = [](NetworkEditing &e) { return e.setWeight(20, 30, 100 - 1); };
const Change moveVertex = [](NetworkEditing &e) { return e.moveVertex(20, QPointF(300, 200)); };
const Change removeVertex = [](NetworkEditing &e) { return e.removeVertex(20); };

} // namespace

BENCHMARK_CAPTURE(change, setWeight, setWeight)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(undo, setWeight, setWeight)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(change, moveVertex, moveVertex)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(undo, moveVertex, moveVertex)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(change, removeVertex, removeVertex)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(undo, removeVertex, removeVertex)->Unit(benchmark::kMicrosecond);

BENCHMARK(repaint)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
