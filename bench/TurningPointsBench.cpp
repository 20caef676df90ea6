// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a game's turning points, and computing it again from its trail.

#include "ScriptedPlayer.h"
#include "simulation/PlayerActions.h"
#include "simulation/Setup.h"
#include "simulation/Trail.h"
#include "simulation/TurningPoints.h"
#include "world/MapLoader.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace stratagon;

namespace {

// 300 game years of records on Asien with five opponents whose counts
// wander month by month, the player's too.
std::unique_ptr<WorldState> longRecords()
{
    auto w = std::make_unique<WorldState>();
    loadMap(*w, STRATAGON_ASSETS "/cards/Asien.mgi");
    w->sideMax = 5;
    SeededRandom random(4);
    std::array<int, RecordedSides> held{5, 5, 5, 5, 5, 5};
    for (int i = 0; i < 300 * 12; ++i) {
        MonthSample m{2000 + i / 12, uint8_t(i % 12 + 1), 0, {}};
        for (std::size_t s = 0; s <= 5; ++s) {
            held[s] = std::clamp(held[s] + random.draw(3) - 1, 0, 15);
            m.held[s] = uint8_t(held[s]);
        }
        w->records.months.push_back(m);
    }
    return w;
}

void BM_TurningPointsThreeHundredYears(benchmark::State& state)
{
    const auto w = longRecords();
    for (auto _ : state)
        benchmark::DoNotOptimize(turningPoints(*w));
    state.counters["months"] = double(w->records.months.size());
}
BENCHMARK(BM_TurningPointsThreeHundredYears)->Unit(benchmark::kMillisecond);

// A game on Afrika against three opponents at "Sehr Leicht", its trail
// kept, for `years` game years (or to its end): the player keeps ten
// generals in training at home and attacks once in twenty years, so that
// the war lasts.
struct KeptGame {
    explicit KeptGame(int years)
    {
        const std::string map = STRATAGON_ASSETS "/cards/Afrika.mgi";
        loadMap(*w, map);
        w->monthInterval = 833, w->aiDivisor = 256, w->side[0] = defaultSide(*w);
        startGame(*w, random, map, 3);
        trail = startTrail(*w, random);
        ScriptedPlayer attacker(10);
        const int me = w->side[0];
        for (int t = 0; t < years * 48 && w->playing; ++t) {
            if (t % (20 * 48) == 0)
                attacker.act(*w, &trail);
            for (int s = 1; s <= w->generalCount[me]; ++s)
                if (w->generalStatus[me][s] == Ready && setGeneralTask(*w, s, Training) == TaskOutcome::Set)
                    noteOrder(trail, Order::setTask(me, s, Training));
            trailTick(*w, random, trail);
        }
    }
    std::unique_ptr<WorldState> w = std::make_unique<WorldState>();
    SeededRandom random{21};
    GameTrail trail;
};

// The game as "Ansehen" plays it back, every tick, to its end.
void BM_PlayBackWholeGame(benchmark::State& state)
{
    const KeptGame game(int(state.range(0)));
    for (auto _ : state) {
        Replay replay(game.trail);
        while (!replay.atEnd())
            replay.step();
        benchmark::DoNotOptimize(replay.world().year);
    }
    state.counters["years"] = double(game.trail.ticks) / 48;
}
BENCHMARK(BM_PlayBackWholeGame)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);

// "Noch einmal ab hier" at the game's last month: the longest way there.
void BM_ResumeLastMonth(benchmark::State& state)
{
    const KeptGame game(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(branchAt(game.trail, game.trail.ticks));
    state.counters["years"] = double(game.trail.ticks) / 48;
}
BENCHMARK(BM_ResumeLastMonth)->Arg(300)->Unit(benchmark::kMillisecond);

}  // namespace
