// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "linkcosts.h"
#include "searchrecord.h"
#include "topology.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// One question of a practice set: its situation in numbers, its text and its answer, worked
// out by the program's own search cycle, search and load rules.
struct PracticeQuestion
{
    Q_DECLARE_TR_FUNCTIONS(PracticeQuestion)

public:
    // The kinds on the search first, then those on routing tables.
    enum Kind {
        NextVertex,
        Distance,
        LoadTest,
        Cost,
        Label,
        BestRoute,
        Reach,
        NextHop,
        AfterRound
    };

    Kind kind = NextVertex;
    // The search's endpoints, or the link's source and target.
    int source = 0;
    int destination = 0;
    int load = 0;
    int weight = 0; // the link kinds' link
    int factorHundredths = 100; // the link kinds' factor, as the question states it
    int step = 0; // the step kinds: the search is shown after this many steps; After round: K
    int vertex = 0; // Distance: the vertex asked about
    // The step kinds and Best route: the cycle's search. Reach: the search at the last load
    // that reaches the destination, and in beyond the one at the answer.
    SearchRecord record;
    SearchRecord beyond;
    // The table kinds: every link's cost at the load, random effect off.
    LinkCosts costs;

    QString text;
    // The answer: a word ("none", "left out", "NoLink", "no path", "yes", "no") or a number.
    QString word;
    double number = 0;

    float factor() const;
    bool asksForVertex() const { return kind == NextVertex || kind == NextHop; }
    QString answerText() const;
    // Words are compared without case or spaces; a number agrees to two decimals.
    bool accepts(const QString &typed) const;
    static QString kindName(Kind kind);
};

// Ten questions on a network, drawn from a set number with a generator of their own, so that the
// same number, kinds and network give the same questions on every platform. Each question's
// situation is that of a program just started with its choices: no link kept from earlier
// cycles. A kind the network cannot ask about (every kind but Best route needs a link) is
// replaced by Best route.
class PracticeSet
{
public:
    using Kinds = QList<PracticeQuestion::Kind>;

    static constexpr int QuestionCount = 10;
    static constexpr int LowestNumber = 1;
    static constexpr int HighestNumber = 999999;

    PracticeSet(int number, const Kinds &kinds, const Topology &topology);
    // On the built-in network.
    PracticeSet(int number, const Kinds &kinds);

    // The kinds on the search: those of a set when none are chosen.
    static Kinds allKinds();
    // The kinds on routing tables, asked only when chosen.
    static Kinds tableKinds();
    static Kinds everyKind();
    static bool canAsk(PracticeQuestion::Kind kind, const Topology &topology);
    int number() const { return setNumber; }
    const Kinds &kinds() const { return chosenKinds; }
    const QList<PracticeQuestion> &questions() const { return list; }
    // The network the questions are about.
    const Topology &topology() const { return network; }

    // One search cycle with the random effect off on a fresh network, written down. The cycle
    // sets every link's factor to 1.
    static SearchRecord freshCycle(Topology &topology, int source, int destination, int load);

private:
    Topology network;
    int setNumber;
    Kinds chosenKinds;
    QList<PracticeQuestion> list;
};
