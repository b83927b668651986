// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vertextable.h"

#include "editordrawing.h"
#include "networkediting.h"

#include <QPointF>

VertexTable::VertexTable(NetworkEditing &editing, QObject *parent)
    : QAbstractTableModel(parent)
    , editing(editing)
    , shownRows(rowCount())
{
    connect(&editing, &NetworkEditing::changed, this, &VertexTable::followNetwork);
}

// A change that keeps the number of rows updates them in place, so that an edit under way in a
// cell, whose commit made the change, keeps its editor; any other is read again as a whole.
void VertexTable::followNetwork()
{
    const int rows = rowCount();
    if (rows == shownRows) {
        if (rows > 0)
            emit dataChanged(index(0, 0), index(rows - 1, ColumnCount - 1));
        return;
    }
    beginResetModel();
    shownRows = rows;
    endResetModel();
}

int VertexTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(editing.network().vertices.size());
}

int VertexTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
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

QVariant VertexTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section;
    switch (section) {
    case Number:
        return tr("Number");
    case Label:
        return tr("Label");
    case X:
        return tr("X");
    case Y:
        return tr("Y");
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
