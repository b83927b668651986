// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "routing.h"

#include <QCoreApplication>
#include <QString>

#include <array>

class Topology;
class UsableLinks;

// The cost of every link a search can use in one situation, as the search charges it: the load
// times the one factor of the search plus the weight, a link above the highest load left out.
// The search adds each cost to a whole distance and keeps the whole part, so a link adds the
// whole part of its cost; these are those whole costs.
class LinkCosts
{
    Q_DECLARE_TR_FUNCTIONS(LinkCosts)

public:
    static constexpr int NoLink = -1;

    // No vertex, no link.
    LinkCosts() = default;
    // Every link of the network when the load test passes at this load and factor, none when it
    // fails: one search cycle that draws the same factor for every link decides so.
    LinkCosts(const Topology &topology, int load, float factor);
    // The links a search reads among the usable ones, priced with the search's factor.
    LinkCosts(const UsableLinks &usable, int vertexCount, int load, float factor);

    int vertexCount() const { return count; }
    // The cost of the link from one vertex to another, or NoLink.
    int cost(int from, int to) const;
    bool hasLink(int from, int to) const { return cost(from, to) != NoLink; }
    int linkCount() const;

    // One link made cheaper or dearer (0 to the highest load), or cut with NoLink, or added.
    // Returns why it cannot be, changing nothing, or empty.
    QString setCost(int from, int to, int cost);

private:
    bool isVertex(int vertex) const { return vertex >= 0 && vertex < count; }

    int count = 0;
    std::array<std::array<int, Routing::VertexCapacity>, Routing::VertexCapacity> costs {};
};
