// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

// The program's one font of its own, bold Times: the buttons' captions and the drawing's
// messages, each at its own size.
inline QFont boldFont(int pointSize)
{
    return QFont(QStringLiteral("Times"), pointSize, QFont::Bold, false);
}
