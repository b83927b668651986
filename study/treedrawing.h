// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scaleddrawing.h"

#include <QList>

// The network with every vertex's next hop towards one destination drawn as an arrow, scaled
// from the main drawing's own geometry. Arrows that run round a loop (two vertices each other's
// next hop, or a longer cycle) are drawn in a warning colour. The chosen vertex is ringed and
// the chosen link drawn wide; a click on a vertex or a link chooses it.
class TreeDrawing : public ScaledDrawing
{
    Q_OBJECT

public:
    explicit TreeDrawing(const NetworkReader &reader, QWidget *parent = nullptr);

    // Each vertex's next hop towards the destination, -1 for none.
    void showTree(const QList<int> &nextHops, int towards);
    void setChosen(int vertex, int linkSource, int linkTarget);
    // The vertices whose arrow lies on a loop of next hops.
    static QList<int> onLoops(const QList<int> &nextHops);
    // The link whose line passes near the point, as (source, target), or (-1, -1).
    std::pair<int, int> linkAt(QPointF position) const;

signals:
    void vertexClicked(int vertex);
    void linkClicked(int source, int target);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    double discRadius(const QTransform &transform, int vertex) const;
    void drawArrow(QPainter &painter, QPointF from, QPointF to, double radius) const;

    QList<int> hops;
    QList<int> looping;
    int destination = -1;
    int chosenVertex = -1;
    int chosenSource = -1;
    int chosenTarget = -1;
};
