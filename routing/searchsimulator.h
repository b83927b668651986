// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "routesearch.h"
#include "searchcycle.h"
#include "searchrecord.h"
#include "topology.h"
#include "usablelinks.h"

#include <QList>

class NetworkModel;
class QRandomGenerator;

// Works out what a search started now would give at another load, with the program's own
// search cycle and search, on a copy of the model's state: the endpoints, the random effect and
// the links that earlier cycles let pass. It writes no report and never touches the program's
// generator, its usable links or its signals; it needs no widget and may run on any thread.
class SearchSimulator
{
public:
    struct Outcome
    {
        SearchRecord::Cycle cycle = SearchRecord::NoCycleYet;
        bool found = false;
        int cost = 0;
        QList<int> path; // from the source, when found
    };

    explicit SearchSimulator(const NetworkModel &model);

    // One search cycle at the load; with the random effect on, its factors come from draws.
    Outcome run(int load, QRandomGenerator &draws);
    int source() const { return choices.source; }
    int destination() const { return choices.destination; }
    bool randomEffect() const { return choices.randomEffect; }

private:
    Topology topology;
    UsableLinks usable;
    RouteSearch search;
    float factor = 1.0f;
    SearchCycle::Choices choices;
};
