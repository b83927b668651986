// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the example networks of data/networks with the program's own writer:
//     netroute-networks DIR
// Every position lies in the drawing area and the vertices reach all four of its edges, so a
// file read back keeps its positions and writes the same bytes again.

#include "networkfile.h"
#include "routesearch.h"
#include "usablelinks.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>

namespace {

using Vertices = QList<Topology::Vertex>;
using Links = QList<Topology::LinkEnds>;

// The drawing area, as the built-in network spans it.
constexpr float Left = 12;
constexpr float Right = 588;
constexpr float Top = 7.4f;
constexpr float Bottom = 407;
constexpr float Middle = (Top + Bottom) / 2;

void addBothWays(Links &links, int a, int b, int weight)
{
    links.append({a, b, weight});
    links.append({b, a, weight});
}

// The six routers of the networking textbooks; u to z costs 4 at load 0 (u, x, y, z).
Topology textbook()
{
    const Vertices vertices {{Left, Middle, QStringLiteral("u")}, {204, Top, QStringLiteral("v")},
        {396, Top, QStringLiteral("w")}, {204, Bottom, QStringLiteral("x")},
        {396, Bottom, QStringLiteral("y")}, {Right, Middle, QStringLiteral("z")}};
    enum { U, V, W, X, Y, Z };
    Links links;
    addBothWays(links, U, V, 2);
    addBothWays(links, U, X, 1);
    addBothWays(links, U, W, 5);
    addBothWays(links, V, X, 2);
    addBothWays(links, V, W, 3);
    addBothWays(links, X, W, 3);
    addBothWays(links, X, Y, 1);
    addBothWays(links, W, Y, 1);
    addBothWays(links, W, Z, 5);
    addBothWays(links, Y, Z, 2);
    return {QStringLiteral("textbook"), vertices, links};
}

// The three routers x, y, z of the textbooks' distance-vector example: x-y 4, y-z 1, x-z 50,
// x to z costs 5 over y. Raising x-y to 60 makes y and z count up until x-z wins.
Topology threeRouters()
{
    const Vertices vertices {{Left, Bottom, QStringLiteral("x")},
        {(Left + Right) / 2, Top, QStringLiteral("y")}, {Right, Bottom, QStringLiteral("z")}};
    enum { X, Y, Z };
    Links links;
    addBothWays(links, X, Y, 4);
    addBothWays(links, Y, Z, 1);
    addBothWays(links, X, Z, 50);
    return {QStringLiteral("three-routers"), vertices, links};
}

// Three routes from S (0) to D (5): five hops of weight 2 over the top, three of weight 5 along
// the bottom, and one link of weight 36. Each hop pays the load once more, so a rising load
// favours fewer hops: the best route from S to D takes the five hops at loads 0 to 2 (costs
// 5 load + 10), the three hops from load 3 to 10 (3 load + 15) and the one link from load 11
// (load + 36) until no link passes the load test at 50. checkRoutes() checks these loads.
Topology fewerHops()
{
    const Vertices vertices {{Left, Middle, QStringLiteral("S")}, {127.2f, 80, {}},
        {242.4f, Top, {}}, {357.6f, Top, {}}, {472.8f, 80, {}},
        {Right, Middle, QStringLiteral("D")}, {204, Bottom, {}}, {396, Bottom, {}}};
    Links links;
    for (int v = 0; v < 5; ++v)
        addBothWays(links, v, v + 1, 2);
    addBothWays(links, 0, 6, 5);
    addBothWays(links, 6, 7, 5);
    addBothWays(links, 7, 5, 5);
    addBothWays(links, 0, 5, 36);
    return {QStringLiteral("fewer-hops"), vertices, links};
}

// Forty vertices on a jittered grid of 8 by 5, sparse like the built-in network: every row
// joined along, the outer columns and about half the others joined down, a few diagonals, each
// direction with a weight of its own. Far pairs have routes of many hops, so the load sweep
// shows the cost rising steeply.
Topology larger()
{
    constexpr int Columns = 8;
    constexpr int Rows = 5;
    constexpr int Jitter = 20;
    constexpr int LightestWeight = 5;
    constexpr int HeaviestWeight = 60;
    QRandomGenerator draws(20261210);
    const auto hundredths
        = [](double value) { return static_cast<float>(std::round(value * 100) / 100); };
    const auto jitter
        = [&draws](bool inside) { return inside ? draws.bounded(-Jitter, Jitter + 1) : 0; };

    Vertices vertices;
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            const double x = Left + double(Right - Left) * column / (Columns - 1);
            const double y = Top + double(Bottom - Top) * row / (Rows - 1);
            vertices.append({hundredths(x + jitter(column > 0 && column < Columns - 1)),
                hundredths(y + jitter(row > 0 && row < Rows - 1)), {}});
        }
    }
    Links links;
    const auto join = [&](int a, int b) {
        links.append({a, b, draws.bounded(LightestWeight, HeaviestWeight + 1)});
        links.append({b, a, draws.bounded(LightestWeight, HeaviestWeight + 1)});
    };
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            const int v = row * Columns + column;
            const bool below = row < Rows - 1;
            if (column < Columns - 1)
                join(v, v + 1);
            if (below && (column == 0 || column == Columns - 1 || draws.bounded(2) == 0))
                join(v, v + Columns);
            if (below && column < Columns - 1 && draws.bounded(5) == 0)
                join(v, v + Columns + 1);
        }
    }
    return {QStringLiteral("larger"), vertices, links};
}

