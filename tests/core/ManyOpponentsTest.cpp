// SPDX-License-Identifier: GPL-3.0-or-later
// Games against one to five computer opponents: who is placed where by the
// set-up, and all of them acting in the same tick.

#include "ScriptedPlayer.h"

#include "simulation/Battle.h"
#include "simulation/Clock.h"
#include "simulation/Opponents.h"
#include "simulation/Setup.h"
#include "world/MapLoader.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

#include <set>

using namespace stratagon;
using namespace stratagon::test;

namespace {

const std::string Afrika = STRATAGON_ASSETS "/cards/Afrika.mgi";

struct Game {
    explicit Game(int player)
    {
        loadMap(*w, Afrika);
        w->monthInterval = 416, w->aiDivisor = 1, w->side[0] = player;
    }
    std::unique_ptr<WorldState> w = std::make_unique<WorldState>();
    SeededRandom random{5};
    RecordingView view{w.get()};
};

}  // namespace

// The set-up places chooseOpponents' countries on sides 1..n, played by the
// computer; the player's country never among them; out-of-range counts clamp.
TEST(ManyOpponents, TheSetUpPlacesTheChosenCountriesOnTheSides)
{
    for (const int player : {1, 9}) {
        for (const int count : {0, 1, 2, 3, 4, 5, 6}) {
            SCOPED_TRACE(row(player, count));
            Game g(player);
            ASSERT_TRUE(startGame(*g.w, g.random, Afrika, count));
            const WorldState& w = *g.w;
            const int n = std::clamp(count, 1, 5);
            const std::vector<int> chosen = chooseOpponents(w, player, n);
            ASSERT_EQ(w.sideMax, n);
            EXPECT_EQ(std::vector<int>(w.side.begin() + 1, w.side.begin() + 1 + n), chosen);
            EXPECT_TRUE(std::all_of(w.side.begin() + 1 + n, w.side.end(), [](int s) { return s == 0; }));
            int opponents = 0;
            for (int i = 1; i <= w.countryCount; ++i) {
                const bool isOpponent = std::find(chosen.begin(), chosen.end(), i) != chosen.end();
                opponents += w.countryKind[i] == KindOpponent;
                EXPECT_EQ(w.countryKind[i], i == player ? KindPlayer : isOpponent ? KindOpponent : KindPassive) << i;
            }
            EXPECT_EQ(opponents, n);
        }
    }
}

// Every opponent recruits and attacks in the same tick by the same rules, and
// a game against five keeps every invariant.
TEST(ManyOpponents, AllOpponentsActInOneTickAndAGameKeepsItsInvariants)
{
    Game g(1);
    ASSERT_TRUE(startGame(*g.w, g.random, Afrika, 5));
    WorldState& w = *g.w;
    for (int s = 1; s <= 5; ++s) {
        const int v = w.side[s];
        w.generalCount[v] = 0;
        addGeneral(w, v, "Stark", 1000000);
    }
    clockTick(w, g.random);
    std::set<int> attackers;
    for (int k = 1; k <= w.battleCount; ++k)
        attackers.insert(w.battles[k].attacker);
    for (int s = 1; s <= 5; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(w.generalCount[w.side[s]], 2);  // one recruit each
        EXPECT_EQ(attackers.count(w.side[s]), 1u);
    }
    EXPECT_EQ(attackers.size(), 5u);

    for (int tick = 0; tick < 2000 && w.playing; ++tick) {
        clockTick(w, g.random);
        ASSERT_EQ(checkInvariants(w), "") << tick;
    }
}

// A new game in the same world starts as in a fresh one: the opponents of a
// game before (more of them, or the player on country 9) neither recruit nor
// attack in the set-up tick, and the summary counts from an empty board.
TEST(ManyOpponents, ANewGameStartsCleanAfterAnyGameBefore)
{
    Game fresh(1);
    ASSERT_TRUE(startGame(*fresh.w, fresh.random, Afrika, 1));

    for (const auto& [player, count] : {std::pair{1, 5}, std::pair{9, 1}, std::pair{9, 5}}) {
        SCOPED_TRACE(row(player, count));
        Game g(player);
        ASSERT_TRUE(startGame(*g.w, g.random, Afrika, count));
        for (int tick = 0; tick < 400 && g.w->playing; ++tick)
            clockTick(*g.w, g.random);
        // Strong generals everywhere: any side left acting would attack.
        for (int s = 1; s <= g.w->sideMax; ++s)
            addGeneral(*g.w, g.w->side[s], "Stark", 1000000);

        g.w->side[0] = 1;
        g.w->playing = false;
        SeededRandom same{5};
        ASSERT_TRUE(startGame(*g.w, same, Afrika, 1));
        const WorldState& w = *g.w;
        EXPECT_EQ(w.battleCount, 0);
        EXPECT_EQ(w.countryKind, fresh.w->countryKind);
        EXPECT_EQ(w.countryOwner, fresh.w->countryOwner);
        EXPECT_EQ(w.generalCount, fresh.w->generalCount);
        for (int c = 1; c <= w.countryCount; ++c)
            for (int j = 1; j <= w.generalCount[c]; ++j)
                ASSERT_EQ(row(w.generalEP[c][j], w.generalStatus[c][j]),
                          row(fresh.w->generalEP[c][j], fresh.w->generalStatus[c][j])) << c << "/" << j;
        EXPECT_EQ(w.side, fresh.w->side);
        EXPECT_EQ(w.records, fresh.w->records);
    }
}
