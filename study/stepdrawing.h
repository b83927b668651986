// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "networkreader.h"
#include "searchrecord.h"

#include <QList>
#include <QWidget>

// The network at one step of a search, scaled from the main drawing's own geometry: settled
// vertices filled, the current one ringed, reached ones with their distances, the links of the
// predecessor tree drawn wide and, at the end, the path.
class StepDrawing : public QWidget
{
    Q_OBJECT

public:
    explicit StepDrawing(const NetworkReader &reader, QWidget *parent = nullptr);

    // What to draw: the state after a step, its current vertex (or -1) and the path (or none).
    void showStep(const SearchState &state, int current, const QList<int> &path, bool searched);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTransform toWidget() const;

    const NetworkReader &reader;
    SearchState state;
    int current = -1;
    QList<int> path;
    bool searched = false;
};
