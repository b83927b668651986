// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Routing tables of the core, without widgets: link state by the program's search, and the
// distance vector round by round, with its count to infinity after bad news.

#include "distancevector.h"
#include "loadrules.h"
#include "routesearch.h"
#include "topology.h"
#include "usablelinks.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

using Links = QList<Topology::LinkEnds>;
using Advertising = DistanceVector::Advertising;
constexpr int Cut = LinkCosts::NoLink;

Links bothWays(const Links &links)
{
    Links result;
    for (const Topology::LinkEnds &l : links)
        result << l << Topology::LinkEnds {l.target, l.source, l.weight};
    return result;
}

Topology network(const QString &name)
{
    // u, v, w, x, y, z; x, y, z; and A, B, C in a triangle with D hanging from A
    if (name == "textbook") {
        return {name, QList<Topology::Vertex>(6),
            bothWays({{0, 1, 2}, {0, 3, 1}, {0, 2, 5}, {1, 3, 2}, {1, 2, 3}, {3, 2, 3}, {3, 4, 1},
                {2, 4, 1}, {2, 5, 5}, {4, 5, 2}})};
    }
    if (name == "zero pair") { // 0 and 1 linked at no cost, each 5 from 4 on a route of its own
        return {name, QList<Topology::Vertex>(5),
            bothWays({{0, 1, 0}, {0, 2, 1}, {1, 3, 1}, {2, 4, 4}, {3, 4, 4}})};
    }
    if (name == "three routers")
        return {name, QList<Topology::Vertex>(3), bothWays({{0, 1, 4}, {1, 2, 1}, {0, 2, 50}})};
    return {
        name, QList<Topology::Vertex>(4), bothWays({{0, 1, 1}, {1, 2, 1}, {0, 2, 1}, {0, 3, 1}})};
}

} // namespace

class RoutingTablesTest : public QObject
{
    Q_OBJECT

private slots:
    void examples_data();
    void examples();
    void randomNetworksAgree();
};

void RoutingTablesTest::examples_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("advertising");
    QTest::addColumn<int>("infinity");
    QTest::addColumn<int>("cap");
    QTest::addColumn<Links>("change"); // both ways, weight the new cost
    QTest::addColumn<QList<int>>("vertex0"); // cost, next hop for each destination at the start
    QTest::addColumn<int>("startRounds"); // the last round that changes anything
    QTest::addColumn<int>("tiedHops"); // next hops unlike link state's, on routes as cheap
    // The last stage: its last round that changes anything, the round from which it agrees
    // with link state, its rounds with a route too cheap, whether it converged and the entries
    // still counting up at the cap; then the first change of its first round (vertex,
    // destination, neighbour, claim, link, cost after).
    QTest::addColumn<QList<int>>("stage");
    QTest::addColumn<QList<int>>("firstChange");

    const auto every = int(Advertising::Everything);
    const auto poisoned = int(Advertising::PoisonedReverse);
    const auto split = int(Advertising::SplitHorizon);
    const int inf = DistanceVector::DefaultInfinity;
    const int cap = DistanceVector::DefaultRoundCap;
    // u reaches z at 4 over x and y, three hops, learnt in round 2. Round 1: u to w is 4 over
    // x, which claims 3 behind a link of 1.
    QTest::newRow("textbook") << "textbook" << every << inf << cap << Links {}
                              << QList {0, 0, 2, 1, 3, 3, 1, 3, 2, 3, 4, 3} << 2 << 0
                              << QList {2, 2, 0, 1, 0} << QList {0, 2, 3, 3, 1, 4};
    // Round 2 offers 0 and 1 each other's route to 4 at the same 5: each keeps its own, where
    // taking the lower-numbered would swap both back and forth under split horizon for ever.
    // The search has 1 reach 4 over 0 and 2 instead, as cheap.
    QTest::newRow("zero pair") << "zero pair" << split << inf << cap << Links {}
                               << QList {0, 0, 0, 1, 1, 2, 1, 1, 5, 2} << 2 << 1
                               << QList {2, 2, 0, 1, 0} << QList {0, 3, 1, 1, 0, 1};
    // x reaches z at 5 over y in round 1. Good news, x-y at 1: x and y know in round 1, z
    // (1 + y's 1 = 2) in round 2.
    const QList x {0, 0, 4, 1, 5, 1};
    QTest::newRow("good news") << "three routers" << every << inf << cap << Links {{0, 1, 1}} << x
                               << 1 << 0 << QList {2, 2, 0, 1, 0} << QList {0, 1, 1, 0, 1, 1};
    // Bad news, x-y at 60: round k gives y 1 + z's claim and z min(50, 1 + y's claim), from
    // y 4 and z 5: y = 6, 6, 8, 8, ..., z = 5, 7, 7, 9, ...; z takes x-z at 50 in round 46
    // (y's 50 + 1 is dearer), y 51 over z in round 47. Both too cheap in rounds 1 to 46.
    // Round 1: x to y is 51 over z, which claims 1 behind a link of 50.
    QTest::newRow("bad news") << "three routers" << every << inf << cap << Links {{0, 1, 60}} << x
                              << 1 << 0 << QList {47, 47, 46, 1, 0} << QList {0, 1, 2, 1, 50, 51};
    // Poisoned reverse: z's route over y reaches y as infinity, so y takes 60 at once; z takes
    // 50 in round 2 (too cheap at 5 in round 1 only), y 51 over z in round 3.
    QTest::newRow("bad news, poisoned reverse")
        << "three routers" << poisoned << inf << cap << Links {{0, 1, 60}} << x << 1 << 0
        << QList {3, 3, 1, 1, 0} << QList {0, 1, 2, 1, 50, 51};
    QTest::newRow("bad news, split horizon")
        << "three routers" << split << inf << cap << Links {{0, 1, 60}} << x << 1 << 0
        << QList {3, 3, 1, 1, 0} << QList {0, 1, 2, 1, 50, 51};
    // D cut from the triangle: poisoned reverse cannot stop the count around A, B, C. Round 1
    // A loses D; 2: B, C 3 over each other; 3: A 4 over B, B and C lose D; then one router at
    // a time holds the route at cost round + 1, until 16 is infinity in round 15.
    const QList a {0, 0, 1, 1, 1, 2, 1, 3};
    QTest::newRow("triangle, infinity 16")
        << "triangle" << poisoned << 16 << cap << Links {{0, 3, Cut}} << a << 1 << 0
        << QList {15, 15, 14, 1, 0} << QList {0, 3, 3, -1, Cut, 16};
    // At the cap of 30 the count still goes on, around all three.
    QTest::newRow("triangle, cap")
        << "triangle" << poisoned << inf << 30 << Links {{0, 3, Cut}} << a << 1 << 0
        << QList {30, -1, 30, 0, 3} << QList {0, 3, 3, -1, Cut, inf};
}

