// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networkgeometry.h"

#include "topology.h"

#include <QSizeF>

#include <cmath>

namespace {

constexpr float VertexCentre = 6; // from a disc's top-left corner towards its centre
constexpr float LinkSideShift = 4; // each direction of a pair runs 4 pixels to its side
constexpr float LabelAdvance = 10; // label past the line's midpoint, along the link
constexpr float ForwardLabelSide = 12;
constexpr float ReverseLabelSide = 5;
constexpr float MinimumLength = 1e-7f;
constexpr int HighlightSize = 20;
constexpr float HighlightInset = 3;
constexpr double NumberBaseline = 11.7;
constexpr float OneDigitOffset = 4.55f;
constexpr float TwoDigitOffset = 1.95f;
constexpr int HighestOneDigitVertex = 9;
constexpr float LabelGap = 3; // between a disc and its vertex's label

QPointF truncated(double x, double y)
{
    return QPointF(std::trunc(x), std::trunc(y));
}

} // namespace

NetworkGeometry::NetworkGeometry(const Topology &topology)
    : topology(topology)
{ }

NetworkGeometry::LinkGeometry NetworkGeometry::link(int source, Link link) const
{
    const bool forward = source < link.target;
    const int t = link.target;
    const float fromX = topology.vertexX[source];
    const float fromY = topology.vertexY[source];
    const float dx = topology.vertexX[t] - fromX;
    const float dy = topology.vertexY[t] - fromY;
    const float length = std::sqrt(dx * dx + dy * dy);
    float ux = dx;
    float uy = dy;
    if (length > MinimumLength) {
        ux = dx / length;
        uy = dy / length;
    }

    const float sx = VertexCentre - LinkSideShift * uy;
    const float sy = VertexCentre + LinkSideShift * ux;
    const float x1 = fromX + sx;
    const float y1 = fromY + sy;
    const float x2 = topology.vertexX[t] + sx;
    const float y2 = topology.vertexY[t] + sy;
    const float side = forward ? ForwardLabelSide : ReverseLabelSide;
    const float lx = (x1 + x2) / 2 + LabelAdvance * ux - side * uy;
    const float ly = (y1 + y2) / 2 + LabelAdvance * uy + side * ux;
    return {truncated(x1, y1), truncated(x2, y2), truncated(lx, ly)};
}

QRectF NetworkGeometry::vertexDisc(int vertex) const
{
    return QRectF(truncated(topology.vertexX[vertex], topology.vertexY[vertex]),
        QSizeF(VertexDiscSize, VertexDiscSize));
}

QPointF NetworkGeometry::vertexCentre(int vertex) const
{
    return truncated(
        topology.vertexX[vertex] + VertexCentre, topology.vertexY[vertex] + VertexCentre);
}

QPointF NetworkGeometry::numberPosition(int vertex) const
{
    const float offset = vertex <= HighestOneDigitVertex ? OneDigitOffset : TwoDigitOffset;
    return truncated(topology.vertexX[vertex] + offset, topology.vertexY[vertex] + NumberBaseline);
}

QPointF NetworkGeometry::labelPosition(int vertex) const
{
    return truncated(topology.vertexX[vertex] + VertexDiscSize + LabelGap,
        topology.vertexY[vertex] + NumberBaseline);
}

QRectF NetworkGeometry::highlightRect(int vertex) const
{
    return QRectF(truncated(topology.vertexX[vertex] - HighlightInset,
                      topology.vertexY[vertex] - HighlightInset),
        QSizeF(HighlightSize, HighlightSize));
}
