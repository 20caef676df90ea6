// SPDX-License-Identifier: GPL-3.0-or-later
// The chance shown in the deployment window, worked out each time the
// player picks a general: it must feel instant (well under 5 ms).

#include "simulation/Odds.h"

#include <benchmark/benchmark.h>

using namespace stratagon;

namespace {

void BM_AttackChance(benchmark::State& state)
{
    const auto attacker = static_cast<int32_t>(state.range(0));
    const auto defender = static_cast<int32_t>(state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(attackChance(attacker, defender));
}
// Weak, even, and strong generals: the cost does not depend on them.
BENCHMARK(BM_AttackChance)->Args({3, 3})->Args({20, 25})->Args({90, 40})->Unit(benchmark::kMicrosecond);

}  // namespace
