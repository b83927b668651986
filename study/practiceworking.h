// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QStringList>

struct PracticeQuestion;

// How a practice question's answer comes about, in the words and numbers of the Search steps
// window and the drawing's tooltips.
class PracticeWorking
{
    Q_DECLARE_TR_FUNCTIONS(PracticeWorking)

public:
    static QStringList lines(const PracticeQuestion &question);
};
