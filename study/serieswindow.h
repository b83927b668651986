// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "savedialog.h"
#include "serieslog.h"

#include <QWidget>

class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

// "Series": every search of this run, newest first, grouped by series, with the report of the
// selected one as it was written; saved as CSV on request only.
class SeriesWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SeriesWindow(const SeriesLog &log, QWidget *parent = nullptr);

    // Writes the log as CSV; returns what went wrong, naming the file, or an empty string.
    QString saveCsv(const QString &path) const;

private:
    void add(const SeriesLog::Entry &entry);
    void showReport();
    SaveDialog::Request csvRequest() const;
    void askAndSave();

    const SeriesLog &log;
    QTreeWidget *searches = nullptr;
    QPlainTextEdit *report = nullptr;
    int rows = 0; // the entries shown, each row storing its entry's index in the log
    const QTreeWidgetItem *newest = nullptr;
};
