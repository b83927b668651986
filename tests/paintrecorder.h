// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QBrush>
#include <QFont>
#include <QLineF>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QRectF>

// One drawing call as the painter handed it to the device, in device coordinates.
struct PaintOp
{
    enum Kind { Line, Text, Ellipse, Rect, Other };

    Kind kind = Other;
    QLineF line;
    QPointF point; // text baseline start
    QString text;
    QRectF rect;
    QPen pen;
    QBrush brush;
    QFont font;
};

class RecordingEngine : public QPaintEngine
{
public:
    RecordingEngine();

    bool begin(QPaintDevice *device) override;
    bool end() override;
    void updateState(const QPaintEngineState &state) override;
    void drawLines(const QLineF *lines, int lineCount) override;
    void drawLines(const QLine *lines, int lineCount) override;
    void drawEllipse(const QRectF &rect) override;
    void drawEllipse(const QRect &rect) override;
    void drawRects(const QRectF *rects, int rectCount) override;
    void drawRects(const QRect *rects, int rectCount) override;
    void drawTextItem(const QPointF &point, const QTextItem &textItem) override;
    void drawPath(const QPainterPath &path) override;
    void drawPolygon(const QPointF *points, int pointCount, PolygonDrawMode mode) override;
    void drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &source) override;
    Type type() const override { return User; }

    QList<PaintOp> ops;

private:
    PaintOp makeOp(PaintOp::Kind kind) const;

    QPen pen;
    QBrush brush;
    QFont font;
    QTransform transform;
};

// A paint device that keeps a list of what was drawn on it instead of pixels.
class PaintRecorder : public QPaintDevice
{
public:
    explicit PaintRecorder(const QSize &size = QSize(800, 600));

    QPaintEngine *paintEngine() const override { return &engine; }
    const QList<PaintOp> &ops() const { return engine.ops; }
    QList<PaintOp> ops(PaintOp::Kind kind) const;
    QStringList texts() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize size;
    mutable RecordingEngine engine;
};
