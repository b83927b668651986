// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scaleddrawing.h"
#include "searchrecord.h"

#include <QList>

// The network at one step of a search, scaled from the main drawing's own geometry: settled
// vertices filled, the current one ringed, reached ones with their distances, the links of the
// predecessor tree drawn wide and, at the end, the path.
class StepDrawing : public ScaledDrawing
{
    Q_OBJECT

public:
    explicit StepDrawing(const NetworkReader &reader, QWidget *parent = nullptr);

    // What to draw: the state after a step, its current vertex (or -1) and the path (or none).
    void showStep(const SearchState &state, int current, const QList<int> &path, bool searched);
    // Marks for a question about the network: vertices ringed, one link drawn wide (or none:
    // -1), every link's weight written beside it.
    void setMarks(const QList<int> &vertices, int linkSource, int linkTarget, bool weights);

signals:
    void vertexClicked(int vertex);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    SearchState state;
    int current = -1;
    QList<int> path;
    bool searched = false;
    QList<int> markedVertices;
    int markedSource = -1;
    int markedTarget = -1;
    bool showWeights = false;
};
