// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sweepplot.h"

#include "stepnarration.h"

#include <QColor>
#include <QEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QStringList>
#include <QToolTip>
#include <QtMath>

#include <algorithm>
#include <utility>

namespace {

constexpr int LastLoad = LoadSweep::Loads - 1;
constexpr int LoadTickInterval = 10;
constexpr int CostTickTarget = 5; // about as many steps up the cost axis
constexpr int MinimumCostTop = 10; // for a sweep that finds no path at all
constexpr qreal Margin = 8;
constexpr qreal TickLength = 4;
constexpr qreal Gap = 4; // between a tick and its label, a label and its title, and so on
constexpr qreal CurveWidth = 2;
constexpr qreal DotRadius = 3; // a load whose neighbours have no path
constexpr qreal ChangeRadius = 4.5;
constexpr qreal LabelOffset = 5; // from the change's disc
constexpr qreal SwatchWidth = 18;
constexpr qreal LegendSpacing = 16;
constexpr int MinimumWidth = 560;
constexpr int MinimumHeight = 320;
constexpr int PreferredWidth = 760;
constexpr int PreferredHeight = 400;
constexpr int GridAlpha = 40;
constexpr int BandAlpha = 70;
constexpr int LabelBackgroundAlpha = 170;

// Mid tones, which read on a light and on a dark background alike; the text, the axes and the
// plot's background come from the palette.
const QColor CostColor(38, 139, 210);
const QColor BandColor = [] {
    QColor band = CostColor;
    band.setAlpha(BandAlpha);
    return band;
}();
const QColor NoPathColor(128, 128, 128, 80);
const QColor CurrentColor(211, 54, 130);
const QColor ChangeColor(230, 97, 0);

// The smallest of 1, 2, 5, 10, 20, 50... that climbs to the highest cost in a few ticks.
int niceStep(int highest)
{
    for (int magnitude = 1;; magnitude *= 10) {
        for (const int factor : {1, 2, 5}) {
            if (factor * magnitude * CostTickTarget >= highest)
                return factor * magnitude;
        }
    }
}

enum class Swatch { Curve, Band, Shading, Current, Change };
using LegendEntry = std::pair<Swatch, QString>;

QList<LegendEntry> legendEntries(bool random, bool shading, int current)
{
    QList<LegendEntry> entries;
    entries.append({Swatch::Curve, random ? SweepPlot::tr("Median cost") : SweepPlot::tr("Cost")});
    if (random)
        entries.append({Swatch::Band, SweepPlot::tr("10-90 % of the costs")});
    if (shading)
        entries.append({Swatch::Shading, SweepPlot::tr("No path")});
    entries.append({Swatch::Current, SweepPlot::tr("Current load %1").arg(current)});
    entries.append({Swatch::Change, SweepPlot::tr("New best path")});
    return entries;
}

qreal legendWidth(const QList<LegendEntry> &entries, const QFontMetricsF &metrics)
{
    qreal width = -LegendSpacing;
    for (const LegendEntry &entry : entries)
        width += SwatchWidth + Gap + metrics.horizontalAdvance(entry.second) + LegendSpacing;
    return width;
}

QPen curvePen(const QColor &color, Qt::PenStyle style = Qt::SolidLine)
{
    return QPen(QBrush(color), CurveWidth, style, Qt::FlatCap, Qt::RoundJoin);
}

} // namespace

