// SPDX-License-Identifier: GPL-3.0-or-later
// The battles: how a step moves the scores and ends them, what the report
// says of them, the player's list and the chance of an attack.

#include "simulation/Battle.h"
#include "simulation/Odds.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace stratagon;
using namespace stratagon::test;

TEST(Battle, ScoreMovesByTheTruncatedTenthOfTheDifferenceAndBeyondTheEndsTheBattleIsDecided)
{
    // C3, held by the player (side 1, general 1 defends), attacked by side 2
    // (general 1); the draws r1 and r2 in 0..4 (d = 40, -15, 9, -9, 26, 0 in
    // the first six cases). Owner 0: the battle goes on.
    struct Case { int aEP, dEP, dSlot, score, r1, r2, listed, owner, aEPAfter, dEPAfter; };
    const Case cases[] = {
        {10, 10, 1, 80, 4, 0, 76, 0, 0, 0}, {0, 5, 1, 80, 4, 3, 81, 0, 0, 0}, {3, 0, 1, 80, 3, 4, 80, 0, 0, 0},
        {0, 3, 1, 80, 4, 3, 80, 0, 0, 0}, {7, 2, 1, 80, 4, 1, 78, 0, 0, 0},
        // No draw can move a score between generals of 2 EP or less: broken
        // off at once, the defender keeps the country, nobody earns EP.
        {0, 0, 1, 80, 4, 0, 80, 1, 0, 0}, {2, 2, 1, 80, 4, 0, 80, 1, 2, 2}, {2, 1, 1, 30, 4, 0, 30, 1, 2, 1},
        {0, 10, 0, 80, 0, 4, 80, 1, 0, 10},  // slot 0 stands in with no EP
        {0, 10, 1, 96, 0, 4, 100, 0, 0, 0},  // exactly 100 goes on
        {0, 10, 1, 97, 0, 4, 101, 1, 0, 15}, {30, 10, 1, 5, 4, 1, -6, 2, 35, 10},
        // d beyond 16 bits saturates instead of wrapping round to the other side's win
        {10000, 0, 1, 80, 4, 0, 80 - 3276, 2, 10005, 0}, {0, 10000, 1, 80, 0, 4, 80 + 3276, 1, 0, 10005},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(row(c.aEP, c.dEP, c.r1, c.r2));
        auto w = chainWorld(4);
        addGeneral(*w, 2, "Angreifer", c.aEP), addGeneral(*w, 1, "Verteidiger", c.dEP);
        w->countryOwner[3] = 1, fight(*w, 3, 2, 1, 1, c.dSlot);
        w->battles[1].defenderScore = c.score, w->battles[1].attackerScore = 100 - c.score;
        ScriptedRandom random;
        pushDraws(random, {c.r1, c.r2}, 5), step(*w, random);
        const bool goesOn = c.owner == 0;
        EXPECT_EQ(row(random.remaining(), int(w->playerBattleCount), w->playerBattleList[1].attackerScore,
                      w->playerBattleList[1].defenderScore, w->battleCount, w->battles[1].country, w->countryOwner[3]),
                  row(0, 1, std::clamp(100 - c.listed, 0, 100), std::clamp(c.listed, 0, 100), goesOn,
                      goesOn ? 3 : 0, goesOn ? 1 : c.owner));
        const GeneralStatus status = goesOn ? InBattle : Training;  // when it ends, both train
        EXPECT_EQ(row(w->generalEP[2][1], w->generalEP[1][1], w->generalStatus[2][1], w->generalStatus[1][c.dSlot]),
                  row(goesOn ? c.aEP : c.aEPAfter, goesOn ? c.dEP : c.dEPAfter, status, status));
    }
}

