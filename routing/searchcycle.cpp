// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "searchcycle.h"

#include "factorsource.h"
#include "loadrules.h"
#include "topology.h"
#include "usablelinks.h"

#include <algorithm>
#include <array>

SearchCycle::SearchCycle(
    Topology &topology, UsableLinks &usable, RouteSearch &search, float &randomFactor)
    : topology(topology)
    , usable(usable)
    , search(search)
    , randomFactor(randomFactor)
{ }

void SearchCycle::drawFactor(bool randomEffect, FactorSource *factors)
{
    randomFactor = randomEffect && factors ? factors->draw() : 1.0f;
}

SearchRecord::Cycle SearchCycle::run(
    Choices choices, FactorSource *factors, Report report, SearchRecord *record)
{
    const int passingLinks = collectUsableLinks(choices, factors);
    std::fill_n(search.predecessor.begin(), topology.vertexCount, Routing::NoPredecessor);

    SearchRecord::Cycle kind = SearchRecord::Searched;
    if (passingLinks == 0)
        kind = SearchRecord::NoLinkPassed;
    else if (choices.source == choices.destination)
        kind = SearchRecord::SameEndpoints;
    if (record) {
        record->begin(kind, choices.source, choices.destination, choices.load, randomFactor,
            topology.vertexCount);
        ++record->cycleNumber;
        record->randomEffect = choices.randomEffect;
        record->unreachable = Routing::UnreachableDistance;
        record->highestCost = Routing::HighestLoad;
    }
    if (kind == SearchRecord::Searched) {
        search.findShortestPath(
            {usable, topology.vertexCount, choices.load, randomFactor, report, record},
            choices.source, choices.destination);
    }
    return kind;
}

// Every link gets the factor drawn for it; the load test decides on that factor alone.
int SearchCycle::collectUsableLinks(Choices choices, FactorSource *factors)
{
    // The draws for all links at once, in the order the links are visited.
    std::array<float, size_t(Routing::VertexCapacity) * Routing::VertexCapacity> drawn;
    const bool drawing = choices.randomEffect && factors;
    if (drawing)
        factors->drawMany(drawn.data(), topology.linkCount());
    size_t next = 0;
    int passing = 0;
    for (int j = 0; j < topology.vertexCount; ++j) {
        for (const std::unique_ptr<Link> &link : topology.links[j]) {
            const float factor = drawing ? drawn[next++] : 1.0f;
            link->factor = factor;
            randomFactor = factor;
            if (LoadRules::passesLoadTest(choices.load, factor)) {
                usable.append(j, link->target, link->weight, factor);
                ++passing;
            }
        }
    }
    return passing;
}
