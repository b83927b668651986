// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkreader.h"

#include "networkdisplay.h"

NetworkReader::NetworkReader(const NetworkDisplay &view)
    : view(view)
{ }

int NetworkReader::vertexCount() const
{
    return view.vertexCount;
}

QRectF NetworkReader::vertexDisc(int vertex) const
{
    return view.vertexDisc(vertex);
}

QList<NetworkReader::LinkView> NetworkReader::links() const
{
    QList<LinkView> result;
    for (int v = 0; v < view.vertexCount; ++v) {
        for (const auto &link : view.links[v]) {
            const NetworkDisplay::LinkGeometry geometry = view.linkGeometry(v, *link);
            result.append({v, link->target, static_cast<int>(link->weight),
                QLineF(geometry.from, geometry.to)});
        }
    }
    return result;
}

int NetworkReader::source() const
{
    return view.sourceVertex;
}

int NetworkReader::destination() const
{
    return view.destinationVertex;
}

int NetworkReader::load() const
{
    return view.trafficLoad;
}

bool NetworkReader::randomEffect() const
{
    return view.randomEffect;
}

const SearchRecord &NetworkReader::lastSearch() const
{
    return view.lastSearch;
}

QString NetworkReader::outcomeSentence() const
{
    const SearchRecord &record = view.lastSearch;
    switch (record.cycle) {
    case SearchRecord::NoCycleYet:
        return {};
    case SearchRecord::SameEndpoints:
        return view.sameEndpointsMessage();
    case SearchRecord::NoLinkPassed:
        return view.noPathMessage();
    case SearchRecord::Searched:
        break;
    }
    return record.reachedDestination() ? view.pathFoundMessage(record.steps.back().chosenDistance)
                                       : view.noPathMessage();
}
