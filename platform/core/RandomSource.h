#pragma once

#include <cstdint>
#include <random>

// A uniform source of fractions r with 0 <= r < 1.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    // Reseeds the source from the clock.
    virtual void reseed() = 0;
};

// floor(r * n) for a fresh fraction r: a whole number from 0 to n - 1.
int randBelow(RandomSource &source, int n);

// A coin: floor(r + 0.5) for a fresh fraction r, so 0 when r < 0.5 and 1 otherwise.
int coin(RandomSource &source);

// The real source: a 64-bit Mersenne Twister reseeded from a high-resolution clock.
class ClockSeededRandom : public RandomSource
{
public:
    ClockSeededRandom();
    double next() override;
    void reseed() override;

private:
    std::mt19937_64 m_engine;
    std::uint64_t m_reseeds = 0;
};
