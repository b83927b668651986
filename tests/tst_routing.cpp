// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The routing core on its own: no application object, no widget, linked without Qt Widgets.

#include "coutcapture.h"
#include "loadrules.h"
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
    void randomNetworksAgreeWithOracle();
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

// Networks of 2 to 50 vertices with random links, weights, loads and draws: each of a few
// cycles on a network against the reference search on the links the model let pass.
void RoutingTest::randomNetworksAgreeWithOracle()
{
    QRandomGenerator random(20261210);
    constexpr int Networks = 300;
    for (int round = 0; round < Networks; ++round) {
        const int n
            = static_cast<int>(random.bounded(Routing::FewestVertices, Routing::MostVertices + 1));
        const int density = static_cast<int>(random.bounded(1, 100)); // percent of pairs linked
        QList<Topology::Vertex> vertices(n);
        QList<Topology::LinkEnds> links;
        for (int v = 0; v < n; ++v) {
            for (int w = 0; w < n; ++w) {
                if (v != w && static_cast<int>(random.bounded(100)) < density)
                    links.append(
                        {v, w, static_cast<int>(random.bounded(Routing::HighestWeight + 1))});
            }
        }
        NetworkModel model;
        model.setTopology(Topology(QStringLiteral("random"), vertices, links));
        model.setSource(static_cast<int>(random.bounded(n)));
        model.setDestination(static_cast<int>(random.bounded(n)));
        const bool randomEffect = random.bounded(2) == 1;
        model.setRandomEffect(randomEffect);
        // Every draw of a cycle is the same, so every link has the factor drawn last: the
        // links that pass are all or none, and stay usable once they passed.
        std::vector<std::vector<Link>> passed(n);
        bool linksPassed = false;
        for (int cycle = 0; cycle < 3; ++cycle) {
            ScriptedDraws::fallback = randomEffect ? static_cast<int>(random.bounded(32768)) : -1;
            model.setLoad(static_cast<int>(random.bounded(Routing::LoadLimit)));
            CoutCapture output;
            const SearchRecord::Cycle kind = model.runCycle();
            if (!linksPassed && LoadRules::passesLoadTest(model.load(), model.randomFactor())) {
                linksPassed = true;
                for (const Topology::LinkEnds &link : links)
                    passed[link.source].push_back({link.target, float(link.weight), 1});
            }
            if (kind != SearchRecord::Searched)
                continue;
            OracleInput input;
            input.vertexCount = n;
            input.activeLinks = passed;
            input.trafficLoad = model.load();
            input.randomFactor = model.randomFactor();
            input.source = model.source();
            input.destination = model.destination();
            const OracleResult expected = oracleShortestPath(input);
            const QByteArray where
                = QStringLiteral("network %1, cycle %2").arg(round).arg(cycle).toLatin1();
            for (int v = 0; v < n; ++v) {
                QVERIFY2(model.search().distance[v] == expected.distance[v], where.constData());
                QVERIFY2(
                    model.search().predecessor[v] == expected.predecessor[v], where.constData());
            }
            QVERIFY2(model.search().searchSteps == expected.searchSteps, where.constData());
            QVERIFY2(output.text() == expected.report, where.constData());
        }
    }
}

QTEST_APPLESS_MAIN(RoutingTest)
#include "tst_routing.moc"
