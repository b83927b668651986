// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "link.h"

#include <string>
#include <vector>

// A plain, literal rendering of the route search's steps, kept as a reference to compare the
// real search against. It walks the link lists and runs every capped step, however slow.
struct OracleInput
{
    int vertexCount = 20;
    std::vector<std::vector<Link>> activeLinks; // per source vertex, in list order
    int trafficLoad = 0;
    float randomFactor = 1.0f;
    int source = 0;
    int destination = 1;
};

struct OracleResult
{
    std::vector<int> distance;
    std::vector<int> predecessor;
    int searchSteps = 0;
    std::string report;
};

OracleResult oracleShortestPath(const OracleInput &input);
