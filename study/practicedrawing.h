// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stepdrawing.h"

struct PracticeQuestion;

// A practice question's network: the search at the step it is shown after, or the question's
// endpoints or link marked, drawn as the Search steps window draws a step.
class PracticeDrawing : public StepDrawing
{
    Q_OBJECT

public:
    explicit PracticeDrawing(const NetworkReader &reader, QWidget *parent = nullptr);

    void showQuestion(const PracticeQuestion &question);
    // The state the question shows, for its Distances table; empty but for the step kinds.
    static SearchState shownState(const PracticeQuestion &question);
    static bool showsSearch(const PracticeQuestion &question);
};
