#pragma once

#include "platform/core/RandomSource.h"

#include <deque>
#include <initializer_list>

// A fake for tests that returns the given fractions in order. Running out of fractions is a
// fault of the test and throws std::out_of_range, so that a rejection loop cannot spin for ever.
class ScriptedRandom : public RandomSource
{
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> fractions) : m_fractions(fractions) { }

    void push(double r) { m_fractions.push_back(r); }
    void push(std::initializer_list<double> rs) { m_fractions.insert(m_fractions.end(), rs); }
    std::size_t remaining() const { return m_fractions.size(); }
    int reseeds() const { return m_reseeds; }

    double next() override;
    void reseed() override { ++m_reseeds; }

private:
    std::deque<double> m_fractions;
    int m_reseeds = 0;
};

// A source for statistical tests: the real generator with a fixed seed, so that a failing run
// can be repeated exactly. Reseeding moves on to the next fixed seed, never to the clock.
class FixedSeedRandom : public RandomSource
{
public:
    explicit FixedSeedRandom(std::uint64_t seed = 20050615) : m_seed(seed) { m_engine.seed(m_seed); }
    double next() override { return static_cast<double>(m_engine() >> 11) * 0x1.0p-53; }
    void reseed() override { m_engine.seed(++m_seed); }

private:
    std::uint64_t m_seed;
    std::mt19937_64 m_engine;
};
