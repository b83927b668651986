// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "searchrecord.h"

#include <algorithm>

void SearchRecord::begin(
    Cycle kind, int from, int to, int trafficLoad, float randomFactor, int vertices)
{
    cycle = kind;
    source = from;
    destination = to;
    load = trafficLoad;
    factor = randomFactor;
    vertexCount = vertices;
    steps.clear();
    report.clear();
}

bool SearchRecord::reachedDestination() const
{
    return !steps.empty() && steps.back().chosen == destination;
}

// Replays the recorded improvements and choices on the arrays as the search set them up.
SearchState SearchRecord::stateAfter(int stepCount) const
{
    SearchState state;
    std::fill(state.distance.begin(), state.distance.end(), unreachable);
    std::fill(state.predecessor.begin(), state.predecessor.end(), -1);
    std::fill(state.state.begin(), state.state.end(), SearchState::NotReached);
    if (cycle != Searched)
        return state;
    state.distance[source] = 0;
    state.state[source] = SearchState::Settled;
    const int count = std::clamp(stepCount, 0, static_cast<int>(steps.size()));
    for (int s = 0; s < count; ++s) {
        const SearchStep &step = steps[s];
        for (const ExaminedVertex &examined : step.examined) {
            if (!examined.improves)
                continue;
            state.distance[examined.vertex] = examined.newDistance;
            state.predecessor[examined.vertex] = step.current;
            state.state[examined.vertex] = SearchState::Reached;
        }
        if (step.chosen >= 0)
            state.state[step.chosen] = SearchState::Settled;
    }
    return state;
}