SweepPlot::SweepPlot(QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(tr("Plot of the cost against the load"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SweepPlot::showSweep(const LoadSweep &sweep, int currentLoad)
{
    showSweep(sweep.points(), sweep.randomEffect(), currentLoad);
}

void SweepPlot::showSweep(
    const QList<LoadSweep::Point> &figures, bool randomEffect, int currentLoad)
{
    points = figures;
    random = randomEffect;
    current = currentLoad;
    int highest = MinimumCostTop;
    for (const LoadSweep::Point &point : points) {
        if (point.found())
            highest = std::max(highest, random ? point.high : point.cost);
    }
    // The axis ends a step above the highest cost, which leaves room for a label over it.
    costStep = niceStep(highest);
    costTop = (highest / costStep + 1) * costStep;
    describe();
    update();
}

void SweepPlot::setCurrentLoad(int load)
{
    current = load;
    update();
}

QRectF SweepPlot::plotArea() const
{
    const QFontMetricsF metrics(font());
    const qreal costLabelWidth = metrics.horizontalAdvance(QString::number(costTop));
    const qreal left = Margin + metrics.height() + Gap + costLabelWidth + Gap + TickLength;
    const qreal right = width() - Margin - metrics.horizontalAdvance(QString::number(LastLoad)) / 2;
    const qreal top = Margin + metrics.height() / 2;
    // Below the axis: the tick labels, the axis title and the legend's row.
    const qreal bottom = height() - Margin - TickLength - 3 * (Gap + metrics.height());
    return QRectF(QPointF(left, top), QPointF(std::max(left, right), std::max(top, bottom)));
}

QPointF SweepPlot::position(double load, double cost) const
{
    const QRectF area = plotArea();
    return QPointF(area.left() + load * area.width() / LastLoad,
        area.bottom() - cost * area.height() / costTop);
}

// Wide enough for the longest legend.
QSize SweepPlot::minimumSizeHint() const
{
    const QList<LegendEntry> longest = legendEntries(true, true, LastLoad);
    const qreal legend = legendWidth(longest, QFontMetricsF(font())) + 2 * Margin;
    return QSize(std::max(MinimumWidth, qCeil(legend)), MinimumHeight);
}

QSize SweepPlot::sizeHint() const
{
    return QSize(PreferredWidth, PreferredHeight);
}

QList<SweepPlot::Run> SweepPlot::runs() const
{
    QList<Run> result;
    for (const LoadSweep::Point &point : points) {
        if (!result.isEmpty() && result.last().found == point.found()
            && result.last().last == point.load - 1)
            result.last().last = point.load;
        else
            result.append(Run {point.load, point.load, point.found()});
    }
    return result;
}

// A gap without a path does not count as a change when the same path comes back after it.
QList<int> SweepPlot::changeLoads() const
{
    QList<int> result;
    QList<int> previous;
    for (const LoadSweep::Point &point : points) {
        if (point.found() && point.path != previous) {
            result.append(point.load);
            previous = point.path;
        }
    }
    return result;
}

int SweepPlot::loadAt(QPointF point) const
{
    const QRectF area = plotArea();
    if (points.isEmpty() || point.y() < area.top() || point.y() > area.bottom())
        return -1;
    const int load = qRound((point.x() - area.left()) * LastLoad / area.width());
    return load >= 0 && load < points.size() ? load : -1;
}

QString SweepPlot::figures(const LoadSweep::Point &point) const
{
    if (!point.found())
        return point.noLinkPassed
            ? tr("Load %1: no path, no link passes the load test").arg(point.load)
            : tr("Load %1: no path, the destination is unreachable").arg(point.load);
    const QString path = StepNarration::pathText(point.path);
    if (!random)
        return tr("Load %1: cost %2 on the path %3").arg(point.load).arg(point.cost).arg(path);
    return tr("Load %1: median cost %2, 10-90 % from %3 to %4; most often the path %5; a path "
              "found in %6 % of the cycles")
        .arg(point.load)
        .arg(point.cost)
        .arg(point.low)
        .arg(point.high)
        .arg(path)
        .arg(qRound(point.share * 100));
}

// What a screen reader gives for the curve: where it starts, where the path changes and where
// the paths run out.
void SweepPlot::describe()
{
    QStringList sentences;
    if (!points.isEmpty()) {
        const LoadSweep::Point &first = points.first();
        if (!first.found())
            sentences << tr("At load 0 no path is found.");
        else if (random)
            sentences << tr("At load 0 the median cost is %1 on the path %2.")
                             .arg(first.cost)
                             .arg(StepNarration::pathText(first.path));
        else
            sentences << tr("At load 0 the cost is %1 on the path %2.")
                             .arg(first.cost)
                             .arg(StepNarration::pathText(first.path));
    }
    QStringList changes;
    for (const int load : changeLoads()) {
        if (load > 0)
            changes
                << tr("at load %1 to %2").arg(load).arg(StepNarration::pathText(points[load].path));
    }
    if (!changes.isEmpty())
        sentences << tr("The best path changes %1.").arg(changes.join(QStringLiteral("; ")));
    const auto lastFound = std::find_if(
        points.crbegin(), points.crend(), [](const LoadSweep::Point &p) { return p.found(); });
    if (lastFound == points.crend() && !points.isEmpty())
        sentences << tr("No path is found at any load.");
    else if (lastFound != points.crend() && lastFound->load < LastLoad)
        sentences << tr("From load %1 on, no path is found.").arg(lastFound->load + 1);
    setAccessibleDescription(sentences.join(QLatin1Char(' ')));
}

bool SweepPlot::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const int load = loadAt(help->pos());
    if (load < 0) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), figures(points[load]), this);
    }
    return true;
}

