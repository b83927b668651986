// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "topology.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace {

constexpr float DefaultBase = 2.0f;
constexpr double ScaleX = 6;
constexpr double ScaleY = 3.7;

struct BaseCoordinate
{
    int vertex;
    int x;
    int y;
};

// Vertex 0 has no entry: it keeps the default base (2, 2).
// clang-format off
constexpr BaseCoordinate vertexTable[] = {
    {1, 25, 20},  {2, 50, 11},  {3, 70, 22},  {4, 94, 7},    {5, 8, 38},
    {6, 28, 44},  {7, 98, 34},  {8, 78, 47},  {9, 48, 54},   {10, 65, 67},
    {11, 49, 27}, {12, 15, 73}, {13, 32, 77}, {14, 4, 106},  {15, 37, 105},
    {16, 50, 88}, {17, 70, 97}, {18, 89, 79}, {19, 93, 110},
};
// clang-format on

struct LinkEntry
{
    int source;
    int target;
    int weight;
};

// Grouped by source; within a source, in the order the links are listed.
// clang-format off
constexpr LinkEntry linkTable[] = {
    {0, 5, 89}, {0, 2, 26},
    {1, 2, 74}, {1, 6, 13},
    {2, 0, 32}, {2, 1, 46}, {2, 3, 43}, {2, 4, 93},
    {3, 2, 12}, {3, 4, 50}, {3, 7, 30},
    {4, 2, 63}, {4, 3, 21},
    {5, 0, 38}, {5, 6, 68}, {5, 12, 60},
    {6, 5, 68}, {6, 1, 8}, {6, 9, 38},
    {7, 3, 18}, {7, 8, 55}, {7, 18, 35},
    {8, 7, 57}, {8, 9, 55}, {8, 10, 30}, {8, 18, 59},
    {9, 6, 65}, {9, 8, 62}, {9, 10, 71}, {9, 11, 45}, {9, 13, 70}, {9, 16, 75},
    {10, 9, 71}, {10, 8, 59}, {10, 16, 68},
    {11, 9, 39},
    {12, 5, 60}, {12, 13, 33}, {12, 14, 23},
    {13, 9, 70}, {13, 12, 41}, {13, 16, 69}, {13, 14, 56}, {13, 15, 60},
    {14, 12, 29}, {14, 13, 60}, {14, 15, 32},
    {15, 13, 62}, {15, 14, 29}, {15, 16, 42}, {15, 17, 23},
    {16, 9, 78}, {16, 10, 63}, {16, 13, 56}, {16, 15, 40}, {16, 17, 37},
    {17, 15, 23}, {17, 16, 32}, {17, 18, 39}, {17, 19, 19},
    {18, 7, 38}, {18, 8, 52}, {18, 17, 36},
    {19, 17, 16},
};
// clang-format on
static_assert(std::size(linkTable) == Routing::LinkCount);
static_assert(std::size(vertexTable) == Routing::VertexCount - 1);

} // namespace

Topology::Topology()
{
    std::fill_n(vertexX.begin(), vertexCount, DefaultBase);
    std::fill_n(vertexY.begin(), vertexCount, DefaultBase);
    for (const BaseCoordinate &base : vertexTable) {
        vertexX[base.vertex] = static_cast<float>(base.x);
        vertexY[base.vertex] = static_cast<float>(base.y);
    }
    // Scaled in double and stored back as float: 7.4 is held as the float nearest 7.4.
    for (int v = 0; v < vertexCount; ++v) {
        vertexX[v] = static_cast<float>(static_cast<double>(vertexX[v]) * ScaleX);
        vertexY[v] = static_cast<float>(static_cast<double>(vertexY[v]) * ScaleY);
    }

    for (const LinkEntry &entry : linkTable) {
        links[entry.source].push_back(
            std::make_unique<Link>(Link {entry.target, static_cast<float>(entry.weight), 1.0f}));
    }
}

Topology::Topology(QString name, const QList<Vertex> &vertices, const QList<LinkEnds> &links)
    : name(std::move(name))
    , vertexCount(static_cast<int>(vertices.size()))
    , builtIn(false)
{
    Q_ASSERT(check(vertices, links).isEmpty());
    for (int v = 0; v < vertexCount; ++v) {
        vertexX[v] = vertices[v].x;
        vertexY[v] = vertices[v].y;
        labels[v] = vertices[v].label;
    }
    for (const LinkEnds &ends : links) {
        this->links[ends.source].push_back(
            std::make_unique<Link>(Link {ends.target, static_cast<float>(ends.weight), 1.0f}));
    }
}

