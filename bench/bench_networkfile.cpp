// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times reading and checking the largest network a file may hold: 50 vertices, each linked to
// every other (2,450 links), as the program writes it.

#include "networkfile.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray largestNetwork()
{
    QList<Topology::Vertex> vertices;
    for (int v = 0; v < Routing::MostVertices; ++v)
        vertices.append({static_cast<float>(v % 10), static_cast<float>(v / 10), {}});
    QList<Topology::LinkEnds> links;
    for (int a = 0; a < Routing::MostVertices; ++a) {
        for (int b = 0; b < Routing::MostVertices; ++b) {
            if (a != b)
                links.append({a, b, (a * 7 + b * 13) % (Routing::HighestWeight + 1)});
        }
    }
    return NetworkFile::toGraphML(Topology(QStringLiteral("largest"), vertices, links));
}

void readLargest(benchmark::State &state)
{
    const QByteArray file = largestNetwork();
    for (auto _ : state) {
        const NetworkFile::ReadResult result
            = NetworkFile::parse(file, QStringLiteral("largest.graphml"));
        if (!result.network)
            state.SkipWithError(qPrintable(result.error));
        benchmark::DoNotOptimize(result);
    }
    state.counters["bytes"] = static_cast<double>(file.size());
}

} // namespace

BENCHMARK(readLargest)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
