// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "studytable.h"

#include <QHeaderView>
#include <QTableWidget>

namespace StudyTable {

QTableWidget *make(const QString &name, const QStringList &headers, QWidget *parent)
{
    auto *table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setAccessibleName(name);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QTableWidgetItem *cell(const QString &text)
{
    return new QTableWidgetItem(text);
}

} // namespace StudyTable
