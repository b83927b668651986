// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "distancevector.h"
#include "networkreader.h"
#include "routingtables.h"

#include <QWidget>

#if QT_CONFIG(thread)
#include <QThreadPool>
#endif

#include <functional>
#include <memory>
#include <vector>

class NetworkModel;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;
class StepControls;
class TreeDrawing;

// "Routing tables": every vertex's forwarding table by link state beside the one distance
// vector builds round by round, on the network the main window shows at its load and with the
// factor its search prices links with. Bad news, good news and another load go on from the
// tables reached, so that a count to infinity can be watched. It only reads the model, and
// starts again when the network, the load or the factor changes. A run is worked out on a
// thread of its own where Qt has threads, so that a long count to infinity never stalls the
// windows; until it is done the window shows the run before it, or none for a new network.
class RoutingTablesWindow : public QWidget
{
    Q_OBJECT

public:
    // What a link costs after good news and after bad news: the cheapest a learner sees at a
    // glance, and the most a link can cost.
    static constexpr int GoodNewsCost = 1;
    static constexpr int BadNewsCost = Routing::HighestLoad;

    explicit RoutingTablesWindow(const NetworkModel &model, QWidget *parent = nullptr);
    ~RoutingTablesWindow() override;

    // Whether a run asked for is still being worked out.
    bool isWorking() const { return working; }
    const DistanceVector &distanceVector() const { return *run; }
    int currentRound() const { return roundIndex; } // an index into the run's rounds
    int roundCount() const;

public slots:
    // A new run on the model's network, load and factor, with the options chosen.
    void startAgain();
    // Starts again when the model's load or factor is no longer the run's.
    void followModel();
    void first();
    void back();
    void step();
    void last();
    void togglePlay();
    void chooseVertex(int vertex);
    void chooseLink(int source, int target);
    void goodNews();
    void badNews();
    void changeLoad();

private:
    // What a run worked out in the background gives: the run and link state for its last
    // costs, or why it could not go on.
    struct Outcome
    {
        std::shared_ptr<const DistanceVector> run;
        RoutingTables truth;
        QString error;
    };

    void workOut(
        const std::function<Outcome()> &work, const std::function<void(const Outcome &)> &show);
    bool stillWorking();
    void buildControls();
    QWidget *buildOptions();
    QWidget *buildEvents();
    void fillVertexLists();
    void fillRounds();
    void showRound(int index, bool announce);
    void fillTables();
    void fillSent();
    void fillTree();
    void giveNews(bool good);
    void continueWith(const LinkCosts &costs);
    void tell(const QString &message);
    const RoutingTables &truth() const; // link state for the selected round's stage
    const DistanceVector::Round &round() const;
    QString vertexName(int vertex) const;

    NetworkReader reader;
    // Shared with the thread that continues it, which copies it; never changed once made.
    std::shared_ptr<const DistanceVector> run;
    std::vector<RoutingTables> stageTruth; // link state of each stage's costs
    int usedLoad = 0;
    float usedFactor = 1.0f;
    int roundIndex = 0;
    int generation = 0; // counts the runs asked for; only the latest is shown
    bool working = false;

    QLabel *summary = nullptr;
    QComboBox *advertisingBox = nullptr;
    QSpinBox *infinityBox = nullptr;
    QSpinBox *loadBox = nullptr;
    QComboBox *linkBox = nullptr;
    QLabel *newsLabel = nullptr;
    QLabel *stageLabel = nullptr;
    QTableWidget *roundsTable = nullptr;
    QLabel *sentenceLabel = nullptr;
    QListWidget *changesList = nullptr;
    QComboBox *vertexBox = nullptr;
    QTableWidget *linkStateTable = nullptr;
    QTableWidget *vectorTable = nullptr;
    QLabel *sentCaption = nullptr;
    QTableWidget *sentTable = nullptr;
    QComboBox *towardsBox = nullptr;
    TreeDrawing *drawing = nullptr;
    StepControls *controls = nullptr;
#if QT_CONFIG(thread)
    QThreadPool pool;
#endif
};
