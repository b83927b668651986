// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "distancevector.h"

#include <QCoreApplication>
#include <QString>

// Puts a distance-vector run into words: a sentence for each changed entry, one for each round,
// and what a stage came to. Vertices go by their numbers; a cost from infinity up is no route.
class TableNarration
{
    Q_DECLARE_TR_FUNCTIONS(TableNarration)

public:
    explicit TableNarration(const DistanceVector &run);

    // "Round 4", or "Round 2 after change 1" once the link costs have changed.
    QString roundName(int roundIndex) const;
    // The Rounds table's sentence: what the round did as a whole.
    QString roundSentence(int roundIndex) const;
    // "Round 4: vertex 7 learns from 3 a route to 12 at 96: 3 claims 84, plus the link 7 to 3
    // at 12."
    QString changeSentence(int roundIndex, const DistanceVector::Change &change) const;
    // When the stage's tables agree with link state, or where the count stood at the cap, and
    // its rounds spent counting up.
    QString stageSummary(int stage) const;
    // A cost or claim: a number, "infinity" (in a sentence) or "∞" (in a cell), "—" when left
    // out by split horizon.
    QString claimCell(int claim) const;
    QString claimWords(int claim) const;

private:
    QString lossReason(const DistanceVector::Change &change) const;

    const DistanceVector &run;
};
