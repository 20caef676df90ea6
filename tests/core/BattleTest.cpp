// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of a tick: battles, the computer opponent, the clock and calendar.

#include "simulation/Battle.h"
#include "simulation/Clock.h"
#include "simulation/Opponent.h"
#include "simulation/PlayerActions.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

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
        w->countryOwner[3] = 1, openBattle(*w, 3, 2, 1, 1, c.dSlot);
        w->battles[1].defenderScore = c.score, w->battles[1].attackerScore = 100 - c.score;
        ScriptedRandom random;
        pushDraws(random, {c.r1, c.r2}, 5), battleStep(*w, random);
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
    const Case cases[] = {
        {1, 1, 4, 0, 0, 80 - 4 * rules.stepScale, 0},
        {100, 100, 4, 0, 0, 80 - 4 * rules.stepScale, 0},
        {3, 1, 2, 3, 0, 80 - 3 * rules.stepScale / 3, 0},
        {1, 1, 4, 0, limit - 2, 80 - 4 * rules.stepScale, 0},
        {1, 1, 4, 0, limit - 1, 80 - 4 * rules.stepScale, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(row(c.aEP, c.dEP, c.r1, c.r2, c.before));
        auto w = chainWorld(4);
        w->ruleSet = RulesZuegig;
        addGeneral(*w, 2, "Angreifer", c.aEP), addGeneral(*w, 1, "Verteidiger", c.dEP);
        w->countryOwner[3] = 1, openBattle(*w, 3, 2, 1, 1, 1);
        w->battles[1].ticks = c.before;
        ScriptedRandom random;
        pushDraws(random, {c.r1, c.r2}, 5), battleStep(*w, random, rulesOf(*w));
        const bool goesOn = c.owner == 0;
        EXPECT_EQ(row(w->playerBattleList[1].defenderScore, w->battleCount, w->countryOwner[3], w->generalEP[1][1],
                      w->generalStatus[2][1]),
                  row(c.score, goesOn, 1, c.dEP, goesOn ? InBattle : Training));
    }
    // Klassisch has no limit: a battle between two 3-EP generals may go on for ever.
    EXPECT_EQ(ruleTable(RulesKlassisch).battleTickLimit, std::numeric_limits<int>::max());
    EXPECT_EQ(&ruleTable(7), &ruleTable(RulesKlassisch));
}

TEST(Clock, ZuegigTickTrainsEachKindAtItsOddsAndRecruitsStronger)
{
    // C1 the player, C2 the opponent (no generals yet), C3 passive: one
    // general each in training; every draw is the last below the odds.
    const RuleTable& rules = ruleTable(RulesZuegig);
    auto w = chainWorld(3);
    w->ruleSet = RulesZuegig, w->aiDivisor = 4, w->countryKind[2] = KindOpponent;
    addGeneral(*w, 1, "Spieler", 5, Training), addGeneral(*w, 3, "Passiv", 5, Training);
    w->generalStatus[2][1] = Training;
    ScriptedRandom random;
    random.pushDraw(0, rules.trainingOdds[KindPlayer]);
    random.pushDraw(0, 10), random.pushDraw(1, 4 * rules.opponentTurnFactor);
    random.pushDraw(0, rules.trainingOdds[KindOpponent]);
    random.pushDraw(1, rules.trainingOdds[KindPassive]);
    clockTick(*w, random);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(row(w->generalEP[1][1], w->generalEP[2][1], w->generalEP[3][1]),
              row(6, rules.opponentRecruitEP + rules.opponentRecruitBonus / 4 + 1, 5));
}

TEST(Opponent, ZuegigRecruitsStrongerAtTheHardStrengthsAndKeepsGeneralsHome)
{
    // A recruit's EP by strength: the bonus is divided by the strength's divisor.
    const RuleTable& rules = ruleTable(RulesZuegig);
    std::string recruits;
    for (const int divisor : {256, 16, 4, 1}) {
        auto w = chainWorld(3);
        w->ruleSet = RulesZuegig, w->aiDivisor = divisor, w->countryKind[2] = KindOpponent;
        ScriptedRandom random;
        random.pushDraw(0, 10), random.pushDraw(divisor > 1 ? 1 : 0, divisor * rules.opponentTurnFactor);
        clockTick(*w, random);
        recruits += std::to_string(w->generalEP[2][1]) + " ";
    }
    EXPECT_EQ(recruits, "4 4 5 8 ");

    // Two generals stronger than both neighbours: Klassisch sends both out,
    // Zügig keeps its share at home.
    std::string battles;
    for (const int ruleSet : {RulesKlassisch, RulesZuegig}) {
        auto w = chainWorld(3);
        w->ruleSet = ruleSet, w->countryKind[2] = KindOpponent;
        addGeneral(*w, 2, "O", 10), addGeneral(*w, 2, "O", 9);
        opponentTurn(*w, 2);
        battles += std::to_string(w->battleCount) + " ";
    }
    EXPECT_EQ(battles, "2 " + std::to_string(2 - rules.opponentKeptHome) + " ");
}

