// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "distancevector.h"

#include <QtGlobal>

#include <algorithm>

namespace {

using Route = RoutingTables::Route;

// A vertex believes in a route the network cannot give for that price.
bool tooCheap(Route believed, Route truth)
{
    return believed.reachable() && (!truth.reachable() || believed.cost < truth.cost);
}

} // namespace

QString DistanceVector::checkOptions(Options options)
{
    if (options.infinity < LowestInfinity || options.infinity > HighestInfinity) {
        return tr("infinity is %1, but it must be a whole number from %2 to %3")
            .arg(options.infinity)
            .arg(LowestInfinity)
            .arg(HighestInfinity);
    }
    if (options.roundCap < 1 || options.roundCap > HighestRoundCap) {
        return tr("the cap of rounds is %1, but it must be a whole number from 1 to %2")
            .arg(options.roundCap)
            .arg(HighestRoundCap);
    }
    return {};
}

DistanceVector::DistanceVector(const LinkCosts &costs)
    : DistanceVector(costs, Options {})
{ }

DistanceVector::DistanceVector(const LinkCosts &costs, Options options)
    : settings(options)
{
    settings.infinity = qBound(LowestInfinity, settings.infinity, HighestInfinity);
    settings.roundCap = qBound(1, settings.roundCap, HighestRoundCap);

    // Every vertex knows itself and its own links.
    Round start {0, 0, RoutingTables(costs.vertexCount()), {}};
    for (int v = 0; v < costs.vertexCount(); ++v) {
        for (int d = 0; d < costs.vertexCount(); ++d) {
            const int link = costs.cost(v, d);
            if (v == d)
                continue;
            start.tables.setRoute(v, d,
                link != LinkCosts::NoLink && link < settings.infinity
                    ? Route {link, d}
                    : Route {settings.infinity, RoutingTables::NoHop});
        }
    }
    history.push_back(std::move(start));
    addStage(costs);
    runStage();
}

QString DistanceVector::changeCosts(const LinkCosts &costs)
{
    const int count = tables().vertexCount();
    if (costs.vertexCount() != count) {
        return tr("the new link costs are for %1 vertices, but the network has %2")
            .arg(costs.vertexCount())
            .arg(count);
    }
    addStage(costs);
    runStage();
    return {};
}

void DistanceVector::addStage(const LinkCosts &costs)
{
    Stage stage;
    stage.costs = costs;
    stageList.push_back(std::move(stage));
}

void DistanceVector::runStage()
{
    Stage &stage = stageList.back();
    stage.firstRound = static_cast<int>(history.size());
    for (int number = 1; number <= settings.roundCap; ++number) {
        history.push_back(nextRound(history.back(), stage.costs));
        if (history.back().changes.empty()) {
            stage.converged = true;
            break;
        }
    }
    stage.lastRound = static_cast<int>(history.size()) - 1;
    summarise(stage);
}

DistanceVector::Round DistanceVector::nextRound(const Round &before, const LinkCosts &costs) const
{
    const int stage = static_cast<int>(stageList.size()) - 1;
    const int count = before.tables.vertexCount();
    Round round {stage, before.stage == stage ? before.number + 1 : 1, RoutingTables(count), {}};
    for (int v = 0; v < count; ++v) {
        for (int d = 0; d < count; ++d) {
            Change why;
            const Route route = bestRoute(before.tables, costs, v, d, why);
            round.tables.setRoute(v, d, route);
            const Route &old = before.tables.route(v, d);
            if (route != old) {
                why.vertex = v;
                why.destination = d;
                why.before = old;
                why.after = route;
                round.changes.push_back(why);
            }
        }
    }
    return round;
}

