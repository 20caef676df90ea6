// SPDX-License-Identifier: GPL-3.0-or-later
// The game's records over a hundred game years on the shipped map: the time
// of the per-tick bookkeeping and the memory the records end up holding.

#include "simulation/Clock.h"
#include "simulation/Records.h"
#include "simulation/Setup.h"

#include <benchmark/benchmark.h>
#include <memory>

using namespace stratagon;

namespace {

void BM_RecordsHundredYears(benchmark::State& state)
{
    auto w = std::make_unique<WorldState>();
    SeededRandom random(1);
    w->monthInterval = 416, w->aiDivisor = 16, w->side[0] = 4;
    startGame(*w, random, STRATAGON_ASSETS "/cards/Afrika.mgi");
    for (auto _ : state) {
        startRecords(*w);
        w->year = 2000, w->month = 1;
        for (int tick = 0; tick < 4 * 12 * 100; ++tick) {
            advanceCalendar(*w);
            recordTick(*w);
        }
        benchmark::DoNotOptimize(w->records.months.data());
    }
    state.counters["months"] = double(w->records.months.size());
    state.counters["bytes"] = double(recordsBytes(w->records));
}
BENCHMARK(BM_RecordsHundredYears)->Unit(benchmark::kMicrosecond);

}  // namespace