TEST(Rules, StartingStrengthScalesOnlyPassiveGeneralsAndRecruitsTakeTheTablesEP)
{
    for (const RuleSet set : {RulesKlassisch, RulesZuegig}) {
        const RuleTable& rules = ruleTable(set);
        auto w = chainWorld(3);
        w->ruleSet = set, w->countryKind[2] = KindOpponent;
        for (int side = 1; side <= 3; ++side)
            addGeneral(*w, side, "G", 5), addGeneral(*w, side, "H", 1);
        applyStartingStrength(*w);
        const auto scaled = [&](int ep) { return (ep * rules.passiveStartPercent + 99) / 100; };
        EXPECT_EQ(row(w->generalEP[1][1], w->generalEP[2][1], w->generalEP[3][1], w->generalEP[3][2]),
                  row(5, 5, scaled(5), 1)) << rules.key;
        ASSERT_EQ(recruitGeneral(*w, "Neu"), RecruitOutcome::Recruited);
        EXPECT_EQ(w->generalEP[1][3], rules.playerRecruitEP);
    }
    EXPECT_EQ(row(ruleSetFromKey("zuegig"), ruleSetFromKey("klassisch"), ruleSetFromKey("Zügig"), ruleSetFromKey("")),
              "1|0|0|0");
}

TEST(Battle, TwoEndingInOneTickLeaveTheMovedEntriesUnstepped)
{
    auto w = chainWorld(8);
    for (int s = 1; s <= 8; ++s)
        addGeneral(*w, s, "G", 10);
    for (const auto& [country, attacker] : {std::pair{5, 2}, {6, 3}, {7, 4}, {8, 1}})
        openBattle(*w, country, attacker, 1, country, 1);
    w->battles[1].defenderScore = 97, w->battles[1].attackerScore = 3;
    w->battles[3].defenderScore = 3, w->battles[3].attackerScore = 97;
    ScriptedRandom random;
    pushDraws(random, {0, 4, 4, 0}, 5), battleStep(*w, random);  // C5: defender 101; C7, moved to 2: defender -1
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
    openBattle(*w, 5, 4, 1, 3, 1), openBattle(*w, 2, 1, 1, 2, 1);  // the first of two other sides
    ScriptedRandom random;
    pushDraws(random, {1, 1, 2, 1}, 5), battleStep(*w, random);  // d = 24 - 7 = 17
    ASSERT_EQ(w->playerBattleCount, 1);
    EXPECT_EQ(w->playerBattleList[1], (PlayerBattleEntry{"C2", "C1", 21, "Eigener", 12, "C2", 79, "Gegner", 7}));
    // The opponent attacks 30 of the player's countries: all step, 25 are listed.
    auto many = chainWorld(40);
    for (int c = 3; c <= 32; ++c, pushDraws(random, {0, 0}, 5)) {
        addGeneral(*many, 2, "G" + std::to_string(c - 2), 3);
        many->countryOwner[c] = 1, openBattle(*many, c, 2, c - 2, 1, 0);
    }
    battleStep(*many, random);
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
    openBattle(*w, 3, 1, 1, 2, 1);  // decided in this step: 161 : -61 before
    openBattle(*w, 5, 4, 1, 5, 0);  // C5 has no general: slot 0 stands in
    openBattle(*w, 2, 1, 0, 2, 1);  // the player's general was dismissed
    w->battles[1].defenderScore = 80;
    ScriptedRandom random;
    pushDraws(random, {4, 0, 0, 0, 0, 0}, 5), battleStep(*w, random);
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
    EXPECT_TRUE(!countryContested(*w, 2) && openBattle(*w, 2, 1, 3, 2, 1) == 1);
    EXPECT_EQ(battle(*w, 1), (BattleRow{2, 1, 3, 2, 1, 20, 80}));
    EXPECT_EQ(row(w->generalStatus[1][3], w->generalStatus[2][1], countryContested(*w, 2), countryContested(*w, 3)),
              row(InBattle, InBattle, true, false));
    w->battleCount = MaxBattles;
    EXPECT_EQ(row(openBattle(*w, 3, 1, 0, 3, 0), w->battleCount), row(0, MaxBattles));
}

