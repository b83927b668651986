// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "routingtableswindow.h"

#include "announcer.h"
#include "networkmodel.h"
#include "stepcontrols.h"
#include "studytable.h"
#include "tablenarration.h"
#include "treedrawing.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPoint>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int PlayInterval = 700; // milliseconds per round
const QColor DifferColor(190, 30, 20);

// A label that names the control after it for screen readers and takes its mnemonic.
QLabel *buddyLabel(const QString &text, QWidget *control)
{
    auto *label = new QLabel(text, control->parentWidget());
    label->setBuddy(control);
    return label;
}

} // namespace

RoutingTablesWindow::RoutingTablesWindow(const NetworkModel &model, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , reader(model)
{
    setWindowTitle(tr("Routing tables"));
    setAttribute(Qt::WA_QuitOnClose, false); // closing the main window still ends the program
    buildControls();
    roundsTable->setFocus(); // its keys move through the rounds at once
#if QT_CONFIG(thread)
    pool.setMaxThreadCount(1);
#endif
    startAgain();
}

RoutingTablesWindow::~RoutingTablesWindow()
{
    ++generation; // a run under way is no longer shown
#if QT_CONFIG(thread)
    pool.waitForDone();
#endif
}

QWidget *RoutingTablesWindow::buildOptions()
{
    auto *box = new QWidget(this);
    advertisingBox = new QComboBox(box);
    advertisingBox->setAccessibleName(tr("Advertising"));
    advertisingBox->addItem(tr("Neither"), int(DistanceVector::Advertising::Everything));
    advertisingBox->addItem(tr("Split horizon"), int(DistanceVector::Advertising::SplitHorizon));
    advertisingBox->addItem(
        tr("Poisoned reverse"), int(DistanceVector::Advertising::PoisonedReverse));
    advertisingBox->setToolTip(tr("What a vertex tells a neighbour of a route through it: the "
                                  "route (neither), nothing (split horizon) or infinity "
                                  "(poisoned reverse)"));
    infinityBox = new QSpinBox(box);
    infinityBox->setAccessibleName(tr("Infinity"));
    infinityBox->setRange(DistanceVector::LowestInfinity, DistanceVector::HighestInfinity);
    infinityBox->setValue(DistanceVector::DefaultInfinity);
    infinityBox->setToolTip(tr("A route that costs this or more is no route"));
    auto *apply = new QPushButton(tr("&Apply"), box);
    apply->setToolTip(tr("Starts the run again with these options"));
    connect(apply, &QPushButton::clicked, this, &RoutingTablesWindow::startAgain);

    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buddyLabel(tr("A&dvertising:"), advertisingBox));
    layout->addWidget(advertisingBox);
    layout->addWidget(buddyLabel(tr("&Infinity:"), infinityBox));
    layout->addWidget(infinityBox);
    layout->addWidget(apply);
    layout->addStretch();
    return box;
}

QWidget *RoutingTablesWindow::buildEvents()
{
    auto *box = new QWidget(this);
    loadBox = new QSpinBox(box);
    loadBox->setAccessibleName(tr("Change the load to"));
    loadBox->setRange(0, Routing::HighestLoad);
    auto *load = new QPushButton(tr("Change l&oad"), box);
    load->setToolTip(tr("Every link costs what the new load gives it; the rounds go on from "
                        "the tables reached"));
    connect(load, &QPushButton::clicked, this, &RoutingTablesWindow::changeLoad);
    linkBox = new QComboBox(box);
    linkBox->setAccessibleName(tr("Link"));
    auto *good = new QPushButton(tr("&Good news"), box);
    good->setToolTip(
        tr("The chosen link costs %1 each way; the rounds go on from the tables reached")
            .arg(GoodNewsCost));
    connect(good, &QPushButton::clicked, this, &RoutingTablesWindow::goodNews);
    auto *bad = new QPushButton(tr("Bad &news"), box);
    bad->setToolTip(tr("The chosen link costs %1 each way, the most a link can cost; the rounds "
                       "go on from the tables reached")
                        .arg(BadNewsCost));
    connect(bad, &QPushButton::clicked, this, &RoutingTablesWindow::badNews);

    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buddyLabel(tr("C&hange the load to:"), loadBox));
    layout->addWidget(loadBox);
    layout->addWidget(load);
    layout->addSpacing(12);
    layout->addWidget(buddyLabel(tr("Lin&k:"), linkBox));
    layout->addWidget(linkBox);
    layout->addWidget(good);
    layout->addWidget(bad);
    layout->addStretch();
    return box;
}

