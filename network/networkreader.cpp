// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkreader.h"

#include "explanations.h"
#include "networkmodel.h"

NetworkReader::NetworkReader(const NetworkModel &model)
    : network(model)
    , geometry(model.topology())
{ }

int NetworkReader::vertexCount() const
{
    return network.topology().vertexCount;
}

QRectF NetworkReader::vertexDisc(int vertex) const
{
    return geometry.vertexDisc(vertex);
}

QString NetworkReader::label(int vertex) const
{
    return network.topology().labels[vertex];
}

QList<NetworkReader::LinkView> NetworkReader::links() const
{
    QList<LinkView> result;
    const Topology &topology = network.topology();
    for (int v = 0; v < topology.vertexCount; ++v) {
        for (const auto &link : topology.links[v]) {
            const NetworkGeometry::LinkGeometry drawn = geometry.link(v, *link);
            result.append(
                {v, link->target, static_cast<int>(link->weight), QLineF(drawn.from, drawn.to)});
        }
    }
    return result;
}

int NetworkReader::source() const
{
    return network.source();
}

int NetworkReader::destination() const
{
    return network.destination();
}

int NetworkReader::load() const
{
    return network.load();
}

bool NetworkReader::randomEffect() const
{
    return network.randomEffect();
}

const SearchRecord &NetworkReader::lastSearch() const
{
    return network.lastCycle();
}

QString NetworkReader::outcomeSentence() const
{
    return Explanations(network).lastOutcome();
}