TEST(Opponent, RecruitsFromTheNameTableAfterAReseedWithOneEPUpToNinetyNine)
{
    ScriptedRandom random;
    std::string names;
    for (int i = 0; i < 10; ++i)
        random.pushDraw(i, 10), names += std::string(pickOpponentName(random)) + " ";
    EXPECT_EQ(names + row(random.reseeds),
              "Zurwabwe Erwin Stormf Bepluppo Tellig Hammonde Tinkay Ibsyd Pouwo Labamba 10");
    auto w = chainWorld(3);
    addGeneral(*w, 2, "Alt", 30), w->generalStatus[2][2] = Training;  // a status left in the next slot stays
    random.pushDraw(4, 10), recruitOpponentGeneral(*w, random, 2);
    EXPECT_EQ(row(w->generalCount[2], w->generalName[2][2], w->generalEP[2][2], w->generalStatus[2][2]),
              row(2, "Tellig", 1, Training));
    w->generalCount[2] = MaxGenerals, recruitOpponentGeneral(*w, random, 2);
    EXPECT_EQ(row(w->generalCount[2], random.draws), row(MaxGenerals, 11));  // no name asked for
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
        {{10}, [](WorldState& w) { openBattle(w, 3, 4, 0, 3, 0); }, "3|0|3 1|1|1 "},  // C3 contested
        {{10}, [](WorldState& w) { w.neighbourName[2][1] = "Atlantis"; }, "3|1|3 "},
        // Fighting the player over C4 spares his home by its own index, not his colony C3.
        {{9, 9, 9}, [](WorldState& w) { w.countryOwner[3] = w.countryOwner[4] = 1, openBattle(w, 4, 2, 3, 1, 0); },
         "4|3|1 3|1|1 "},
        // 98 battles over a country off the map: room for one more
        {{10, 10}, [](WorldState& w) { std::fill_n(&w.battles[1].country, w.battleCount = MaxBattles - 1, 60); },
         nullptr},
    };
    for (const auto& [opponentEPs, prepare, expected] : cases) {
        auto w = chainWorld(5);
        for (w->countryKind[2] = KindOpponent; int ep : opponentEPs)
            addGeneral(*w, 2, "O", ep);
        prepare(*w);
        opponentTurn(*w, 2);
        std::string battles;
        for (int k = 1; k <= w->battleCount; ++k)
            battles += row(w->battles[k].country, w->battles[k].attackerGeneral, w->battles[k].defender) + " ";
        if (expected)
            EXPECT_EQ(battles, expected);
        else  // the 99th battle is the last of the turn
            EXPECT_EQ(row(w->battleCount, w->battles[MaxBattles].country, w->generalStatus[2][2]), row(MaxBattles, 1, 0));
    }
}

TEST(Clock, CalendarTurnsEveryFourthTickFromJanuary2000)
{
    auto w = chainWorld(2);
    w->year = 2000, w->month = 0, w->tickCount = 3;  // as the set-up leaves them
    ScriptedRandom random;
    std::string months;
    for (int tick = 0; tick < 49; ++tick, months += w->tickCount ? "" : w->monthName + " ")
        advanceCalendar(*w, random);
    EXPECT_EQ(months + dateText(*w), "Januar Februar März April Mai Juni Juli August September Oktober November "
                                     "Dezember Januar Januar 2001");
    EXPECT_EQ(random.reseeds, 13);  // once per month only
}

