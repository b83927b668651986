// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practiceset.h"

#include "distancevector.h"
#include "loadrules.h"
#include "routesearch.h"
#include "routing.h"
#include "routingtables.h"
#include "searchcycle.h"
#include "topology.h"
#include "usablelinks.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

using Kind = PracticeQuestion::Kind;

struct KindEntry
{
    Kind kind;
    const char *name;
};

constexpr KindEntry kindTable[] = {
    {PracticeQuestion::NextVertex, QT_TRANSLATE_NOOP("PracticeQuestion", "Next vertex")},
    {PracticeQuestion::Distance, QT_TRANSLATE_NOOP("PracticeQuestion", "Distance")},
    {PracticeQuestion::LoadTest, QT_TRANSLATE_NOOP("PracticeQuestion", "Load test")},
    {PracticeQuestion::Cost, QT_TRANSLATE_NOOP("PracticeQuestion", "Cost")},
    {PracticeQuestion::Label, QT_TRANSLATE_NOOP("PracticeQuestion", "Label")},
    {PracticeQuestion::BestRoute, QT_TRANSLATE_NOOP("PracticeQuestion", "Best route")},
    {PracticeQuestion::Reach, QT_TRANSLATE_NOOP("PracticeQuestion", "Reach")},
    {PracticeQuestion::NextHop, QT_TRANSLATE_NOOP("PracticeQuestion", "Next hop")},
    {PracticeQuestion::AfterRound, QT_TRANSLATE_NOOP("PracticeQuestion", "After round")},
};
constexpr PracticeQuestion::Kind FirstTableKind = PracticeQuestion::NextHop;

constexpr int Hundredths = 100; // factors are stated with two decimals
constexpr int FactorDraws = Hundredths + 1; // 0.00 to 1.00, both included
constexpr int LabelWholeFactorShare = 3; // one label question in three has the factor 1.00
constexpr int StepKindLoads = Routing::LoadLimit / 2; // every link passes below this load
constexpr int BestRouteLoads = StepKindLoads + 10; // a few above, where no link passes
// Bounds on drawing again, so that no network keeps the generator turning for ever.
constexpr int MostLinkDraws = 1000;
constexpr int MostEndpointDraws = 100;

QString factorText(int hundredths)
{
    return QString::number(hundredths / double(Hundredths), 'f', 2);
}

float factorOf(int hundredths)
{
    return static_cast<float>(hundredths) / static_cast<float>(Hundredths);
}

void drawEndpoints(
    QRandomGenerator &generator, const Topology &topology, PracticeQuestion &question)
{
    question.source = static_cast<int>(generator.bounded(topology.vertexCount));
    question.destination = static_cast<int>(generator.bounded(topology.vertexCount - 1));
    if (question.destination >= question.source)
        ++question.destination;
}

// The links the step examines, from its current vertex to the unsettled ones.
QString examinedLinks(const SearchStep &step)
{
    QStringList links;
    for (const ExaminedVertex &examined : step.examined) {
        if (examined.hasLink)
            links
                << PracticeQuestion::tr("%1 (weight %2)").arg(examined.vertex).arg(examined.weight);
    }
    if (links.isEmpty())
        return PracticeQuestion::tr(
            "The current vertex is %1; it has no link to an unsettled vertex.")
            .arg(step.current);
    return PracticeQuestion::tr(
        "The current vertex is %1; its links to unsettled vertices lead to %2.")
        .arg(step.current)
        .arg(links.join(QLatin1String(", ")));
}

// Below StepKindLoads every link passes, so on a network with links the search runs and
// records one step at least, with the destination among the vertices it examines.
void makeStepQuestion(QRandomGenerator &generator, Topology &topology, PracticeQuestion &question)
{
    drawEndpoints(generator, topology, question);
    question.load = static_cast<int>(generator.bounded(StepKindLoads));
    question.record
        = PracticeSet::freshCycle(topology, question.source, question.destination, question.load);
    const int steps = static_cast<int>(question.record.steps.size());
    question.step = static_cast<int>(generator.bounded(steps));
    const SearchStep &next = question.record.steps[question.step];
    const QString situation
        = PracticeQuestion::tr(
              "A search from vertex %1 to vertex %2 at load %3, random effect off, is shown after "
              "step %4.")
              .arg(question.source)
              .arg(question.destination)
              .arg(question.load)
              .arg(question.step)
        + QLatin1Char(' ') + examinedLinks(next);

    if (question.kind == PracticeQuestion::NextVertex) {
        question.text = situation + QLatin1Char(' ')
            + PracticeQuestion::tr(
                "Which vertex does step %1 settle? Type its number or click it, or type "
                "\"none\" if the search stands still.")
                  .arg(question.step + 1);
        if (next.chosen < 0)
            question.word = QStringLiteral("none");
        else
            question.number = next.chosen;
        return;
    }
    // Preferably a vertex the step works a link out for.
    QList<int> candidates;
    QList<int> unsettled;
    for (const ExaminedVertex &examined : next.examined) {
        unsettled << examined.vertex;
        if (examined.hasLink)
            candidates << examined.vertex;
    }
    if (candidates.isEmpty())
        candidates = unsettled;
    question.vertex = candidates[static_cast<int>(generator.bounded(int(candidates.size())))];
    question.text = situation + QLatin1Char(' ')
        + PracticeQuestion::tr("What distance does vertex %1 hold after step %2?")
              .arg(question.vertex)
              .arg(question.step + 1);
    question.number = question.record.stateAfter(question.step + 1).distance[question.vertex];
}

