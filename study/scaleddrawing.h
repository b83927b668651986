// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "networkreader.h"

#include <QColor>
#include <QWidget>

// What the study windows' drawings of the network share: the main drawing's geometry scaled to
// the widget, keeping its proportions, and the colours of the links and marks.
class ScaledDrawing : public QWidget
{
    Q_OBJECT

public:
    QSize sizeHint() const override;
    int vertexAt(QPointF position) const; // the vertex whose disc holds the point, or -1

protected:
    static inline const QColor LinkColor {120, 140, 130};
    static inline const QColor TreeColor {40, 110, 170}; // the links towards the destination
    static inline const QColor MarkColor {230, 140, 0}; // what a question or a choice marks

    explicit ScaledDrawing(const NetworkReader &reader, QWidget *parent = nullptr);

    // From the main drawing's coordinates to this widget's.
    QTransform toWidget() const;

    const NetworkReader &reader;
};
