// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editingtable.h"

// The editor's links as a table, in the network's order: from, to and the weight, which is
// edited in place through the editing object.
class LinkTable : public EditingTable
{
    Q_OBJECT

public:
    enum Column { From, To, Weight };

    explicit LinkTable(NetworkEditing &editing, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
};