void RoutingTablesTest::examples()
{
    QFETCH(QString, name);
    QFETCH(int, advertising);
    QFETCH(int, infinity);
    QFETCH(int, cap);
    QFETCH(Links, change);
    QFETCH(QList<int>, vertex0);
    QFETCH(int, startRounds);
    QFETCH(int, tiedHops);
    QFETCH(QList<int>, stage);
    QFETCH(QList<int>, firstChange);

    LinkCosts costs(network(name), 0, 1.0f);
    const RoutingTables linkState = RoutingTables::linkState(costs);
    DistanceVector dv(costs, {Advertising(advertising), infinity, cap});
    for (int d = 0; d < costs.vertexCount(); ++d) {
        const RoutingTables::Route expected {vertex0[2 * d], vertex0[2 * d + 1]};
        QCOMPARE(linkState.route(0, d), expected);
        QCOMPARE(dv.tables().route(0, d), expected);
    }
    QCOMPARE(dv.stages().front().lastChange, startRounds);
    const auto differences = dv.tables().differences(linkState);
    QCOMPARE(int(differences.size()), tiedHops);
    for (const RoutingTables::Difference &d : differences)
        QVERIFY(d.nextHopDiffers && !d.costDiffers);

    for (const Topology::LinkEnds &link : bothWays(change))
        QCOMPARE(costs.setCost(link.source, link.target, link.weight), QString());
    if (!change.isEmpty())
        QCOMPARE(dv.changeCosts(costs), QString());
    const DistanceVector::Stage &last = dv.stages().back();
    QCOMPARE(QList({last.lastChange, last.agreeingFrom, last.countingRounds, int(last.converged),
                 int(last.stillCounting.size())}),
        stage);
    const DistanceVector::Change &why = dv.rounds()[last.firstRound].changes.front();
    QCOMPARE(QList({why.vertex, why.destination, why.neighbour, why.claim, why.linkCost,
                 why.after.cost}),
        firstChange);
    QCOMPARE(dv.tables().agreeOnCosts(RoutingTables::linkState(costs)), last.agreeingFrom >= 0);
}

// Networks of 2 to 50 vertices with random links, weights, loads and factors: the distance
// vector converges, with each way of advertising, to the costs link state gives; and link state
// costs what the program's own search finds at the load and factor.
void RoutingTablesTest::randomNetworksAgree()
{
    QRandomGenerator random(20261211);
    constexpr int Networks = 200;
    constexpr int HighestTestedLoad = 60; // some above 49, where no link passes at factor 1
    for (int round = 0; round < Networks; ++round) {
        const int n = int(random.bounded(Routing::FewestVertices, Routing::MostVertices + 1));
        const int density = int(random.bounded(1, 100));
        Links links;
        for (int v = 0; v < n; ++v) {
            for (int w = 0; w < n; ++w) {
                if (v != w && int(random.bounded(100)) < density)
                    links.append({v, w, int(random.bounded(Routing::HighestWeight + 1))});
            }
        }
        const Topology topology(QStringLiteral("random"), QList<Topology::Vertex>(n), links);
        const int load = int(random.bounded(HighestTestedLoad));
        const float factor = round % 2 ? float(random.generateDouble()) : 1.0f;
        const LinkCosts costs(topology, load, factor);
        const RoutingTables linkState = RoutingTables::linkState(costs);
        const QByteArray where = QByteArray::number(round);
        for (Advertising a :
            {Advertising::Everything, Advertising::SplitHorizon, Advertising::PoisonedReverse}) {
            const DistanceVector dv(costs, {a, DistanceVector::DefaultInfinity, n + 1});
            QVERIFY2(dv.stages().front().converged, where.constData());
            QVERIFY2(dv.tables().agreeOnCosts(linkState), where.constData());
        }

        UsableLinks usable;
        if (LoadRules::passesLoadTest(load, factor)) {
            for (const Topology::LinkEnds &l : links)
                usable.append(l.source, {l.target, float(l.weight), factor});
        }
        const int source = int(random.bounded(n));
        const int destination = int(random.bounded(n));
        RouteSearch search;
        search.predecessor.fill(Routing::NoPredecessor);
        if (search.findShortestPath({usable, n, load, factor, Report::None}, source, destination)) {
            const RoutingTables::Route route = linkState.route(source, destination);
            QVERIFY2(
                route.reachable() == (search.distance[destination] < Routing::UnreachableDistance),
                where.constData());
            QVERIFY2(!route.reachable() || route.cost == search.distance[destination],
                where.constData());
        }
    }
}

QTEST_APPLESS_MAIN(RoutingTablesTest)
#include "tst_routingtables.moc"
