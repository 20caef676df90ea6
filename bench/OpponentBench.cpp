// SPDX-License-Identifier: GPL-3.0-or-later
// One computer opponent's turn, by character, in the middle of a game on
// the largest map against the player and four more opponents; and the exact
// chance of a battle asked for the first time, by rule set.

#include "ScriptedPlayer.h"
#include "simulation/Clock.h"
#include "simulation/Odds.h"
#include "simulation/Order.h"
#include "simulation/Setup.h"
#include "simulation/Strategy.h"
#include "world/MapLoader.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <memory>

using namespace stratagon;

namespace {

// Every draw 0: the opponent recruits if he may and takes his turn.
class AlwaysZero final : public RandomSource {
public:
    double next() override { return 0.0; }
};

// Asien, Zügig, five opponents, ten game years played by the scripted player
// at "Mittel", then "Irrsinnig".
std::unique_ptr<WorldState> midGame()
{
    auto w = std::make_unique<WorldState>();
    const std::string map = STRATAGON_ASSETS "/cards/Asien.mgi";
    w->monthInterval = 2500, w->aiDivisor = 16, w->ruleSet = RulesZuegig;
    if (!loadMap(*w, map).ok)
        return nullptr;
    w->side[0] = defaultSide(*w);
    SeededRandom random(3);
    const CharacterChoice mixed = CharacterChoice::mix();
    if (!startGame(*w, random, map, 5, nullptr, &mixed))
        return nullptr;
    ScriptedPlayer player;
    for (int tick = 0; tick < 48 * 10 && w->playing; ++tick) {
        player.act(*w);
        clockTick(*w, random);
    }
    w->aiDivisor = 1;
    return w;
}

void BM_OpponentTurn(benchmark::State& state)
{
    const auto character = static_cast<int>(state.range(0));
    const std::unique_ptr<WorldState> w = midGame();
    if (!w || !w->playing) {
        state.SkipWithError("no game to play in");
        return;
    }
    // The largest opponent still in the game plays the character, his free
    // generals far stronger than anyone: the turn looks at every country
    // within his reach and opens as many battles as it may.
    int side = 0, most = 0;
    for (int s = 1; s <= w->sideMax; ++s) {
        const int v = w->side[std::size_t(s)];
        const auto held = std::count(w->countryOwner.begin() + 1, w->countryOwner.begin() + 1 + w->countryCount, v);
        if (w->countryKind[v] == KindOpponent && held > most)
            side = v, most = static_cast<int>(held), w->opponentCharacter[std::size_t(s)] = character;
    }
    for (int j = 1; j <= w->generalCount[side]; ++j)
        w->generalEP[side][j] = 10000, w->generalStatus[side][j] = Training;
    const auto battles = w->battles;
    const int battleCount = w->battleCount;
    const auto count = w->generalCount;
    const auto status = w->generalStatus;
    AlwaysZero random;
    int orders = 0;
    for (auto _ : state) {
        TickReport report;
        strategyOf(character).play(*w, random, side, [&](const Order& o) {
            ++orders;
            return applyOrder(*w, o, report);
        });
        state.PauseTiming();
        w->battles = battles, w->battleCount = battleCount, w->generalCount = count, w->generalStatus = status;
        state.ResumeTiming();
    }
    state.counters["orders"] = benchmark::Counter(orders, benchmark::Counter::kAvgIterations);
    state.SetLabel(std::string(characterInfo(character).key) + ", " + std::to_string(most) + " countries");
}
BENCHMARK(BM_OpponentTurn)->DenseRange(0, CharacterCount - 1)->Unit(benchmark::kMicrosecond);

// Pairs of generals not asked for before in this run (62,500 of them, 1 to
// 250 EP each): mostly the solve itself, where the pair's steps are new.
void BM_AttackChanceFirstTime(benchmark::State& state)
{
    const RuleTable& rules = ruleTable(static_cast<int>(state.range(0)));
    int64_t i = 0;
    for (auto _ : state) {
        const auto attacker = static_cast<int32_t>(1 + i % 250);
        const auto defender = static_cast<int32_t>(1 + i / 250 % 250);
        ++i;
        benchmark::DoNotOptimize(attackChance(rules, attacker, defender));
    }
    state.SetLabel(std::string(rules.key));
}
BENCHMARK(BM_AttackChanceFirstTime)->Arg(RulesKlassisch)->Arg(RulesZuegig)->Unit(benchmark::kMicrosecond);

}  // namespace
