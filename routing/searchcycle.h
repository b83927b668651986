// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "routesearch.h"
#include "searchrecord.h"

class FactorSource;
class Topology;
class UsableLinks;

// One search cycle: a factor drawn for every link, the links that pass the load test added to
// the usable ones, the predecessors reset, and the search run when there is something to search.
class SearchCycle
{
public:
    // What the user chose.
    struct Choices
    {
        int source = 0;
        int destination = 0;
        int load = 0;
        bool randomEffect = false;
    };

    // What the cycle works on: it writes each link's factor, appends to the usable links, and
    // leaves the factor drawn last in randomFactor.
    SearchCycle(Topology &topology, UsableLinks &usable, RouteSearch &search, float &randomFactor);

    // Without a factor source (or with the random effect off) every factor is 1. With a record,
    // the cycle writes down what it did and the search its steps.
    SearchRecord::Cycle run(
        Choices choices, FactorSource *factors, Report report, SearchRecord *record);
    // The next factor: 1 with the random effect off, else a draw.
    void drawFactor(bool randomEffect, FactorSource *factors);

private:
    int collectUsableLinks(Choices choices, FactorSource *factors);

    Topology &topology;
    UsableLinks &usable;
    RouteSearch &search;
    float &randomFactor;
};
