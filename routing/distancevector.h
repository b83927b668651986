// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linkcosts.h"
#include "routing.h"
#include "routingtables.h"

#include <QCoreApplication>
#include <QString>

#include <utility>
#include <vector>

// Distance-vector routing worked out round by round, all vertices in step: in each round every
// vertex sends its table of the round before to the vertices that have a link to it, and makes
// its new table from what it received: for each destination the cheapest of a neighbour's claim
// plus the link to that neighbour. A run starts from every vertex knowing its own links only,
// goes until a round changes nothing or the cap of rounds is reached, and may go on after a
// change of the link costs from where it stopped, so that a count to infinity can be watched.
// Everything is worked out from the links given: no generator, no report.
class DistanceVector
{
    Q_DECLARE_TR_FUNCTIONS(DistanceVector)

public:
    using Route = RoutingTables::Route;

    // What a vertex tells a neighbour of a route that goes through that neighbour.
    enum class Advertising {
        Everything, // the route as it is
        SplitHorizon, // nothing
        PoisonedReverse, // that it costs infinity
    };

    // A route can cost at most the highest load on each of the 49 links a route of 50 vertices
    // has at most: 49 x 99 = 4,851. Any cost from 5,000 up is thus no route on any network.
    static constexpr int DefaultInfinity = 5000;
    static_assert((Routing::MostVertices - 1) * Routing::HighestLoad < DefaultInfinity);
    static constexpr int LowestInfinity = 1;
    static constexpr int HighestInfinity = Routing::UnreachableDistance;
    // Enough for any network to agree unless it counts to infinity. Each round keeps every
    // vertex's table: a thousand rounds of 50 vertices hold about 20 MB.
    static constexpr int DefaultRoundCap = 500;
    static constexpr int HighestRoundCap = 1000;
    // An entry of a split-horizon vector left out, or of a vector never sent.
    static constexpr int Unadvertised = -1;

    struct Options
    {
        Advertising advertising = Advertising::Everything;
        int infinity = DefaultInfinity; // a cost from it up is no route
        int roundCap = DefaultRoundCap; // rounds at most from the start and after each change
    };

    // An entry that a round changed, and why: the neighbour the vertex now routes through, what
    // that neighbour claimed and the link to it; for a route lost, the neighbour it went
    // through, what it claims now (Unadvertised when nothing came) and the link (NoLink when
    // cut).
    struct Change
    {
        int vertex = 0;
        int destination = 0;
        Route before;
        Route after;
        int neighbour = RoutingTables::NoHop;
        int claim = Unadvertised;
        int linkCost = LinkCosts::NoLink;
    };

    struct Round
    {
        int stage = 0; // 0 from the start, then one more for each change of the link costs
        int number = 0; // within the stage; the start's tables are round 0
        RoutingTables tables;
        std::vector<Change> changes;
    };

    // What one stage came to. Rounds are numbered within the stage.
    struct Stage
    {
        LinkCosts costs;
        int firstRound = 0; // index in rounds() of its first round after the one it starts from
        int lastRound = 0; // index in rounds() of its last round
        bool converged = false; // its last round changed nothing, rather than the cap ending it
        int lastChange = 0; // the number of its last round that changed an entry, 0 for none
        // The number of the round from which every table agrees with link state on every cost
        // to the end, or -1 when the last round does not.
        int agreeingFrom = -1;
        // Rounds that ended with some vertex believing in a route cheaper than the network
        // offers (or in one it no longer has): it must count up to the truth or to infinity.
        int countingRounds = 0;
        // Entries too cheap in any of the last CountWindow rounds when the cap ended the stage.
        std::vector<std::pair<int, int>> stillCounting; // (vertex, destination)
    };
    // A count passes around a loop of routers: three rounds see it at every router of the
    // smallest loops, two routers passing it back and forth or a triangle.
    static constexpr int CountWindow = 3;

    // Why the options cannot be, or empty.
    static QString checkOptions(Options options);

    // Runs from the start; options out of range are brought within it.
    explicit DistanceVector(const LinkCosts &costs);
    DistanceVector(const LinkCosts &costs, Options options);
    // The links now cost these: the run goes on from its last tables. Returns why it cannot,
    // changing nothing, or empty.
    QString changeCosts(const LinkCosts &costs);

    const Options &options() const { return settings; }
    const std::vector<Round> &rounds() const { return history; }
    const std::vector<Stage> &stages() const { return stageList; }
    const RoutingTables &tables() const { return history.back().tables; }

    // The vector one vertex sent to another in the round at that index of rounds(): one claim
    // per destination, Unadvertised where split horizon left it out; empty when nothing was
    // sent, as the receiver has no link to the sender.
    std::vector<int> sent(int roundIndex, int from, int to) const;

private:
    void addStage(const LinkCosts &costs);
    void runStage();
    int advertised(const RoutingTables &tables, int from, int to, int destination) const;
    Route bestRoute(const RoutingTables &before, const LinkCosts &costs, int vertex,
        int destination, Change &why) const;
    Round nextRound(const Round &before, const LinkCosts &costs) const;
    bool tooCheap(const RoutingTables &tables, const RoutingTables &truth) const;
    void summarise(Stage &stage) const;

    Options settings;
    std::vector<Round> history;
    std::vector<Stage> stageList;
};
