// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "randomsource.h"

#include <QList>

// Stands in for the C library generator: hands out queued values and counts what is asked.
struct ScriptedDraws
{
    static inline QList<int> queue;
    static inline int fallback = RandomSource::MaxDraw;
    static inline int seeds = 0;
    static inline int draws = 0;
    static inline unsigned int lastSeed = 0;

    static void seed(unsigned int value)
    {
        ++seeds;
        lastSeed = value;
    }
    static int draw()
    {
        ++draws;
        return queue.isEmpty() ? fallback : queue.takeFirst();
    }
    static void install() { RandomSource::setFunctions(seed, draw); }
};
