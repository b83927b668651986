// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainboard.h"

#include "accessiblefactory.h"
#include "announcer.h"
#include "boldfont.h"
#include "lcdrange.h"
#include "networkcommands.h"
#include "networkdisplay.h"
#include "networkmodel.h"
#include "studywindows.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

constexpr int ViewColumnStretch = 10;

constexpr int ButtonPointSize = 12;

} // namespace

MainBoard::MainBoard(QWidget *parent)
    : MainBoard(Topology(), parent)
{ }

MainBoard::MainBoard(const Topology &topology, QWidget *parent)
    : QWidget(parent)
    , model(std::make_unique<NetworkModel>())
{
    if (!topology.isBuiltIn())
        model->setTopology(topology);
    const int highestVertex = topology.vertexCount - 1;
    source = new LCDRange(tr("SOURCE"));
    source->setRange(0, highestVertex);
    destination = new LCDRange(tr("DESTINATION"));
    destination->setRange(0, highestVertex);
    auto *load = new LCDRange(tr("TRAFFIC LOAD"));
    load->setRange(0, NetworkDisplay::HighestLoad);

    auto *randomEffect = new QCheckBox(tr("RANDOM EFFECT"));
    auto *frame = new QFrame;
    frame->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);

    networkDisplay = new NetworkDisplay(model.get());

    connect(source, &LCDRange::valueChanged, networkDisplay, &NetworkDisplay::setVertex);
    connect(networkDisplay, &NetworkDisplay::vertexChanged, source, &LCDRange::setValue);
    connect(destination, &LCDRange::valueChanged, networkDisplay, &NetworkDisplay::setVertex2);
    connect(networkDisplay, &NetworkDisplay::vertexChanged2, destination, &LCDRange::setValue);
    connect(load, &LCDRange::valueChanged, networkDisplay, &NetworkDisplay::setLoad);
    connect(networkDisplay, &NetworkDisplay::loadChanged, load, &LCDRange::setValue);
    connect(randomEffect, &QCheckBox::toggled, networkDisplay, &NetworkDisplay::setgrand);
    connect(networkDisplay, &NetworkDisplay::hit, this, &MainBoard::hit);
    connect(networkDisplay, &NetworkDisplay::missed, this, &MainBoard::missed);

    auto *searchButton = new QPushButton(tr("&SEARCH START"));
    searchButton->setFont(boldFont(ButtonPointSize));
    connect(searchButton, &QPushButton::clicked, this, &MainBoard::fire);
    connect(networkDisplay, &NetworkDisplay::canShoot, searchButton, &QWidget::setEnabled);

    auto *restartButton = new QPushButton(tr("&RESTART"));
    restartButton->setFont(boldFont(ButtonPointSize));
    connect(restartButton, &QPushButton::clicked, this, &MainBoard::newGame);

    trialLeft = new QLCDNumber(LCDRange::ReadoutDigits);
    trialLeft->setSegmentStyle(QLCDNumber::Flat);
    markCounter(trialLeft); // before anything asks how to present it
    trialLeft->setAccessibleName(tr("TRIAL LEFT"));

    auto *trialCaption = new QLabel(tr("TRIAL LEFT"));
    auto *spacer = new QLabel(tr("           "));
    trialCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    trialCaption->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // The counter carries the caption as its name; the spacer is only space.
    markDecorative(trialCaption);
    markDecorative(spacer);

    new QShortcut(QKeySequence(Qt::Key_Enter), this, this, &MainBoard::fire, Qt::WindowShortcut);
    new QShortcut(QKeySequence(Qt::Key_Return), this, this, &MainBoard::fire, Qt::WindowShortcut);
    new QShortcut(
        QKeySequence(Qt::CTRL | Qt::Key_Q), this, this, &QWidget::close, Qt::WindowShortcut);

    auto *topFiller = new QHBoxLayout;
    topFiller->addStretch(1);

    // The one blank label fills two places: each keeps a blank line of space.
    auto *controls = new QVBoxLayout;
    for (QWidget *control : std::initializer_list<QWidget *> {source, destination, load,
             randomEffect, spacer, trialLeft, trialCaption, restartButton, spacer, searchButton})
        controls->addWidget(control);

    auto *rightFiller = new QVBoxLayout;

    auto *frameLayout = new QVBoxLayout;
    frameLayout->addWidget(networkDisplay);
    frame->setLayout(frameLayout);

    auto *grid = new QGridLayout;
    grid->addLayout(topFiller, 0, 1);
    grid->addLayout(controls, 1, 2);
    grid->addLayout(rightFiller, 1, 3);
    grid->addWidget(frame, 1, 1, 3, 1);
    grid->setColumnStretch(1, ViewColumnStretch);
    setLayout(grid);

    source->setValue(0);
    destination->setValue(1);
    load->setValue(0);

    source->setFocus(Qt::OtherFocusReason);
    destination->setFocus(Qt::OtherFocusReason);

    if (!topology.isBuiltIn())
        setWindowTitle(topology.name);
    newGame();
    studyWindows = new StudyWindows(this, model.get(), networkDisplay);
    networkFiles = new NetworkCommands(this, model.get());
    studyWindows->addMenuEntries(networkFiles->actions());
    connect(networkFiles, &NetworkCommands::networkShown, this, &MainBoard::newGame);
    connect(studyWindows, &StudyWindows::networkMade, networkFiles, &NetworkCommands::showNetwork);
    connect(model.get(), &NetworkModel::topologyChanged, this, &MainBoard::followTopology);
}

