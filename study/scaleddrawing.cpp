// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scaleddrawing.h"

#include <QTransform>

#include <algorithm>

namespace {

constexpr int Margin = 14; // room for what is written beside the discs
constexpr QSize PreferredSize(420, 340);

} // namespace

ScaledDrawing::ScaledDrawing(const NetworkReader &reader, QWidget *parent)
    : QWidget(parent)
    , reader(reader)
{ }

QSize ScaledDrawing::sizeHint() const
{
    return PreferredSize;
}

int ScaledDrawing::vertexAt(QPointF position) const
{
    const QPointF point = toWidget().inverted().map(position);
    for (int v = 0; v < reader.vertexCount(); ++v) {
        if (reader.vertexDisc(v).contains(point))
            return v;
    }
    return -1;
}

QTransform ScaledDrawing::toWidget() const
{
    QRectF bounds;
    for (int v = 0; v < reader.vertexCount(); ++v)
        bounds = bounds.united(reader.vertexDisc(v));
    const QRectF target = QRectF(rect()).adjusted(Margin, Margin, -Margin, -Margin);
    // Bounds or room without extent (one spot, a widget not laid out yet) keep the scale 1.
    const bool measurable
        = bounds.width() > 0 && bounds.height() > 0 && target.width() > 0 && target.height() > 0;
    const double scale = measurable
        ? std::min(target.width() / bounds.width(), target.height() / bounds.height())
        : 1.0;
    QTransform transform;
    transform.translate(target.center().x(), target.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform;
}
