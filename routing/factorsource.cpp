// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "factorsource.h"

#include "randomsource.h"

#include <QRandomGenerator>

namespace {

// Shared by every model: the program's generator is seeded on its first random draw only.
bool programSeedPending = true;

} // namespace

FactorSource::~FactorSource() = default;

float FactorSource::fromDraw(int draw)
{
    return static_cast<float>(draw / double(RandomSource::MaxDraw));
}

float ProgramFactors::draw()
{
    if (programSeedPending) {
        programSeedPending = false;
        RandomSource::seed(RandomSource::secondsSinceMidnight());
        RandomSource::draw();
    }
    return fromDraw(RandomSource::draw());
}

PrivateFactors::PrivateFactors(QRandomGenerator &generator)
    : generator(generator)
{ }

float PrivateFactors::draw()
{
    return fromDraw(static_cast<int>(generator.bounded(RandomSource::MaxDraw + 1)));
}
