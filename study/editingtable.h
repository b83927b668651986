// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class NetworkEditing;

// What the editor's tables share: titled columns and rows that follow the network being edited.
// An edit goes through the editing object, which may refuse it.
class EditingTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

protected:
    // The rows are numbered from firstRow in the vertical header.
    EditingTable(NetworkEditing &editing, QStringList titles, int firstRow, QObject *parent);
    // Called once the rows can be counted, at the end of the derived constructor.
    void followNetwork();

    NetworkEditing &editing;

private:
    void networkChanged();

    QStringList titles;
    int firstRow;
    int shownRows = 0;
};
