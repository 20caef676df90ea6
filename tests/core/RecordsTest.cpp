// SPDX-License-Identifier: GPL-3.0-or-later
// The game's story: month samples, the player's counts and peaks, over a
// scripted game with known conquests and over whole games.

#include "ScriptedPlayer.h"

#include "simulation/Battle.h"
#include "simulation/Clock.h"
#include "simulation/PlayerActions.h"
#include "simulation/Records.h"
#include "simulation/Setup.h"
#include "world/MapLoader.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// Ends battle k in the next step: draws of 0 leave the scores as set.
void decide(WorldState& w, int k, bool attackerWins)
{
    w.battles[k].defenderScore = attackerWins ? -50 : 250;
    ScriptedRandom random;
    for (int b = 1; b <= w.battleCount; ++b)
        pushDraws(random, {0, 0}, 5);
    battleStep(w, random);
}

void tickIn(WorldState& w, int month)
{
    w.month = month;
    recordTick(w);
}

std::string sample(const MonthSample& m)
{
    return row(m.year, int(m.month), int(m.held[0]), int(m.held[1]), int(m.passive));
}

}  // namespace

// Battles already under way when the story starts (the set-up tick's) end in
// it, so they count among the attacks: every battle won or lost was opened.
TEST(Records, BattlesUnderWayAtTheStartCountAsOpened)
{
    auto w = chainWorld(4);
    w->year = 2000, w->month = 1;
    addGeneral(*w, 1, "Anna", 5), addGeneral(*w, 2, "Feind", 5), addGeneral(*w, 3, "Dritter", 5);
    openBattle(*w, 1, 2, 1, 1, 1);  // on the player
    openBattle(*w, 4, 3, 1, 4, 0);  // between others
    startRecords(*w);
    EXPECT_EQ(row(w->records.attacksSuffered, w->records.battlesOpened), row(1, 0));
    decide(*w, 1, true);
    tickIn(*w, 1);
    EXPECT_EQ(w->records.battlesWon + w->records.battlesLost, 1);
}

TEST(Records, KnownConquestsGiveKnownLinesAndFigures)
{
    // C1 the player, C2 the opponent, C3..C5 passive; 400 ms a month.
    auto w = chainWorld(5);
    w->monthInterval = 400, w->year = 2000, w->month = 1;
    addGeneral(*w, 2, "Feind", 3);
    startRecords(*w);
    recruitGeneral(*w, "Anna"), recruitGeneral(*w, "Bert"), dismissGeneral(*w, 2);

    // February: C3 taken.
    ASSERT_EQ(launchAttack(*w, 3, 1), AttackOutcome::Launched);
    decide(*w, 1, true);
    tickIn(*w, 2);
    // March: the opponent takes C3 back, an attack on C4 fails; two ticks.
    openBattle(*w, 3, 2, 1, 1, 1), decide(*w, 1, true);
    ASSERT_EQ(launchAttack(*w, 4, 1), AttackOutcome::Launched);
    decide(*w, 1, false);
    tickIn(*w, 3), tickIn(*w, 3);
    // April: the opponent's home falls; a battle between others counts for no one.
    ASSERT_EQ(launchAttack(*w, 2, 1), AttackOutcome::Launched);
    decide(*w, 1, true);
    openBattle(*w, 4, 2, 1, 4, 0), decide(*w, 1, true);
    tickIn(*w, 4);
    w->paceStep = 3, tickIn(*w, 4);  // at four times the pace a tick is a quarter as long

    const GameRecords& r = w->records;
    std::vector<std::string> lines;
    for (const MonthSample& m : r.months)
        lines.push_back(sample(m));
    EXPECT_EQ(lines, (std::vector<std::string>{"2000|1|1|1|3", "2000|2|2|1|2", "2000|3|1|2|2", "2000|4|2|2|1"}));
    // Anna: EP 1, +5 for February, +5 for April: "Feldwebel" (level 6) in April.
    EXPECT_EQ(row(r.battlesOpened, r.battlesWon, r.battlesLost, r.attacksSuffered, r.countriesTaken, r.countriesLost,
                  r.generalsRecruited, r.generalsDismissed, r.highestRank, r.highestRankDate.month, r.largestEmpire,
                  r.largestEmpireDate.month, r.playedMs, recordedMonths(r)),
              row(3, 2, 2, 1, 2, 1, 2, 1, 6, 4, 2, 2, 4 * 100 + 25, 3));
}

TEST(Records, WholeGamesAddUpMonthByMonthAndToTheEnd)
{
    // Scripted players on the shipped map until the game is decided: every
    // country counted once a month, the months consecutive, the conquests
    // adding up to the end, the last month the final position.
    for (int seed = 1; seed <= 3; ++seed) {
        SCOPED_TRACE(seed);
        auto w = std::make_unique<WorldState>();
        const std::string map = STRATAGON_ASSETS "/cards/Afrika.mgi";
        ASSERT_TRUE(loadMap(*w, map).ok);
        w->monthInterval = 416, w->aiDivisor = 1, w->side[0] = defaultSide(*w);
        SeededRandom random(seed);
        RecordingView view(w.get());
        ASSERT_TRUE(startGame(*w, random, map));
        ScriptedPlayer player;
        int ticks = 0;
        for (; w->playing && ticks < 48 * 100; ++ticks)
            player.act(*w), clockTick(*w, random);

        const GameRecords& r = w->records;
        ASSERT_FALSE(r.months.empty());
        for (std::size_t i = 0; i < r.months.size(); ++i) {
            const MonthSample& m = r.months[i];
            EXPECT_EQ(m.held[0] + m.held[1] + m.passive, w->countryCount) << i;
            EXPECT_EQ((m.year - 2000) * 12 + m.month - 1, int(i));
        }
        const int held = r.months.back().held[0];
        EXPECT_EQ(held, std::count(&w->countryOwner[1], &w->countryOwner[1] + w->countryCount, w->side[0]));
        EXPECT_EQ(row(1 + r.countriesTaken - r.countriesLost, r.playedMs, recordedMonths(r)),
                  row(held, int64_t{ticks} * 104, int(r.months.size()) - 1));
        EXPECT_GE(r.largestEmpire, held);
        EXPECT_LE(r.battlesWon + r.battlesLost, r.battlesOpened + r.attacksSuffered);
        EXPECT_GE(r.battlesOpened, 1);
    }
}
