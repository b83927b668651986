// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stepnarration.h"

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

// The algorithm's lines, and which one each kind of row stands for.
enum AlgorithmLine { StartLine, RelaxLine, ChooseLine, StandStillLine, EndLine };

} // namespace

StepNarration::StepNarration(const SearchRecord &record)
    : record(record)
{ }

int StepNarration::rowCount() const
{
    return record.cycle == SearchRecord::Searched ? static_cast<int>(record.steps.size()) + 1 : 0;
}

QString StepNarration::absence() const
{
    switch (record.cycle) {
    case SearchRecord::NoCycleYet:
        return tr("No search has run yet. Start one in the main window (Return or SEARCH START) "
                  "and its steps appear here.");
    case SearchRecord::SameEndpoints:
        return tr("The last search cycle ran no search: %1.").arg(sameEndpoints(record.source));
    case SearchRecord::NoLinkPassed:
        return tr("The last search cycle ran no search: at load %1 no link passed the load test "
                  "(load plus load times the link's factor must stay below %2), and a cycle in "
                  "which no link passes runs no search, not even over the links let through "
                  "earlier.")
            .arg(record.load)
            .arg(record.highestCost + 1);
    case SearchRecord::Searched:
        break;
    }
    return {};
}

QString StepNarration::sameEndpoints(int vertex)
{
    return tr("the source and the destination are both vertex %1, so there is no route to look "
              "for")
        .arg(vertex);
}

QStringList StepNarration::algorithm()
{
    return {
        tr("Start: every distance is 10000 (unreachable); the source is at 0, settled and "
           "current."),
        tr("For each unsettled vertex: the cost of the first usable link from the current vertex "
           "is load x factor + weight, 10000 when there is none or it is above 99; if the stored "
           "distance is above the current distance plus the cost (at most 10000), store that "
           "sum, cut to a whole number, and remember the current vertex as predecessor."),
        tr("Choose the unsettled vertex with the smallest distance below 10000 (on a tie the "
           "lower number), settle it and make it current; repeat."),
        tr("If no vertex can be chosen, the search stands still, unchanged, until its step cap "
           "of a million steps."),
        tr("When the destination is settled, the search ends: the predecessors lead back from it "
           "to the source."),
    };
}

int StepNarration::algorithmLine(int row) const
{
    if (row <= 0 || row > static_cast<int>(record.steps.size()))
        return StartLine;
    const SearchStep &step = record.steps[row - 1];
    if (step.chosen < 0)
        return StandStillLine;
    return step.chosen == record.destination ? EndLine : ChooseLine;
}

QString StepNarration::sentence(int row) const
{
    if (rowCount() == 0)
        return absence();
    if (row <= 0)
        return tr("Start: vertex %1 is the source, settled at distance 0; the search looks for "
                  "vertex %2.")
            .arg(record.source)
            .arg(record.destination);
    const SearchStep &step = record.steps[row - 1];
    if (step.chosen < 0)
        return tr("Step %1: no unsettled vertex can be reached from the settled ones; the search "
                  "stands still for %2 more unchanged steps and ends without reaching vertex %3.")
            .arg(row)
            .arg(step.unchangedStepsFollowing)
            .arg(record.destination);
    const SearchState state = record.stateAfter(row);
    QString text = tr("Step %1: vertex %2 is settled at %3, reached from %4.")
                       .arg(row)
                       .arg(step.chosen)
                       .arg(step.chosenDistance)
                       .arg(state.predecessor[step.chosen]);
    if (step.chosen == record.destination)
        text += QLatin1Char(' ')
            + tr("It is the destination: the search ends. The path: %1.").arg(pathText(path()));
    return text;
}

QStringList StepNarration::examined(int row) const
{
    if (row <= 0 || row > static_cast<int>(record.steps.size()))
        return {};
    const SearchStep &step = record.steps[row - 1];
    QStringList lines;
    const int currentDistance = record.stateAfter(row - 1).distance[step.current];
    lines << tr("From vertex %1, at distance %2, with load %3 and factor %4:")
                 .arg(step.current)
                 .arg(currentDistance)
                 .arg(record.load)
                 .arg(number(record.factor));
    for (const ExaminedVertex &vertex : step.examined)
        lines << examinedLine(step, vertex, currentDistance);
    if (step.chosen < 0)
        lines << tr("No unsettled vertex is below 10000: none is chosen.");
    else
        lines << tr("Chosen: vertex %1 at %2.").arg(step.chosen).arg(step.chosenDistance);
    return lines;
}

QString StepNarration::examinedLine(
    const SearchStep &step, const ExaminedVertex &vertex, int currentDistance) const
{
    QString line = tr("Vertex %1: ").arg(vertex.vertex);
    if (!vertex.hasLink) {
        line += tr("no usable link from %1").arg(step.current);
    } else {
        line += tr("link %1 to %2, %3 x %4 + %5 = %6")
                    .arg(step.current)
                    .arg(vertex.vertex)
                    .arg(record.load)
                    .arg(number(record.factor), number(vertex.weight), number(vertex.cost));
        if (vertex.leftOut)
            line += tr(", above %1, so left out").arg(record.highestCost);
        else if (currentDistance + vertex.cost > record.unreachable)
            line += tr("; %1 + %2 is above %3, so %3")
                        .arg(currentDistance)
                        .arg(number(vertex.cost))
                        .arg(record.unreachable);
        else
            line += tr("; %1 + %2 = %3")
                        .arg(currentDistance)
                        .arg(number(vertex.cost), number(vertex.sum));
    }
    if (vertex.improves)
        line += tr(" improves %1 to %2").arg(vertex.oldDistance).arg(vertex.newDistance);
    else if (vertex.hasLink && !vertex.leftOut)
        line += tr(", not below %1").arg(vertex.oldDistance);
    if (vertex.becomesBest)
        line += tr("; nearest so far, at %1").arg(vertex.newDistance);
    return line + QLatin1Char('.');
}

QList<int> StepNarration::path() const
{
    if (!record.reachedDestination())
        return {};
    const SearchState state = record.stateAfter(static_cast<int>(record.steps.size()));
    QList<int> path {record.destination};
    for (int v = record.destination; v != record.source && path.size() <= record.vertexCount;) {
        v = state.predecessor[v];
        if (v < 0)
            break;
        path.prepend(v);
    }
    return path;
}

QString StepNarration::pathText(const QList<int> &path)
{
    QStringList vertices;
    for (int v : path)
        vertices << QString::number(v);
    return vertices.join(QLatin1String(", "));
}

QString StepNarration::stepCell(int row) const
{
    return row == 0 ? tr("Start") : QString::number(row);
}

QString StepNarration::vertexCell(int row) const
{
    if (row == 0)
        return QString::number(record.source);
    const SearchStep &step = record.steps[row - 1];
    return step.chosen < 0 ? tr("none: the search stands still") : QString::number(step.chosen);
}

QString StepNarration::distanceCell(int row) const
{
    if (row == 0)
        return QStringLiteral("0");
    const SearchStep &step = record.steps[row - 1];
    return step.chosen < 0 ? tr("unchanged for %1 more steps").arg(step.unchangedStepsFollowing)
                           : QString::number(step.chosenDistance);
}

QString StepNarration::predecessorCell(int row) const
{
    if (row == 0)
        return tr("none");
    const SearchStep &step = record.steps[row - 1];
    if (step.chosen < 0)
        return {};
    return QString::number(record.stateAfter(row).predecessor[step.chosen]);
}