// The hops and the cost of the best route at a load, by the program's own search.
std::pair<int, int> bestRoute(const Topology &network, int source, int destination, int load)
{
    UsableLinks usable;
    for (const Topology::LinkEnds &l : network.linkEnds())
        usable.append(l.source, {l.target, static_cast<float>(l.weight), 1.0f});
    RouteSearch search;
    search.predecessor.fill(Routing::NoPredecessor);
    search.findShortestPath(
        {usable, network.vertexCount, load, 1.0f, Report::None}, source, destination);
    const auto path = search.pathBack(source, destination, network.vertexCount);
    return {static_cast<int>(path.size()) - 1, search.distance[destination]};
}

// What the comments above say of the routes, or why not.
QString checkRoutes(
    const Topology &textbook, const Topology &fewerHops, const Topology &threeRouters)
{
    if (bestRoute(textbook, 0, 5, 0).second != 4)
        return QStringLiteral("u to z does not cost 4");
    if (bestRoute(threeRouters, 0, 2, 0) != std::pair {2, 5})
        return QStringLiteral("x to z does not cost 5 over y");
    for (const auto &[load, hops] : {std::pair {2, 5}, {3, 3}, {10, 3}, {11, 1}, {49, 1}}) {
        if (bestRoute(fewerHops, 0, 5, load).first != hops)
            return QStringLiteral("S to D at load %1 does not take %2 hops").arg(load).arg(hops);
    }
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: netroute-networks DIR\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QList<std::pair<QString, Topology>> networks {{QStringLiteral("builtin"), Topology()},
        {QStringLiteral("textbook"), textbook()}, {QStringLiteral("fewer-hops"), fewerHops()},
        {QStringLiteral("larger"), larger()}, {QStringLiteral("three-routers"), threeRouters()}};
    const QString routes = checkRoutes(networks[1].second, networks[2].second, networks[4].second);
    if (!routes.isEmpty()) {
        std::fprintf(stderr, "netroute-networks: %s\n", qPrintable(routes));
        return 1;
    }
    for (const auto &[name, network] : networks) {
        QString error = Topology::check(network.vertices(), network.linkEnds());
        if (error.isEmpty())
            error = NetworkFile::write(network, folder.filePath(name + QStringLiteral(".graphml")));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "netroute-networks: %s\n", qPrintable(error));
            return 1;
        }
    }
    return 0;
}
