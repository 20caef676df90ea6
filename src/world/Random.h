// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one source of chance for the rules. Tests replace it with scripted
// numbers so that every draw, and so every outcome, is fixed. A game draws
// from its own seeded source (GameRandom), seeded once when it starts: its
// seed and the number of draws taken say where it stands, so the game can
// be computed again.

#include <deque>
#include <random>
#include <stdexcept>

namespace stratagon {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform number in [0, 1).
    virtual double next() = 0;
    // A draw in 0..n-1: the integer part of n times one number.
    int draw(int n);
};

// The program's source outside any game: seeded once from the clock. It
// gives each new game its seed and the windows their suggestions (a
// recruit's name), never a game's draws.
class TimeSeededRandom final : public RandomSource {
public:
    TimeSeededRandom();
    double next() override;

private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

// A fixed seed: reproducible whole games (a game's own source, the soak,
// benchmarks). Every number takes exactly one step of the engine, so the
// count of draws taken restores the source.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(unsigned long long seed = 0) : seed_(seed), engine_(seed) {}
    double next() override
    {
        ++draws_;
        return std::generate_canonical<double, 53>(engine_);
    }
    unsigned long long seed() const { return seed_; }
    unsigned long long draws() const { return draws_; }
    // The source `draws` numbers after being seeded with `seed`.
    void restore(unsigned long long seed, unsigned long long draws);

private:
    unsigned long long seed_ = 0;
    unsigned long long draws_ = 0;
    std::mt19937_64 engine_;
};

// A game's source; a new game seeds it from the program's.
using GameRandom = SeededRandom;
// A seed for a new game, from two numbers of `source`.
unsigned long long drawSeed(RandomSource& source);

// Hands out the numbers it was given, in order; running out is a test fault.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> numbers) : numbers_(numbers) {}
    void push(double number) { numbers_.push_back(number); }
    // Queue the number that makes draw(n) give `value`.
    void pushDraw(int value, int n) { numbers_.push_back((value + 0.5) / n); }
    double next() override;
    std::size_t remaining() const { return numbers_.size(); }
    int draws = 0;

private:
    std::deque<double> numbers_;
};

}  // namespace stratagon
