// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkdisplay.h"

#include "randomsource.h"

#include <QRandomGenerator>
#include <QRegion>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

namespace {

constexpr int NoVertex = -1;

// Shared by every view: grand() seeds the generator on its first random draw only.
bool grandSeedPending = true;

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

} // namespace

// Load-adjusted Dijkstra over the usable links; settles one vertex per step.
void NetworkDisplay::findShortestPath(int source, int destination)
{
    if (!isVertex(source) || !isVertex(destination) || source == destination)
        return;

    searchSteps = -1;
    for (int v = 0; v < vertexCount; ++v) {
        visited[v] = unvisitedMark;
        distance[v] = UnreachableDistance;
    }
    distance[source] = 0;
    visited[source] = visitedMark;

    int current = source;
    for (;;) {
        SearchStep *step = recording ? &recording->steps.emplace_back() : nullptr;
        const int chosen = relaxAndChoose(current, step);
        ++searchSteps;
        if (step) {
            step->chosen = chosen;
            step->chosenDistance = chosen == NoVertex ? distance[current] : distance[chosen];
        }
        if (chosen == NoVertex) {
            // Every unsettled vertex is unreachable and further steps would repeat this one
            // unchanged until the step cap; skip straight to the count they would leave.
            if (step)
                step->unchangedStepsFollowing = StepCap + 1 - searchSteps;
            searchSteps = StepCap + 1;
            break;
        }
        current = chosen;
        visited[current] = visitedMark;
        if (current == destination || searchSteps > StepCap)
            break;
    }
    writeReport(source, destination);
    searchRan = true;
}

// One step: relax every unsettled vertex from the current one, return the nearest (or NoVertex).
// With a step to record into, each examined vertex is written down as it was worked out.
int NetworkDisplay::relaxAndChoose(int current, SearchStep *step)
{
    int best = UnreachableDistance;
    int chosen = NoVertex;
    if (step)
        step->current = current;
    for (int j = 0; j < vertexCount; ++j) {
        if (visited[j] == visitedMark)
            continue;
        double sum = linkCost(current, j) + distance[current];
        if (sum > UnreachableDistance)
            sum = UnreachableDistance;
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
            recordExamined(*step, j, sum, before, chosen == j);
    }
    return chosen;
}

void NetworkDisplay::recordExamined(
    SearchStep &step, int j, double sum, int before, bool best) const
{
    ExaminedVertex examined;
    examined.vertex = j;
    const Link *link = firstActiveLink[step.current][j];
    examined.hasLink = link != nullptr;
    if (link) {
        examined.weight = link->weight;
        examined.loadTimesFactor
            = static_cast<double>(trafficLoad) * static_cast<double>(randomFactor);
        examined.cost = pricedCost(*link);
        examined.leftOut = linkCost(step.current, j) >= UnreachableDistance;
    }
    examined.sum = sum;
    examined.oldDistance = before;
    examined.newDistance = distance[j];
    examined.improves = before > sum; // the relaxation's own test
    examined.becomesBest = best;
    step.examined.push_back(examined);
}

double NetworkDisplay::linkCost(int from, int to) const
{
    const Link *link = firstActiveLink[from][to];
    if (!link)
        return UnreachableDistance;
    const double cost = pricedCost(*link);
    return cost > HighestLoad ? UnreachableDistance : cost;
}

// The search prices a link with the factor drawn last in the cycle, whatever the link's own.
double NetworkDisplay::pricedCost(const Link &record) const
{
    return static_cast<double>(trafficLoad) * static_cast<double>(randomFactor)
        + static_cast<double>(record.weight);
}

