// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <vector>

class LinkCosts;

// A forwarding table for every vertex of a network: for each destination the cost of the route
// and its first hop. A vertex reaches itself at no cost, its first hop being itself.
class RoutingTables
{
public:
    static constexpr int NoHop = -1;

    struct Route
    {
        int cost = 0; // meaningless without a next hop
        int nextHop = NoHop;
        bool reachable() const { return nextHop != NoHop; }
        bool operator==(Route other) const
        {
            return cost == other.cost && nextHop == other.nextHop;
        }
        bool operator!=(Route other) const { return !(*this == other); }
    };

    // Where two sets of tables differ for one vertex and destination. Where two routes cost the
    // same their first hops may differ without either being wrong, so only the cost counts as
    // disagreement.
    struct Difference
    {
        int vertex = 0;
        int destination = 0;
        bool costDiffers = false;
        bool nextHopDiffers = false;
    };

    // Every vertex reaching itself and nothing else.
    explicit RoutingTables(int vertexCount = 0);

    // Link state: every vertex's table from the program's own search run from that vertex over
    // the links at their costs.
    static RoutingTables linkState(const LinkCosts &costs);

    int vertexCount() const { return count; }
    const Route &route(int vertex, int destination) const
    {
        return routes[index(vertex, destination)];
    }
    void setRoute(int vertex, int destination, Route route)
    {
        routes[index(vertex, destination)] = route;
    }

    bool operator==(const RoutingTables &other) const { return routes == other.routes; }
    bool operator!=(const RoutingTables &other) const { return !(*this == other); }

    // Every entry where these tables and others of the same network differ, in vertex and then
    // destination order; of another network, only among the vertices both have.
    std::vector<Difference> differences(const RoutingTables &other) const;
    // Whether they agree on every cost, and so on which destinations are reachable; never for
    // another number of vertices.
    bool agreeOnCosts(const RoutingTables &other) const;

private:
    std::size_t index(int vertex, int destination) const
    {
        return static_cast<std::size_t>(vertex) * static_cast<std::size_t>(count)
            + static_cast<std::size_t>(destination);
    }

    int count = 0;
    std::vector<Route> routes;
};
