// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

// The colours of the network as the main drawing shows it, shared with the windows that draw it
// the same way: a pair's two directions told apart by colour, its lower-numbered source's one
// "forward".
namespace NetworkColors {

inline const QColor ForwardLine(0, 65, 85, 170);
inline const QColor ReverseLine(85, 0, 45, 170);
inline const QColor ForwardLabel(0, 0, 85, 150);
inline const QColor ReverseLabel(85, 0, 0, 150);
inline const QColor VertexBrush(70, 160, 105, 240);

} // namespace NetworkColors