// Whether the float the program computes with decides the question's rule as the two-decimal
// factor the question states does.
bool statedFactorAgrees(const PracticeQuestion &question, Link link)
{
    const int load = question.load;
    const int k = question.factorHundredths;
    const float factor = question.factor();
    if (question.kind == PracticeQuestion::LoadTest)
        return LoadRules::passesLoadTest(load, factor)
            == (Hundredths * load + load * k < Hundredths * Routing::LoadLimit);
    if (question.kind == PracticeQuestion::Cost) {
        const int weightHundredths = Hundredths * static_cast<int>(link.weight);
        return LoadRules::isLeftOut(load, factor, link)
            == (load * k + weightHundredths > Hundredths * Routing::HighestLoad);
    }
    return true;
}

// A link, a load and a factor, drawn again while the factor disagrees; the factor 1.00, which
// a float holds exactly, ends a long run of disagreements.
const Link *drawLinkSituation(
    QRandomGenerator &generator, const Topology &topology, PracticeQuestion &question)
{
    for (int draw = 1;; ++draw) {
        const Link *link = topology.linkAt(
            static_cast<int>(generator.bounded(topology.linkCount())), &question.source);
        question.destination = link->target;
        question.load = static_cast<int>(generator.bounded(Routing::LoadLimit));
        question.factorHundredths = static_cast<int>(generator.bounded(FactorDraws));
        if (question.kind == PracticeQuestion::Label
            && generator.bounded(LabelWholeFactorShare) == 0)
            question.factorHundredths = Hundredths;
        if (statedFactorAgrees(question, *link))
            return link;
        if (draw == MostLinkDraws) {
            question.factorHundredths = Hundredths;
            return link;
        }
    }
}

void makeLinkQuestion(
    QRandomGenerator &generator, const Topology &topology, PracticeQuestion &question)
{
    const Link *link = drawLinkSituation(generator, topology, question);
    const QString factor = factorText(question.factorHundredths);
    const int weight = static_cast<int>(link->weight);
    question.weight = weight;
    Link drawn = *link;
    drawn.factor = question.factor();
    switch (question.kind) {
    case PracticeQuestion::LoadTest:
        question.text = PracticeQuestion::tr(
            "At load %1, link %2 to %3 (weight %4) drew the random factor %5. Does "
            "it pass the search cycle's load test? Type \"yes\" or \"no\".")
                            .arg(question.load)
                            .arg(question.source)
                            .arg(question.destination)
                            .arg(weight)
                            .arg(factor);
        question.word = LoadRules::passesLoadTest(question.load, drawn.factor)
            ? QStringLiteral("yes")
            : QStringLiteral("no");
        break;
    case PracticeQuestion::Cost:
        question.text = PracticeQuestion::tr(
            "At load %1, the factor drawn last in the cycle is %2, and link %3 to "
            "%4 (weight %5) is usable. What does the search charge for it? Type a "
            "number, or \"left out\".")
                            .arg(question.load)
                            .arg(factor)
                            .arg(question.source)
                            .arg(question.destination)
                            .arg(weight);
        if (LoadRules::isLeftOut(question.load, drawn.factor, drawn))
            question.word = QStringLiteral("left out");
        else
            question.number = LoadRules::pricedCost(question.load, drawn.factor, drawn);
        break;
    default:
        question.text = PracticeQuestion::tr(
            "At load %1, link %2 to %3 (weight %4) drew the random factor %5. What "
            "label does the drawing show on it? Type a number, or \"NoLink\".")
                            .arg(question.load)
                            .arg(question.source)
                            .arg(question.destination)
                            .arg(weight)
                            .arg(factor);
        if (LoadRules::isSaturated(question.load, drawn))
            question.word = QStringLiteral("NoLink");
        else
            question.number = static_cast<double>(LoadRules::labelLoad(question.load, drawn));
        break;
    }
}