void RoutingTablesWindow::buildControls()
{
    summary = new QLabel(this);
    summary->setWordWrap(true);
    summary->setAccessibleName(tr("About the run"));
    newsLabel = new QLabel(this);
    newsLabel->setWordWrap(true);
    newsLabel->setAccessibleName(tr("News"));
    stageLabel = new QLabel(this);
    stageLabel->setWordWrap(true);
    stageLabel->setAccessibleName(tr("Agreement"));

    roundsTable
        = StudyTable::make(tr("Rounds"), {tr("Round"), tr("Changes"), tr("What happened")}, this);
    roundsTable->setWordWrap(false);
    connect(roundsTable, &QTableWidget::currentCellChanged, this, [this](int current) {
        if (current >= 0 && current != roundIndex)
            showRound(current, true);
    });
    sentenceLabel = new QLabel(this);
    sentenceLabel->setWordWrap(true);
    sentenceLabel->setAccessibleName(tr("Round"));
    QFont bold = sentenceLabel->font();
    bold.setBold(true);
    sentenceLabel->setFont(bold);
    changesList = new QListWidget(this);
    changesList->setAccessibleName(tr("Changes"));
    changesList->setWordWrap(true);

    // The round keys act where the Rounds table has the focus.
    controls = new StepControls(roundsTable, this);
    controls->setInterval(PlayInterval);
    connect(
        controls, &StepControls::rowChosen, this, [this](int chosen) { showRound(chosen, true); });
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : controls->buttons())
        buttons->addWidget(button);
    buttons->addStretch();

    vertexBox = new QComboBox(this);
    vertexBox->setAccessibleName(tr("Vertex"));
    connect(
        vertexBox, &QComboBox::currentIndexChanged, this, [this] { showRound(roundIndex, false); });
    linkStateTable
        = StudyTable::make(tr("Link state"), {tr("Destination"), tr("Next hop"), tr("Cost")}, this);
    vectorTable = StudyTable::make(
        tr("Distance vector"), {tr("Destination"), tr("Next hop"), tr("Cost"), tr("Note")}, this);
    sentCaption = new QLabel(this);
    sentTable = StudyTable::make(tr("Sent"), {tr("Neighbour")}, this);
    sentTable->horizontalHeader()->setStretchLastSection(false);

    towardsBox = new QComboBox(this);
    towardsBox->setAccessibleName(tr("Tree towards"));
    connect(towardsBox, &QComboBox::currentIndexChanged, this, [this] { fillTree(); });
    drawing = new TreeDrawing(reader, this);
    connect(drawing, &TreeDrawing::vertexClicked, this, &RoutingTablesWindow::chooseVertex);
    connect(drawing, &TreeDrawing::linkClicked, this, &RoutingTablesWindow::chooseLink);

    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Rounds:"), this));
    left->addWidget(roundsTable, 3);
    left->addWidget(new QLabel(tr("Changes in the round:"), this));
    left->addWidget(changesList, 2);

    auto *tables = new QGridLayout;
    auto *vertex = new QHBoxLayout;
    vertex->addWidget(buddyLabel(tr("&Vertex:"), vertexBox));
    vertex->addWidget(vertexBox);
    vertex->addStretch();
    tables->addLayout(vertex, 0, 0, 1, 2);
    tables->addWidget(new QLabel(tr("By link state:"), this), 1, 0);
    tables->addWidget(new QLabel(tr("By distance vector:"), this), 1, 1);
    tables->addWidget(linkStateTable, 2, 0);
    tables->addWidget(vectorTable, 2, 1);
    tables->addWidget(sentCaption, 3, 0, 1, 2);
    tables->addWidget(sentTable, 4, 0, 1, 2);
    tables->setRowStretch(2, 3);
    tables->setRowStretch(4, 2);
    tables->setColumnStretch(0, 3);
    tables->setColumnStretch(1, 4);

    auto *right = new QVBoxLayout;
    auto *towards = new QHBoxLayout;
    towards->addWidget(buddyLabel(tr("&Tree towards:"), towardsBox));
    towards->addWidget(towardsBox);
    towards->addStretch();
    right->addLayout(towards);
    right->addWidget(drawing, 1);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(tables, 5);
    columns->addLayout(right, 3);
    // The sentences run across the whole window, where a wrapped line has room to grow.
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(buildOptions());
    layout->addWidget(buildEvents());
    layout->addWidget(newsLabel);
    layout->addWidget(stageLabel);
    layout->addWidget(sentenceLabel);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    resize(1280, 760);
}

