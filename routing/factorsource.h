// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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

protected:
    static float fromDraw(int draw); // a draw of 0..RandomSource::MaxDraw as a factor
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

private:
    QRandomGenerator &generator;
};
