// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practicedrawing.h"

#include "practiceset.h"

// The base keeps a reference to the reader, so it is not passed by value.
// clazy:excludeall=function-args-by-value
PracticeDrawing::PracticeDrawing(const NetworkReader &reader, QWidget *parent)
    : StepDrawing(reader, parent)
{
    setAccessibleName(tr("Network of the question"));
}

bool PracticeDrawing::showsSearch(const PracticeQuestion &question)
{
    return question.kind == PracticeQuestion::NextVertex
        || question.kind == PracticeQuestion::Distance;
}

SearchState PracticeDrawing::shownState(const PracticeQuestion &question)
{
    return showsSearch(question) ? question.record.stateAfter(question.step) : SearchState();
}

void PracticeDrawing::showQuestion(const PracticeQuestion &question)
{
    const bool search = showsSearch(question);
    const bool link = question.kind == PracticeQuestion::LoadTest
        || question.kind == PracticeQuestion::Cost || question.kind == PracticeQuestion::Label;
    const int current = search ? question.record.steps[question.step].current : -1;
    showStep(shownState(question), current, {}, search);
    setMarks({question.source, question.destination}, link ? question.source : -1,
        link ? question.destination : -1, !link);
    setAccessibleDescription(question.text);
}
