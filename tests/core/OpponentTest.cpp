// SPDX-License-Identifier: GPL-3.0-or-later
// The computer opponents: their recruits and turns, the choice of their
// countries, and one to five of them in a game.

#include "simulation/Opponent.h"
#include "simulation/Opponents.h"
#include "simulation/Order.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <tuple>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// An opponent's turn as the tick takes it: its battles told.
TickReport turn(WorldState& w, int side)
{
    TickReport report;
    opponentTurn(w, side, report);
    chronicle(w, report);
    return report;
}

}  // namespace

TEST(Opponent, ZuegigKeepsGeneralsHome)
{
    const RuleTable& rules = ruleTable(RulesZuegig);
    // Two generals stronger than both neighbours: Klassisch sends both out,
    // Zügig keeps its share at home.
    std::string battles;
    for (const int ruleSet : {RulesKlassisch, RulesZuegig}) {
        auto w = chainWorld(3);
        w->ruleSet = ruleSet, w->countryKind[2] = KindOpponent;
        addGeneral(*w, 2, "O", 10), addGeneral(*w, 2, "O", 9);
        turn(*w, 2);
        battles += std::to_string(w->battleCount) + " ";
    }
    EXPECT_EQ(battles, "2 " + std::to_string(2 - rules.opponentKeptHome) + " ");
}

TEST(Opponent, RecruitsFromTheContinentsPoolNeverTwiceOneNameAndTrainBeyondSlotFive)
{
    ScriptedRandom random;
    auto w = chainWorld(3);
    const auto recruit = [&](int draw) {
        const std::span<const std::string_view> pool = opponentNamePool(w->continentName);
        random.pushDraw(draw, int(pool.size()));
        TickReport report;
        return applyOrder(*w, Order::recruit(2, pickOpponentName(*w, random, 2)), report);
    };
    addGeneral(*w, 2, "Alt", 30), w->generalStatus[2][2] = Ready;  // a status left in the next slot stays
    ASSERT_TRUE(recruit(4));
    const auto everywhere = opponentNamePool("Testland");
    EXPECT_EQ(row(w->generalCount[2], w->generalName[2][2], w->generalEP[2][2], w->generalStatus[2][2]),
              row(2, everywhere[4], 1, Ready));
    ASSERT_TRUE(recruit(4));  // the same draw: the name is his already, the next one of the pool
    EXPECT_EQ(w->generalName[2][3], everywhere[5]);

    // Each shipped continent has its own names; a sixth recruit trains.
    w->continentName = "Europa", w->ruleSet = RulesZuegig, w->generalCount[2] = 5;
    ASSERT_TRUE(recruit(0));
    EXPECT_EQ(row(w->generalName[2][6], w->generalStatus[2][6], w->generalEP[2][6]),
              row(opponentNamePool("Europa")[0], Training, 8));  // Zügig's recruit at "Irrsinnig"
    EXPECT_NE(opponentNamePool("Europa")[0], opponentNamePool("Afrika")[0]);

    w->generalCount[2] = MaxGenerals;
    EXPECT_FALSE(recruit(0));
    EXPECT_EQ(w->generalCount[2], MaxGenerals);
}

