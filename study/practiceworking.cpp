// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practiceworking.h"

#include "explanations.h"
#include "link.h"
#include "practiceset.h"
#include "stepnarration.h"

namespace {

// The sentence of a search's last row, or why the cycle ran none.
QString outcome(const SearchRecord &record)
{
    const StepNarration narration(record);
    return narration.sentence(narration.rowCount() - 1);
}

// What a step worked out: its heading, the vertices it has a link to or finds nearest, and
// its choice; the Search steps window lists every unsettled vertex.
QStringList stepLines(const SearchRecord &record, int row, int onlyVertex)
{
    const QStringList examined = StepNarration(record).examined(row);
    const SearchStep &step = record.steps[row - 1];
    QStringList lines {examined.first()};
    for (int i = 0; i < static_cast<int>(step.examined.size()); ++i) {
        const ExaminedVertex &vertex = step.examined[i];
        const bool wanted
            = onlyVertex >= 0 ? vertex.vertex == onlyVertex : vertex.hasLink || vertex.becomesBest;
        if (wanted)
            lines << examined[i + 1];
    }
    if (onlyVertex < 0)
        lines << examined.last();
    return lines;
}

} // namespace

QStringList PracticeWorking::lines(const PracticeQuestion &question)
{
    const int row = question.step + 1;
    const Link link {question.destination, static_cast<float>(question.weight), question.factor()};
    switch (question.kind) {
    case PracticeQuestion::NextVertex:
        return stepLines(question.record, row, -1) << StepNarration(question.record).sentence(row);
    case PracticeQuestion::Distance:
        return stepLines(question.record, row, question.vertex);
    case PracticeQuestion::LoadTest:
        return {Explanations::loadTestLine(question.load, question.factor(), true)};
    case PracticeQuestion::Cost:
        return {Explanations::searchCostLine(question.load, question.factor(), link)};
    case PracticeQuestion::Label:
        return {Explanations::labelLine(question.load, link)};
    case PracticeQuestion::BestRoute:
        return {outcome(question.record)};
    case PracticeQuestion::Reach:
        break;
    }
    QStringList lines;
    if (question.load > 0)
        lines << tr("At load %1: %2").arg(question.load - 1).arg(outcome(question.record));
    lines << tr("At load %1: %2").arg(question.load).arg(outcome(question.beyond));
    return lines;
}
