#include "simulation/Battle.h"
#include "simulation/Opponent.h"

#include "WholeGameSupport.h"

#include <gtest/gtest.h>

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
        {0, 3, 1, 80, 4, 3, 80, 0, 0, 0}, {7, 2, 1, 80, 4, 1, 78, 0, 0, 0}, {0, 0, 1, 80, 4, 0, 80, 0, 0, 0},
        {0, 10, 0, 80, 0, 4, 80, 0, 0, 0},   // slot 0 stands in with no EP
        {0, 10, 1, 96, 0, 4, 100, 0, 0, 0},  // exactly 100 goes on
        {0, 10, 1, 97, 0, 4, 101, 1, 0, 15}, {30, 10, 1, 5, 4, 1, -6, 2, 35, 10},
        // d beyond 16 bits saturates instead of wrapping round to the other side's win
        {10000, 0, 1, 80, 4, 0, 80 - 3276, 2, 10005, 0}, {0, 10000, 1, 80, 0, 4, 80 + 3276, 1, 0, 10005},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(row(c.aEP, c.dEP, c.r1, c.r2));
        auto w = chainWorld(4);
        addGeneral(*w, 2, "Angreifer", c.aEP), addGeneral(*w, 1, "Verteidiger", c.dEP);
        w->countryOwner[3] = 1;
        openBattle(*w, 3, 2, 1, 1, c.dSlot);
        w->battleDefenderScore[1] = c.score, w->battleAttackerScore[1] = 100 - c.score;
        ScriptedRandom random;
        pushDraws(random, {c.r1, c.r2}, 5);
        battleStep(*w, random);
        EXPECT_EQ(row(random.remaining(), int(w->playerBattleCount), w->playerBattleList[1].attackerScore,
                      w->playerBattleList[1].defenderScore), row(0, 1, 100 - c.listed, c.listed));
        if (c.owner == 0) {
            EXPECT_EQ(battle(*w, 1), (BattleRow{3, 2, 1, 1, c.dSlot, 100 - c.listed, c.listed}));
            continue;
        }
        EXPECT_EQ(row(w->battleCount, w->battleCountry[1], w->countryOwner[3]), row(0, 0, c.owner));
        EXPECT_EQ(row(w->generalEP[2][1], w->generalEP[1][1], w->generalStatus[2][1], w->generalStatus[1][1]),
                  row(c.aEPAfter, c.dEPAfter, Training, Training));
    }
}

TEST(Battle, TwoEndingInOneTickLeaveTheMovedEntriesUnstepped)
{
    auto w = chainWorld(8);
    for (int s = 1; s <= 8; ++s)
        addGeneral(*w, s, "G", 10);
    for (const auto& [country, attacker] : {std::pair{5, 2}, {6, 3}, {7, 4}, {8, 1}})
        openBattle(*w, country, attacker, 1, country, 1);
    w->battleDefenderScore[1] = 97, w->battleAttackerScore[1] = 3;
    w->battleDefenderScore[3] = 3, w->battleAttackerScore[3] = 97;
    ScriptedRandom random;
    pushDraws(random, {0, 4, 4, 0}, 5);  // over C5: defender 101; over C7, moved to 2: defender -1
    battleStep(*w, random);
    EXPECT_EQ(row(random.draws, w->battleCount), "4|2");
    EXPECT_EQ((std::array{battle(*w, 1), battle(*w, 2)}), (std::array{BattleRow{6, 3, 1, 6, 1, 20, 80}, BattleRow{8, 1, 1, 8, 1, 20, 80}}));
    // The player's battle moved down before its turn: not listed.
    EXPECT_EQ(row(w->battleCountry[3], w->countryOwner[5], w->countryOwner[7], int(w->playerBattleCount)), "0|5|4|0");
}

TEST(Battle, PlayersListHoldsOnlyHisBattlesAndAtMostTwentyFive)
{
    auto w = chainWorld(40);
    addGeneral(*w, 1, "Eigener", 12), addGeneral(*w, 2, "Gegner", 7);
    openBattle(*w, 5, 4, 0, 3, 0), openBattle(*w, 2, 1, 1, 2, 1);  // the first of two other sides
    ScriptedRandom random;
    pushDraws(random, {1, 1, 2, 1}, 5);  // d = 24 - 7 = 17
    battleStep(*w, random);
    ASSERT_EQ(w->playerBattleCount, 1);
    EXPECT_EQ(w->playerBattleList[1], (PlayerBattleEntry{"C2", "C1", 21, "Eigener", 12, "C2", 79, "Gegner", 7}));
    // The opponent attacks 30 of the player's countries: all step, 25 are listed.
    auto many = chainWorld(40);
    for (int c = 3; c <= 32; ++c, pushDraws(random, {0, 0}, 5))
        addGeneral(*many, 2, "G" + std::to_string(c - 2), 1), many->countryOwner[c] = 1, openBattle(*many, c, 2, c - 2, 1, 0);
    battleStep(*many, random);
    EXPECT_EQ(row(random.remaining(), int(many->playerBattleCount), many->playerBattleList[25].country,
                  many->playerBattleList[25].attackerGeneral), "0|25|C27|G25");
}