void SweepPlot::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(plotArea(), palette().base());
    drawGaps(painter);
    drawGrid(painter);
    drawAxes(painter); // under the marks, which stay whole at load 0
    drawCurve(painter);
    drawCurrentLoad(painter);
    drawChanges(painter);
    drawLegend(painter);
}

// Over the whole height, half a load to each side of the loads without a path.
void SweepPlot::drawGaps(QPainter &painter) const
{
    const QRectF area = plotArea();
    for (const Run &run : runs()) {
        if (run.found)
            continue;
        const QRectF gap(QPointF(position(run.first - 0.5, 0).x(), area.top()),
            QPointF(position(run.last + 0.5, 0).x(), area.bottom()));
        painter.fillRect(gap.intersected(area), NoPathColor);
    }
}

void SweepPlot::drawGrid(QPainter &painter) const
{
    const QRectF area = plotArea();
    QColor grid = palette().color(QPalette::Text);
    grid.setAlpha(GridAlpha);
    painter.setPen(QPen(grid, 0));
    for (int cost = costStep; cost <= costTop; cost += costStep) {
        const qreal y = position(0, cost).y();
        painter.drawLine(QLineF(area.left(), y, area.right(), y));
    }
}

void SweepPlot::drawCurve(QPainter &painter) const
{
    for (const Run &run : runs()) {
        if (!run.found)
            continue;
        QPolygonF curve;
        QPolygonF band;
        for (int load = run.first; load <= run.last; ++load) {
            curve << position(load, points[load].cost);
            band << position(load, points[load].high);
        }
        for (int load = run.last; load >= run.first; --load)
            band << position(load, points[load].low);
        if (random) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(BandColor);
            if (run.first == run.last) // a polygon of no width: a bar as wide as the dot
                painter.drawRect(QRectF(
                    band.first() - QPointF(DotRadius, 0), band.last() + QPointF(DotRadius, 0)));
            else
                painter.drawPolygon(band);
        }
        if (run.first == run.last) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(CostColor);
            painter.drawEllipse(curve.first(), DotRadius, DotRadius);
        } else {
            painter.setPen(curvePen(CostColor));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(curve);
        }
    }
}

void SweepPlot::drawCurrentLoad(QPainter &painter) const
{
    const QRectF area = plotArea();
    const qreal x = position(current, 0).x();
    painter.setPen(curvePen(CurrentColor, Qt::DashLine));
    painter.drawLine(QLineF(x, area.bottom(), x, area.top()));
}

// A disc at each change and, where there is room, the new path beside it: right of the y axis,
// above the x axis, inside the plot and clear of the labels before it.
void SweepPlot::drawChanges(QPainter &painter) const
{
    const QRectF area = plotArea();
    const QFontMetricsF metrics(font());
    QColor labelBackground = palette().color(QPalette::Base);
    labelBackground.setAlpha(LabelBackgroundAlpha);
    const QList<int> changes = changeLoads();
    painter.setPen(QPen(palette().color(QPalette::Base), 1));
    painter.setBrush(ChangeColor);
    for (const int load : changes)
        painter.drawEllipse(position(load, points[load].cost), ChangeRadius, ChangeRadius);

    // The labels after every disc, so that no disc hides a label's text.
    QList<QRectF> labels;
    for (const int load : changes) {
        const QPointF centre = position(load, points[load].cost);
        const QString text = StepNarration::pathText(points[load].path);
        QRectF box(0, 0, metrics.horizontalAdvance(text), metrics.height());
        box.moveBottomLeft(centre + QPointF(LabelOffset, -LabelOffset));
        if (box.right() > area.right())
            box.moveRight(centre.x() - LabelOffset);
        if (box.top() < area.top())
            box.moveTop(centre.y() + LabelOffset);
        box.moveLeft(std::max(box.left(), area.left() + LabelOffset));
        box.moveBottom(std::min(box.bottom(), area.bottom() - LabelOffset));
        if (std::any_of(labels.cbegin(), labels.cend(),
                [&box](const QRectF &label) { return label.intersects(box); }))
            continue;
        painter.fillRect(box, labelBackground);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
        labels.append(box);
    }
}

