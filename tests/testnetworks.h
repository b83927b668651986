// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "topology.h"

#include <QRandomGenerator>
#include <QStringList>
#include <QTest>

// Small networks unlike the built-in one, by name: two vertices and one link, a one-way chain,
// every pair of five vertices linked, fifty vertices in a two-way ring with chords, and three
// vertices without a link.
namespace TestNetworks {

inline QStringList names()
{
    return {"pair", "one way", "complete 5", "fifty", "no link"};
}

// The rows of a test's table: a column "network" holding each name.
inline void addRows()
{
    QTest::addColumn<QString>("network");
    for (const QString &name : names())
        QTest::newRow(qPrintable(name)) << name;
}

inline Topology make(const QString &name)
{
    const QList<int> counts {2, 4, 5, 50, 3};
    const int kind = static_cast<int>(names().indexOf(name));
    const int n = counts[kind];
    const auto joined = [kind, n](int v, int w) {
        const bool next = w == (v + 1) % n;
        return kind < 2 ? next && w > v
            : kind == 3 ? next || v == (w + 1) % n || w == (7 * v + 3) % n
                        : kind == 2;
    };
    QList<Topology::Vertex> vertices;
    QList<Topology::LinkEnds> links;
    for (int v = 0; v < n; ++v) {
        vertices.append({float(v % 8) * 50, float(v / 8) * 50, QStringLiteral("v%1").arg(v)});
        for (int w = 0; w < n; ++w) {
            if (w != v && joined(v, w))
                links.append({v, w, (13 * v + 29 * w) % 100});
        }
    }
    return Topology(name, vertices, links);
}

// The largest network the program takes: every ordered pair of its most vertices linked (2,450
// links), weights drawn 0 to 99 from a fixed seed, vertices on a grid.
inline Topology largest()
{
    QRandomGenerator weights(1);
    QList<Topology::Vertex> vertices;
    QList<Topology::LinkEnds> links;
    for (int v = 0; v < Routing::MostVertices; ++v) {
        vertices.append({float(v % 10) * 60, float(v / 10) * 60, {}});
        for (int w = 0; w < Routing::MostVertices; ++w) {
            if (w != v)
                links.append({v, w, int(weights.bounded(Routing::HighestWeight + 1))});
        }
    }
    return Topology(QStringLiteral("largest"), vertices, links);
}

} // namespace TestNetworks
