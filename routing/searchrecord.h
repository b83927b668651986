// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <vector>

// What the route search did, step by step, as it did it: written by the search itself while a
// record is attached, read by the windows that show the search.
struct ExaminedVertex
{
    int vertex = 0;
    bool hasLink = false; // a usable link leads from the current vertex to this one
    float weight = 0; // of that link
    double loadTimesFactor = 0; // the load times the factor the search prices with
    double cost = 0; // load times factor plus weight, before the highest-load rule
    bool leftOut = false; // the cost is above the highest load, so the link counts as missing
    double sum = 0; // the cost that counted plus the current vertex's distance, capped
    int oldDistance = 0;
    int newDistance = 0; // the stored distance after this vertex was examined
    bool improves = false;
    bool becomesBest = false; // the nearest so far in this step
};

struct SearchStep
{
    int current = 0; // the vertex the step examines from
    std::vector<ExaminedVertex> examined;
    int chosen = -1; // the vertex settled, or -1 when the search stands still
    int chosenDistance = 0;
    int unchangedStepsFollowing = 0; // after a standing-still step, until the step cap
};

// The search's arrays after some step, rebuilt from the record.
struct SearchState
{
    static constexpr int MaxVertices = 50;
    enum VertexState { NotReached, Reached, Settled };
    std::array<int, MaxVertices> distance {};
    std::array<int, MaxVertices> predecessor {};
    std::array<VertexState, MaxVertices> state {};
};

struct SearchRecord
{
    // Why the last search cycle ran a search or not.
    enum Cycle { NoCycleYet, NoLinkPassed, SameEndpoints, Searched };

    Cycle cycle = NoCycleYet;
    int cycleNumber = 0; // counts the view's cycles, so that one cycle is read once
    bool randomEffect = false;
    int source = 0;
    int destination = 0;
    int load = 0;
    float factor = 1; // the one factor every link was priced with
    int vertexCount = 0;
    int unreachable = 0; // the distance that means unreachable
    int highestCost = 0; // a cost above it leaves a link out
    std::vector<SearchStep> steps;
    std::string report; // exactly as the search wrote it to standard output

    void begin(Cycle kind, int from, int to, int trafficLoad, float randomFactor, int vertices);
    bool reachedDestination() const;
    // The arrays after the given number of steps (0: the start, the source alone settled).
    SearchState stateAfter(int stepCount) const;
};
