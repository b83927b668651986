// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "routing.h"
#include "searchrecord.h"

#include <QList>

#include <array>

class UsableLinks;

// Where a search's report goes: standard output, as the program writes it, or nowhere.
enum class Report { StandardOutput, None };

// The load-adjusted shortest-path search over the usable links, and the arrays it leaves its
// result in: Dijkstra's algorithm settling one vertex per step, with every link priced at the
// load times one factor plus its weight, and a link above the highest load counted as missing.
class RouteSearch
{
public:
    // What the search prices and searches with.
    struct Setting
    {
        const UsableLinks &links;
        int vertexCount = Routing::VertexCount;
        int load = 0;
        float factor = 1.0f;
        Report report = Report::StandardOutput;
        SearchRecord *recording = nullptr; // written step by step while attached
    };

    // Leaves the distances and predecessors of a search from source to destination and writes
    // its report; false, doing nothing, for endpoints that are equal or not vertices. The caller
    // resets the predecessors.
    bool findShortestPath(const Setting &setting, int source, int destination);
    // The path the predecessors give, from the destination back; bounded, since they need not
    // lead back to the given source.
    QList<int> pathBack(int source, int destination, int vertexCount) const;

    int searchSteps = 0;
    int unvisitedMark = 0;
    int visitedMark = 1;
    std::array<int, Routing::VertexCapacity> visited {};
    std::array<int, Routing::VertexCapacity> distance {};
    std::array<int, Routing::VertexCapacity> predecessor {};

private:
    int relaxAndChoose(const Setting &setting, int current, SearchStep *step);
    void recordExamined(
        const Setting &setting, SearchStep &step, int j, double sum, int before, bool best) const;
    void writeReport(const Setting &setting, int source, int destination) const;
};