int RoutingTablesWindow::roundCount() const
{
    return run ? static_cast<int>(run->rounds().size()) : 0;
}

QString RoutingTablesWindow::vertexName(int vertex) const
{
    const QString label = reader.label(vertex);
    return label.isEmpty() ? QString::number(vertex) : tr("%1 (%2)").arg(vertex).arg(label);
}

const RoutingTables &RoutingTablesWindow::truth() const
{
    return stageTruth[static_cast<size_t>(round().stage)];
}

const DistanceVector::Round &RoutingTablesWindow::round() const
{
    return run->rounds()[static_cast<size_t>(roundIndex)];
}

void RoutingTablesWindow::startAgain()
{
    const NetworkModel &model = reader.model();
    usedLoad = model.load();
    usedFactor = model.randomFactor();
    const LinkCosts costs(model.topology(), usedLoad, usedFactor);
    const DistanceVector::Options options {
        static_cast<DistanceVector::Advertising>(advertisingBox->currentData().toInt()),
        infinityBox->value(), DistanceVector::DefaultRoundCap};
    // The run before may be of another network: nothing of it stays in view.
    run.reset();
    stageTruth.clear();
    summary->setText(
        tr("Every vertex's table at load %1, every link priced with the factor %2: by link state, "
           "from the program's own search, and by distance vector, round by round.")
            .arg(usedLoad)
            .arg(QString::number(usedFactor, 'g', 6)));
    {
        const QSignalBlocker blocker(loadBox);
        loadBox->setValue(usedLoad);
    }
    newsLabel->clear();
    fillVertexLists();
    fillRounds();
    showRound(0, false);
    workOut(
        [costs, options] {
            return Outcome {std::make_shared<const DistanceVector>(costs, options),
                RoutingTables::linkState(costs), {}};
        },
        [this](const Outcome &outcome) {
            run = outcome.run;
            stageTruth = {outcome.truth};
            fillRounds();
            showRound(0, false);
        });
}

// Runs the work on the pool where Qt has threads, else at once, and shows what it gives unless
// a later run was asked for meanwhile.
void RoutingTablesWindow::workOut(
    const std::function<Outcome()> &work, const std::function<void(const Outcome &)> &show)
{
    controls->setPlaying(false);
    const int asked = ++generation;
    working = true;
    const auto finish = [this, asked, show](const Outcome &outcome) {
        if (asked != generation)
            return;
        working = false;
        show(outcome);
    };
#if QT_CONFIG(thread)
    pool.start([this, work, finish] {
        const auto outcome = std::make_shared<const Outcome>(work());
        QMetaObject::invokeMethod(
            this, [finish, outcome] { finish(*outcome); }, Qt::QueuedConnection);
    });
#else
    finish(work());
#endif
}

// An event needs the tables it goes on from.
bool RoutingTablesWindow::stillWorking()
{
    if (working)
        tell(tr("The rounds are still being worked out; try again in a moment."));
    return working;
}

