// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class NetworkReader;
class PracticeSet;

// A practice set as a worksheet for a class, in PDF: the set number and the questions with
// their drawings, a few to a page, then the answers with their workings on a page of their own.
class PracticeSheet
{
    Q_DECLARE_TR_FUNCTIONS(PracticeSheet)

public:
    static constexpr int QuestionsPerPage = 3;

    static QByteArray pdf(const PracticeSet &set, NetworkReader reader);
    static QString fileName(const PracticeSet &set);
    // Writes the bytes in one go, keeping any earlier file whole on failure; returns what went
    // wrong, naming the file, or an empty string.
    static QString save(const QByteArray &pdf, const QString &path);
};