TEST(Opponent, TurnAttacksWeakerUncontestedNeighboursWithItsBestGenerals)
{
    // The opponent holds C2 of a chain C1..C5 (C1 the player's); each case
    // prepares the world and lists every battle afterwards as
    // country|attacker's general|defender.
    using Prepare = std::function<void(WorldState&)>;
    const std::tuple<std::vector<int>, Prepare, const char*> cases[] = {
        {{10}, [](WorldState& w) { addGeneral(w, 1, "P", 10), addGeneral(w, 3, "Q", 9); }, "3|1|3 "},  // strictly
        {{6, 8}, [](WorldState& w) { addGeneral(w, 1, "P", 5), addGeneral(w, 3, "Q", 5); }, "1|2|1 3|1|3 "},
        {{8, 7}, [](WorldState& w) { w.countryOwner[3] = 2; }, "1|1|1 4|2|4 "},  // from every country held
        {{50}, [](WorldState& w) { w.generalStatus[2][1] = InBattle, w.generalEP[2][0] = 3; }, "1|0|1 3|0|3 "},
        {{0}, [](WorldState&) {}, ""},                                              // slot 0 without EP
        {{10}, [](WorldState& w) { fight(w, 3, 4, 0, 3, 0); }, "3|0|3 1|1|1 "},  // C3 contested
        {{10}, [](WorldState& w) { w.neighbourName[2][1] = "Atlantis"; }, "3|1|3 "},
        // Fighting the player over C4 spares his home by its own index, not his colony C3.
        {{9, 9, 9}, [](WorldState& w) { w.countryOwner[3] = w.countryOwner[4] = 1, fight(w, 4, 2, 3, 1, 0); },
         "4|3|1 3|1|1 "},
        // 98 battles over a country off the map: room for one more
        {{10, 10}, [](WorldState& w) {
             for (w.battleCount = 1; w.battleCount < MaxBattles; ++w.battleCount)
                 w.battles[w.battleCount].country = 60;
             --w.battleCount;
         }, nullptr},
    };
    for (const auto& [opponentEPs, prepare, expected] : cases) {
        auto w = chainWorld(5);
        for (w->countryKind[2] = KindOpponent; int ep : opponentEPs)
            addGeneral(*w, 2, "O", ep);
        prepare(*w);
        const int before = w->battleCount;
        const TickReport report = turn(*w, 2);
        EXPECT_EQ(report.happenings.size(), std::size_t(w->battleCount - before));  // each opening reported
        std::string battles;
        for (int k = 1; k <= w->battleCount; ++k)
            battles += row(w->battles[k].country, w->battles[k].attackerGeneral, w->battles[k].defender) + " ";
        if (expected)
            EXPECT_EQ(battles, expected);
        else  // the 99th battle is the last of the turn
            EXPECT_EQ(row(w->battleCount, w->battles[MaxBattles].country, w->generalStatus[2][2]), row(MaxBattles, 1, 0));
    }
}

TEST(Opponent, CountryNineUnlessItIsThePlayersThenTheStrongestApartFromHim)
{
    auto afrika = std::make_unique<WorldState>();
    ASSERT_TRUE(loadMap(*afrika, STRATAGON_ASSETS "/cards/Afrika.mgi").ok);
    const auto borders = [&](int a, int b) {
        for (int j = 1; j <= afrika->neighbourCount[a]; ++j)
            if (countryIndexByName(*afrika, afrika->neighbourName[a][j]) == b)
                return true;
        return false;
    };
    const std::vector<int> usual = chooseOpponents(*afrika, 1, 1);
    EXPECT_EQ(usual, std::vector<int>{9});
    for (const int player : {9, 1}) {
        SCOPED_TRACE(player);
        const std::vector<int> five = chooseOpponents(*afrika, player, 5);
        ASSERT_EQ(five.size(), 5u);
        for (std::size_t i = 0; i < five.size(); ++i) {
            EXPECT_NE(five[i], player);
            EXPECT_FALSE(borders(five[i], player)) << five[i];
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_TRUE(five[i] != five[j] && !borders(five[i], five[j])) << five[i] << " " << five[j];
        }
        // The first one alone is the first of more.
        EXPECT_EQ(chooseOpponents(*afrika, player, 1), std::vector<int>{five[0]});
    }
    // For player 9: the strongest country not bordering him.
    const int first = chooseOpponents(*afrika, 9, 1).at(0);
    for (int c = 1; c <= afrika->countryCount; ++c) {
        if (c != 9 && !borders(c, 9)) {
            EXPECT_LE(generalStrength(*afrika, c), generalStrength(*afrika, first)) << c;
        }
    }

    // A chain of five has no country 9: C5 lies farthest from C1 (all equally
    // weak), then C3 apart from both; when all that is left borders, the
    // lowest index comes first.
    auto chain = chainWorld(5);
    EXPECT_EQ(chooseOpponents(*chain, 1, 1), std::vector<int>{5});
    EXPECT_EQ(chooseOpponents(*chain, 1, 4), (std::vector<int>{5, 3, 2, 4}));
    addGeneral(*chain, 4, "Stark", 50);
    EXPECT_EQ(chooseOpponents(*chain, 1, 1), std::vector<int>{4});
    EXPECT_TRUE(chooseOpponents(*chainWorld(1), 1, 1).empty());
    EXPECT_EQ(chooseOpponents(*chainWorld(2), 1, 3), std::vector<int>{2});
}