// The controls range over the new network's vertices, the title names it and a screen reader
// hears what was opened; the series begins again when the commands say so.
void MainBoard::followTopology()
{
    const Topology &topology = model->topology();
    source->setRange(0, topology.vertexCount - 1);
    destination->setRange(0, topology.vertexCount - 1);
    setWindowTitle(topology.isBuiltIn() ? QString() : topology.name);
    const QString name = topology.isBuiltIn() ? tr("The built-in network") : topology.name;
    const int links = topology.linkCount();
    Announcer::announce(networkDisplay,
        tr("%1: %2 vertices, %3.")
            .arg(name)
            .arg(topology.vertexCount)
            .arg(links == 1 ? tr("1 link") : tr("%1 links").arg(links)));
}

// The windows and the view read the model, so they go before it.
MainBoard::~MainBoard()
{
    delete studyWindows;
    delete networkDisplay;
}

// Ctrl+Q and the title bar alike: unsaved changes in the Network editor are asked about there.
void MainBoard::closeEvent(QCloseEvent *event)
{
    if (studyWindows->closeEditorFirst())
        event->accept();
    else
        event->ignore();
}

void MainBoard::fire()
{
    if (networkDisplay->isGameEnded() || networkDisplay->isSearchRunning())
        return;
    showTrialsLeft(model->trialsLeft() - 1);
    networkDisplay->shoot();
}

void MainBoard::hit()
{
    if (model->trialsLeft() != 0)
        networkDisplay->newTarget();
    else
        networkDisplay->setGameOver();
}

void MainBoard::missed()
{
    if (model->trialsLeft() == 0)
        networkDisplay->setGameOver();
}

QAction *MainBoard::command(const QString &name) const
{
    return findChild<QAction *>(name);
}

void MainBoard::newGame()
{
    showTrialsLeft(TrialsPerSeries);
    networkDisplay->restartGame();
    networkDisplay->newTarget();
}

void MainBoard::showTrialsLeft(int trials)
{
    model->setTrialsLeft(trials);
    trialLeft->display(trials);
    // The counter does not report its own changes, and screen readers present a change of a
    // control without the focus only when it is announced.
    QAccessibleValueChangeEvent event(trialLeft, trials);
    QAccessible::updateAccessibility(&event);
    Announcer::announce(
        trialLeft, trialLeft->accessibleName() + QLatin1Char(' ') + QString::number(trials) + '.');
}
