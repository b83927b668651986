// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkdisplay.h"

#include "networkaccessible.h"
#include "networkmodel.h"

#include <QColor>
#include <QPalette>
#include <QTimer>

namespace {

constexpr int SearchIntervalMs = 5;

} // namespace

NetworkDisplay::NetworkDisplay(QWidget *parent)
    : NetworkDisplay(nullptr, parent)
{ }

// Members start from their initialisers; what follows must happen in this order.
NetworkDisplay::NetworkDisplay(NetworkModel *model, QWidget *parent)
    : QWidget(parent)
    , network(model ? model : new NetworkModel(this))
    , geometry(network->topology())
    , searchTimer(new QTimer(this))
{
    connect(searchTimer, &QTimer::timeout, this, &NetworkDisplay::moveShot);
    activeLinkCount = network->topology().linkCount(); // the model may show any network

    QColor background;
    background.setRgb(210, 240, 220, 220);
    setPalette(QPalette(background));
    setAutoFillBackground(true);
    setAccessibleName(tr("Network drawing"));
    setMouseTracking(true); // the pointer's shape tells where a click chooses a vertex

    newTarget();
    followModel();
}

NetworkDisplay::~NetworkDisplay() = default;

NetworkModel &NetworkDisplay::model() const
{
    return *network;
}

// The view shows whatever changes the model, whoever changed it.
void NetworkDisplay::followModel()
{
    connect(network, &NetworkModel::sourceChanged, this, [this](int vertex) {
        changed();
        emit vertexChanged(vertex);
    });
    connect(network, &NetworkModel::destinationChanged, this, [this](int vertex) {
        changed();
        emit vertexChanged2(vertex);
    });
    connect(network, &NetworkModel::loadChanged, this, [this](int load) {
        changed();
        emit loadChanged(load);
    });
    connect(network, &NetworkModel::randomEffectChanged, this, &NetworkDisplay::forgetShownOutcome);
    connect(network, &NetworkModel::cycleFinished, this, &NetworkDisplay::cycleFinished);
    connect(network, &NetworkModel::topologyChanged, this, &NetworkDisplay::topologyChanged);
}

// Another network: nothing shown of the old one stays, and a screen reader gets the new
// vertices and links.
void NetworkDisplay::topologyChanged()
{
    if (isSearchRunning())
        searchTimer->stop();
    pathFound = noPath = sameEndpoints = false;
    outcomeOutdated = false;
    activeLinkCount = network->topology().linkCount();
    forgetShownOutcome();
    NetworkAccessible::rebuildElements(this);
    update(wholeRect());
}

// A value changed: what was shown for the one before goes.
void NetworkDisplay::changed()
{
    forgetShownOutcome();
    update(wholeRect());
}

int NetworkDisplay::vertexCount() const
{
    return network->topology().vertexCount;
}

int NetworkDisplay::elementCount() const
{
    return vertexCount() + network->topology().linkCount();
}

bool NetworkDisplay::isSearchRunning() const
{
    return searchTimer->isActive();
}

bool NetworkDisplay::isGameEnded() const
{
    return network->isSeriesEnded();
}

QSize NetworkDisplay::sizeHint() const
{
    return QSize(400, 300);
}

QRect NetworkDisplay::wholeRect() const
{
    return QRect(0, 0, 800, 600);
}

QRect NetworkDisplay::networkRect() const
{
    return QRect(10, 10, 600, 600);
}

void NetworkDisplay::setVertex(int vertex)
{
    network->setSource(vertex);
}

void NetworkDisplay::setVertex2(int vertex2)
{
    network->setDestination(vertex2);
}

void NetworkDisplay::setLoad(int load)
{
    network->setLoad(load);
}

void NetworkDisplay::setgrand(bool randCheckBox)
{
    network->setRandomEffect(randCheckBox);
    update(wholeRect());
}

void NetworkDisplay::shoot()
{
    if (isSearchRunning())
        return;
    searchTimer->start(SearchIntervalMs);
    emit canShoot(false);
}

void NetworkDisplay::newTarget()
{
    network->newTarget();
    update();
}

void NetworkDisplay::setGameOver()
{
    if (isGameEnded())
        return;
    if (isSearchRunning())
        searchTimer->stop();
    network->endSeries();
    update();
}

void NetworkDisplay::restartGame()
{
    if (isSearchRunning())
        searchTimer->stop();
    network->restartSeries();
    forgetShownOutcome();
    update();
    emit canShoot(true);
}
