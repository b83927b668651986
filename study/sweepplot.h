// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "loadsweep.h"

#include <QWidget>

#ifdef NETROUTE_HAVE_CHARTS
class QChart;
class QChartView;
#endif

// The sweep as a plot of cost against load: the current load marked, each load where the best
// path changes labelled with the new path, the loads without a path shaded; with the random
// effect on, the median and the band from 10 % to 90 %.
class SweepPlot : public QWidget
{
    Q_OBJECT

public:
    explicit SweepPlot(QWidget *parent = nullptr);

    void showSweep(const LoadSweep &sweep, int currentLoad);

private:
#ifdef NETROUTE_HAVE_CHARTS
    QChartView *view = nullptr;
#endif
};
