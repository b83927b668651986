// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "searchrecord.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// Puts a recorded search into words: one sentence per step, what a step examined with its
// numbers, and the algorithm's lines. Row 0 is the start; row k the k-th step.
class StepNarration
{
    Q_DECLARE_TR_FUNCTIONS(StepNarration)

public:
    explicit StepNarration(const SearchRecord &record);

    int rowCount() const; // the start and every step
    // Why there is nothing to step through, or empty when there is.
    QString absence() const;
    // Why a cycle from a vertex to itself runs no search.
    static QString sameEndpoints(int vertex);
    QString sentence(int row) const;
    QStringList examined(int row) const;
    static QStringList algorithm();
    int algorithmLine(int row) const;
    // The path at the end of the search, from the source, or empty when it was not reached.
    QList<int> path() const;
    // A path in words: "0, 2, 1".
    static QString pathText(const QList<int> &path);

    // The Steps table's cells.
    QString stepCell(int row) const;
    QString vertexCell(int row) const;
    QString distanceCell(int row) const;
    QString predecessorCell(int row) const;

private:
    QString examinedLine(
        const SearchStep &step, const ExaminedVertex &vertex, int currentDistance) const;

    const SearchRecord &record;
};
