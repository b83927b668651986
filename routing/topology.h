// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "link.h"
#include "routing.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <array>
#include <memory>
#include <vector>

// A network: its vertices at their drawn positions, each with an optional label, and its links
// listed under their source vertex in the order they were given. The default one is the
// program's built-in network. Only each link's factor changes once it is made.
class Topology
{
    Q_DECLARE_TR_FUNCTIONS(Topology)

public:
    using LinkList = std::vector<std::unique_ptr<Link>>;

    // What a network is made of, as a file or an editor gives it.
    struct Vertex
    {
        float x = 0; // drawn position, y growing downward
        float y = 0;
        QString label;
    };
    struct LinkEnds
    {
        int source = 0;
        int target = 0;
        int weight = 0;
    };

    // The built-in network.
    Topology();
    // Any network that check() accepts.
    Topology(QString name, const QList<Vertex> &vertices, const QList<LinkEnds> &links);
    // Copies hold links of their own.
    Topology(const Topology &other);
    Topology &operator=(const Topology &other);
    ~Topology();

    // Why these vertices and links make no network, in a learner's words, or empty when they do.
    static QString check(const QList<Vertex> &vertices, const QList<LinkEnds> &links);
    // What is wrong with one link among the given ones before it, or empty.
    static QString checkLink(LinkEnds link, int vertexCount);

    // The built-in network has no name; a network of one's own is named after its file.
    QString name;
    int vertexCount = Routing::VertexCount;
    std::array<float, Routing::VertexCapacity> vertexX {};
    std::array<float, Routing::VertexCapacity> vertexY {};
    std::array<QString, Routing::VertexCapacity> labels;
    std::array<LinkList, Routing::VertexCapacity> links;

    bool isBuiltIn() const { return builtIn; }
    int linkCount() const;
    bool isVertex(int vertex) const;
    int clampVertex(int vertex) const;
    // The link with the given number, counting in list order from vertex 0, with its source;
    // null for a number no link has.
    const Link *linkAt(int index, int *source) const;
    const Link *linkBetween(int source, int target) const;
    // The network as it could be given again.
    QList<Vertex> vertices() const;
    QList<LinkEnds> linkEnds() const;

private:
    bool builtIn = true;
};
