// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "factorsource.h"

#include "randomsource.h"

#include <QRandomGenerator>

#include <algorithm>
#include <array>

namespace {

// Shared by every model: the program's generator is seeded on its first random draw only.
bool programSeedPending = true;

} // namespace

FactorSource::~FactorSource() = default;

void FactorSource::drawMany(float *factors, int count)
{
    std::generate_n(factors, count, [this] { return draw(); });
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

void PrivateFactors::drawMany(float *factors, int count)
{
    std::array<quint32, Chunk> raw;
    for (int done = 0; done < count; done += Chunk) {
        const int now = std::min(Chunk, count - done);
        generator.fillRange(raw.data(), now);
        // As QRandomGenerator::bounded() reduces each generated value.
        for (int k = 0; k < now; ++k) {
            const auto reduced = (quint64(raw[size_t(k)]) * (RandomSource::MaxDraw + 1)) >> 32;
            factors[done + k] = fromDraw(static_cast<int>(reduced));
        }
    }
}
