// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editingtable.h"

#include "networkediting.h"

#include <utility>

EditingTable::EditingTable(
    NetworkEditing &editing, QStringList titles, int firstRow, QObject *parent)
    : QAbstractTableModel(parent)
    , editing(editing)
    , titles(std::move(titles))
    , firstRow(firstRow)
{ }

void EditingTable::followNetwork()
{
    shownRows = rowCount();
    connect(&editing, &NetworkEditing::changed, this, &EditingTable::networkChanged);
}

// A change that keeps the number of rows updates them in place, so that an edit under way in a
// cell, whose commit made the change, keeps its editor; any other is read again as a whole.
void EditingTable::networkChanged()
{
    const int rows = rowCount();
    if (rows == shownRows) {
        if (rows > 0)
            emit dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
        return;
    }
    beginResetModel();
    shownRows = rows;
    endResetModel();
}

int EditingTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(titles.size());
}

QVariant EditingTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + firstRow;
    return section >= 0 && section < titles.size() ? QVariant(titles.at(section)) : QVariant();
}