void RoutingTablesWindow::followModel()
{
    const NetworkModel &model = reader.model();
    if (model.load() != usedLoad || model.randomFactor() != usedFactor)
        startAgain();
}

// The vertex lists and the links, kept where the network still has them.
void RoutingTablesWindow::fillVertexLists()
{
    const int count = reader.vertexCount();
    for (QComboBox *box : {vertexBox, towardsBox}) {
        const QSignalBlocker blocker(box);
        const int kept = box->currentIndex();
        box->clear();
        for (int v = 0; v < count; ++v)
            box->addItem(vertexName(v));
        box->setCurrentIndex(kept >= 0 && kept < count ? kept : 0);
    }
    const QSignalBlocker blocker(linkBox);
    const QVariant kept = linkBox->currentData();
    linkBox->clear();
    const QList<NetworkReader::LinkView> links = reader.links();
    for (const NetworkReader::LinkView &link : links) {
        const bool backToo = std::any_of(links.begin(), links.end(), [&link](const auto &other) {
            return other.source == link.target && other.target == link.source;
        });
        // A pair of links is offered once, from its lower-numbered end.
        if (backToo && link.source > link.target)
            continue;
        const QPoint ends(link.source, link.target);
        if (linkBox->findData(ends) < 0)
            linkBox->addItem(tr("%1 to %2").arg(link.source).arg(link.target), ends);
    }
    const int index = linkBox->findData(kept);
    linkBox->setCurrentIndex(index >= 0 ? index : 0);
}

void RoutingTablesWindow::fillRounds()
{
    const QSignalBlocker blocker(roundsTable);
    roundsTable->setRowCount(roundCount());
    if (!run)
        return;
    const TableNarration narration(*run);
    for (int r = 0; r < roundCount(); ++r) {
        const DistanceVector::Round &each = run->rounds()[static_cast<size_t>(r)];
        roundsTable->setItem(r, 0, StudyTable::cell(narration.roundName(r)));
        roundsTable->setItem(r, 1, StudyTable::cell(QString::number(each.changes.size())));
        roundsTable->setItem(r, 2, StudyTable::cell(narration.roundSentence(r)));
    }
    roundsTable->resizeColumnsToContents();
}

void RoutingTablesWindow::showRound(int index, bool announce)
{
    if (!run) {
        roundIndex = 0;
        sentenceLabel->setText(tr("Working out the rounds…"));
        stageLabel->clear();
        changesList->clear();
        for (QTableWidget *table : {linkStateTable, vectorTable, sentTable})
            table->setRowCount(0);
        sentCaption->clear();
        drawing->showTree({}, std::max(towardsBox->currentIndex(), 0));
        controls->follow(0, 0);
        return;
    }
    roundIndex = std::clamp(index, 0, roundCount() - 1);
    {
        const QSignalBlocker blocker(roundsTable);
        roundsTable->setCurrentCell(roundIndex, 0);
    }
    const TableNarration narration(*run);
    const QString sentence = narration.roundSentence(roundIndex);
    sentenceLabel->setText(sentence);
    changesList->clear();
    for (const DistanceVector::Change &change : round().changes)
        changesList->addItem(narration.changeSentence(roundIndex, change));
    stageLabel->setText(narration.stageSummary(round().stage));
    fillTables();
    fillSent();
    fillTree();

    controls->follow(roundIndex, roundCount());
    if (announce)
        Announcer::announce(this, sentence);
}

