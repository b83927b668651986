// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "searchsimulator.h"

#include "networkdisplay.h"

SearchSimulator::SearchSimulator(const NetworkDisplay &view)
    : copy(new NetworkDisplay(NetworkDisplay::Detached()))
{
    copy->sourceVertex = view.sourceVertex;
    copy->destinationVertex = view.destinationVertex;
    copy->randomEffect = view.randomEffect;
    // Only the first record of each link counts in a search, so one copy of each will do.
    for (int from = 0; from < view.vertexCount; ++from) {
        for (const Link *first : view.firstActiveLink[from]) {
            if (first)
                usable.emplace_back(from, *first);
        }
    }
}

SearchSimulator::~SearchSimulator() = default;

SearchSimulator::Outcome SearchSimulator::run(int load, QRandomGenerator *draws)
{
    NetworkDisplay &view = *copy;
    for (auto &list : view.activeLinks)
        list.clear();
    for (auto &targets : view.firstActiveLink)
        targets.fill(nullptr);
    for (const auto &[from, link] : usable)
        view.appendActiveLink(from, link);
    view.trafficLoad = load;
    view.privateDraws = draws;
    view.pathFound = view.noPath = view.sameEndpoints = false; // nothing is ever painted here
    view.moveShot();
    view.privateDraws = nullptr;

    Outcome outcome;
    const SearchRecord &record = view.lastSearch;
    outcome.cycle = record.cycle;
    outcome.found = record.cycle == SearchRecord::Searched && record.reachedDestination();
    if (outcome.found) {
        outcome.cost = view.distance[view.destinationVertex];
        for (int v = view.destinationVertex;; v = view.predecessor[v]) {
            outcome.path.prepend(v);
            if (v == view.sourceVertex || outcome.path.size() > view.vertexCount)
                break;
        }
    }
    return outcome;
}
