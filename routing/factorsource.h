// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "randomsource.h"

class QRandomGenerator;

// Where the random factors of a search cycle come from while the random effect is on: each
// draw lies between 0 and 1, both included.
class FactorSource
{
public:
    FactorSource() = default;
    FactorSource(const FactorSource &) = delete;
    FactorSource &operator=(const FactorSource &) = delete;
    virtual ~FactorSource();

    virtual float draw() = 0;
    // As many draws as asked for, in the order draw() would give them.
    virtual void drawMany(float *factors, int count);

protected:
    // A draw of 0..RandomSource::MaxDraw as a factor; inline, as a cycle makes one a link.
    static float fromDraw(int draw)
    {
        return static_cast<float>(draw / double(RandomSource::MaxDraw));
    }
};

// The program's own: the process-wide generator, seeded with the time of day on the first
// draw in the process's life and one value discarded.
class ProgramFactors final : public FactorSource
{
public:
    float draw() override;
};

// A generator of the caller's own, which leaves the program's alone.
class PrivateFactors final : public FactorSource
{
public:
    explicit PrivateFactors(QRandomGenerator &generator);
    float draw() override;
    // In one call to the generator: one a link costs more than the rest of a cycle.
    void drawMany(float *factors, int count) override;

private:
    static constexpr int Chunk = 256;
    QRandomGenerator &generator;
};
