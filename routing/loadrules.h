// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "link.h"
#include "routing.h"

#include <QtGlobal>

// The three rules that involve the traffic load, each different: the load test of a search
// cycle, the cost the search gives a link, and the load a link's label shows.
namespace LoadRules {

// Load plus load times the factor: the load test passes a link when it is below the limit.
// Inline, as a cycle tests every link of the network.
inline double loadTestSum(int load, float factor)
{
    const double sum = load;
    return sum + sum * static_cast<double>(factor);
}

inline bool passesLoadTest(int load, float factor)
{
    return loadTestSum(load, factor) < Routing::LoadLimit;
}

// Load times factor plus weight, before the highest-load rule.
double pricedCost(int load, float factor, Link link);
// The priced cost, or the unreachable distance when it is above the highest load.
double searchCost(int load, float factor, Link link);
bool isLeftOut(int load, float factor, Link link);

// Whole weight plus whole factor times load; wide enough for any load.
qint64 labelLoad(int load, Link link);
bool isSaturated(int load, Link link);

} // namespace LoadRules