// The cheapest claim plus link. Among equally cheap routes a vertex keeps its next hop, and
// otherwise takes the lowest-numbered neighbour, so that every run is the same; switching on a
// tie instead would let split horizon swap two routes back and forth over a link of cost 0.
Route DistanceVector::bestRoute(const RoutingTables &before, const LinkCosts &costs, int vertex,
    int destination, Change &why) const
{
    if (vertex == destination)
        return {0, vertex};
    const Route &old = before.route(vertex, destination);
    Route best {settings.infinity, RoutingTables::NoHop};
    for (int neighbour = 0; neighbour < costs.vertexCount(); ++neighbour) {
        const int link = costs.cost(vertex, neighbour);
        if (link == LinkCosts::NoLink)
            continue;
        const int claim = advertised(before, neighbour, vertex, destination);
        if (claim == Unadvertised)
            continue;
        const int total = std::min(claim + link, settings.infinity);
        if (total < best.cost
            || (total == best.cost && total < settings.infinity && neighbour == old.nextHop)) {
            best = {total, neighbour};
            why.neighbour = neighbour;
            why.claim = claim;
            why.linkCost = link;
        }
    }
    if (!best.reachable() && old.reachable()) {
        why.neighbour = old.nextHop;
        why.linkCost = costs.cost(vertex, old.nextHop);
        why.claim = why.linkCost == LinkCosts::NoLink
            ? Unadvertised
            : advertised(before, old.nextHop, vertex, destination);
    }
    return best;
}

int DistanceVector::advertised(const RoutingTables &tables, int from, int to, int destination) const
{
    const Route &route = tables.route(from, destination);
    if (!route.reachable())
        return settings.infinity;
    if (route.nextHop == to && destination != from) {
        switch (settings.advertising) {
        case Advertising::SplitHorizon:
            return Unadvertised;
        case Advertising::PoisonedReverse:
            return settings.infinity;
        case Advertising::Everything:
            break;
        }
    }
    return route.cost;
}

std::vector<int> DistanceVector::sent(int roundIndex, int from, int to) const
{
    if (roundIndex < 1 || roundIndex >= static_cast<int>(history.size()))
        return {};
    const Round &round = history[static_cast<size_t>(roundIndex)];
    const LinkCosts &costs = stageList[static_cast<size_t>(round.stage)].costs;
    if (!costs.hasLink(to, from))
        return {};
    const RoutingTables &before = history[static_cast<size_t>(roundIndex - 1)].tables;
    std::vector<int> claims(static_cast<size_t>(costs.vertexCount()));
    for (int d = 0; d < costs.vertexCount(); ++d)
        claims[static_cast<size_t>(d)] = advertised(before, from, to, d);
    return claims;
}

bool DistanceVector::tooCheap(const RoutingTables &tables, const RoutingTables &truth) const
{
    for (int v = 0; v < tables.vertexCount(); ++v) {
        for (int d = 0; d < tables.vertexCount(); ++d) {
            if (::tooCheap(tables.route(v, d), truth.route(v, d)))
                return true;
        }
    }
    return false;
}

void DistanceVector::summarise(Stage &stage) const
{
    const RoutingTables truth = RoutingTables::linkState(stage.costs);
    // From the tables the stage starts from (its round 0) to its last round.
    for (int i = stage.firstRound - 1; i <= stage.lastRound; ++i) {
        const Round &round = history[static_cast<size_t>(i)];
        const int number = i < stage.firstRound ? 0 : round.number;
        if (!round.changes.empty() && i >= stage.firstRound)
            stage.lastChange = number;
        if (i >= stage.firstRound && tooCheap(round.tables, truth))
            ++stage.countingRounds;
        if (!round.tables.agreeOnCosts(truth))
            stage.agreeingFrom = -1;
        else if (stage.agreeingFrom < 0)
            stage.agreeingFrom = number;
    }
    if (stage.converged)
        return;
    const int count = truth.vertexCount();
    for (int v = 0; v < count; ++v) {
        for (int d = 0; d < count; ++d) {
            for (int i = std::max(stage.firstRound, stage.lastRound - CountWindow + 1);
                 i <= stage.lastRound; ++i) {
                if (::tooCheap(
                        history[static_cast<size_t>(i)].tables.route(v, d), truth.route(v, d))) {
                    stage.stillCounting.emplace_back(v, d);
                    break;
                }
            }
        }
    }
}
