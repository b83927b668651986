// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "factorsource.h"
#include "routesearch.h"
#include "routing.h"
#include "searchrecord.h"
#include "topology.h"
#include "usablelinks.h"

#include <QList>
#include <QObject>

// The network and what the user does with it: the topology and the links that search cycles
// have let pass, the user's choices (source, destination, load, random effect), the series of
// searches and the last cycle with its search. Views and windows read it; it needs no widget.
class NetworkModel : public QObject
{
    Q_OBJECT

public:
    static constexpr int TrialsPerSeries = Routing::TrialsPerSeries;

    explicit NetworkModel(QObject *parent = nullptr);

    const Topology &topology() const { return network; }
    const UsableLinks &usableLinks() const { return usable; }
    const RouteSearch &search() const { return routeSearch; }
    int source() const { return sourceVertex; }
    int destination() const { return destinationVertex; }
    int load() const { return trafficLoad; }
    bool randomEffect() const { return randomEffectOn; }
    // The factor drawn last: the search prices every link with it.
    float randomFactor() const { return factor; }
    int trialsLeft() const { return trials; }
    bool isSeriesEnded() const { return seriesEnded; }
    // What the last cycle did, with its search written down step by step.
    const SearchRecord &lastCycle() const { return lastSearch; }
    // Some cycle has applied the load test.
    bool hasCycleRun() const { return cycleRan; }
    // The search's distances and predecessors belong to the present choices.
    bool hasSearchResults() const { return searchRan; }
    // The path the search left, from the destination back.
    QList<int> pathBack() const;

    // Each setter stores a changed value and tells of it; an unchanged one does nothing.
    void setSource(int vertex); // clamped to the vertices
    void setDestination(int vertex); // clamped to the vertices
    void setLoad(int load); // negative loads become 0
    void setRandomEffect(bool on);
    void setTrialsLeft(int left);
    void endSeries();
    void restartSeries();
    // Shows another network: every usable link and search result is forgotten, source and
    // destination are clamped to its vertices, then topologyChanged() tells of it.
    void setTopology(const Topology &topology);

    // Advances the program's generator by two draws, seeding it on the program's first call.
    void newTarget();
    // The next factor: 1 with the random effect off, else a draw of the program's generator.
    void drawFactor();
    // One search cycle on the present choices, its report on standard output; cycleFinished()
    // follows once it is complete.
    SearchRecord::Cycle runCycle();
    // The search alone, with the present load and factor.
    bool findShortestPath(int from, int to);

signals:
    void sourceChanged(int source);
    void destinationChanged(int destination);
    void loadChanged(int load);
    void randomEffectChanged(bool on);
    void trialsLeftChanged(int trials);
    void seriesEndedChanged(bool ended);
    void cycleFinished();
    void topologyChanged();

private:
    bool storeIfChanged(int &field, int value);

    Topology network;
    UsableLinks usable;
    RouteSearch routeSearch;
    float factor = 1.0f;
    int sourceVertex = 0;
    int destinationVertex = 0;
    int trafficLoad = 0;
    bool randomEffectOn = false;
    int trials = Routing::TrialsPerSeries;
    bool seriesEnded = false;
    bool cycleRan = false;
    bool searchRan = false;
    SearchRecord lastSearch;
    SearchRecord *recording = nullptr; // what findShortestPath alone writes its steps into
    ProgramFactors programFactors;

    friend class NetworkDisplayProbe; // white-box access for the tests and benchmarks
};