void makeBestRouteQuestion(
    QRandomGenerator &generator, Topology &topology, PracticeQuestion &question)
{
    drawEndpoints(generator, topology, question);
    question.load = static_cast<int>(generator.bounded(BestRouteLoads));
    question.record
        = PracticeSet::freshCycle(topology, question.source, question.destination, question.load);
    question.text = PracticeQuestion::tr(
        "Random effect off, load %1: what does the best route from vertex %2 to "
        "vertex %3 cost? Type a number, or \"no path\".")
                        .arg(question.load)
                        .arg(question.source)
                        .arg(question.destination);
    if (question.record.reachedDestination())
        question.number = question.record.steps.back().chosenDistance;
    else
        question.word = QStringLiteral("no path");
}

// Endpoints joined by a path at load 0, where every link passes at its own weight: drawn again
// while they are not, and at last a link's own ends.
void drawJoinedEndpoints(
    QRandomGenerator &generator, Topology &topology, PracticeQuestion &question)
{
    for (int draw = 0; draw < MostEndpointDraws; ++draw) {
        drawEndpoints(generator, topology, question);
        if (PracticeSet::freshCycle(topology, question.source, question.destination, 0)
                .reachedDestination())
            return;
    }
    question.destination = topology.linkAt(0, &question.source)->target;
}

// The answer is the lowest load from which no higher one reaches the destination.
void makeReachQuestion(QRandomGenerator &generator, Topology &topology, PracticeQuestion &question)
{
    drawJoinedEndpoints(generator, topology, question);
    question.load = Routing::LoadLimit;
    for (int load = Routing::HighestLoad; load >= 0; --load) {
        SearchRecord record
            = PracticeSet::freshCycle(topology, question.source, question.destination, load);
        if (record.reachedDestination()) {
            question.record = std::move(record);
            break;
        }
        question.beyond = std::move(record);
        question.load = load;
    }
    question.text = PracticeQuestion::tr(
        "Random effect off: from which load on can no search from vertex %1 reach "
        "vertex %2? Type a load.")
                        .arg(question.source)
                        .arg(question.destination);
    question.number = question.load;
}

// Whether the first hop of the route link state gives is the only one as cheap: another
// neighbour whose link and route cost as much would be as right.
bool onlyCheapestHop(const LinkCosts &costs, const RoutingTables &tables, int from, int to)
{
    const RoutingTables::Route &route = tables.route(from, to);
    if (!route.reachable())
        return true;
    for (int neighbour = 0; neighbour < costs.vertexCount(); ++neighbour) {
        const RoutingTables::Route &onward = tables.route(neighbour, to);
        if (neighbour != route.nextHop && costs.hasLink(from, neighbour) && onward.reachable()
            && costs.cost(from, neighbour) + onward.cost == route.cost)
            return false;
    }
    return true;
}

// Endpoints and a load below StepKindLoads, where every link passes at load plus weight, drawn
// again while another first hop would be as cheap.
void makeNextHopQuestion(
    QRandomGenerator &generator, const Topology &topology, PracticeQuestion &question)
{
    for (int draw = 1;; ++draw) {
        drawEndpoints(generator, topology, question);
        question.load = static_cast<int>(generator.bounded(StepKindLoads));
        question.costs = LinkCosts(topology, question.load, 1.0f);
        const RoutingTables tables = RoutingTables::linkState(question.costs);
        if (draw == MostEndpointDraws
            || onlyCheapestHop(question.costs, tables, question.source, question.destination)) {
            const RoutingTables::Route &route = tables.route(question.source, question.destination);
            if (route.reachable())
                question.number = route.nextHop;
            else
                question.word = QStringLiteral("none");
            break;
        }
    }
    question.text = PracticeQuestion::tr(
        "Random effect off, load %1: by link state, what is vertex %2's next hop towards "
        "vertex %3? Type its number or click it, or type \"none\" if it has no route.")
                        .arg(question.load)
                        .arg(question.source)
                        .arg(question.destination);
}

