// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one source of chance for the rules. Tests replace it with scripted
// numbers so that every draw, and so every outcome, is fixed.

#include <deque>
#include <random>
#include <stdexcept>

namespace stratagon {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform number in [0, 1).
    virtual double next() = 0;
    // Reseed from the time of day.
    virtual void reseed() = 0;
    // A draw in 0..n-1: the integer part of n times one number.
    int draw(int n);
};

// The program's source: a Mersenne twister reseeded from the clock.
class TimeSeededRandom final : public RandomSource {
public:
    TimeSeededRandom();
    double next() override;
    void reseed() override;

private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
    unsigned long long reseedCount_ = 0;
};

// A fixed seed and no reseeding: reproducible whole games (soak, benchmarks).
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(unsigned long long seed) : engine_(seed) {}
    double next() override { return uniform_(engine_); }
    void reseed() override {}

private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

// Hands out the numbers it was given, in order; running out is a test fault.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> numbers) : numbers_(numbers) {}
    void push(double number) { numbers_.push_back(number); }
    // Queue the number that makes draw(n) give `value`.
    void pushDraw(int value, int n) { numbers_.push_back((value + 0.5) / n); }
    double next() override;
    void reseed() override { ++reseeds; }
    std::size_t remaining() const { return numbers_.size(); }
    int reseeds = 0;
    int draws = 0;

private:
    std::deque<double> numbers_;
};

}  // namespace stratagon