void RoutingTablesWindow::fillTables()
{
    const int vertex = std::max(vertexBox->currentIndex(), 0);
    const int count = truth().vertexCount();
    const RoutingTables &tables = round().tables;
    QList<bool> differs(count, false);
    for (const RoutingTables::Difference &d : tables.differences(truth())) {
        if (d.vertex == vertex && d.costDiffers)
            differs[d.destination] = true;
    }
    QList<bool> changed(count, false);
    for (const DistanceVector::Change &change : round().changes) {
        if (change.vertex == vertex)
            changed[change.destination] = true;
    }
    const TableNarration narration(*run);
    const auto routeCells = [&](RoutingTables::Route route, int destination) {
        if (destination == vertex)
            return QStringList {vertexName(destination), tr("itself"), QStringLiteral("0")};
        if (!route.reachable() || route.cost >= run->options().infinity)
            return QStringList {vertexName(destination), tr("no route"), QString()};
        return QStringList {
            vertexName(destination), vertexName(route.nextHop), narration.claimCell(route.cost)};
    };
    linkStateTable->setRowCount(count);
    vectorTable->setRowCount(count);
    for (int d = 0; d < count; ++d) {
        const QStringList known = routeCells(truth().route(vertex, d), d);
        for (int column = 0; column < known.size(); ++column)
            linkStateTable->setItem(d, column, StudyTable::cell(known[column]));
        QStringList learnt = routeCells(tables.route(vertex, d), d);
        QStringList notes;
        if (differs[d])
            notes << tr("≠ link state");
        if (changed[d])
            notes << tr("changed");
        learnt << notes.join(QLatin1String(", "));
        for (int column = 0; column < learnt.size(); ++column) {
            QTableWidgetItem *item = StudyTable::cell(learnt[column]);
            QFont font = item->font();
            font.setBold(differs[d] || changed[d]);
            item->setFont(font);
            if (differs[d])
                item->setForeground(DifferColor);
            vectorTable->setItem(d, column, item);
        }
    }
    linkStateTable->resizeColumnsToContents();
    vectorTable->resizeColumnsToContents();
}

// What the chosen vertex sent in the selected round to each vertex that has a link to it.
void RoutingTablesWindow::fillSent()
{
    const int vertex = std::max(vertexBox->currentIndex(), 0);
    const int count = truth().vertexCount();
    const LinkCosts &costs = run->stages()[static_cast<size_t>(round().stage)].costs;
    QStringList headers {tr("Neighbour")};
    for (int d = 0; d < count; ++d)
        headers << tr("to %1").arg(d);
    sentTable->setColumnCount(count + 1);
    sentTable->setHorizontalHeaderLabels(headers);
    sentTable->setRowCount(0);
    if (roundIndex == 0) {
        sentCaption->setText(tr("Nothing is sent before round 1."));
        return;
    }
    sentCaption->setText(
        tr("Sent by vertex %1 in this round (— left out, ∞ infinity):").arg(vertex));
    const TableNarration narration(*run);
    for (int neighbour = 0; neighbour < count; ++neighbour) {
        if (neighbour == vertex || !costs.hasLink(neighbour, vertex))
            continue;
        const std::vector<int> claims = run->sent(roundIndex, vertex, neighbour);
        const int row = sentTable->rowCount();
        sentTable->insertRow(row);
        sentTable->setItem(row, 0, StudyTable::cell(vertexName(neighbour)));
        for (int d = 0; d < static_cast<int>(claims.size()); ++d)
            sentTable->setItem(
                row, d + 1, StudyTable::cell(narration.claimCell(claims[static_cast<size_t>(d)])));
    }
    sentTable->resizeColumnsToContents();
}

void RoutingTablesWindow::fillTree()
{
    if (!run)
        return;
    const int towards = std::max(towardsBox->currentIndex(), 0);
    const RoutingTables &tables = round().tables;
    QList<int> hops;
    QStringList arrows;
    for (int v = 0; v < tables.vertexCount(); ++v) {
        const RoutingTables::Route &route = tables.route(v, towards);
        hops << (route.reachable() ? route.nextHop : RoutingTables::NoHop);
        if (v != towards && route.reachable())
            arrows << tr("%1 through %2").arg(v).arg(route.nextHop);
    }
    drawing->showTree(hops, towards);
    drawing->setChosen(vertexBox->currentIndex(), linkBox->currentData().toPoint().x(),
        linkBox->currentData().toPoint().y());
    QString description
        = tr("Next hops towards %1 after %2: %3.")
              .arg(QString::number(towards), TableNarration(*run).roundName(roundIndex),
                  arrows.isEmpty() ? tr("none") : arrows.join(QLatin1String(", ")));
    const QList<int> loops = TreeDrawing::onLoops(hops);
    if (!loops.isEmpty()) {
        QStringList names;
        for (int v : loops)
            names << QString::number(v);
        description
            += QLatin1Char(' ') + tr("A loop through %1.").arg(names.join(QLatin1String(", ")));
    }
    drawing->setAccessibleDescription(description);
}

