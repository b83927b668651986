// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkdraft.h"

#include "networkfile.h"

#include <algorithm>
#include <cmath>

namespace {

bool sameVertex(const Topology::Vertex &a, const Topology::Vertex &b)
{
    return a.x == b.x && a.y == b.y && a.label == b.label;
}

bool sameLink(Topology::LinkEnds a, Topology::LinkEnds b)
{
    return a.source == b.source && a.target == b.target && a.weight == b.weight;
}

bool isFinite(QPointF position)
{
    return std::isfinite(position.x()) && std::isfinite(position.y());
}

} // namespace

NetworkDraft::NetworkDraft(const Topology &network)
    : name(network.name)
    , vertices(network.vertices())
    , links(network.linkEnds())
{ }

bool NetworkDraft::operator==(const NetworkDraft &other) const
{
    return name == other.name
        && std::equal(vertices.cbegin(), vertices.cend(), other.vertices.cbegin(),
            other.vertices.cend(), sameVertex)
        && std::equal(
            links.cbegin(), links.cend(), other.links.cbegin(), other.links.cend(), sameLink);
}

QString NetworkDraft::whyNoNetwork() const
{
    return Topology::check(vertices, links);
}

QString NetworkDraft::whyBroken() const
{
    if (vertices.size() > Routing::MostVertices)
        return tooManyVertices();
    if (vertices.size() >= Routing::FewestVertices)
        return whyNoNetwork();
    return links.isEmpty() ? QString() : Topology::checkLink(links.first(), vertexCount());
}

Topology NetworkDraft::toTopology() const
{
    return {name, vertices, links};
}

int NetworkDraft::linkIndex(int source, int target) const
{
    const auto found = std::find_if(links.cbegin(), links.cend(),
        [=](Topology::LinkEnds l) { return l.source == source && l.target == target; });
    return found == links.cend() ? -1 : static_cast<int>(found - links.cbegin());
}

QString NetworkDraft::whyNoLink(int source, int target) const
{
    if (!isVertex(source))
        return noVertex(source);
    if (!isVertex(target))
        return noVertex(target);
    if (source == target)
        return tr("A link cannot join vertex %1 to itself").arg(source);
    if (linkIndex(source, target) >= 0)
        return tr("There is already a link from %1 to %2").arg(source).arg(target);
    return {};
}

QString NetworkDraft::addVertex(QPointF position, const QString &label)
{
    if (!canAddVertex())
        return tooManyVertices();
    if (!isFinite(position))
        return notFinite();
    vertices.append({static_cast<float>(position.x()), static_cast<float>(position.y()), label});
    return {};
}

QString NetworkDraft::removeVertex(int vertex)
{
    if (!isVertex(vertex))
        return noVertex(vertex);
    vertices.removeAt(vertex);
    links.removeIf(
        [vertex](Topology::LinkEnds l) { return l.source == vertex || l.target == vertex; });
    for (Topology::LinkEnds &l : links) {
        l.source -= l.source > vertex ? 1 : 0;
        l.target -= l.target > vertex ? 1 : 0;
    }
    return {};
}

QString NetworkDraft::moveVertex(int vertex, QPointF position)
{
    if (!isVertex(vertex))
        return noVertex(vertex);
    if (!isFinite(position))
        return notFinite();
    vertices[vertex].x = static_cast<float>(position.x());
    vertices[vertex].y = static_cast<float>(position.y());
    return {};
}

QString NetworkDraft::setLabel(int vertex, const QString &label)
{
    if (!isVertex(vertex))
        return noVertex(vertex);
    vertices[vertex].label = label;
    return {};
}

QString NetworkDraft::addLink(int source, int target, int weight)
{
    QString problem = whyNoLink(source, target);
    if (problem.isEmpty())
        problem = whyNoWeight(weight);
    if (!problem.isEmpty())
        return problem;
    // After the last link of its source, so that the links stay grouped as a Topology has them.
    const auto after = std::find_if(
        links.cbegin(), links.cend(), [source](Topology::LinkEnds l) { return l.source > source; });
    links.insert(after - links.cbegin(), {source, target, weight});
    return {};
}

QString NetworkDraft::removeLink(int source, int target)
{
    const int index = linkIndex(source, target);
    if (index < 0)
        return noLink(source, target);
    links.removeAt(index);
    return {};
}

QString NetworkDraft::setWeight(int source, int target, int weight)
{
    const int index = linkIndex(source, target);
    if (index < 0)
        return noLink(source, target);
    QString problem = whyNoWeight(weight);
    if (problem.isEmpty())
        links[index].weight = weight;
    return problem;
}

void NetworkDraft::arrangeOnCircle()
{
    NetworkFile::fitToDrawing(vertices, false);
}

QString NetworkDraft::whyNoWeight(int weight)
{
    if (weight >= Routing::LowestWeight && weight <= Routing::HighestWeight)
        return {};
    return tr("The weight %1 is not a whole number from %2 to %3")
        .arg(weight)
        .arg(Routing::LowestWeight)
        .arg(Routing::HighestWeight);
}

QString NetworkDraft::tooManyVertices()
{
    return tr("A network has at most %1 vertices").arg(Routing::MostVertices);
}

QString NetworkDraft::noVertex(int vertex) const
{
    if (vertices.isEmpty())
        return tr("There is no vertex %1: the network has no vertices yet").arg(vertex);
    return tr("There is no vertex %1: the vertices are 0 to %2").arg(vertex).arg(vertexCount() - 1);
}

QString NetworkDraft::noLink(int source, int target)
{
    return tr("There is no link from %1 to %2").arg(source).arg(target);
}

QString NetworkDraft::notFinite()
{
    return tr("A vertex's position must be a finite number");
}