// A round among those in which the run still learns something.
void makeAfterRoundQuestion(
    QRandomGenerator &generator, const Topology &topology, PracticeQuestion &question)
{
    drawEndpoints(generator, topology, question);
    question.load = static_cast<int>(generator.bounded(StepKindLoads));
    question.costs = LinkCosts(topology, question.load, 1.0f);
    const DistanceVector run(question.costs);
    const int lastChange = std::max(1, run.stages().front().lastChange);
    question.step = 1 + static_cast<int>(generator.bounded(lastChange));
    const RoutingTables::Route &route
        = run.rounds()[static_cast<size_t>(question.step)].tables.route(
            question.source, question.destination);
    if (route.reachable())
        question.number = route.cost;
    else
        question.word = QStringLiteral("no route");
    question.text = PracticeQuestion::tr(
        "Random effect off, load %1: distance vector starts with every vertex knowing only its "
        "own links; in each round every vertex takes, for each destination, the cheapest of a "
        "neighbour's claim of the round before plus the link to it. What does vertex %2's entry "
        "for vertex %3 cost after round %4? Type a number, or \"no route\".")
                        .arg(question.load)
                        .arg(question.source)
                        .arg(question.destination)
                        .arg(question.step);
}

} // namespace

float PracticeQuestion::factor() const
{
    return factorOf(factorHundredths);
}

QString PracticeQuestion::answerText() const
{
    return word.isEmpty() ? QString::number(number, 'g', 6) : word;
}

bool PracticeQuestion::accepts(const QString &typed) const
{
    QString given = typed.simplified().remove(QLatin1Char(' '));
    if (!word.isEmpty())
        return given.compare(QString(word).remove(QLatin1Char(' ')), Qt::CaseInsensitive) == 0;
    bool ok = false;
    const double value
        = QLocale::c().toDouble(given.replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    return ok && std::isfinite(value)
        && std::llround(value * Hundredths) == std::llround(number * Hundredths);
}

QString PracticeQuestion::kindName(Kind kind)
{
    for (const KindEntry &entry : kindTable) {
        if (entry.kind == kind)
            return tr(entry.name);
    }
    return {};
}

PracticeSet::Kinds PracticeSet::allKinds()
{
    Kinds kinds;
    for (const KindEntry &entry : kindTable) {
        if (entry.kind < FirstTableKind)
            kinds << entry.kind;
    }
    return kinds;
}

PracticeSet::Kinds PracticeSet::tableKinds()
{
    return {PracticeQuestion::NextHop, PracticeQuestion::AfterRound};
}

PracticeSet::Kinds PracticeSet::everyKind()
{
    return allKinds() + tableKinds();
}

bool PracticeSet::canAsk(PracticeQuestion::Kind kind, const Topology &topology)
{
    return kind == PracticeQuestion::BestRoute || topology.linkCount() > 0;
}

SearchRecord PracticeSet::freshCycle(Topology &topology, int source, int destination, int load)
{
    UsableLinks usable;
    RouteSearch search;
    float factor = 1.0f;
    SearchCycle cycle(topology, usable, search, factor);
    SearchRecord record;
    cycle.run({source, destination, load, false}, nullptr, Report::None, &record);
    return record;
}

PracticeSet::PracticeSet(int number, const Kinds &kinds)
    : PracticeSet(number, kinds, Topology())
{ }

PracticeSet::PracticeSet(int number, const Kinds &kinds, const Topology &topology)
    : network(topology)
    , setNumber(std::clamp(number, LowestNumber, HighestNumber))
    , chosenKinds(kinds.isEmpty() ? allKinds() : kinds)
{
    // The same kinds in any order make the same set.
    std::sort(chosenKinds.begin(), chosenKinds.end());
    const auto kept = std::unique(chosenKinds.begin(), chosenKinds.end());
    chosenKinds.resize(kept - chosenKinds.begin());

    QRandomGenerator generator(static_cast<quint32>(setNumber));
    Kinds order;
    for (int i = 0; i < QuestionCount; ++i)
        order << chosenKinds[i % chosenKinds.size()];
    for (int i = QuestionCount - 1; i > 0; --i)
        std::swap(order[i], order[static_cast<int>(generator.bounded(i + 1))]);

    // The cycles work on a copy, whose factors they overwrite; the set's own stays as given.
    Topology working = network;
    for (Kind kind : order) {
        PracticeQuestion question;
        question.kind = canAsk(kind, working) ? kind : PracticeQuestion::BestRoute;
        switch (question.kind) {
        case PracticeQuestion::NextVertex:
        case PracticeQuestion::Distance:
            makeStepQuestion(generator, working, question);
            break;
        case PracticeQuestion::LoadTest:
        case PracticeQuestion::Cost:
        case PracticeQuestion::Label:
            makeLinkQuestion(generator, working, question);
            break;
        case PracticeQuestion::BestRoute:
            makeBestRouteQuestion(generator, working, question);
            break;
        case PracticeQuestion::Reach:
            makeReachQuestion(generator, working, question);
            break;
        case PracticeQuestion::NextHop:
            makeNextHopQuestion(generator, working, question);
            break;
        case PracticeQuestion::AfterRound:
            makeAfterRoundQuestion(generator, working, question);
            break;
        }
        list << question;
    }
}
