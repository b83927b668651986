// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>

class NetworkEditing;

// The editor's links as a table, in the network's order: from, to and the weight, which is
// edited in place through the editing object.
class LinkTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { From, To, Weight, ColumnCount };

    explicit LinkTable(NetworkEditing &editing, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    void followNetwork();

    NetworkEditing &editing;
    int shownRows;
};
