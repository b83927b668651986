// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The routing core on its own: no application object, no widget, linked without Qt Widgets.

#include "coutcapture.h"
#include "networkmodel.h"
#include "scripteddraws.h"
#include "searchoracle.h"
#include "searchsimulator.h"

#include <QRandomGenerator>
#include <QtTest>

#include <thread>

namespace {

std::vector<std::vector<Link>> copies(const UsableLinks &usable, int vertexCount)
{
    std::vector<std::vector<Link>> result(vertexCount);
    for (int v = 0; v < vertexCount; ++v) {
        for (const auto &link : usable.records(v))
            result[v].push_back(*link);
    }
    return result;
}

} // namespace

class RoutingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ScriptedDraws::install(); }
    void cycleAgreesWithOracle_data();
    void cycleAgreesWithOracle();
};

void RoutingTest::cycleAgreesWithOracle_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("destination");
    QTest::addColumn<int>("load");
    QTest::addColumn<int>("draw"); // the generator's every value, with the random effect on
    QTest::addColumn<bool>("onWorker");
    QTest::newRow("0 to 19 at load 0") << 0 << 19 << 0 << -1 << false;
    QTest::newRow("0 to 5 at load 39") << 0 << 5 << 39 << -1 << false;
    QTest::newRow("0 to 5 at load 40, unreachable") << 0 << 5 << 40 << -1 << false;
    QTest::newRow("19 to 0, random 0.5, load 60") << 19 << 0 << 60 << 16383 << false;
    QTest::newRow("0 to 19 on a worker thread") << 0 << 19 << 10 << -1 << true;
}

// The model's cycle against the reference search on the links it let pass, and the simulator's
// cycle on a copy against the model's.
void RoutingTest::cycleAgreesWithOracle()
{
    QFETCH(int, source);
    QFETCH(int, destination);
    QFETCH(int, load);
    QFETCH(int, draw);
    QFETCH(bool, onWorker);
    ScriptedDraws::fallback = draw;

    NetworkModel model;
    model.setSource(source);
    model.setDestination(destination);
    model.setLoad(load);
    model.setRandomEffect(draw >= 0);
    QSignalSpy finished(&model, &NetworkModel::cycleFinished);
    CoutCapture output;
    SearchRecord::Cycle kind = SearchRecord::NoCycleYet;
    if (onWorker)
        std::thread([&] { kind = model.runCycle(); }).join();
    else
        kind = model.runCycle();
    QCOMPARE(kind, SearchRecord::Searched);
    QCOMPARE(finished.size(), 1);

    OracleInput input;
    input.activeLinks = copies(model.usableLinks(), model.topology().vertexCount);
    input.trafficLoad = load;
    input.randomFactor = model.randomFactor();
    input.source = source;
    input.destination = destination;
    const OracleResult expected = oracleShortestPath(input);
    const RouteSearch &search = model.search();
    for (int v = 0; v < model.topology().vertexCount; ++v) {
        QCOMPARE(search.distance[v], expected.distance[v]);
        QCOMPARE(search.predecessor[v], expected.predecessor[v]);
    }
    QCOMPARE(search.searchSteps, expected.searchSteps);
    QCOMPARE(output.text(), expected.report);
    QCOMPARE(model.lastCycle().report, expected.report);

    QRandomGenerator draws(1);
    SearchSimulator simulator(model);
    output.clear();
    const SearchSimulator::Outcome simulated = simulator.run(load, draws);
    QCOMPARE(output.text(), std::string());
    if (draw >= 0)
        return; // the simulator draws its own factors
    const bool found = search.predecessor[destination] != Routing::NoPredecessor;
    QCOMPARE(simulated.found, found);
    if (found) {
        QCOMPARE(simulated.cost, search.distance[destination]);
        QCOMPARE(simulated.path.first(), source);
        QCOMPARE(simulated.path.last(), destination);
    }
}

QTEST_APPLESS_MAIN(RoutingTest)
#include "tst_routing.moc"