TEST(Battle, ZuegigMovesTheScoreByTheRatioOfTheEPAndBreaksOffAtTheTickLimit)
{
    const RuleTable& rules = ruleTable(RulesZuegig);
    // {attacker EP, defender EP, r1, r2, ticks fought before}: recruits move
    // like marshals; at the limit the defender keeps the country, unpaid.
    struct Case { int aEP, dEP, r1, r2, before, score, owner; };
    const int limit = rules.battleTickLimit;
    // The step for a draw difference d against the stronger general's EP.
    const auto moved = [&](int d, int strongerEP) { return d * rules.stepScale / (rules.stepPerEP * strongerEP); };
    const int start = 100 - rules.openingScore;  // the defender's opening score
    const Case cases[] = {
        {1, 1, 4, 0, 0, start - moved(4, 1), 0},
        {100, 100, 4, 0, 0, start - moved(400, 100), 0},
        {3, 1, 2, 3, 0, start - moved(3, 3), 0},
        {1, 1, 4, 0, limit - 2, start - moved(4, 1), 0},
        {1, 1, 4, 0, limit - 1, start - moved(4, 1), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(row(c.aEP, c.dEP, c.r1, c.r2, c.before));
        auto w = chainWorld(4);
        w->ruleSet = RulesZuegig;
        addGeneral(*w, 2, "Angreifer", c.aEP), addGeneral(*w, 1, "Verteidiger", c.dEP);
        w->countryOwner[3] = 1, fight(*w, 3, 2, 1, 1, 1);
        w->battles[1].ticks = c.before;
        ScriptedRandom random;
        pushDraws(random, {c.r1, c.r2}, 5), step(*w, random, rulesOf(*w));
        const bool goesOn = c.owner == 0;
        EXPECT_EQ(row(w->playerBattleList[1].defenderScore, w->battleCount, w->countryOwner[3], w->generalEP[1][1],
                      w->generalStatus[2][1]),
                  row(c.score, goesOn, 1, c.dEP, goesOn ? InBattle : Training));
    }
    EXPECT_EQ(&ruleTable(7), &ruleTable(RulesKlassisch));  // an unknown rule set plays Klassisch
}

TEST(Battle, TwoEndingInOneTickLeaveTheMovedEntriesUnstepped)
{
    auto w = chainWorld(8);
    for (int s = 1; s <= 8; ++s)
        addGeneral(*w, s, "G", 10);
    for (const auto& [country, attacker] : {std::pair{5, 2}, {6, 3}, {7, 4}, {8, 1}})
        fight(*w, country, attacker, 1, country, 1);
    w->battles[1].defenderScore = 97, w->battles[1].attackerScore = 3;
    w->battles[3].defenderScore = 3, w->battles[3].attackerScore = 97;
    ScriptedRandom random;
    pushDraws(random, {0, 4, 4, 0}, 5), step(*w, random);  // C5: defender 101; C7, moved to 2: defender -1
    EXPECT_EQ(row(random.draws, w->battleCount), "4|2");
    EXPECT_EQ(battle(*w, 1), (BattleRow{6, 3, 1, 6, 1, 20, 80}));
    EXPECT_EQ(battle(*w, 2), (BattleRow{8, 1, 1, 8, 1, 20, 80}));
    // The player's battle moved down before its turn: not listed.
    EXPECT_EQ(row(w->battles[3].country, w->countryOwner[5], w->countryOwner[7], int(w->playerBattleCount)), "0|5|4|0");
}

TEST(Battle, PlayersListHoldsOnlyHisBattlesAndAtMostTwentyFive)
{
    auto w = chainWorld(40);
    addGeneral(*w, 1, "Eigener", 12), addGeneral(*w, 2, "Gegner", 7);
    addGeneral(*w, 4, "Dritter", 5), addGeneral(*w, 3, "Vierter", 5);
    fight(*w, 5, 4, 1, 3, 1), fight(*w, 2, 1, 1, 2, 1);  // the first of two other sides
    ScriptedRandom random;
    pushDraws(random, {1, 1, 2, 1}, 5), step(*w, random);  // d = 24 - 7 = 17
    ASSERT_EQ(w->playerBattleCount, 1);
    EXPECT_EQ(w->playerBattleList[1], (PlayerBattleEntry{"C2", "C1", 21, "Eigener", 12, "C2", 79, "Gegner", 7}));
    // The opponent attacks 30 of the player's countries: all step, 25 are listed.
    auto many = chainWorld(40);
    for (int c = 3; c <= 32; ++c, pushDraws(random, {0, 0}, 5)) {
        addGeneral(*many, 2, "G" + std::to_string(c - 2), 3);
        many->countryOwner[c] = 1, fight(*many, c, 2, c - 2, 1, 0);
    }
    step(*many, random);
    EXPECT_EQ(row(random.remaining(), int(many->playerBattleCount), many->playerBattleList[25].country,
                  many->playerBattleList[25].attackerGeneral), "0|25|C27|G25");
}

// The panels' entry: the score where the battle ended (never past 100 or
// below 0), EP beyond 16 bits as they are, and who fights for a side
// without a general of its own.
TEST(Battle, TheEntryShowsTrueEPScoresWithinTheRangeAndEveryGeneral)
{
    auto w = chainWorld(6);
    addGeneral(*w, 1, "Riese", 40000), addGeneral(*w, 2, "Zwerg", 3), addGeneral(*w, 4, " ", 70000);
    w->countryOwner[3] = 2;
    fight(*w, 3, 1, 1, 2, 1);  // decided in this step: 161 : -61 before
    fight(*w, 5, 4, 1, 5, 0);  // C5 has no general: slot 0 stands in
    fight(*w, 2, 1, 0, 2, 1);  // the player's general was dismissed
    w->battles[1].defenderScore = 80;
    ScriptedRandom random;
    pushDraws(random, {4, 0, 0, 0, 0, 0}, 5), step(*w, random);
    ASSERT_EQ(w->playerBattleCount, 2);
    EXPECT_EQ(w->playerBattleList[1], (PlayerBattleEntry{"C3", "C1", 100, "Riese", 40000, "C2", 0, "Zwerg", 3}));
    EXPECT_EQ(w->playerBattleList[2], (PlayerBattleEntry{"C2", "C1", 20, "ohne General", 0, "C2", 80, "Zwerg", 3}));
    const std::vector<BattleOverviewRow> rows = battleOverview(*w);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(row(rows[1].entry.attackerGeneral, rows[1].entry.attackerEP, rows[1].entry.defenderGeneral),
              "General 1|70000|ohne General");
}

TEST(Battle, BestGeneralAndOpeningABattle)
{
    auto w = chainWorld(3);
    addGeneral(*w, 1, "a", 5), addGeneral(*w, 1, "b", 9, Training);
    addGeneral(*w, 1, "c", 9), addGeneral(*w, 1, "d", 20, InBattle);
    w->generalEP[1][0] = 50;  // slot 0 is never chosen
    EXPECT_EQ(bestGeneral(*w, 1), 2);  // the most EP not in battle, the lower slot on ties
    w->generalStatus[1][2] = InBattle;
    EXPECT_EQ(bestGeneral(*w, 1), 3);
    w->generalEP[1][1] = 0, w->generalEP[1][3] = -3;
    EXPECT_EQ(row(bestGeneral(*w, 1), bestGeneral(*w, 2), bestGeneral(*w, -1), bestGeneral(*w, 101)), "0|0|0|0");

    addGeneral(*w, 2, "e", 5);
    EXPECT_TRUE(!countryContested(*w, 2) && fight(*w, 2, 1, 3, 2, 1) == 1);
    EXPECT_EQ(battle(*w, 1), (BattleRow{2, 1, 3, 2, 1, 20, 80}));
    EXPECT_EQ(row(w->generalStatus[1][3], w->generalStatus[2][1], countryContested(*w, 2), countryContested(*w, 3)),
              row(InBattle, InBattle, true, false));
    w->battleCount = MaxBattles;
    EXPECT_EQ(row(fight(*w, 3, 1, 0, 3, 0), w->battleCount), row(0, MaxBattles));
}

// The report names both sides and the generals as they were, the winner and
// who held the country before; a general's new rank comes after his battle.
TEST(Battle, TheReportTellsEveryOpeningAndEndingWithWinnerAndFormerHolder)
{
    auto w = chainWorld(5);
    addGeneral(*w, 1, "Held", 4), addGeneral(*w, 2, "Feind", 20), addGeneral(*w, 2, "Zweiter", 20);
    addGeneral(*w, 3, "Wache", 20), addGeneral(*w, 3, "Klein", 1), addGeneral(*w, 5, "Schwach", 1);
    w->countryOwner[4] = 2;  // a colony of C2
    TickReport opened;
    openBattle(*w, 4, 1, 1, 2, 1, opened);  // the player's attack, won in this step
    openBattle(*w, 3, 2, 2, 3, 1, opened);  // moves down when the first ends: not stepped
    openBattle(*w, 5, 3, 2, 5, 1, opened);  // too weak to move: broken off
    EXPECT_EQ(told(opened), (std::vector<std::string>{"opened|4|1|2", "opened|3|2|3", "opened|5|3|5"}));
    EXPECT_EQ(row(opened.happenings[0].battle.attackerGeneralName, opened.happenings[0].battle.defenderGeneralName),
              "Held|Feind");
    EXPECT_TRUE(opened.anyBattleOpened() && !opened.anyBattleEnded());

    w->battles[1].defenderScore = 0, w->battles[1].attackerScore = 100;
    ScriptedRandom random;
    pushDraws(random, {4, 0, 0, 0}, 5);
    const TickReport report = step(*w, random);
    EXPECT_EQ(told(report), (std::vector<std::string>{"ended|4|1|2", "promoted|1|1|Held|9", "ended|5|5|5"}));
    const std::vector<BattleNews> taken = report.countriesTaken();
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(row(taken[0].country, taken[0].attackerGeneralName, w->countryOwner[4], w->countryOwner[5],
                  w->battleCount, w->battles[1].country, report.anyBattleOpened()),
              "4|Held|1|5|1|3|0");
}

TEST(Battle, OddsOfAnAttackAgreeWithASolvedSmallCaseAndWithBattlesPlayedByTheRules)
{
    // 300 against 300 EP: every draw moves the score by 30 * (r1 - r2), so
    // from 80 only the scores 80, 50 and 20 occur. Their chances, solved
    // here by plain repetition of the three equations.
    const double k[9] = {1, 2, 3, 4, 5, 4, 3, 2, 1};  // ways to get r1 - r2 = -4..4, of 25
    auto ways = [&](int lo, int hi) {
        double sum = 0;
        for (int d = lo; d <= hi; ++d)
            sum += k[d + 4];
        return sum / 25;
    };
    double p80 = 0, p50 = 0, p20 = 0;
    for (int i = 0; i < 2000; ++i) {
        const double n80 = ways(3, 4) + ways(0, 0) * p80 + ways(1, 1) * p50 + ways(2, 2) * p20;
        const double n50 = ways(2, 4) + ways(0, 0) * p50 + ways(1, 1) * p20 + ways(-1, -1) * p80;
        const double n20 = ways(1, 4) + ways(0, 0) * p20 + ways(-1, -1) * p50 + ways(-2, -2) * p80;
        p80 = n80, p50 = n50, p20 = n20;
    }
    EXPECT_NEAR(attackChance(300, 300), p80, 1e-9);

    // The sure and the hopeless cases, and generals too weak to move the
    // score: that battle never ends and is never won.
    EXPECT_EQ(row(attackChance(100, 0), attackChance(0, 100), attackChance(1, 1)), "1|0|0");

    // Battles of the real battle step, counted.
    for (const auto& [a, d] : {std::pair{30, 20}, {20, 30}, {25, 25}, {60, 15}}) {
        SCOPED_TRACE(row(a, d));
        SeededRandom random(7);
        int won = 0;
        const int battles = 4000;
        auto w = chainWorld(2);
        addGeneral(*w, 1, "A", a), addGeneral(*w, 2, "D", d);
        for (int b = 0; b < battles; ++b) {
            w->countryOwner[2] = 2, w->generalEP[1][1] = a, w->generalEP[2][1] = d;
            fight(*w, 2, 1, 1, 2, 1);
            while (w->battleCount > 0)
                step(*w, random);
            won += w->countryOwner[2] == 1;
        }
        EXPECT_NEAR(attackChance(a, d), double(won) / battles, 0.03);
    }
}
