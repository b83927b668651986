// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "explanations.h"

#include "loadrules.h"
#include "networkmodel.h"

#include <QStringList>

#include <cmath>

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

Explanations::Explanations(const NetworkModel &model)
    : model(model)
{ }

QString Explanations::vertexName(int vertex) const
{
    const QString &label = model.topology().labels[vertex];
    if (label.isEmpty())
        return tr("Vertex %1").arg(vertex);
    return tr("Vertex %1 (%2)").arg(vertex).arg(label);
}

QString Explanations::linkName(int source, Link link) const
{
    return tr("Link %1 to %2").arg(source).arg(link.target);
}

QString Explanations::vertex(int vertex) const
{
    const int source = model.source();
    const int destination = model.destination();
    QStringList lines;
    QString title = vertexName(vertex);
    if (vertex == source && vertex == destination)
        title += tr(", source and destination");
    else if (vertex == source)
        title += tr(", the source");
    else if (vertex == destination)
        title += tr(", the destination");
    lines << title;

    if (model.hasSearchResults()) {
        const RouteSearch &search = model.search();
        const bool settled = search.visited[vertex] == search.visitedMark;
        const bool reachedDestination = search.visited[destination] == search.visitedMark;
        const int d = search.distance[vertex];
        if (settled)
            lines << tr("Distance from vertex %1: %2.").arg(source).arg(d);
        else if (d < Routing::UnreachableDistance)
            lines << tr("Distance from vertex %1: at most %2; the search stopped at the "
                        "destination before settling it.")
                         .arg(source)
                         .arg(d);
        else if (reachedDestination)
            lines << tr("Not reached before the search stopped at the destination.");
        else
            lines << tr("Unreachable from vertex %1 over the usable links.").arg(source);
        if (search.predecessor[destination] != Routing::NoPredecessor)
            lines << (model.pathBack().contains(vertex) ? tr("On the drawn path.")
                                                        : tr("Not on the drawn path."));
    }
    lines << tr("Click: make it the source. Right-click: make it the destination.");
    return lines.join(QLatin1Char('\n'));
}

QString Explanations::link(int source, Link link) const
{
    const int load = model.load();
    const float factor = model.randomFactor();
    const QString weight = QString::number(std::trunc(link.weight));
    QStringList lines;
    lines << tr("Link %1 to %2: weight %3, random factor %4.")
                 .arg(source)
                 .arg(link.target)
                 .arg(weight, number(link.factor));

    lines << labelLine(load, link);

    const bool passes = LoadRules::passesLoadTest(load, link.factor);
    lines << loadTestLine(load, link.factor, model.hasCycleRun());

    const Link *record = model.usableLinks().first(source, link.target);
    if (!record) {
        lines << tr("The search cannot use it: no search cycle has let it pass.");
        return lines.join(QLatin1Char('\n'));
    }
    lines << (passes ? tr("The search can use it.")
                     : tr("The search can still use it: the usable links keep the copy an "
                          "earlier cycle let pass."));
    lines << searchCostLine(load, factor, *record);
    if (factor != link.factor)
        lines << tr("The search prices every link with the factor drawn last in the cycle, %1, "
                    "not with this link's own.")
                     .arg(number(factor));
    return lines.join(QLatin1Char('\n'));
}

QString Explanations::labelLine(int load, Link link)
{
    const QString weight = QString::number(std::trunc(link.weight));
    const QString labelSum = tr("%1 + %2 × %3 = %4")
                                 .arg(weight, QString::number(std::trunc(link.factor)))
                                 .arg(load)
                                 .arg(LoadRules::labelLoad(load, link));
    if (LoadRules::isSaturated(load, link))
        return tr("Label at load %1: NoLink, since whole weight plus whole factor times load "
                  "is %2, above %3.")
            .arg(load)
            .arg(labelSum)
            .arg(Routing::HighestLoad);
    return tr("Label at load %1: %2, whole weight plus whole factor times load: %3.")
        .arg(load)
        .arg(QString::number(LoadRules::labelLoad(load, link)), labelSum);
}

QString Explanations::loadTestLine(int load, float factor, bool cycleRan)
{
    const bool passes = LoadRules::passesLoadTest(load, factor);
    QString verdict = passes ? tr("passed") : tr("failed");
    if (!cycleRan) // nothing has been tested yet: say what the test would give
        verdict = passes ? tr("would pass at this load") : tr("would fail at this load");
    return tr("Load test, load plus load times its factor below %1: %2 + %2 × %3 = %4, %5.")
        .arg(Routing::LoadLimit)
        .arg(load)
        .arg(number(factor), number(LoadRules::loadTestSum(load, factor)), verdict);
}

QString Explanations::searchCostLine(int load, float factor, Link record)
{
    const QString priced = tr("%1 × %2 + %3 = %4")
                               .arg(load)
                               .arg(number(factor), QString::number(record.weight),
                                   number(LoadRules::pricedCost(load, factor, record)));
    if (LoadRules::isLeftOut(load, factor, record))
        return tr("Search cost, load times factor plus weight: %1, above %2, so the search "
                  "leaves it out.")
            .arg(priced)
            .arg(Routing::HighestLoad);
    return tr("Search cost, load times factor plus weight: %1.").arg(priced);
}

QString Explanations::linkLabel(Link link) const
{
    return LoadRules::isSaturated(model.load(), link)
        ? tr("NoLink")
        : QString::number(LoadRules::labelLoad(model.load(), link));
}

QString Explanations::pathFound(int cost)
{
    return tr("Path Found !! The optimal path load is ") + QString::number(cost);
}

QString Explanations::noPath()
{
    return tr("No path found. Try new search.");
}

QString Explanations::sameEndpoints()
{
    return tr("Source & Destination must be different!! Try again.");
}

QString Explanations::lastOutcome() const
{
    const SearchRecord &record = model.lastCycle();
    switch (record.cycle) {
    case SearchRecord::NoCycleYet:
        return {};
    case SearchRecord::SameEndpoints:
        return sameEndpoints();
    case SearchRecord::NoLinkPassed:
        return noPath();
    case SearchRecord::Searched:
        break;
    }
    return record.reachedDestination() ? pathFound(record.steps.back().chosenDistance) : noPath();
}
