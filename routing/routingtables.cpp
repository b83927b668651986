// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "routingtables.h"

#include "linkcosts.h"
#include "routesearch.h"
#include "usablelinks.h"

#include <algorithm>

namespace {

// The search prices a link at the load times the factor plus its weight: at load 0 a link
// weighing its cost costs exactly that.
constexpr int PricedAsWeighed = 0;
constexpr float NoScaling = 1.0f;

void fillUsable(const LinkCosts &costs, UsableLinks &usable)
{
    for (int from = 0; from < costs.vertexCount(); ++from) {
        for (int to = 0; to < costs.vertexCount(); ++to) {
            if (costs.hasLink(from, to))
                usable.append(from, {to, static_cast<float>(costs.cost(from, to)), NoScaling});
        }
    }
}

// The first hop of the route the predecessors give from the source to a settled vertex.
int firstHop(const RouteSearch &search, int source, int vertex)
{
    while (search.predecessor[vertex] != source)
        vertex = search.predecessor[vertex];
    return vertex;
}

// The vertex left unsettled that the last search found farthest, or not at all (NoHop when
// every vertex is known): it will most likely be settled last, so searching for it settles the
// others on the way.
int farthestUnknown(const RouteSearch &search, const std::vector<bool> &known)
{
    int farthest = RoutingTables::NoHop;
    for (int v = 0; v < static_cast<int>(known.size()); ++v) {
        if (!known[static_cast<size_t>(v)]
            && (farthest == RoutingTables::NoHop || search.distance[v] > search.distance[farthest]))
            farthest = v;
    }
    return farthest;
}

// One vertex's table. A search to one destination settles the nearer vertices first, each with
// the distance and predecessor a search to it would leave, so a destination an earlier search
// settled needs no search of its own. One that was not reached leaves every unsettled vertex
// unreachable.
void fillTable(
    const RouteSearch::Setting &setting, int source, RouteSearch &search, RoutingTables &tables)
{
    const int count = setting.vertexCount;
    std::vector<bool> known(static_cast<size_t>(count), false);
    known[static_cast<size_t>(source)] = true;
    // Nothing is known of the distances before the first search: any vertex will do.
    int destination = source == count - 1 ? 0 : count - 1;
    while (destination != RoutingTables::NoHop) {
        std::fill_n(search.predecessor.begin(), count, Routing::NoPredecessor);
        search.findShortestPath(setting, source, destination);
        const bool reached = search.visited[destination] == search.visitedMark;
        for (int v = 0; v < count; ++v) {
            if (known[static_cast<size_t>(v)])
                continue;
            if (search.visited[v] == search.visitedMark)
                tables.setRoute(source, v, {search.distance[v], firstHop(search, source, v)});
            else if (reached)
                continue;
            known[static_cast<size_t>(v)] = true;
        }
        destination = farthestUnknown(search, known);
    }
}

} // namespace

RoutingTables::RoutingTables(int vertexCount)
    : count(vertexCount)
    , routes(static_cast<size_t>(vertexCount * vertexCount))
{
    for (int v = 0; v < count; ++v)
        setRoute(v, v, {0, v});
}

RoutingTables RoutingTables::linkState(const LinkCosts &costs)
{
    UsableLinks usable;
    fillUsable(costs, usable);
    RoutingTables tables(costs.vertexCount());
    RouteSearch search;
    const RouteSearch::Setting setting {
        usable, costs.vertexCount(), PricedAsWeighed, NoScaling, Report::None};
    for (int source = 0; source < costs.vertexCount(); ++source)
        fillTable(setting, source, search, tables);
    return tables;
}

std::vector<RoutingTables::Difference> RoutingTables::differences(const RoutingTables &other) const
{
    std::vector<Difference> found;
    const int shared = std::min(count, other.count);
    for (int v = 0; v < shared; ++v) {
        for (int d = 0; d < shared; ++d) {
            const Route &a = route(v, d);
            const Route &b = other.route(v, d);
            const bool costDiffers
                = a.reachable() != b.reachable() || (a.reachable() && a.cost != b.cost);
            if (costDiffers || a.nextHop != b.nextHop)
                found.push_back({v, d, costDiffers, a.nextHop != b.nextHop});
        }
    }
    return found;
}

bool RoutingTables::agreeOnCosts(const RoutingTables &other) const
{
    if (other.count != count)
        return false;
    const std::vector<Difference> found = differences(other);
    return std::none_of(found.begin(), found.end(), [](Difference d) { return d.costDiffers; });
}
