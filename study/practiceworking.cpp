// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practiceworking.h"

#include "distancevector.h"
#include "explanations.h"
#include "link.h"
#include "practiceset.h"
#include "routingtables.h"
#include "stepnarration.h"
#include "tablenarration.h"

namespace {

// The sentence of a search's last row, or why the cycle ran none.
QString outcome(const SearchRecord &record)
{
    const StepNarration narration(record);
    return narration.sentence(narration.rowCount() - 1);
}

// What a step worked out: its heading, the vertices it has a link to or finds nearest, and
// its choice; the Search steps window lists every unsettled vertex.
QStringList stepLines(const SearchRecord &record, int row, int onlyVertex)
{
    const QStringList examined = StepNarration(record).examined(row);
    const SearchStep &step = record.steps[row - 1];
    QStringList lines {examined.first()};
    for (int i = 0; i < static_cast<int>(step.examined.size()); ++i) {
        const ExaminedVertex &vertex = step.examined[i];
        const bool wanted
            = onlyVertex >= 0 ? vertex.vertex == onlyVertex : vertex.hasLink || vertex.becomesBest;
        if (wanted)
            lines << examined[i + 1];
    }
    if (onlyVertex < 0)
        lines << examined.last();
    return lines;
}

// The route link state gives, taken apart into its first link and the rest.
QString nextHopLine(const PracticeQuestion &question)
{
    const int from = question.source;
    const int to = question.destination;
    const RoutingTables tables = RoutingTables::linkState(question.costs);
    const RoutingTables::Route &route = tables.route(from, to);
    if (!route.reachable())
        return PracticeWorking::tr("At load %1 no route leads from vertex %2 to vertex %3.")
            .arg(question.load)
            .arg(from)
            .arg(to);
    const int hop = route.nextHop;
    if (hop == to)
        return PracticeWorking::tr("The cheapest route from vertex %1 to vertex %2 is their own "
                                   "link, at %3.")
            .arg(from)
            .arg(to)
            .arg(route.cost);
    return PracticeWorking::tr("The cheapest route from vertex %1 to vertex %2 costs %3: first "
                               "the link %1 to %4 at %5, then %4's route on at %6.")
        .arg(from)
        .arg(to)
        .arg(route.cost)
        .arg(hop)
        .arg(question.costs.cost(from, hop))
        .arg(tables.route(hop, to).cost);
}

// The round up to the one asked about that last changed the entry, and why.
QStringList afterRoundLines(const PracticeQuestion &question)
{
    const DistanceVector run(question.costs);
    const TableNarration narration(run);
    for (int round = question.step; round > 0; --round) {
        for (const DistanceVector::Change &change :
            run.rounds()[static_cast<size_t>(round)].changes) {
            if (change.vertex == question.source && change.destination == question.destination)
                return {narration.changeSentence(round, change)};
        }
    }
    const RoutingTables::Route &start
        = run.rounds().front().tables.route(question.source, question.destination);
    if (!start.reachable())
        return {PracticeWorking::tr("Up to round %1 no neighbour tells vertex %2 of a route to %3.")
                    .arg(question.step)
                    .arg(question.source)
                    .arg(question.destination)};
    return {
        PracticeWorking::tr("Up to round %1 nothing beats the link %2 to %3 at %4 that vertex %2 "
                            "started with.")
            .arg(question.step)
            .arg(question.source)
            .arg(question.destination)
            .arg(start.cost)};
}

} // namespace

QStringList PracticeWorking::lines(const PracticeQuestion &question)
{
    const int row = question.step + 1;
    const Link link {question.destination, static_cast<float>(question.weight), question.factor()};
    switch (question.kind) {
    case PracticeQuestion::NextVertex:
        return stepLines(question.record, row, -1) << StepNarration(question.record).sentence(row);
    case PracticeQuestion::Distance:
        return stepLines(question.record, row, question.vertex);
    case PracticeQuestion::LoadTest:
        return {Explanations::loadTestLine(question.load, question.factor(), true)};
    case PracticeQuestion::Cost:
        return {Explanations::searchCostLine(question.load, question.factor(), link)};
    case PracticeQuestion::Label:
        return {Explanations::labelLine(question.load, link)};
    case PracticeQuestion::BestRoute:
        return {outcome(question.record)};
    case PracticeQuestion::NextHop:
        return {nextHopLine(question)};
    case PracticeQuestion::AfterRound:
        return afterRoundLines(question);
    case PracticeQuestion::Reach:
        break;
    }
    QStringList lines;
    if (question.load > 0)
        lines << tr("At load %1: %2").arg(question.load - 1).arg(outcome(question.record));
    lines << tr("At load %1: %2").arg(question.load).arg(outcome(question.beyond));
    return lines;
}
