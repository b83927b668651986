// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vertextable.h"

#include "editordrawing.h"
#include "networkediting.h"

#include <QPointF>

VertexTable::VertexTable(NetworkEditing &editing, QObject *parent)
    : EditingTable(editing, {tr("Number"), tr("Label"), tr("X"), tr("Y")}, 0, parent)
{
    followNetwork();
}

int VertexTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(editing.network().vertices.size());
}

QVariant VertexTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const Topology::Vertex &vertex = editing.network().vertices.at(index.row());
    // Positions are shown to a tenth of a pixel and edited in full.
    const auto coordinate = [role](float value) -> QVariant {
        return role == Qt::DisplayRole ? QVariant(QString::number(value, 'f', 1))
                                       : QVariant(static_cast<double>(value));
    };
    switch (index.column()) {
    case Number:
        return index.row();
    case Label:
        return vertex.label;
    case X:
        return coordinate(vertex.x);
    case Y:
        return coordinate(vertex.y);
    default:
        return {};
    }
}

Qt::ItemFlags VertexTable::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == Number ? flags : flags | Qt::ItemIsEditable;
}

bool VertexTable::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const int vertex = index.row();
    if (index.column() == Label)
        return editing.setLabel(vertex, value.toString().trimmed());
    bool number = false;
    const double coordinate = value.toDouble(&number);
    if (!number)
        return false;
    const Topology::Vertex &old = editing.network().vertices.at(vertex);
    const QPointF position
        = index.column() == X ? QPointF(coordinate, old.y) : QPointF(old.x, coordinate);
    const QRectF room = EditorDrawing::room();
    if (!room.contains(position)) {
        emit refused(tr("Vertex %1 must stay in the drawing: x from %2 to %3, y from %4 to %5")
                         .arg(vertex)
                         .arg(room.left())
                         .arg(room.right())
                         .arg(room.top())
                         .arg(room.bottom()));
        return false;
    }
    return editing.moveVertex(vertex, position);
}
