// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "networkdisplay.h"

#include <QTimer>

#include <vector>

// Reaches into a NetworkDisplay's private state so tests can check and arrange it.
class NetworkDisplayProbe
{
public:
    explicit NetworkDisplayProbe(NetworkDisplay &view)
        : view(view)
    { }

    auto &links() { return view.links; }
    auto &activeLinks() { return view.activeLinks; }
    int &vertexCount() { return view.vertexCount; }
    int &totalLinkCount() { return view.totalLinkCount; }
    int &activeLinkCount() { return view.activeLinkCount; }
    int &searchSteps() { return view.searchSteps; }
    float &randomFactor() { return view.randomFactor; }
    auto &distance() { return view.distance; }
    auto &predecessor() { return view.predecessor; }
    auto &vertexX() { return view.vertexX; }
    auto &vertexY() { return view.vertexY; }
    bool &pathFound() { return view.pathFound; }
    bool &noPath() { return view.noPath; }
    bool &sameEndpoints() { return view.sameEndpoints; }
    int &sourceVertex() { return view.sourceVertex; }
    int &destinationVertex() { return view.destinationVertex; }
    int &trafficLoad() { return view.trafficLoad; }
    bool &randomEffect() { return view.randomEffect; }
    bool &gameEnded() { return view.gameEnded; }
    QTimer *searchTimer() { return view.searchTimer; }

    void appendActiveLink(int source, const Link &link) { view.appendActiveLink(source, link); }
    void findShortestPath(int source, int destination)
    {
        view.findShortestPath(source, destination);
    }
    void moveShot() { view.moveShot(); }
    // Has the search write its steps into record (nullptr: record nothing).
    void setRecording(SearchRecord *record) { view.recording = record; }

    int activeLinkRecordCount()
    {
        int total = 0;
        for (const auto &list : view.activeLinks)
            total += int(list.size());
        return total;
    }

    // Plain copies of the given per-vertex lists, for the reference search.
    template<typename Lists> std::vector<std::vector<Link>> copies(const Lists &lists)
    {
        std::vector<std::vector<Link>> result(view.vertexCount);
        for (int v = 0; v < view.vertexCount; ++v) {
            for (const auto &link : lists[v])
                result[v].push_back(*link);
        }
        return result;
    }

    // Makes every link of the topology usable once, as a cycle at load 0 would.
    void activateAllLinks()
    {
        for (int v = 0; v < view.vertexCount; ++v) {
            for (const auto &link : view.links[v])
                view.appendActiveLink(v, *link);
        }
    }

private:
    NetworkDisplay &view;
};
