// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tablenarration.h"

#include <QStringList>

#include <algorithm>

namespace {

using Change = DistanceVector::Change;

// How many entries a round's sentence names before it only counts the rest.
constexpr int NamedChanges = 3;

} // namespace

TableNarration::TableNarration(const DistanceVector &run)
    : run(run)
{ }

QString TableNarration::roundName(int roundIndex) const
{
    const DistanceVector::Round &round = run.rounds()[static_cast<size_t>(roundIndex)];
    if (round.stage == 0)
        return tr("Round %1").arg(round.number);
    return tr("Round %1 after change %2").arg(round.number).arg(round.stage);
}

QString TableNarration::claimWords(int claim) const
{
    if (claim == DistanceVector::Unadvertised)
        return tr("nothing");
    return claim >= run.options().infinity ? tr("infinity") : QString::number(claim);
}

QString TableNarration::claimCell(int claim) const
{
    if (claim == DistanceVector::Unadvertised)
        return QStringLiteral("—");
    return claim >= run.options().infinity ? QStringLiteral("∞") : QString::number(claim);
}

QString TableNarration::lossReason(const Change &change) const
{
    if (change.linkCost == LinkCosts::NoLink)
        return tr("the link %1 to %2 is gone").arg(change.vertex).arg(change.neighbour);
    if (change.claim == DistanceVector::Unadvertised)
        return tr("%1 no longer tells it of one").arg(change.neighbour);
    return tr("%1 claims %2, plus the link %3 to %1 at %4, is infinity (%5)")
        .arg(change.neighbour)
        .arg(claimWords(change.claim))
        .arg(change.vertex)
        .arg(change.linkCost)
        .arg(run.options().infinity);
}

QString TableNarration::changeSentence(int roundIndex, const Change &change) const
{
    const QString round = roundName(roundIndex);
    if (!change.after.reachable()) {
        return tr("%1: vertex %2 loses its route to %3 through %4: %5.")
            .arg(round)
            .arg(change.vertex)
            .arg(change.destination)
            .arg(change.neighbour)
            .arg(lossReason(change));
    }
    const QString why = tr("%1 claims %2, plus the link %3 to %1 at %4")
                            .arg(change.neighbour)
                            .arg(claimWords(change.claim))
                            .arg(change.vertex)
                            .arg(change.linkCost);
    QString what;
    if (!change.before.reachable()) {
        what = tr("vertex %1 learns from %2 a route to %3 at %4")
                   .arg(change.vertex)
                   .arg(change.neighbour)
                   .arg(change.destination)
                   .arg(change.after.cost);
    } else if (change.before.nextHop == change.after.nextHop) {
        what = tr("vertex %1's route to %2 through %3 now costs %4 (was %5)")
                   .arg(change.vertex)
                   .arg(change.destination)
                   .arg(change.neighbour)
                   .arg(change.after.cost)
                   .arg(change.before.cost);
    } else {
        what = tr("vertex %1 now reaches %2 through %3 at %4 (was through %5 at %6)")
                   .arg(change.vertex)
                   .arg(change.destination)
                   .arg(change.neighbour)
                   .arg(change.after.cost)
                   .arg(change.before.nextHop)
                   .arg(change.before.cost);
    }
    return tr("%1: %2: %3.").arg(round, what, why);
}

QString TableNarration::roundSentence(int roundIndex) const
{
    const DistanceVector::Round &round = run.rounds()[static_cast<size_t>(roundIndex)];
    const QString name = roundName(roundIndex);
    if (roundIndex == 0)
        return tr("%1: every vertex knows only its own links.").arg(name);
    const int count = static_cast<int>(round.changes.size());
    if (count == 0)
        return tr("%1: nothing changes; the tables are settled.").arg(name);
    if (count == 1)
        return changeSentence(roundIndex, round.changes.front());
    QStringList entries;
    for (int i = 0; i < std::min(count, NamedChanges); ++i) {
        const Change &change = round.changes[static_cast<size_t>(i)];
        entries << tr("%1 to %2").arg(change.vertex).arg(change.destination);
    }
    if (count > NamedChanges)
        entries << tr("%n more", nullptr, count - NamedChanges);
    return tr("%1: %2 entries change: %3.")
        .arg(name)
        .arg(count)
        .arg(entries.join(QLatin1String(", ")));
}

QString TableNarration::stageSummary(int stage) const
{
    const DistanceVector::Stage &s = run.stages()[static_cast<size_t>(stage)];
    QString line;
    if (s.agreeingFrom >= 0) {
        line = tr("The tables agree with link state from round %1 on.").arg(s.agreeingFrom);
    } else if (!s.converged) {
        QStringList counting;
        for (const auto &[vertex, destination] : s.stillCounting)
            counting << tr("%1 to %2").arg(vertex).arg(destination);
        line = tr("The cap of %1 rounds was reached with the tables still unlike link state; "
                  "still counting: %2.")
                   .arg(run.options().roundCap)
                   .arg(counting.isEmpty() ? tr("none") : counting.join(QLatin1String(", ")));
    } else {
        line = tr("The tables settle in round %1 unlike link state: some route costs infinity "
                  "(%2) or more.")
                   .arg(s.lastChange)
                   .arg(run.options().infinity);
    }
    return line + QLatin1Char(' ') + tr("Rounds spent counting up: %1.").arg(s.countingRounds);
}
