// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "networkreader.h"

#include <QList>
#include <QObject>
#include <QString>

class NetworkModel;

// Every search cycle of this run of the program, in the order they ran, grouped by series:
// what was asked, what the drawing said and the report as it was written. Kept in memory only.
class SeriesLog : public QObject
{
    Q_OBJECT

public:
    struct Entry
    {
        int series = 0; // from 1
        int trial = 0; // within the series, from 1
        bool builtInNetwork = true;
        QString network; // the name of any other
        int source = 0;
        int destination = 0;
        int load = 0;
        bool randomEffect = false;
        QString outcome; // the drawing's sentence
        int cost = -1; // -1 when no path was found
        QList<int> path;
        QString report; // empty when the cycle ran no search
    };

    explicit SeriesLog(const NetworkModel &model, QObject *parent = nullptr);

    // The network a row names: its own name, or "Built-in" (translated unless for a file).
    static QString networkName(const Entry &entry, bool translated = true);

    const QList<Entry> &entries() const;
    // The entries as comma-separated values (RFC 4180) with a header line, in the order they ran.
    QString csv() const;

public slots:
    // Takes in the cycle that just ended; a cycle is taken in once.
    void takeCycle();

signals:
    void added(const SeriesLog::Entry &entry);

private:
    NetworkReader reader;
    QList<Entry> log;
    int lastCycle = 0;
    int series = 0;
    int lastTrial = 0;
};
