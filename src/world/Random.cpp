// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/Random.h"

#include <chrono>

namespace stratagon {

int RandomSource::draw(int n)
{
    if (n <= 0)
        return 0;
    const int value = static_cast<int>(n * next());
    // Guard against a number that rounds up to 1.0 in n * x.
    return value >= n ? n - 1 : value;
}

TimeSeededRandom::TimeSeededRandom()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto nanos = static_cast<unsigned long long>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    std::seed_seq seq{static_cast<unsigned>(nanos), static_cast<unsigned>(nanos >> 32)};
    engine_.seed(seq);
}

double TimeSeededRandom::next()
{
    return uniform_(engine_);
}

void SeededRandom::restore(unsigned long long seed, unsigned long long draws)
{
    seed_ = seed;
    engine_.seed(seed);
    engine_.discard(draws);
    draws_ = draws;
}

unsigned long long drawSeed(RandomSource& source)
{
    const auto high = static_cast<unsigned long long>(source.next() * 4294967296.0);
    const auto low = static_cast<unsigned long long>(source.next() * 4294967296.0);
    return (high << 32) ^ low;
}

double ScriptedRandom::next()
{
    if (numbers_.empty())
        throw std::logic_error("ScriptedRandom: no number left");
    ++draws;
    const double x = numbers_.front();
    numbers_.pop_front();
    return x;
}

}  // namespace stratagon