// The report goes to standard output and, while the search is recorded, into its record.
void NetworkDisplay::writeReport(int source, int destination) const
{
    const std::string distanceLine = "\nThe shortest Distance from start " + std::to_string(source)
        + " to destination " + std::to_string(destination) + " is "
        + std::to_string(distance[destination]);
    const std::string noPathLine = predecessor[destination] == NoPredecessor
        ? "\nNo Path from " + std::to_string(destination) + " to " + std::to_string(source) + ".\n"
        : std::string();
    const std::string heading = "The Path is as follows:\n\n";
    if (recording)
        recording->report = distanceLine + '\n' + noPathLine + heading;
    if (!reportWritten)
        return;
    errno = 0;
    std::cout << distanceLine << std::endl;
    std::cout << noPathLine;
    // Flushed again so that a report is never left in the buffer of a killed process.
    std::cout << heading << std::flush;
    checkReportWritten(errno);
}

void NetworkDisplay::grand()
{
    if (!randomEffect) {
        randomFactor = 1.0f;
    } else {
        if (grandSeedPending && !privateDraws) {
            grandSeedPending = false;
            RandomSource::seed(RandomSource::secondsSinceMidnight());
            RandomSource::draw();
        }
        const int draw = privateDraws
            ? static_cast<int>(privateDraws->bounded(RandomSource::MaxDraw + 1))
            : RandomSource::draw();
        randomFactor = static_cast<float>(draw / double(RandomSource::MaxDraw));
    }
    update(wholeRect());
}

double NetworkDisplay::loadTestSum(float factor) const
{
    const double load = trafficLoad;
    return load + load * static_cast<double>(factor);
}

bool NetworkDisplay::passesLoadTest(float factor) const
{
    return loadTestSum(factor) < LoadLimit;
}

void NetworkDisplay::appendActiveLink(int source, const Link &link)
{
    activeLinks[source].push_back(std::make_unique<Link>(link));
    if (link.target < 0 || link.target >= VertexCapacity)
        return; // leads to no vertex: the search never looks for it
    const Link *&first = firstActiveLink[source][link.target];
    if (!first)
        first = activeLinks[source].back().get();
}

// One search cycle: draw the factors, collect the usable links, search, record the outcome.
void NetworkDisplay::moveShot()
{
    forgetShownOutcome();
    int passingLinks = 0;
    for (int j = 0; j < vertexCount; ++j) {
        for (const std::unique_ptr<Link> &link : links[j]) {
            grand();
            link->factor = randomFactor;
            if (passesLoadTest(randomFactor)) {
                appendActiveLink(
                    j, Link {link->target, link->weight, vertexX[j], vertexY[j], randomFactor});
                ++passingLinks;
            }
        }
    }
    std::fill_n(predecessor.begin(), vertexCount, NoPredecessor);

    if (passingLinks == 0) {
        recordCycle(SearchRecord::NoLinkPassed);
        pathFound = false;
    } else if (sourceVertex == destinationVertex) {
        recordCycle(SearchRecord::SameEndpoints);
        sameEndpoints = true;
    } else {
        recordCycle(SearchRecord::Searched);
        recording = &lastSearch;
        findShortestPath(sourceVertex, destinationVertex);
        recording = nullptr;
    }

    settleOutcome();
    cycleRan = true;
    outcomeOutdated = false;
    update(QRegion(networkRect()));
    explanationsChanged();
}

void NetworkDisplay::recordCycle(SearchRecord::Cycle kind)
{
    lastSearch.begin(kind, sourceVertex, destinationVertex, trafficLoad, randomFactor, vertexCount);
    ++lastSearch.cycleNumber;
    lastSearch.randomEffect = randomEffect;
    lastSearch.unreachable = UnreachableDistance;
    lastSearch.highestCost = HighestLoad;
}

// Flags left unpainted by an earlier cycle take part here, as they would on screen.
void NetworkDisplay::settleOutcome()
{
    if (sameEndpoints)
        finishSearch();
    else
        pathFound = predecessor[destinationVertex] != NoPredecessor;

    if (pathFound) {
        finishSearch();
    } else if (!sameEndpoints) {
        noPath = true;
        finishSearch();
    }
}

void NetworkDisplay::finishSearch()
{
    searchTimer->stop();
    emit missed();
    emit canShoot(true);
}