// The set-up places chooseOpponents' countries on sides 1..n, played by the
// computer; the player's country never among them; out-of-range counts clamp.
TEST(Opponent, TheSetUpPlacesTheChosenCountriesOnTheSides)
{
    for (const int player : {1, 9}) {
        for (const int count : {0, 1, 2, 3, 4, 5, 6}) {
            SCOPED_TRACE(row(player, count));
            NewGame g(Afrika, 5, count, 1, RulesKlassisch, player);
            ASSERT_TRUE(g.setup);
            const WorldState& w = *g.w;
            const int n = std::clamp(count, 1, 5);
            const std::vector<int> chosen = chooseOpponents(w, player, n);
            ASSERT_EQ(w.sideMax, n);
            EXPECT_EQ(std::vector<int>(w.side.begin() + 1, w.side.begin() + 1 + n), chosen);
            EXPECT_TRUE(std::all_of(w.side.begin() + 1 + n, w.side.end(), [](int s) { return s == 0; }));
            for (int i = 1; i <= w.countryCount; ++i) {
                const bool isOpponent = std::find(chosen.begin(), chosen.end(), i) != chosen.end();
                EXPECT_EQ(w.countryKind[i], i == player ? KindPlayer : isOpponent ? KindOpponent : KindPassive) << i;
            }
        }
    }
}

// Every opponent recruits and attacks in the same tick by the same rules, and
// a game against five keeps every invariant.
TEST(Opponent, AllOpponentsActInOneTickAndAGameKeepsItsInvariants)
{
    NewGame g(Afrika, 5, 5, 1, RulesKlassisch, 1);
    ASSERT_TRUE(g.setup);
    WorldState& w = *g.w;
    for (int s = 1; s <= 5; ++s) {
        const int v = w.side[s];
        w.generalCount[v] = 0;
        addGeneral(w, v, "Stark", 1000000);
    }
    std::set<int> attackers;
    for (const Happening& h : clockTick(w, g.random).happenings)
        if (h.kind == Happening::Kind::BattleOpened)
            attackers.insert(h.battle.attacker);
    for (int s = 1; s <= 5; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(w.generalCount[w.side[s]], 2);  // one recruit each
        EXPECT_EQ(attackers.count(w.side[s]), 1u);
    }
    EXPECT_EQ(attackers.size(), 5u);

    g.play(2000, false);
}

// A new game in the same world starts as in a fresh one: the opponents of a
// game before (more of them, or the player on country 9) neither recruit nor
// attack in the set-up tick, and the summary counts from an empty board.
TEST(Opponent, ANewGameStartsCleanAfterAnyGameBefore)
{
    NewGame fresh(Afrika, 5, 1, 1, RulesKlassisch, 1);
    ASSERT_TRUE(fresh.setup);

    for (const auto& [player, count] : {std::pair{1, 5}, std::pair{9, 1}, std::pair{9, 5}}) {
        SCOPED_TRACE(row(player, count));
        NewGame g(Afrika, 5, count, 1, RulesKlassisch, player);
        ASSERT_TRUE(g.setup);
        g.play(400, false);
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
