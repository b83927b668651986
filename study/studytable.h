// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QTableWidget;
class QTableWidgetItem;
class QWidget;

// The read-only tables of the windows that walk through a run: named for screen readers, a row
// chosen whole, the last column taking the room left.
namespace StudyTable {

QTableWidget *make(const QString &name, const QStringList &headers, QWidget *parent);
QTableWidgetItem *cell(const QString &text);

} // namespace StudyTable