void RoutingTablesWindow::chooseVertex(int vertex)
{
    if (vertex >= 0 && vertex < vertexBox->count())
        vertexBox->setCurrentIndex(vertex);
}

void RoutingTablesWindow::chooseLink(int source, int target)
{
    int index = linkBox->findData(QPoint(source, target));
    if (index < 0)
        index = linkBox->findData(QPoint(target, source));
    if (index >= 0) {
        linkBox->setCurrentIndex(index);
        fillTree();
    }
}

void RoutingTablesWindow::changeLoad()
{
    if (stillWorking())
        return;
    const LinkCosts costs(reader.model().topology(), loadBox->value(), usedFactor);
    tell(tr("Every link now costs what load %1 gives it.").arg(loadBox->value()));
    continueWith(costs);
}

void RoutingTablesWindow::goodNews()
{
    giveNews(true);
}

void RoutingTablesWindow::badNews()
{
    giveNews(false);
}

// The chosen link, each way the present costs have it, becomes cheaper or dearer.
void RoutingTablesWindow::giveNews(bool good)
{
    if (stillWorking())
        return;
    if (linkBox->currentIndex() < 0) {
        tell(tr("The network has no link to give news of."));
        return;
    }
    const QPoint ends = linkBox->currentData().toPoint();
    LinkCosts costs = run->stages().back().costs;
    bool changed = false;
    for (const auto &[from, to] : {std::pair(ends.x(), ends.y()), std::pair(ends.y(), ends.x())}) {
        const int now = costs.cost(from, to);
        if (now == LinkCosts::NoLink)
            continue;
        const int news = good ? std::min(now, GoodNewsCost) : BadNewsCost;
        changed = changed || news != now;
        costs.setCost(from, to, news);
    }
    if (!changed) {
        tell(tr("The link %1 to %2 already costs %3, or is not used at this load: no news.")
                 .arg(ends.x())
                 .arg(ends.y())
                 .arg(good ? GoodNewsCost : BadNewsCost));
        return;
    }
    tell(tr("%1: the link %2 to %3 now costs %4 each way.")
             .arg(good ? tr("Good news") : tr("Bad news"))
             .arg(ends.x())
             .arg(ends.y())
             .arg(good ? GoodNewsCost : BadNewsCost));
    continueWith(costs);
}

void RoutingTablesWindow::continueWith(const LinkCosts &costs)
{
    workOut(
        [base = run, costs] {
            auto continued = std::make_shared<DistanceVector>(*base);
            const QString error = continued->changeCosts(costs);
            if (!error.isEmpty())
                return Outcome {nullptr, RoutingTables(), error};
            return Outcome {continued, RoutingTables::linkState(costs), {}};
        },
        [this](const Outcome &outcome) {
            if (!outcome.error.isEmpty()) {
                tell(tr("The rounds cannot go on: %1.").arg(outcome.error));
                return;
            }
            run = outcome.run;
            stageTruth.push_back(outcome.truth);
            fillRounds();
            showRound(run->stages().back().firstRound, false);
        });
}

void RoutingTablesWindow::tell(const QString &message)
{
    newsLabel->setText(message);
    Announcer::announce(this, message);
}

void RoutingTablesWindow::first()
{
    controls->first();
}

void RoutingTablesWindow::back()
{
    controls->back();
}

void RoutingTablesWindow::step()
{
    controls->step();
}

void RoutingTablesWindow::last()
{
    controls->last();
}

void RoutingTablesWindow::togglePlay()
{
    controls->togglePlay();
}
