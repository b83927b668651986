// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <QRectF>

class Topology;
struct Link;

// Where the drawing puts the network: fixed pixel positions worked out from the topology's
// coordinates, on whole pixels, shared by the main drawing and the windows that redraw it.
class NetworkGeometry
{
public:
    // A link's line and label as drawn.
    struct LinkGeometry
    {
        QPointF from;
        QPointF to;
        QPointF label; // where the label's baseline starts
    };

    explicit NetworkGeometry(const Topology &topology);

    // A line 4 pixels to the side of the centres' line, so that the pair's two directions run
    // side by side, and the label past its midpoint.
    LinkGeometry link(int source, Link link) const;
    static constexpr int VertexDiscSize = 14;
    QRectF vertexDisc(int vertex) const;
    QPointF vertexCentre(int vertex) const;
    // Where a vertex's number is written, and the ring that marks an endpoint.
    QPointF numberPosition(int vertex) const;
    // Where a vertex's label starts, on the baseline of its number; a label is cut to LabelWidth.
    QPointF labelPosition(int vertex) const;
    static constexpr int LabelWidth = 90;
    QRectF highlightRect(int vertex) const;

private:
    const Topology &topology;
};
