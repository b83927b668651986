// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linkcosts.h"

#include "loadrules.h"
#include "topology.h"
#include "usablelinks.h"

#include <QtGlobal>

#include <algorithm>

namespace {

// The whole cost the search adds for a link, or NoLink when it leaves the link out.
int chargedCost(int load, float factor, Link link)
{
    if (LoadRules::isLeftOut(load, factor, link))
        return LinkCosts::NoLink;
    return static_cast<int>(LoadRules::searchCost(load, factor, link));
}

} // namespace

LinkCosts::LinkCosts(const Topology &topology, int load, float factor)
    : count(topology.vertexCount)
{
    for (auto &row : costs)
        row.fill(NoLink);
    if (!LoadRules::passesLoadTest(load, factor))
        return;
    for (int from = 0; from < count; ++from) {
        for (const std::unique_ptr<Link> &link : topology.links[from]) {
            int &cost = costs[from][link->target];
            if (cost == NoLink) // the search reads the first link to a target only
                cost = chargedCost(load, factor, *link);
        }
    }
}

LinkCosts::LinkCosts(const UsableLinks &usable, int vertexCount, int load, float factor)
    : count(qBound(0, vertexCount, Routing::VertexCapacity))
{
    for (int from = 0; from < count; ++from) {
        for (int to = 0; to < count; ++to) {
            const Link *link = usable.first(from, to);
            costs[from][to] = link ? chargedCost(load, factor, *link) : NoLink;
        }
    }
}

int LinkCosts::cost(int from, int to) const
{
    return isVertex(from) && isVertex(to) ? costs[from][to] : NoLink;
}

int LinkCosts::linkCount() const
{
    int links = 0;
    for (int from = 0; from < count; ++from)
        links += static_cast<int>(std::count_if(costs[from].begin(), costs[from].begin() + count,
            [](int cost) { return cost != NoLink; }));
    return links;
}

QString LinkCosts::setCost(int from, int to, int cost)
{
    if (!isVertex(from) || !isVertex(to)) {
        return tr("the link from %1 to %2 leads from or to a vertex the network does not have "
                  "(it has 0 to %3)")
            .arg(from)
            .arg(to)
            .arg(count - 1);
    }
    if (from == to)
        return tr("the link from %1 to %1 would join a vertex to itself").arg(from);
    if (cost != NoLink && (cost < 0 || cost > Routing::HighestLoad)) {
        return tr("the link from %1 to %2 would cost %3, but a link costs a whole number from 0 "
                  "to %4")
            .arg(from)
            .arg(to)
            .arg(cost)
            .arg(Routing::HighestLoad);
    }
    costs[from][to] = cost;
    return {};
}
