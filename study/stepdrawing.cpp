// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stepdrawing.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor PathColor(250, 50, 0, 140);
const QColor SettledColor(30, 90, 60);
const QColor ReachedColor(150, 210, 175);
const QColor UnreachedColor(235, 240, 236);
const QColor CurrentColor(200, 20, 95);
constexpr double WeightPosition = 0.6; // along the link: nearer its target than the pair's other
constexpr double SmallTextShare = 0.8; // the numbers, of the widget's font
constexpr double SmallestPoints = 6;
constexpr double LabelShare = 0.85; // a vertex's label, of the numbers' size

// Halfway between two colours: the discs' outline between the text and the background.
QColor midway(const QColor &one, const QColor &other)
{
    return QColor((one.red() + other.red() + 1) / 2, (one.green() + other.green() + 1) / 2,
        (one.blue() + other.blue() + 1) / 2);
}

} // namespace

// The base keeps a reference to the reader, so it is not passed by value.
// clazy:excludeall=function-args-by-value
StepDrawing::StepDrawing(const NetworkReader &reader, QWidget *parent)
    : ScaledDrawing(reader, parent)
{
    setMinimumSize(260, 220);
    setAccessibleName(tr("Network at this step"));
}

void StepDrawing::showStep(
    const SearchState &newState, int newCurrent, const QList<int> &newPath, bool wasSearched)
{
    state = newState;
    current = newCurrent;
    path = newPath;
    searched = wasSearched;
    update();
}

void StepDrawing::setMarks(const QList<int> &vertices, int linkSource, int linkTarget, bool weights)
{
    markedVertices = vertices;
    markedSource = linkSource;
    markedTarget = linkTarget;
    showWeights = weights;
    update();
}

void StepDrawing::mousePressEvent(QMouseEvent *event)
{
    const int vertex = vertexAt(event->position());
    if (vertex >= 0)
        emit vertexClicked(vertex);
    QWidget::mousePressEvent(event);
}

void StepDrawing::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    // What is written on the background, and the discs' outlines, follow the palette, so that
    // they stay readable in a dark theme too.
    const QColor text = palette().color(QPalette::Text);
    const QColor outline = midway(text, palette().color(QPalette::Base));
    const QTransform transform = toWidget();
    const QList<NetworkReader::LinkView> links = reader.links();

    painter.setPen(QPen(LinkColor, 1));
    for (const NetworkReader::LinkView &link : links)
        painter.drawLine(transform.map(link.line));

    // The predecessor tree: each reached vertex's link from its predecessor.
    painter.setPen(QPen(TreeColor, 2.5));
    for (const NetworkReader::LinkView &link : links) {
        if (searched && state.state[link.target] != SearchState::NotReached
            && state.predecessor[link.target] == link.source)
            painter.drawLine(transform.map(link.line));
    }
    painter.setPen(QPen(PathColor, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (qsizetype i = 1; i < path.size(); ++i) {
        painter.drawLine(transform.map(reader.vertexDisc(path[i - 1]).center()),
            transform.map(reader.vertexDisc(path[i]).center()));
    }

    QFont small = font();
    small.setPointSizeF(std::max(SmallestPoints, small.pointSizeF() * SmallTextShare));
    QFont smaller = small;
    smaller.setPointSizeF(small.pointSizeF() * LabelShare);
    for (const NetworkReader::LinkView &link : links) {
        if (link.source == markedSource && link.target == markedTarget) {
            painter.setPen(QPen(MarkColor, 4, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(transform.map(link.line));
        }
    }
    if (showWeights) {
        painter.setPen(LinkColor.darker());
        painter.setFont(small);
        for (const NetworkReader::LinkView &link : links)
            painter.drawText(
                transform.map(link.line.pointAt(WeightPosition)), QString::number(link.weight));
    }
    for (int v = 0; v < reader.vertexCount(); ++v) {
        const QPointF centre = transform.map(reader.vertexDisc(v).center());
        const double radius = transform.mapRect(reader.vertexDisc(v)).width() / 2 + 1;
        const SearchState::VertexState vertexState
            = searched ? state.state[v] : SearchState::NotReached;
        const QColor fill = vertexState == SearchState::Settled ? SettledColor
            : vertexState == SearchState::Reached               ? ReachedColor
                                                                : UnreachedColor;
        painter.setPen(QPen(v == current ? CurrentColor : outline, v == current ? 3 : 1));
        painter.setBrush(fill);
        painter.drawEllipse(centre, radius + 2, radius + 2);
        if (markedVertices.contains(v)) {
            painter.setPen(QPen(MarkColor, 3));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(centre, radius + 5, radius + 5);
        }
        painter.setPen(vertexState == SearchState::Settled ? Qt::white : Qt::black);
        painter.setFont(small);
        painter.drawText(
            QRectF(centre.x() - 12, centre.y() - 8, 24, 16), Qt::AlignCenter, QString::number(v));
        if (vertexState != SearchState::NotReached) {
            painter.setPen(text);
            painter.drawText(
                centre + QPointF(radius + 3, -radius - 1), QString::number(state.distance[v]));
        }
        const QString label = reader.label(v);
        if (!label.isEmpty()) {
            painter.setPen(text);
            painter.setFont(smaller);
            painter.drawText(
                centre + QPointF(radius + 3, radius + QFontMetricsF(smaller).ascent()), label);
        }
    }
}
