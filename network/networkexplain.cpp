// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkdisplay.h"

#include "networkaccessible.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QStringList>
#include <QTimer>
#include <QToolTip>

#include <cmath>

namespace {

// How far from a link's drawn line the pointer may be and still point at it; the two lines of
// a pair run 8 pixels apart, so the nearer one is meant.
constexpr double LinkReach = 4;
constexpr int LineSpread = 2; // half the widest link pen, and a pixel of slack

double distanceToSegment(QPointF point, QPointF from, QPointF to)
{
    const QPointF along = to - from;
    const double squared = QPointF::dotProduct(along, along);
    double t = squared > 0 ? QPointF::dotProduct(point - from, along) / squared : 0;
    t = std::clamp(t, 0.0, 1.0);
    return QLineF(point, from + t * along).length();
}

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

QString NetworkDisplay::elementName(int element) const
{
    if (element < 0 || element >= ElementCount)
        return {};
    if (element < VertexCount)
        return tr("Vertex %1").arg(element);
    int source = 0;
    const Link *link = linkOf(element, &source);
    return tr("Link %1 to %2").arg(source).arg(link->target);
}

QString NetworkDisplay::elementExplanation(int element) const
{
    if (element < 0 || element >= ElementCount)
        return {};
    if (element < VertexCount)
        return vertexExplanation(element);
    int source = 0;
    const Link *link = linkOf(element, &source);
    return linkExplanation(source, *link);
}

QRect NetworkDisplay::elementRect(int element) const
{
    if (element < 0 || element >= ElementCount)
        return {};
    if (element < VertexCount)
        return vertexDisc(element).toRect();
    int source = 0;
    const Link *link = linkOf(element, &source);
    const LinkGeometry geometry = linkGeometry(source, *link);
    const QRectF line = QRectF(geometry.from, geometry.to)
                            .normalized()
                            .adjusted(-LineSpread, -LineSpread, LineSpread, LineSpread);
    return line.united(labelRect(source, *link)).toAlignedRect();
}

// Where a link's label text is drawn: its baseline starts at the label point.
QRectF NetworkDisplay::labelRect(int source, const Link &link) const
{
    return QRectF(fontMetrics().boundingRect(linkLabel(link)))
        .translated(linkGeometry(source, link).label);
}

// The link an element stands for, with the vertex it leaves.
const Link *NetworkDisplay::linkOf(int element, int *source) const
{
    int index = element - VertexCount;
    for (int v = 0; v < vertexCount; ++v) {
        const int count = static_cast<int>(links[v].size());
        if (index < count) {
            *source = v;
            return links[v][index].get();
        }
        index -= count;
    }
    return nullptr;
}

int NetworkDisplay::vertexAt(QPointF point) const
{
    for (int v = 0; v < vertexCount; ++v) {
        const QRectF disc = vertexDisc(v);
        if (QLineF(point, disc.center()).length() <= disc.width() / 2)
            return v;
    }
    return -1;
}

int NetworkDisplay::elementAt(QPointF point) const
{
    const int vertex = vertexAt(point);
    if (vertex >= 0)
        return vertex;
    const int label = labelAt(point);
    return label >= 0 ? label : lineAt(point);
}

// The link whose label text covers the point; where labels overlap, the one whose centre is
// nearest.
int NetworkDisplay::labelAt(QPointF point) const
{
    int nearest = -1;
    double nearestDistance = 0;
    int element = VertexCount;
    for (int v = 0; v < vertexCount; ++v) {
        for (const std::unique_ptr<Link> &link : links[v]) {
            const QRectF label = labelRect(v, *link);
            const double distance = QLineF(point, label.center()).length();
            if (label.contains(point) && (nearest < 0 || distance < nearestDistance)) {
                nearest = element;
                nearestDistance = distance;
            }
            ++element;
        }
    }
    return nearest;
}

// The link whose drawn line passes nearest the point, within reach.
int NetworkDisplay::lineAt(QPointF point) const
{
    int nearest = -1;
    double nearestDistance = LinkReach;
    int element = VertexCount;
    for (int v = 0; v < vertexCount; ++v) {
        for (const std::unique_ptr<Link> &link : links[v]) {
            const LinkGeometry geometry = linkGeometry(v, *link);
            const double distance = distanceToSegment(point, geometry.from, geometry.to);
            if (distance <= nearestDistance) {
                nearest = element;
                nearestDistance = distance;
            }
            ++element;
        }
    }
    return nearest;
}

QString NetworkDisplay::vertexExplanation(int vertex) const
{
    QStringList lines;
    QString title = elementName(vertex);
    if (vertex == sourceVertex && vertex == destinationVertex)
        title += tr(", source and destination");
    else if (vertex == sourceVertex)
        title += tr(", the source");
    else if (vertex == destinationVertex)
        title += tr(", the destination");
    lines << title;

    if (searchRan) {
        const bool settled = visited[vertex] == visitedMark;
        const bool reachedDestination = visited[destinationVertex] == visitedMark;
        const int d = distance[vertex];
        if (settled)
            lines << tr("Distance from vertex %1: %2.").arg(sourceVertex).arg(d);
        else if (d < UnreachableDistance)
            lines << tr("Distance from vertex %1: at most %2; the search stopped at the "
                        "destination before settling it.")
                         .arg(sourceVertex)
                         .arg(d);
        else if (reachedDestination)
            lines << tr("Not reached before the search stopped at the destination.");
        else
            lines << tr("Unreachable from vertex %1 over the usable links.").arg(sourceVertex);
        if (predecessor[destinationVertex] != NoPredecessor)
            lines << (pathBack().contains(vertex) ? tr("On the drawn path.")
                                                  : tr("Not on the drawn path."));
    }
    lines << tr("Click: make it the source. Right-click: make it the destination.");
    return lines.join(QLatin1Char('\n'));
}

QString NetworkDisplay::linkExplanation(int source, const Link &link) const
{
    const int load = trafficLoad;
    const QString weight = QString::number(std::trunc(link.weight));
    QStringList lines;
    lines << tr("Link %1 to %2: weight %3, random factor %4.")
                 .arg(source)
                 .arg(link.target)
                 .arg(weight, number(link.factor));

    const QString labelSum = tr("%1 + %2 × %3 = %4")
                                 .arg(weight, QString::number(std::trunc(link.factor)))
                                 .arg(load)
                                 .arg(linkLoad(link));
    if (isSaturated(link))
        lines << tr("Label at load %1: NoLink, since whole weight plus whole factor times load "
                    "is %2, above %3.")
                     .arg(load)
                     .arg(labelSum)
                     .arg(HighestLoad);
    else
        lines << tr("Label at load %1: %2, whole weight plus whole factor times load: %3.")
                     .arg(load)
                     .arg(linkLabel(link), labelSum);

    const bool passes = passesLoadTest(link.factor);
    QString verdict = passes ? tr("passed") : tr("failed");
    if (!cycleRan) // nothing has been tested yet: say what the test would give
        verdict = passes ? tr("would pass at this load") : tr("would fail at this load");
    lines << tr("Load test, load plus load times its factor below %1: %2 + %2 × %3 = %4, %5.")
                 .arg(LoadLimit)
                 .arg(load)
                 .arg(number(link.factor), number(loadTestSum(link.factor)), verdict);

    const Link *record = firstActiveLink[source][link.target];
    if (!record) {
        lines << tr("The search cannot use it: no search cycle has let it pass.");
        return lines.join(QLatin1Char('\n'));
    }
    lines << (passes ? tr("The search can use it.")
                     : tr("The search can still use it: the usable links keep the copy an "
                          "earlier cycle let pass."));
    const QString priced = tr("%1 × %2 + %3 = %4")
                               .arg(load)
                               .arg(number(randomFactor), QString::number(record->weight),
                                   number(pricedCost(*record)));
    if (linkCost(source, link.target) >= UnreachableDistance)
        lines << tr("Search cost, load times factor plus weight: %1, above %2, so the search "
                    "leaves it out.")
                     .arg(priced)
                     .arg(HighestLoad);
    else
        lines << tr("Search cost, load times factor plus weight: %1.").arg(priced);
    if (randomFactor != link.factor)
        lines << tr("The search prices every link with the factor drawn last in the cycle, %1, "
                    "not with this link's own.")
                     .arg(number(randomFactor));
    return lines.join(QLatin1Char('\n'));
}

bool NetworkDisplay::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const int element = elementAt(help->pos());
    if (element < 0) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(
            help->globalPos(), elementExplanation(element), this, elementRect(element));
    }
    return true;
}

// A click on a vertex disc chooses an endpoint just as its slider would.
void NetworkDisplay::mousePressEvent(QMouseEvent *event)
{
    const int element = elementAt(event->position());
    const int vertex = element < VertexCount ? element : -1;
    if (vertex < 0 || (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton)
        setVertex(vertex);
    else
        setVertex2(vertex);
    event->accept();
}

void NetworkDisplay::mouseMoveEvent(QMouseEvent *event)
{
    const int element = elementAt(event->position());
    const bool overDisc = element >= 0 && element < VertexCount;
    if (overDisc != (cursor().shape() == Qt::PointingHandCursor)) {
        if (overDisc)
            setCursor(Qt::PointingHandCursor);
        else
            unsetCursor();
    }
    QWidget::mouseMoveEvent(event);
}

// What the elements say has changed. Assistive technology is told once the current action
// is over, so that a search cycle is told once, and never while nothing listens.
void NetworkDisplay::explanationsChanged()
{
    if (explanationsPending || !QAccessible::isActive())
        return;
    explanationsPending = true;
    QTimer::singleShot(0, this, [this] {
        explanationsPending = false;
        NetworkAccessible::tellChangedExplanations(this);
    });
}
