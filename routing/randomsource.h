// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The process-wide pseudo-random generator behind the network view's draws.
// By default it is the C library's srand()/rand(); tests may install other functions
// to make the draws deterministic or to count the seedings.
class RandomSource
{
public:
    using SeedFunction = void (*)(unsigned int seed);
    using DrawFunction = int (*)(); // any non-negative int; reduced to 0..MaxDraw

    static constexpr int MaxDraw = 32767;

    static void seed(unsigned int seed);
    static int draw();
    static unsigned int secondsSinceMidnight();

    static void setFunctions(SeedFunction seedFunction, DrawFunction drawFunction);

private:
    static SeedFunction seedFunction;
    static DrawFunction drawFunction;
};