TEST(Battle, DamagedEntryEndsWithoutTouchingAnyTable)
{
    auto w = chainWorld(3);
    w->battleCount = 1, w->battleCountry[1] = 500, w->battleAttacker[1] = 101, w->battleDefender[1] = -4;
    w->battleAttackerGeneral[1] = 100, w->battleDefenderGeneral[1] = -1, w->battleAttackerScore[1] = -30;
    w->battleDefenderScore[1] = 130;
    const auto before = std::make_unique<WorldState>(*w);
    ScriptedRandom random;
    pushDraws(random, {4, 4}, 5);
    battleStep(*w, random);
    EXPECT_TRUE(w->battleCount == 0 && w->countryOwner == before->countryOwner && w->generalEP == before->generalEP &&
                w->generalStatus == before->generalStatus);
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
    EXPECT_EQ(row(openBattle(*w, 3, 1, 100, 3, 0), openBattle(*w, 3, 101, 0, 3, 0)), "0|0");  // no such slot, side
    w->battleCount = MaxBattles;
    EXPECT_EQ(row(openBattle(*w, 3, 1, 0, 3, 0), w->battleCount), row(0, MaxBattles));
    w->generalCount[1] = 1000;  // a damaged count stays within the slots
    EXPECT_EQ(bestGeneral(*w, 1), 0);
}

TEST(Opponent, RecruitsFromTheNameTableAfterAReseedWithOneEPUpToNinetyNine)
{
    ScriptedRandom random;
    std::string names;
    for (int i = 0; i < 10; ++i)
        random.pushDraw(i, 10), names += std::string(pickOpponentName(random)) + " ";
    EXPECT_EQ(names + std::to_string(random.reseeds), "Zurwabwe Erwin Stormf Bepluppo Tellig Hammonde Tinkay Ibsyd Pouwo Labamba 10");
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
    struct Case { const char* what; std::function<void(WorldState&)> prepare; std::vector<int> opponentEPs; const char* battles; };
    const Case cases[] = {
        {"strictly stronger only", [](WorldState& w) { addGeneral(w, 1, "P", 10), addGeneral(w, 3, "Q", 9); }, {10}, "3|1|3 "},
        {"equal worth: best, then next", [](WorldState& w) { addGeneral(w, 1, "P", 5), addGeneral(w, 3, "Q", 5); }, {6, 8}, "1|2|1 3|1|3 "},
        {"from every country held", [](WorldState& w) { w.countryOwner[3] = 2; }, {8, 7}, "1|1|1 4|2|4 "},
        {"slot 0 when none qualifies", [](WorldState& w) { w.generalStatus[2][1] = InBattle, w.generalEP[2][0] = 3; }, {50}, "1|0|1 3|0|3 "},
        {"slot 0 without EP", [](WorldState&) {}, {0}, ""},
        {"contested", [](WorldState& w) { openBattle(w, 3, 4, 0, 3, 0); }, {10}, "3|0|3 1|1|1 "},
        {"unknown neighbour", [](WorldState& w) { w.neighbourName[2][1] = "Atlantis"; }, {10}, "3|1|3 "},
        // Fighting the player over C4 spares his home by its own index, not his colony C3.
        {"colony", [](WorldState& w) { w.countryOwner[3] = w.countryOwner[4] = 1, openBattle(w, 4, 2, 3, 1, 0); }, {9, 9, 9}, "4|3|1 3|1|1 "},
        {"full table", [](WorldState& w) {
             for (int k = 1; k < MaxBattles; ++k)
                 w.battleCountry[k] = 50 + k % 40, w.battleCount = k;  // countries off the map
         }, {10, 10}, nullptr},
    };
    for (const Case& c : cases) {
        auto w = chainWorld(5);
        for (w->countryKind[2] = KindOpponent; int ep : c.opponentEPs)
            addGeneral(*w, 2, "O", ep);
        c.prepare(*w);
        opponentTurn(*w, 2);
        std::string battles;
        for (int k = 1; k <= w->battleCount; ++k)
            battles += row(w->battleCountry[k], w->battleAttackerGeneral[k], w->battleDefender[k]) + " ";
        if (c.battles)
            EXPECT_EQ(battles, c.battles) << c.what;
        else  // the 99th battle is the last of the turn
            EXPECT_EQ(row(w->battleCount, w->battleCountry[MaxBattles], w->generalStatus[2][2]), row(MaxBattles, 1, Ready));
    }
}