Topology::Topology(const Topology &other)
{
    *this = other;
}

Topology &Topology::operator=(const Topology &other)
{
    if (&other == this)
        return *this;
    name = other.name;
    vertexCount = other.vertexCount;
    vertexX = other.vertexX;
    vertexY = other.vertexY;
    labels = other.labels;
    builtIn = other.builtIn;
    for (size_t v = 0; v < links.size(); ++v) {
        links[v].clear();
        for (const std::unique_ptr<Link> &link : other.links[v])
            links[v].push_back(std::make_unique<Link>(*link));
    }
    return *this;
}

Topology::~Topology() = default;

QString Topology::checkLink(LinkEnds link, int vertexCount)
{
    const auto isVertex = [vertexCount](int v) { return v >= 0 && v < vertexCount; };
    if (!isVertex(link.source) || !isVertex(link.target)) {
        return tr("the link from %1 to %2 leads from or to a vertex the network does "
                  "not have")
            .arg(link.source)
            .arg(link.target);
    }
    if (link.source == link.target)
        return tr("the link from %1 to %1 joins a vertex to itself").arg(link.source);
    if (link.weight < Routing::LowestWeight || link.weight > Routing::HighestWeight) {
        return tr("the link from %1 to %2 weighs %3, but a weight is a whole number "
                  "from %4 to %5")
            .arg(link.source)
            .arg(link.target)
            .arg(link.weight)
            .arg(Routing::LowestWeight)
            .arg(Routing::HighestWeight);
    }
    return {};
}

QString Topology::check(const QList<Vertex> &vertices, const QList<LinkEnds> &links)
{
    const int count = static_cast<int>(vertices.size());
    if (count < Routing::FewestVertices || count > Routing::MostVertices) {
        return tr("the network has %1 vertices, but it needs %2 to %3")
            .arg(count)
            .arg(Routing::FewestVertices)
            .arg(Routing::MostVertices);
    }
    for (const Vertex &vertex : vertices) {
        if (!std::isfinite(vertex.x) || !std::isfinite(vertex.y))
            return tr("a vertex has a position that is not a finite number");
    }
    std::vector<bool> joined(static_cast<size_t>(count * count), false);
    for (const LinkEnds &link : links) {
        QString problem = checkLink(link, count);
        if (!problem.isEmpty())
            return problem;
        const auto pair = static_cast<size_t>(link.source) * count + link.target;
        if (joined[pair]) {
            return tr("the link from %1 to %2 is given twice").arg(link.source).arg(link.target);
        }
        joined[pair] = true;
    }
    return {};
}

int Topology::linkCount() const
{
    int count = 0;
    for (int v = 0; v < vertexCount; ++v)
        count += static_cast<int>(links[v].size());
    return count;
}

bool Topology::isVertex(int vertex) const
{
    return vertex >= 0 && vertex < vertexCount;
}

int Topology::clampVertex(int vertex) const
{
    return std::clamp(vertex, 0, vertexCount - 1);
}

const Link *Topology::linkAt(int index, int *source) const
{
    if (index < 0)
        return nullptr;
    for (int v = 0; v < vertexCount; ++v) {
        const int count = static_cast<int>(links[v].size());
        if (index < count) {
            *source = v;
            return links[v][index].get();
        }
        index -= count;
    }
    return nullptr;
}

const Link *Topology::linkBetween(int source, int target) const
{
    if (!isVertex(source))
        return nullptr;
    for (const std::unique_ptr<Link> &link : links[source]) {
        if (link->target == target)
            return link.get();
    }
    return nullptr;
}

QList<Topology::Vertex> Topology::vertices() const
{
    QList<Vertex> result;
    for (int v = 0; v < vertexCount; ++v)
        result.append({vertexX[v], vertexY[v], labels[v]});
    return result;
}

QList<Topology::LinkEnds> Topology::linkEnds() const
{
    QList<LinkEnds> result;
    for (int v = 0; v < vertexCount; ++v) {
        for (const std::unique_ptr<Link> &link : links[v])
            result.append({v, link->target, static_cast<int>(link->weight)});
    }
    return result;
}
