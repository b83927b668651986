// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkdisplay.h"

#include "networkmodel.h"

#include <QRegion>
#include <QTimer>

void NetworkDisplay::findShortestPath(int source, int destination)
{
    network->findShortestPath(source, destination);
}

void NetworkDisplay::grand()
{
    network->drawFactor();
    update(wholeRect());
}

// One search cycle, run by the model; cycleFinished() shows its outcome.
void NetworkDisplay::moveShot()
{
    forgetShownOutcome();
    network->runCycle();
}

void NetworkDisplay::cycleFinished()
{
    update(wholeRect()); // every link has a new factor
    settleOutcome();
    outcomeOutdated = false;
    update(QRegion(networkRect()));
    explanationsChanged();
}

// Flags left unpainted by an earlier cycle take part here, as they would on screen.
void NetworkDisplay::settleOutcome()
{
    switch (network->lastCycle().cycle) {
    case SearchRecord::NoLinkPassed:
        pathFound = false;
        break;
    case SearchRecord::SameEndpoints:
        sameEndpoints = true;
        break;
    case SearchRecord::NoCycleYet:
    case SearchRecord::Searched:
        break;
    }

    if (sameEndpoints)
        finishSearch();
    else
        pathFound = network->search().predecessor[network->destination()] != NoPredecessor;

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
