// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "loadsweep.h"

#include <QList>
#include <QWidget>

class QPainter;

// The sweep as a plot of cost against load: the current load marked, each load where the best
// path changes labelled with the new path, the loads without a path shaded; with the random
// effect on, the median and the band from 10 % to 90 %. Painted by hand, so that it looks the
// same wherever the program runs.
class SweepPlot : public QWidget
{
    Q_OBJECT

public:
    explicit SweepPlot(QWidget *parent = nullptr);

    void showSweep(const LoadSweep &sweep, int currentLoad);
    void showSweep(const QList<LoadSweep::Point> &figures, bool randomEffect, int currentLoad);
    // Only the mark moves: the curve stays.
    void setCurrentLoad(int load);

    // Between the axes; its top is the top of the cost axis.
    QRectF plotArea() const;
    // Where a load and a cost are drawn.
    QPointF position(double load, double cost) const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    struct Run
    {
        int first = 0;
        int last = 0;
        bool found = false;
    };

    QList<Run> runs() const;
    QList<int> changeLoads() const;
    int loadAt(QPointF point) const;
    QString figures(const LoadSweep::Point &point) const;
    void describe();

    void drawGaps(QPainter &painter) const;
    void drawGrid(QPainter &painter) const;
    void drawCurve(QPainter &painter) const;
    void drawCurrentLoad(QPainter &painter) const;
    void drawChanges(QPainter &painter) const;
    void drawAxes(QPainter &painter) const;
    void drawLegend(QPainter &painter) const;

    QList<LoadSweep::Point> points;
    bool random = false;
    int current = 0;
    int costStep = 1; // between the cost axis's ticks
    int costTop = 1; // the cost axis's top, a multiple of the step
};
