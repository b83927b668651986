// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serieswindow.h"

#include "stepnarration.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int EntryRole = Qt::UserRole; // the entry's index in the log

enum Column {
    Trial,
    Network,
    Source,
    Destination,
    Load,
    RandomEffect,
    Outcome,
    Cost,
    Path,
    Columns
};

} // namespace

SeriesWindow::SeriesWindow(const SeriesLog &log, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , log(log)
{
    setWindowTitle(tr("Series"));
    setAttribute(Qt::WA_QuitOnClose, false); // closing the main window still ends the program

    searches = new QTreeWidget(this);
    searches->setAccessibleName(tr("Searches"));
    searches->setColumnCount(Columns);
    searches->setHeaderLabels({tr("Trial"), tr("Network"), tr("Source"), tr("Destination"),
        tr("Load"), tr("Random effect"), tr("Outcome"), tr("Cost"), tr("Path")});
    searches->setRootIsDecorated(true);
    searches->header()->setStretchLastSection(true);
    // The header fits the columns to their contents once a layout is due, not at every entry,
    // so that a long series stays cheap.
    for (int column = 0; column < Path; ++column)
        searches->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    report = new QPlainTextEdit(this);
    report->setReadOnly(true);
    // A caret, so that a screen reader's user can walk the lines.
    report->setTextInteractionFlags(report->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    report->setAccessibleName(tr("Report"));
    report->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto *save = new QPushButton(tr("Save as CSV..."), this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Every search of this run, newest first. Nothing is stored "
                                    "unless you save it."),
        this));
    layout->addWidget(searches, 3);
    layout->addWidget(new QLabel(tr("Report, as written to standard output:"), this));
    layout->addWidget(report, 1);
    layout->addWidget(save, 0, Qt::AlignLeft);
    resize(860, 560);

    connect(searches, &QTreeWidget::currentItemChanged, this, &SeriesWindow::showReport);
    for (const SeriesLog::Entry &entry : log.entries())
        add(entry);
    connect(&log, &SeriesLog::added, this, &SeriesWindow::add);
    connect(save, &QPushButton::clicked, this, &SeriesWindow::askAndSave);
}

void SeriesWindow::add(const SeriesLog::Entry &entry)
{
    const QString groupName = tr("Series %1").arg(entry.series);
    QTreeWidgetItem *group
        = searches->topLevelItemCount() > 0 ? searches->topLevelItem(0) : nullptr;
    if (!group || group->text(Trial) != groupName) {
        group = new QTreeWidgetItem(QStringList {groupName});
        searches->insertTopLevelItem(0, group); // newest first
        group->setExpanded(true);
        group->setFirstColumnSpanned(true);
    }
    auto *row = new QTreeWidgetItem(
        QStringList {QString::number(entry.trial), SeriesLog::networkName(entry),
            QString::number(entry.source), QString::number(entry.destination),
            QString::number(entry.load), entry.randomEffect ? tr("on") : tr("off"), entry.outcome,
            entry.cost >= 0 ? QString::number(entry.cost) : tr("none"),
            StepNarration::pathText(entry.path)});
    row->setData(Trial, EntryRole, rows++);
    // The newest search is selected, unless the user is reading an older one.
    const QTreeWidgetItem *current = searches->currentItem();
    const bool followNewest = !current || current == newest;
    group->insertChild(0, row);
    group->setExpanded(true);
    newest = row;
    if (followNewest)
        searches->setCurrentItem(row);
}

void SeriesWindow::showReport()
{
    const QTreeWidgetItem *item = searches->currentItem();
    const QVariant index = item ? item->data(Trial, EntryRole) : QVariant();
    if (!index.isValid()) {
        report->setPlainText(QString());
        return;
    }
    const QString &text = log.entries().at(index.toInt()).report;
    report->setPlainText(text.isEmpty() ? tr("(no search ran, so no report was written)") : text);
}

SaveDialog::Request SeriesWindow::csvRequest() const
{
    return {tr("Save as CSV"), tr("netroute-series.csv"), QStandardPaths::DocumentsLocation,
        tr("CSV file (*.csv)"), tr("Could not save the searches to %1: %2."),
        [this](const QString &) {
            return SaveDialog::Content {log.csv().toUtf8(), {}};
        },
        {}};
}

QString SeriesWindow::saveCsv(const QString &path) const
{
    return SaveDialog::save(csvRequest(), path);
}

void SeriesWindow::askAndSave()
{
    SaveDialog::ask(this, csvRequest());
}
