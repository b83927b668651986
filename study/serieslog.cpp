// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serieslog.h"

#include "networkmodel.h"
#include "stepnarration.h"

#include <QStringList>

namespace {

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

SeriesLog::SeriesLog(const NetworkModel &model, QObject *parent)
    : QObject(parent)
    , reader(model)
{ }

const QList<SeriesLog::Entry> &SeriesLog::entries() const
{
    return log;
}

void SeriesLog::takeCycle()
{
    const SearchRecord &record = reader.lastSearch();
    if (record.cycle == SearchRecord::NoCycleYet || record.cycleNumber == lastCycle)
        return;
    lastCycle = record.cycleNumber;

    Entry entry;
    // The counter has already been lowered for the search that just ended.
    entry.trial = NetworkModel::TrialsPerSeries - reader.model().trialsLeft();
    if (series == 0 || entry.trial <= lastTrial)
        ++series; // RESTART began a new series
    lastTrial = entry.trial;
    entry.series = series;
    entry.builtInNetwork = reader.model().topology().isBuiltIn();
    entry.network = reader.model().topology().name;
    entry.source = record.source;
    entry.destination = record.destination;
    entry.load = record.load;
    entry.randomEffect = record.randomEffect;
    entry.outcome = reader.outcomeSentence();
    if (record.reachedDestination()) {
        entry.cost = record.steps.back().chosenDistance;
        entry.path = StepNarration(record).path();
    }
    entry.report = QString::fromStdString(record.report);
    log.append(entry);
    emit added(entry);
}

QString SeriesLog::networkName(const Entry &entry, bool translated)
{
    if (!entry.builtInNetwork)
        return entry.network;
    return translated ? tr("Built-in") : QStringLiteral("Built-in");
}

QString SeriesLog::csv() const
{
    // A file for programs: the same in every language.
    QStringList lines;
    lines << QStringLiteral(
        "Series,Trial,Network,Source,Destination,Load,Random effect,Outcome,Cost,Path,Report");
    for (const Entry &entry : log) {
        QStringList fields {QString::number(entry.series), QString::number(entry.trial),
            csvField(networkName(entry, false)), QString::number(entry.source),
            QString::number(entry.destination), QString::number(entry.load),
            entry.randomEffect ? QStringLiteral("on") : QStringLiteral("off"),
            csvField(entry.outcome), entry.cost >= 0 ? QString::number(entry.cost) : QString(),
            csvField(StepNarration::pathText(entry.path)), csvField(entry.report)};
        lines << fields.join(QLatin1Char(','));
    }
    // Records end in CR LF, as RFC 4180 has them, on every system; a report keeps its own line
    // ends inside its quotes.
    return lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}
