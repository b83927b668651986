// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "searchsimulator.h"

#include "factorsource.h"
#include "networkmodel.h"

#include <algorithm>

SearchSimulator::SearchSimulator(const NetworkModel &model)
    : topology(model.topology())
    , usable(model.usableLinks(), model.topology().vertexCount)
    , choices {model.source(), model.destination(), 0, model.randomEffect()}
{ }

SearchSimulator::Outcome SearchSimulator::run(int load, QRandomGenerator &draws)
{
    usable.rewind(); // only the links the model's cycles let pass
    choices.load = load;
    PrivateFactors factors(draws);
    Outcome outcome;
    outcome.cycle = SearchCycle(topology, usable, search, factor)
                        .run(choices, &factors, Report::None, nullptr);
    outcome.found = outcome.cycle == SearchRecord::Searched
        && search.predecessor[choices.destination] != Routing::NoPredecessor;
    if (outcome.found) {
        outcome.cost = search.distance[choices.destination];
        outcome.path = search.pathBack(choices.source, choices.destination, topology.vertexCount);
        std::reverse(outcome.path.begin(), outcome.path.end());
    }
    return outcome;
}
