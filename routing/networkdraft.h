// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "topology.h"

#include <QCoreApplication>
#include <QList>
#include <QPointF>
#include <QString>

// A network being made by hand. Unlike a Topology it may be no network yet (fewer than two
// vertices), but it keeps every other rule: at most the most vertices a network may have, whole
// weights in range, no link from a vertex to itself and at most one per ordered pair. Each edit
// is refused with the reason, in a learner's words, and then changes nothing.
class NetworkDraft
{
    Q_DECLARE_TR_FUNCTIONS(NetworkDraft)

public:
    NetworkDraft() = default;
    explicit NetworkDraft(const Topology &network);

    QString name;
    QList<Topology::Vertex> vertices;
    QList<Topology::LinkEnds> links; // by source, then in the order they were made

    bool operator==(const NetworkDraft &other) const;
    bool operator!=(const NetworkDraft &other) const { return !(*this == other); }

    // Why it is no network yet (Topology::check's words), or empty.
    QString whyNoNetwork() const;
    // Why it breaks a rule that a draft keeps too (such as one a caller put together), or empty.
    QString whyBroken() const;
    // Only for a draft whyNoNetwork() accepts.
    Topology toTopology() const;

    int vertexCount() const { return static_cast<int>(vertices.size()); }
    bool isVertex(int vertex) const { return vertex >= 0 && vertex < vertexCount(); }

    bool canAddVertex() const { return vertices.size() < Routing::MostVertices; }
    // The index in links of the link source to target, or -1.
    int linkIndex(int source, int target) const;
    // Why no link source to target can be made, or empty.
    QString whyNoLink(int source, int target) const;

    // The edits; each returns an error text (nothing changed) or empty.
    QString addVertex(QPointF position, const QString &label = {});
    // Removes the vertex with its links; the higher vertices each take the number below.
    QString removeVertex(int vertex);
    QString moveVertex(int vertex, QPointF position);
    QString setLabel(int vertex, const QString &label);
    QString addLink(int source, int target, int weight);
    QString removeLink(int source, int target);
    QString setWeight(int source, int target, int weight);
    // Places every vertex on a circle in the drawing area, in number order.
    void arrangeOnCircle();

private:
    static QString whyNoWeight(int weight);
    static QString tooManyVertices();
    QString noVertex(int vertex) const;
    static QString noLink(int source, int target);
    static QString notFinite();
};
