// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "randomsource.h"

#include <QTime>

#include <cstdlib>

namespace {

void standardSeed(unsigned int seed)
{
    std::srand(seed);
}

int standardDraw()
{
    return std::rand();
}

} // namespace

RandomSource::SeedFunction RandomSource::seedFunction = standardSeed;
RandomSource::DrawFunction RandomSource::drawFunction = standardDraw;

void RandomSource::seed(unsigned int seed)
{
    seedFunction(seed);
}

int RandomSource::draw()
{
    // 32768 divides RAND_MAX + 1 on every platform where it is larger, so this stays uniform.
    return drawFunction() % (MaxDraw + 1);
}

unsigned int RandomSource::secondsSinceMidnight()
{
    return static_cast<unsigned int>(QTime(0, 0, 0, 0).secsTo(QTime::currentTime()));
}

void RandomSource::setFunctions(SeedFunction seed, DrawFunction draw)
{
    seedFunction = seed;
    drawFunction = draw;
}
