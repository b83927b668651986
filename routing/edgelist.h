// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "networkdraft.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// A network as text a learner types or pastes from a spreadsheet: one link a line,
// "source target weight", the vertices by label or number, separated by commas, tabs or spaces;
// "#" starts a comment. Vertices a line names that the network lacks are added, on a circle.
class EdgeList
{
    Q_DECLARE_TR_FUNCTIONS(EdgeList)

public:
    struct ReadResult
    {
        std::optional<NetworkDraft> network;
        QStringList errors; // one per line that cannot be read: "Line 4: ..."
    };

    // The network the text gives, keeping the vertices of the given one (their positions and
    // labels) that it names, and its name.
    static ReadResult read(const QString &text, const NetworkDraft &current);
    // The network's own list, which read() gives back as the same links.
    static QString write(const NetworkDraft &network);
};
