// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paintrecorder.h"

#include <QPainterPath>
#include <QTextItem>

RecordingEngine::RecordingEngine()
    : QPaintEngine(QPaintEngine::AllFeatures)
{ }

bool RecordingEngine::begin(QPaintDevice *)
{
    return true;
}

bool RecordingEngine::end()
{
    return true;
}

void RecordingEngine::updateState(const QPaintEngineState &state)
{
    if (state.state() & DirtyPen)
        pen = state.pen();
    if (state.state() & DirtyBrush)
        brush = state.brush();
    if (state.state() & DirtyFont)
        font = state.font();
    if (state.state() & DirtyTransform)
        transform = state.transform();
}

PaintOp RecordingEngine::makeOp(PaintOp::Kind kind) const
{
    PaintOp op;
    op.kind = kind;
    op.pen = pen;
    op.brush = brush;
    op.font = font;
    return op;
}

void RecordingEngine::drawLines(const QLineF *lines, int lineCount)
{
    for (int i = 0; i < lineCount; ++i) {
        PaintOp op = makeOp(PaintOp::Line);
        op.line = transform.map(lines[i]);
        ops.append(op);
    }
}

void RecordingEngine::drawLines(const QLine *lines, int lineCount)
{
    for (int i = 0; i < lineCount; ++i) {
        const QLineF line(lines[i]);
        drawLines(&line, 1);
    }
}

void RecordingEngine::drawEllipse(const QRectF &rect)
{
    PaintOp op = makeOp(PaintOp::Ellipse);
    op.rect = transform.mapRect(rect);
    ops.append(op);
}

void RecordingEngine::drawEllipse(const QRect &rect)
{
    drawEllipse(QRectF(rect));
}

void RecordingEngine::drawRects(const QRectF *rects, int rectCount)
{
    for (int i = 0; i < rectCount; ++i) {
        PaintOp op = makeOp(PaintOp::Rect);
        op.rect = transform.mapRect(rects[i]);
        ops.append(op);
    }
}

void RecordingEngine::drawRects(const QRect *rects, int rectCount)
{
    for (int i = 0; i < rectCount; ++i) {
        const QRectF rect(rects[i]);
        drawRects(&rect, 1);
    }
}

void RecordingEngine::drawTextItem(const QPointF &point, const QTextItem &textItem)
{
    PaintOp op = makeOp(PaintOp::Text);
    op.point = transform.map(point);
    op.text = textItem.text();
    ops.append(op);
}

void RecordingEngine::drawPath(const QPainterPath &)
{
    ops.append(makeOp(PaintOp::Other));
}

void RecordingEngine::drawPolygon(const QPointF *, int, PolygonDrawMode)
{
    ops.append(makeOp(PaintOp::Other));
}

void RecordingEngine::drawPixmap(const QRectF &, const QPixmap &, const QRectF &)
{
    ops.append(makeOp(PaintOp::Other));
}

PaintRecorder::PaintRecorder(const QSize &size)
    : size(size)
{ }

QList<PaintOp> PaintRecorder::ops(PaintOp::Kind kind) const
{
    QList<PaintOp> result;
    for (const PaintOp &op : engine.ops) {
        if (op.kind == kind)
            result.append(op);
    }
    return result;
}

QStringList PaintRecorder::texts() const
{
    QStringList result;
    for (const PaintOp &op : ops(PaintOp::Text))
        result.append(op.text);
    return result;
}

int PaintRecorder::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return size.width();
    case PdmHeight:
        return size.height();
    case PdmWidthMM:
        return size.width() * 254 / 960;
    case PdmHeightMM:
        return size.height() * 254 / 960;
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default: // newer toolkits ask for more, which the base class answers
        return QPaintDevice::metric(metric);
    }
}
