// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editingtable.h"

// The editor's vertices as a table: number, label and position, the last three editable in
// place. An edit goes through the editing object, which may refuse it.
class VertexTable : public EditingTable
{
    Q_OBJECT

public:
    enum Column { Number, Label, X, Y };

    explicit VertexTable(NetworkEditing &editing, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    // A position typed outside the drawing, which changes nothing.
    void refused(const QString &why);
};
