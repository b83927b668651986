// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linktable.h"

#include "networkediting.h"

LinkTable::LinkTable(NetworkEditing &editing, QObject *parent)
    : QAbstractTableModel(parent)
    , editing(editing)
    , shownRows(rowCount())
{
    connect(&editing, &NetworkEditing::changed, this, &LinkTable::followNetwork);
}

// A change that keeps the number of rows updates them in place, so that an edit under way in a
// cell, whose commit made the change, keeps its editor; any other is read again as a whole.
void LinkTable::followNetwork()
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

int LinkTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(editing.network().links.size());
}

int LinkTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LinkTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const Topology::LinkEnds &link = editing.network().links.at(index.row());
    switch (index.column()) {
    case From:
        return link.source;
    case To:
        return link.target;
    case Weight:
        return link.weight;
    default:
        return {};
    }
}

QVariant LinkTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case From:
        return tr("From");
    case To:
        return tr("To");
    case Weight:
        return tr("Weight");
    default:
        return {};
    }
}

Qt::ItemFlags LinkTable::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == Weight ? flags | Qt::ItemIsEditable : flags;
}

bool LinkTable::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != Weight || role != Qt::EditRole)
        return false;
    bool number = false;
    const int weight = value.toInt(&number);
    if (!number)
        return false;
    const Topology::LinkEnds &link = editing.network().links.at(index.row());
    return editing.setWeight(link.source, link.target, weight);
}
