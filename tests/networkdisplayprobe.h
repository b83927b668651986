// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "networkdisplay.h"
#include "networkmodel.h"

#include <QTimer>

#include <vector>

// Reaches into the private state of a NetworkDisplay and its model so tests can check and arrange
// it.
class NetworkDisplayProbe
{
public:
    explicit NetworkDisplayProbe(NetworkDisplay &view)
        : view(view)
    { }

    NetworkModel &model() { return *view.network; }
    auto &links() { return model().network.links; }
    const auto &activeLinks() { return model().usable.allRecords(); }
    int &vertexCount() { return model().network.vertexCount; }
    int totalLinkCount() { return model().network.linkCount(); }
    int &activeLinkCount() { return view.activeLinkCount; }
    int &searchSteps() { return model().routeSearch.searchSteps; }
    float &randomFactor() { return model().factor; }
    auto &distance() { return model().routeSearch.distance; }
    auto &predecessor() { return model().routeSearch.predecessor; }
    auto &vertexX() { return model().network.vertexX; }
    auto &vertexY() { return model().network.vertexY; }
    bool &pathFound() { return view.pathFound; }
    bool &noPath() { return view.noPath; }
    bool &sameEndpoints() { return view.sameEndpoints; }
    int &sourceVertex() { return model().sourceVertex; }
    int &destinationVertex() { return model().destinationVertex; }
    int &trafficLoad() { return model().trafficLoad; }
    bool &randomEffect() { return model().randomEffectOn; }
    bool &gameEnded() { return model().seriesEnded; }
    QTimer *searchTimer() { return view.searchTimer; }

    void appendActiveLink(int source, const Link &link) { model().usable.append(source, link); }
    void findShortestPath(int source, int destination)
    {
        view.findShortestPath(source, destination);
    }
    void moveShot() { view.moveShot(); }
    // Has the search write its steps into record (nullptr: record nothing).
    void setRecording(SearchRecord *record) { model().recording = record; }

    int activeLinkRecordCount() { return model().usable.recordCount(); }

    // Plain copies of the given per-vertex lists, for the reference search.
    template<typename Lists> std::vector<std::vector<Link>> copies(const Lists &lists)
    {
        std::vector<std::vector<Link>> result(model().network.vertexCount);
        for (int v = 0; v < model().network.vertexCount; ++v) {
            for (const auto &link : lists[v])
                result[v].push_back(*link);
        }
        return result;
    }

    // Makes every link of the topology usable once, as a cycle at load 0 would.
    void activateAllLinks()
    {
        for (int v = 0; v < model().network.vertexCount; ++v) {
            for (const auto &link : model().network.links[v])
                model().usable.append(v, *link);
        }
    }

private:
    NetworkDisplay &view;
};