void SweepPlot::drawAxes(QPainter &painter) const
{
    const QRectF area = plotArea();
    const QFontMetricsF metrics(font());
    const QColor axis = palette().color(QPalette::WindowText);
    painter.setPen(QPen(axis, 1));
    painter.drawLine(QLineF(area.bottomLeft(), area.topLeft()));
    painter.drawLine(QLineF(area.bottomLeft(), area.bottomRight()));

    for (int load = 0; load <= LastLoad; load += LoadTickInterval) {
        const qreal x = position(load, 0).x();
        painter.drawLine(QLineF(x, area.bottom(), x, area.bottom() + TickLength));
        const QRectF label(
            x - area.width() / 2, area.bottom() + TickLength + Gap, area.width(), metrics.height());
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, QString::number(load));
    }
    for (int cost = 0; cost <= costTop; cost += costStep) {
        const qreal y = position(0, cost).y();
        painter.drawLine(QLineF(area.left() - TickLength, y, area.left(), y));
        const QRectF label(
            0, y - metrics.height() / 2, area.left() - TickLength - Gap, metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString::number(cost));
    }

    const QRectF loadTitle(area.left(), area.bottom() + TickLength + Gap + metrics.height() + Gap,
        area.width(), metrics.height());
    painter.drawText(loadTitle, Qt::AlignHCenter | Qt::AlignTop, tr("Traffic load"));
    painter.save();
    painter.translate(Margin, area.center().y());
    painter.rotate(-90);
    const QRectF costTitle(-area.height(), 0, 2 * area.height(), metrics.height());
    painter.drawText(costTitle, Qt::AlignHCenter | Qt::AlignTop,
        random ? tr("Cost (median, 10-90 % band)") : tr("Cost"));
    painter.restore();
}

// One row under the axis title, centred: a sample of each kind of mark and what it means.
void SweepPlot::drawLegend(QPainter &painter) const
{
    const QList<Run> all = runs();
    const bool shading = std::any_of(all.begin(), all.end(), [](Run run) { return !run.found; });
    const QList<LegendEntry> entries = legendEntries(random, shading, current);
    const QFontMetricsF metrics(font());
    qreal x = std::max(Margin, (width() - legendWidth(entries, metrics)) / 2);
    const qreal top = height() - Margin - metrics.height();
    const qreal middle = top + metrics.height() / 2;
    for (const LegendEntry &entry : entries) {
        const QRectF swatch(x, top + 2, SwatchWidth, metrics.height() - 4);
        switch (entry.first) {
        case Swatch::Curve:
            painter.setPen(curvePen(CostColor));
            painter.drawLine(QLineF(x, middle, x + SwatchWidth, middle));
            break;
        case Swatch::Current:
            painter.setPen(curvePen(CurrentColor, Qt::DashLine));
            painter.drawLine(QLineF(x, middle, x + SwatchWidth, middle));
            break;
        case Swatch::Band:
            painter.fillRect(swatch, BandColor);
            break;
        case Swatch::Shading:
            painter.fillRect(swatch, NoPathColor);
            break;
        case Swatch::Change:
            painter.setPen(Qt::NoPen);
            painter.setBrush(ChangeColor);
            painter.drawEllipse(swatch.center(), ChangeRadius, ChangeRadius);
            break;
        }
        x += SwatchWidth + Gap;
        const qreal textWidth = metrics.horizontalAdvance(entry.second);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRectF(x, top, textWidth + 1, metrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter, entry.second);
        x += textWidth + LegendSpacing;
    }
}
