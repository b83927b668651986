// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sweepplot.h"

#include "stepnarration.h"

#include <QVBoxLayout>

#ifdef NETROUTE_HAVE_CHARTS
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#endif

#include <algorithm>

#ifdef NETROUTE_HAVE_CHARTS
namespace {

constexpr int LoadTickInterval = 10;
const QColor CostColor(0, 65, 85);
const QColor BandColor(0, 65, 85, 60);
const QColor NoPathColor(120, 120, 120, 60);
const QColor CurrentColor(200, 20, 95);
const QColor ChangeColor(250, 50, 0);

// Adds a series to the chart on its axes.
template<typename Series>
Series *attach(QChart *chart, Series *series, const QList<QAbstractAxis *> &axes)
{
    chart->addSeries(series);
    for (QAbstractAxis *axis : axes)
        series->attachAxis(axis);
    return series;
}

} // namespace
#endif

SweepPlot::SweepPlot(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
#ifdef NETROUTE_HAVE_CHARTS
    view = new QChartView(this);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(560, 320);
    view->setAccessibleName(tr("Plot of the cost against the load"));
    layout->addWidget(view);
#endif
}

void SweepPlot::showSweep(const LoadSweep &sweep, int currentLoad)
{
#ifdef NETROUTE_HAVE_CHARTS
    auto *chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    const QList<LoadSweep::Point> &points = sweep.points();
    int highest = 100;
    for (const LoadSweep::Point &point : points)
        highest = std::max(highest, sweep.randomEffect() ? point.high : point.cost);
    const double top = highest * 1.1;

    auto *x = new QValueAxis;
    x->setRange(0, LoadSweep::Loads - 1);
    x->setTitleText(tr("Traffic load"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(LoadTickInterval);
    auto *y = new QValueAxis;
    y->setRange(0, top);
    y->setTitleText(sweep.randomEffect() ? tr("Cost (median, 10-90 % band)") : tr("Cost"));
    y->setLabelFormat(QStringLiteral("%d"));
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    // Runs of loads with a path are drawn as lines, runs without one shaded.
    bool firstCost = true;
    bool firstGap = true;
    for (qsizetype i = 0; i < points.size();) {
        const bool found = points[i].found();
        qsizetype end = i;
        while (end < points.size() && points[end].found() == found)
            ++end;
        if (found) {
            auto *cost = new QLineSeries;
            cost->setName(sweep.randomEffect() ? tr("Median cost") : tr("Cost"));
            cost->setColor(CostColor);
            auto *low = new QLineSeries;
            auto *high = new QLineSeries;
            for (qsizetype k = i; k < end; ++k) {
                cost->append(points[k].load, points[k].cost);
                low->append(points[k].load, points[k].low);
                high->append(points[k].load, points[k].high);
            }
            if (sweep.randomEffect()) {
                auto *band = new QAreaSeries(high, low);
                band->setName(tr("10-90 % of the costs"));
                band->setColor(BandColor);
                band->setBorderColor(BandColor);
                attach(chart, band, {x, y});
                if (!firstCost)
                    chart->legend()->markers(band).first()->setVisible(false);
            } else {
                delete low;
                delete high;
            }
            attach(chart, cost, {x, y});
            if (!firstCost)
                chart->legend()->markers(cost).first()->setVisible(false);
            firstCost = false;
        } else {
            auto *upper = new QLineSeries;
            upper->append(points[i].load - 0.5, top);
            upper->append(points[end - 1].load + 0.5, top);
            auto *gap = new QAreaSeries(upper);
            gap->setName(tr("No path"));
            gap->setColor(NoPathColor);
            gap->setBorderColor(NoPathColor);
            attach(chart, gap, {x, y});
            if (!firstGap)
                chart->legend()->markers(gap).first()->setVisible(false);
            firstGap = false;
        }
        i = end;
    }

    // Where the best path changes, the new path is written at its first load.
    QList<int> previous;
    for (const LoadSweep::Point &point : points) {
        if (point.found() && point.path != previous) {
            auto *change = new QScatterSeries;
            change->append(point.load, point.cost);
            change->setMarkerSize(8);
            change->setColor(ChangeColor);
            change->setPointLabelsFormat(StepNarration::pathText(point.path));
            change->setPointLabelsVisible(true);
            change->setPointLabelsClipping(false);
            attach(chart, change, {x, y});
            chart->legend()->markers(change).first()->setVisible(false);
        }
        previous = point.path;
    }

    auto *current = new QLineSeries;
    current->setName(tr("Current load %1").arg(currentLoad));
    current->setPen(QPen(CurrentColor, 2, Qt::DashLine));
    current->append(currentLoad, 0);
    current->append(currentLoad, top);
    attach(chart, current, {x, y});

    QChart *old = view->chart();
    view->setChart(chart);
    delete old;
#else
    Q_UNUSED(sweep);
    Q_UNUSED(currentLoad);
#endif
}
