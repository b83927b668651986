// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "link.h"
#include "searchrecord.h"

#include <QList>

#include <memory>
#include <utility>
#include <vector>

class NetworkDisplay;
class QRandomGenerator;

// Works out what a search started now would give at another load, with the program's own
// search cycle and search, on a detached copy of the view's state: the endpoints, the random
// effect and the links that earlier cycles let pass. The program's generator, its usable links,
// its report and its signals are left alone.
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

    explicit SearchSimulator(const NetworkDisplay &view);
    ~SearchSimulator();
    SearchSimulator(const SearchSimulator &) = delete;
    SearchSimulator &operator=(const SearchSimulator &) = delete;

    // One search cycle at the load; with the random effect on, its draws come from draws.
    Outcome run(int load, QRandomGenerator *draws);

private:
    std::unique_ptr<NetworkDisplay> copy;
    std::vector<std::pair<int, Link>> usable; // the first usable record of each link, by source
};
