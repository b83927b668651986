// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "routesearch.h"

#include "loadrules.h"
#include "usablelinks.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

namespace {

constexpr int NoVertex = -1;

// Standard output belongs to the process: a failure to write to it is told once, until a
// report gets through again.
bool reportFailureTold = false;

// The search does not depend on the report, so a failed write only costs the report itself.
void checkReportWritten(int error)
{
    if (std::cout) {
        reportFailureTold = false;
        return;
    }
    std::cout.clear(); // the next report tries again
    if (reportFailureTold)
        return;
    reportFailureTold = true;
    std::cerr << "netroute: cannot write the search report to standard output: "
              << (error ? std::strerror(error) : "write error") << std::endl;
}

double linkCost(const RouteSearch::Setting &setting, int from, int to)
{
    const Link *link = setting.links.first(from, to);
    return link ? LoadRules::searchCost(setting.load, setting.factor, *link)
                : Routing::UnreachableDistance;
}

} // namespace

bool RouteSearch::findShortestPath(const Setting &setting, int source, int destination)
{
    const auto isVertex = [&setting](int v) { return v >= 0 && v < setting.vertexCount; };
    if (!isVertex(source) || !isVertex(destination) || source == destination)
        return false;

    searchSteps = -1;
    for (int v = 0; v < setting.vertexCount; ++v) {
        visited[v] = unvisitedMark;
        distance[v] = Routing::UnreachableDistance;
    }
    distance[source] = 0;
    visited[source] = visitedMark;

    int current = source;
    for (;;) {
        SearchStep *step = setting.recording ? &setting.recording->steps.emplace_back() : nullptr;
        const int chosen = relaxAndChoose(setting, current, step);
        ++searchSteps;
        if (step) {
            step->chosen = chosen;
            step->chosenDistance = chosen == NoVertex ? distance[current] : distance[chosen];
        }
        if (chosen == NoVertex) {
            // Every unsettled vertex is unreachable and further steps would repeat this one
            // unchanged until the step cap; skip straight to the count they would leave.
            if (step)
                step->unchangedStepsFollowing = Routing::StepCap + 1 - searchSteps;
            searchSteps = Routing::StepCap + 1;
            break;
        }
        current = chosen;
        visited[current] = visitedMark;
        if (current == destination || searchSteps > Routing::StepCap)
            break;
    }
    writeReport(setting, source, destination);
    return true;
}

// One step: relax every unsettled vertex from the current one, return the nearest (or NoVertex).
// With a step to record into, each examined vertex is written down as it was worked out.
int RouteSearch::relaxAndChoose(const Setting &setting, int current, SearchStep *step)
{
    int best = Routing::UnreachableDistance;
    int chosen = NoVertex;
    if (step)
        step->current = current;
    for (int j = 0; j < setting.vertexCount; ++j) {
        if (visited[j] == visitedMark)
            continue;
        double sum = linkCost(setting, current, j) + distance[current];
        if (sum > Routing::UnreachableDistance)
            sum = Routing::UnreachableDistance;
        const int before = distance[j];
        if (before > sum) {
            distance[j] = static_cast<int>(sum);
            predecessor[j] = current;
        }
        if (distance[j] < best) {
            best = distance[j];
            chosen = j;
        }
        if (step)
            recordExamined(setting, *step, j, sum, before, chosen == j);
    }
    return chosen;
}

void RouteSearch::recordExamined(
    const Setting &setting, SearchStep &step, int j, double sum, int before, bool best) const
{
    ExaminedVertex examined;
    examined.vertex = j;
    const Link *link = setting.links.first(step.current, j);
    examined.hasLink = link != nullptr;
    if (link) {
        examined.weight = link->weight;
        examined.loadTimesFactor
            = static_cast<double>(setting.load) * static_cast<double>(setting.factor);
        examined.cost = LoadRules::pricedCost(setting.load, setting.factor, *link);
        examined.leftOut = LoadRules::isLeftOut(setting.load, setting.factor, *link);
    }
    examined.sum = sum;
    examined.oldDistance = before;
    examined.newDistance = distance[j];
    examined.improves = before > sum; // the relaxation's own test
    examined.becomesBest = best;
    step.examined.push_back(examined);
}

// The report goes to standard output and, while the search is recorded, into its record.
void RouteSearch::writeReport(const Setting &setting, int source, int destination) const
{
    if (!setting.recording && setting.report == Report::None)
        return;
    const std::string distanceLine = "\nThe shortest Distance from start " + std::to_string(source)
        + " to destination " + std::to_string(destination) + " is "
        + std::to_string(distance[destination]);
    const std::string noPathLine = predecessor[destination] == Routing::NoPredecessor
        ? "\nNo Path from " + std::to_string(destination) + " to " + std::to_string(source) + ".\n"
        : std::string();
    const std::string heading = "The Path is as follows:\n\n";
    if (setting.recording)
        setting.recording->report = distanceLine + '\n' + noPathLine + heading;
    if (setting.report == Report::None)
        return;
    errno = 0;
    std::cout << distanceLine << std::endl;
    std::cout << noPathLine;
    // Flushed again so that a report is never left in the buffer of a killed process.
    std::cout << heading << std::flush;
    checkReportWritten(errno);
}

QList<int> RouteSearch::pathBack(int source, int destination, int vertexCount) const
{
    QList<int> path {destination};
    int v = destination;
    for (int segment = 0; segment < vertexCount; ++segment) {
        const int p = predecessor[v];
        if (p < 0 || p >= vertexCount)
            break;
        path << p;
        if (p == source)
            break;
        v = p;
    }
    return path;
}
