// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "searchoracle.h"

#include <sstream>

OracleResult oracleShortestPath(const OracleInput &input)
{
    const int n = input.vertexCount;
    std::vector<int> visited(n);
    OracleResult result;
    result.distance.assign(n, 0);
    result.predecessor.assign(n, -1);
    std::vector<int> &distance = result.distance;
    std::vector<int> &predecessor = result.predecessor;

    int searchSteps = -1;
    for (int v = 0; v < n; ++v) {
        visited[v] = 0;
        distance[v] = 10000;
    }
    distance[input.source] = 0;
    visited[input.source] = 1;
    int current = input.source;

    for (;;) {
        int best = 10000;
        int chosen = -1;
        for (int j = 0; j < n; ++j) {
            if (visited[j] == 1)
                continue;
            double cost = 10000;
            for (const Link &link : input.activeLinks[current]) {
                if (link.target == j) {
                    cost = double(input.trafficLoad) * double(input.randomFactor)
                        + double(link.weight);
                    break;
                }
            }
            if (cost > 99)
                cost = 10000;
            double sum = cost + distance[current];
            if (sum > 10000)
                sum = 10000;
            if (distance[j] > sum) {
                distance[j] = int(sum);
                predecessor[j] = current;
            }
            if (distance[j] < best) {
                best = distance[j];
                chosen = j;
            }
        }
        if (chosen != -1) {
            current = chosen;
            visited[chosen] = 1;
        }
        searchSteps++;
        if (chosen == input.destination)
            break;
        if (searchSteps > 999999)
            break;
    }
    result.searchSteps = searchSteps;

    std::ostringstream report;
    report << "\nThe shortest Distance from start " << input.source << " to destination "
           << input.destination << " is " << distance[input.destination] << "\n";
    if (predecessor[input.destination] == -1)
        report << "\nNo Path from " << input.destination << " to " << input.source << ".\n";
    report << "The Path is as follows:\n\n";
    result.report = report.str();
    return result;
}