TEST(Clock, TickDrawsRecruitThenDifficultyThenTrainingUpToFiveGenerals)
{
    // C1 the player with a general in training; C2 the opponent with three;
    // C3 passive with a ready general and slot 0 in training.
    auto w = chainWorld(3);
    w->aiDivisor = 4, w->countryKind[2] = KindOpponent, w->shownCountry = 1, w->year = 2001, w->month = 5;
    addGeneral(*w, 1, "Spieler", 2, Training), addGeneral(*w, 3, "Passiv", 7, Ready);
    for (int j = 1; j <= 5; ++j)  // O1..O3 in training with 1 EP; slots 4 and 5 left in training
        w->generalStatus[2][j] = Training, w->generalEP[2][j] = j <= 3 ? 1 : 0;
    w->generalCount[2] = 3, w->generalStatus[3][0] = Training;
    ScriptedRandom random;
    // Each tick: C1's training; C2's name when it recruits, its difficulty
    // draw (aiDivisor 0 acts as 1) and its trainees'; C3's slot 0 (its ready
    // general draws nothing).
    const auto tick = [&](int name, int difficulty, int divisor, std::initializer_list<int> training) {
        random.pushDraw(0, 16);
        if (name >= 0)
            random.pushDraw(name, 10);
        random.pushDraw(difficulty, divisor), pushDraws(random, training, 16), random.pushDraw(0, 16);
        clockTick(*w, random);
        EXPECT_EQ(random.remaining(), 0u);
    };
    tick(6, 1, 4, {3, 3, 3, 0});  // recruits "Tinkay", who trains at once
    EXPECT_EQ(random.reseeds, 2);  // the tick and the name pick
    EXPECT_EQ(row(w->generalEP[1][1], w->generalName[2][4], w->generalEP[2][4], w->generalEP[3][0], w->generalEP[3][1]),
              "3|Tinkay|2|1|7");
    tick(1, 1, 4, {1, 1, 1, 1, 1});
    EXPECT_EQ(w->generalName[2][5], "Erwin");
    tick(-1, 1, 4, {1, 1, 1, 1, 1});
    EXPECT_EQ(row(w->generalCount[2], w->battleCount), "5|0");
    w->aiDivisor = 0, w->generalEP[2][1] = 9;
    tick(-1, 0, 1, {1, 1, 1, 1});  // O1 (9 EP) attacks the player's 6 EP and trains no more
    // The new battle steps from the next tick on.
    EXPECT_EQ(row(w->battleCount, w->battles[1].defenderScore, int(w->playerBattleCount)), "1|80|0");
}

TEST(Clock, TickShowsInOrderAndGeneralsOfAFinishedBattleTrainAtOnce)
{
    auto w = chainWorld(3);
    w->countryOwner[3] = 1, w->tickCount = 3, w->month = 5, w->year = 2001;
    addGeneral(*w, 3, "A", 10), addGeneral(*w, 2, "D", 10), openBattle(*w, 2, 3, 1, 2, 1);
    w->battles[1].defenderScore = 97, w->battles[1].attackerScore = 3;
    ScriptedRandom random;
    pushDraws(random, {0, 4}, 5), pushDraws(random, {0, 0}, 16);  // both generals are back in training
    RecordingView view(w.get());
    clockTick(*w, random);
    EXPECT_EQ(row(random.remaining(), w->generalEP[2][1], w->generalEP[3][1]), "0|16|11");
    EXPECT_EQ(view.calls, (std::vector<std::string>{"clear", "fill|10|5|red", "fill|20|5|green", "fill|30|5|red",
                                                    "battlePanel", "infoPanel", "date|Juni 2001"}));
}

TEST(Clock, NoTickStartsWhileAnotherWaitsForTheEndMessage)
{
    auto w = chainWorld(2);
    w->countryOwner[2] = 1;  // won
    SeededRandom random(1);
    RecordingView view(w.get());
    view.onMessage = [&] {
        EXPECT_TRUE(clockTickRunning());
        clockTick(*w, random);
    };
    clockTick(*w, random);
    EXPECT_EQ(view.calls.size(), 9u);  // clear, 2 fills, 2 panels, date, message, close, report: once
    EXPECT_FALSE(clockTickRunning());
}

TEST(Clock, InfoPanelShowsHeldCountriesUnderTheHoldersName)
{
    auto w = chainWorld(5);
    addGeneral(*w, 1, "Erster", 12), addGeneral(*w, 1, "Zweiter", 3), addGeneral(*w, 3, "Dritter", 5);
    w->countryOwner[3] = 1, w->countryOwner[4] = 2;
    std::string shown;  // country, continent, generals shown (the holder's)
    for (const int country : {3, 1, 5, 4, 250})
        fillPanelValues(*w, country), shown += row(w->land, w->Kontinent, w->Genralmenge, w->panelGeneralName[2]) + ";";
    EXPECT_EQ(shown, "C1, Kolonie : C3|Testland|2|Zweiter;C1, Kolonie : C1|Testland|2|Zweiter;C5|Testland|0|Zweiter;"
                     "C2, Kolonie : C4|Testland|0|Zweiter;|Testland|0|Zweiter;");
}
