#include "platform/core/RandomSource.h"

#include <chrono>
#include <cmath>

int randBelow(RandomSource &source, int n)
{
    return static_cast<int>(std::floor(source.next() * n));
}

int coin(RandomSource &source)
{
    return static_cast<int>(std::floor(source.next() + 0.5));
}

ClockSeededRandom::ClockSeededRandom()
{
    reseed();
}

double ClockSeededRandom::next()
{
    // 53 random bits scaled into [0, 1): never 1, unlike some generate_canonical implementations.
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}

void ClockSeededRandom::reseed()
{
    // Reseeding twice within one clock tick must not repeat a sequence, so a counter is mixed in.
    const auto ticks
        = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seq {static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                       static_cast<std::uint32_t>(++m_reseeds)};
    m_engine.seed(seq);
}
