// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkdisplay.h"

#include "explanations.h"
#include "networkaccessible.h"
#include "networkmodel.h"

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

// Where a screen reader points in a rectangle, as AT-SPI hands it over: whole pixels.
QPoint middle(QRect rect)
{
    return rect.topLeft() + QPoint(rect.width() / 2, rect.height() / 2);
}

} // namespace

QString NetworkDisplay::elementName(int element) const
{
    if (element < 0 || element >= elementCount())
        return {};
    const Explanations explanations(*network);
    if (element < vertexCount())
        return explanations.vertexName(element);
    int source = 0;
    const Link *link = linkOf(element, &source);
    return explanations.linkName(source, *link);
}

QString NetworkDisplay::elementExplanation(int element) const
{
    if (element < 0 || element >= elementCount())
        return {};
    const Explanations explanations(*network);
    if (element < vertexCount())
        return explanations.vertex(element);
    int source = 0;
    const Link *link = linkOf(element, &source);
    return explanations.link(source, *link);
}

QRect NetworkDisplay::elementRect(int element) const
{
    if (element < 0 || element >= elementCount())
        return {};
    if (element < vertexCount())
        return vertexDisc(element).toRect();
    int source = 0;
    const Link *link = linkOf(element, &source);
    const LinkGeometry drawn = linkGeometry(source, *link);
    const QRectF line = QRectF(drawn.from, drawn.to)
                            .normalized()
                            .adjusted(-LineSpread, -LineSpread, LineSpread, LineSpread);
    const QRectF label = labelRect(source, *link);
    const QRect covered = line.united(label).toAlignedRect();
    if (elementAt(middle(covered)) == element)
        return covered;
    // A screen reader points at the middle to show the tooltip, and there lies another link or
    // the background: take the largest part centred on the label instead.
    const QPointF centre = label.center();
    const double halfWidth = std::min(centre.x() - covered.left(), covered.right() - centre.x());
    const double halfHeight = std::min(centre.y() - covered.top(), covered.bottom() - centre.y());
    return QRectF(centre.x() - halfWidth, centre.y() - halfHeight, 2 * halfWidth, 2 * halfHeight)
        .toAlignedRect();
}

// Where a link's label text is drawn: its baseline starts at the label point.
QRectF NetworkDisplay::labelRect(int source, Link link) const
{
    return QRectF(fontMetrics().boundingRect(linkLabel(link)))
        .translated(linkGeometry(source, link).label);
}

// The link an element stands for, with the vertex it leaves.
const Link *NetworkDisplay::linkOf(int element, int *source) const
{
    return network->topology().linkAt(element - vertexCount(), source);
}

int NetworkDisplay::vertexAt(QPointF point) const
{
    for (int v = 0; v < network->topology().vertexCount; ++v) {
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
    int element = vertexCount();
    const Topology &topology = network->topology();
    for (int v = 0; v < topology.vertexCount; ++v) {
        for (const std::unique_ptr<Link> &link : topology.links[v]) {
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
    int element = vertexCount();
    const Topology &topology = network->topology();
    for (int v = 0; v < topology.vertexCount; ++v) {
        for (const std::unique_ptr<Link> &link : topology.links[v]) {
            const LinkGeometry drawn = linkGeometry(v, *link);
            const double distance = distanceToSegment(point, drawn.from, drawn.to);
            if (distance <= nearestDistance) {
                nearest = element;
                nearestDistance = distance;
            }
            ++element;
        }
    }
    return nearest;
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
    const int vertex = element < vertexCount() ? element : -1;
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
    const bool overDisc = element >= 0 && element < vertexCount();
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
