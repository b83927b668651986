// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times reading and checking the largest network a file may hold: 50 vertices, each linked to
// every other (2,450 links), as the program writes it; and, for comparison, Qt's XML reader alone
// going through the same bytes, which is the least a read can cost.

#include "networkfile.h"
#include "testnetworks.h"

#include <QXmlStreamReader>

#include <benchmark/benchmark.h>

namespace {

QByteArray largestNetwork()
{
    return NetworkFile::toGraphML(TestNetworks::largest());
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

void xmlReaderAlone(benchmark::State &state)
{
    const QByteArray file = largestNetwork();
    for (auto _ : state) {
        QXmlStreamReader xml(file);
        while (!xml.atEnd())
            xml.readNext();
        if (xml.hasError())
            state.SkipWithError(qPrintable(xml.errorString()));
    }
}

} // namespace

BENCHMARK(readLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(xmlReaderAlone)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
