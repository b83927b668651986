// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "treedrawing.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr double SmallestRadius = 9; // room for a vertex's number however far the drawing shrinks
constexpr double LinkReach = 5; // how near a click must come to a link's line, in pixels
constexpr double ArrowLength = 10;
constexpr double ArrowSpacing = 4; // from the centres' line, to the right of the arrow
constexpr double ArrowHalfAngle = 0.45; // radians
const QColor LoopColor(215, 40, 30);
const QColor DestinationColor(30, 90, 60);
const QColor VertexColor(235, 240, 236);

double distanceToSegment(QPointF point, const QLineF &segment)
{
    const QPointF along = segment.p2() - segment.p1();
    const double length = QPointF::dotProduct(along, along);
    const double t = length > 0
        ? std::clamp(QPointF::dotProduct(point - segment.p1(), along) / length, 0.0, 1.0)
        : 0.0;
    const QPointF nearest = segment.p1() + t * along;
    return std::hypot(point.x() - nearest.x(), point.y() - nearest.y());
}

} // namespace

// The base keeps a reference to the reader, so it is not passed by value.
// clazy:excludeall=function-args-by-value
TreeDrawing::TreeDrawing(const NetworkReader &reader, QWidget *parent)
    : ScaledDrawing(reader, parent)
{
    setMinimumSize(200, 180);
    setAccessibleName(tr("Forwarding tree"));
}

void TreeDrawing::showTree(const QList<int> &nextHops, int towards)
{
    hops = nextHops;
    looping = onLoops(nextHops);
    destination = towards;
    update();
}

void TreeDrawing::setChosen(int vertex, int linkSource, int linkTarget)
{
    chosenVertex = vertex;
    chosenSource = linkSource;
    chosenTarget = linkTarget;
    update();
}

// Following next hops from a vertex either ends (at the destination or a vertex without one)
// or comes back to a vertex already passed: the arrows from there on run round a loop.
QList<int> TreeDrawing::onLoops(const QList<int> &nextHops)
{
    const int count = static_cast<int>(nextHops.size());
    QList<int> loops;
    for (int start = 0; start < count; ++start) {
        int at = start;
        for (int steps = 0; steps < count; ++steps) {
            const int next = nextHops[at];
            if (next < 0 || next >= count || next == at)
                break;
            at = next;
        }
        // After as many hops as vertices, a walk still going is inside its loop.
        const int next = nextHops[at];
        if (next < 0 || next >= count || next == at || loops.contains(at))
            continue;
        for (int v = at;;) {
            loops << v;
            v = nextHops[v];
            if (v == at)
                break;
        }
    }
    std::sort(loops.begin(), loops.end());
    return loops;
}

std::pair<int, int> TreeDrawing::linkAt(QPointF position) const
{
    const QTransform transform = toWidget();
    double nearest = LinkReach;
    std::pair<int, int> found {-1, -1};
    for (const NetworkReader::LinkView &link : reader.links()) {
        const double distance = distanceToSegment(position, transform.map(link.line));
        if (distance <= nearest) {
            nearest = distance;
            found = {link.source, link.target};
        }
    }
    return found;
}

void TreeDrawing::mousePressEvent(QMouseEvent *event)
{
    const int vertex = vertexAt(event->position());
    if (vertex >= 0) {
        emit vertexClicked(vertex);
    } else {
        const auto [source, target] = linkAt(event->position());
        if (source >= 0)
            emit linkClicked(source, target);
    }
    QWidget::mousePressEvent(event);
}

double TreeDrawing::discRadius(const QTransform &transform, int vertex) const
{
    return std::max(SmallestRadius, transform.mapRect(reader.vertexDisc(vertex)).width() / 2 + 3);
}

// An arrow from one disc's edge to the other's, beside the line between their centres, so that
// two vertices pointing at each other show two arrows.
void TreeDrawing::drawArrow(QPainter &painter, QPointF from, QPointF to, double radius) const
{
    QLineF line(from, to);
    if (line.length() <= 2 * radius)
        return;
    const QLineF normal = line.normalVector().unitVector();
    line.translate((normal.p2() - normal.p1()) * ArrowSpacing);
    line.setP1(line.pointAt(radius / line.length()));
    line.setLength(line.length() - radius);
    painter.drawLine(line);
    const double angle = std::atan2(line.dy(), line.dx());
    const QPointF tip = line.p2();
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip
        - ArrowLength
            * QPointF(std::cos(angle - ArrowHalfAngle), std::sin(angle - ArrowHalfAngle)));
    head.lineTo(tip
        - ArrowLength
            * QPointF(std::cos(angle + ArrowHalfAngle), std::sin(angle + ArrowHalfAngle)));
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

void TreeDrawing::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    const QColor text = palette().color(QPalette::Text);
    const QTransform transform = toWidget();
    const QList<NetworkReader::LinkView> links = reader.links();

    for (const NetworkReader::LinkView &link : links) {
        const bool chosen = link.source == chosenSource && link.target == chosenTarget;
        painter.setPen(
            chosen ? QPen(MarkColor, 4, Qt::SolidLine, Qt::RoundCap) : QPen(LinkColor, 1));
        painter.drawLine(transform.map(link.line));
    }

    for (const NetworkReader::LinkView &link : links) {
        if (link.source >= hops.size() || hops[link.source] != link.target)
            continue;
        const bool loop = looping.contains(link.source);
        painter.setPen(QPen(loop ? LoopColor : TreeColor, loop ? 3 : 2.5));
        drawArrow(painter, transform.map(reader.vertexDisc(link.source).center()),
            transform.map(reader.vertexDisc(link.target).center()),
            discRadius(transform, link.target));
    }

    for (int v = 0; v < reader.vertexCount(); ++v) {
        const QPointF centre = transform.map(reader.vertexDisc(v).center());
        const double radius = discRadius(transform, v);
        painter.setPen(QPen(text, 1));
        painter.setBrush(v == destination ? DestinationColor : VertexColor);
        painter.drawEllipse(centre, radius, radius);
        if (v == chosenVertex) {
            painter.setPen(QPen(MarkColor, 3));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(centre, radius + 3, radius + 3);
        }
        painter.setPen(v == destination ? Qt::white : Qt::black);
        painter.drawText(
            QRectF(centre.x() - 12, centre.y() - 8, 24, 16), Qt::AlignCenter, QString::number(v));
        const QString label = reader.label(v);
        if (!label.isEmpty()) {
            painter.setPen(text);
            painter.drawText(centre + QPointF(radius + 3, radius + 3), label);
        }
    }
}
