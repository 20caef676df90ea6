// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/WorldState.h"

#include <benchmark/benchmark.h>
#include <memory>

using namespace stratagon;

// A map click resolves its cell code over all countries.
static void BM_CodeToCountryFullMap(benchmark::State& state)
{
    auto world = std::make_unique<WorldState>();
    world->countryCount = MaxCountries;
    for (int i = 1; i <= MaxCountries; ++i)
        world->countryCode[i] = std::string(1, static_cast<char>(' ' + i));
    for (auto _ : state)
        benchmark::DoNotOptimize(codeToCountry(*world, "Z"));
}
BENCHMARK(BM_CodeToCountryFullMap);
