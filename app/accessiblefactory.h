// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLCDNumber;
class QWidget;

// How the program's own widgets appear to assistive technology: each value control as the one
// slider it is, the trial counter with its value, the network view as a described graphic.
// Call once, before the window is made.
void installAccessibleFactory();

// Leaves a widget out of what assistive technology presents, because it only repeats what
// another widget says or only makes space.
void markDecorative(QWidget *widget);

// Presents a readout as a counter of its own, named by its accessible name, with its value.
void markCounter(QLCDNumber *counter);
