// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkmodel.h"

#include "randomsource.h"
#include "searchcycle.h"

#include <algorithm>

namespace {

// Separate from the seeding of the first random factor: each seeds the generator once in the
// process's life.
bool newTargetSeedPending = true;

} // namespace

NetworkModel::NetworkModel(QObject *parent)
    : QObject(parent)
{ }

QList<int> NetworkModel::pathBack() const
{
    return routeSearch.pathBack(sourceVertex, destinationVertex, network.vertexCount);
}

bool NetworkModel::storeIfChanged(int &field, int value)
{
    if (value == field)
        return false;
    field = value;
    searchRan = false;
    return true;
}

void NetworkModel::setSource(int vertex)
{
    if (storeIfChanged(sourceVertex, network.clampVertex(vertex)))
        emit sourceChanged(sourceVertex);
}

void NetworkModel::setDestination(int vertex)
{
    if (storeIfChanged(destinationVertex, network.clampVertex(vertex)))
        emit destinationChanged(destinationVertex);
}

void NetworkModel::setLoad(int load)
{
    if (storeIfChanged(trafficLoad, std::max(load, 0)))
        emit loadChanged(trafficLoad);
}

void NetworkModel::setRandomEffect(bool on)
{
    if (on == randomEffectOn)
        return;
    randomEffectOn = on;
    searchRan = false;
    emit randomEffectChanged(on);
}

void NetworkModel::setTrialsLeft(int left)
{
    if (left == trials)
        return;
    trials = left;
    emit trialsLeftChanged(trials);
}

void NetworkModel::endSeries()
{
    if (seriesEnded)
        return;
    seriesEnded = true;
    emit seriesEndedChanged(true);
}

void NetworkModel::restartSeries()
{
    searchRan = false;
    if (!seriesEnded)
        return;
    seriesEnded = false;
    emit seriesEndedChanged(false);
}

void NetworkModel::setTopology(const Topology &topology)
{
    network = topology;
    usable.clear();
    const int cycleNumber = lastSearch.cycleNumber; // windows read each cycle once by it
    lastSearch = SearchRecord();
    lastSearch.cycleNumber = cycleNumber;
    cycleRan = false;
    searchRan = false;
    factor = 1.0f;
    setSource(sourceVertex);
    setDestination(destinationVertex);
    emit topologyChanged();
}

void NetworkModel::newTarget()
{
    if (newTargetSeedPending) {
        newTargetSeedPending = false;
        RandomSource::seed(RandomSource::secondsSinceMidnight());
    }
    RandomSource::draw();
    RandomSource::draw();
}

void NetworkModel::drawFactor()
{
    SearchCycle(network, usable, routeSearch, factor).drawFactor(randomEffectOn, &programFactors);
}

SearchRecord::Cycle NetworkModel::runCycle()
{
    searchRan = false;
    SearchCycle cycle(network, usable, routeSearch, factor);
    const SearchRecord::Cycle kind
        = cycle.run({sourceVertex, destinationVertex, trafficLoad, randomEffectOn}, &programFactors,
            Report::StandardOutput, &lastSearch);
    searchRan = kind == SearchRecord::Searched;
    cycleRan = true;
    emit cycleFinished();
    return kind;
}

bool NetworkModel::findShortestPath(int from, int to)
{
    const bool ran = routeSearch.findShortestPath(
        {usable, network.vertexCount, trafficLoad, factor, Report::StandardOutput, recording}, from,
        to);
    searchRan = searchRan || ran;
    return ran;
}
