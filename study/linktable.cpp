// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linktable.h"

#include "networkediting.h"

LinkTable::LinkTable(NetworkEditing &editing, QObject *parent)
    : EditingTable(editing, {tr("From"), tr("To"), tr("Weight")}, 1, parent)
{
    followNetwork();
}

int LinkTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(editing.network().links.size());
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
