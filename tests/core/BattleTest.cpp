#include "simulation/Battle.h"

#include "WholeGameSupport.h"

#include <gtest/gtest.h>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// Country 3 fought over by side 2 (attacker, general 1) and side 1 (defender,
// general 1); side(0) is 1.
struct OneBattle {
    OneBattle(int attackerEP, int defenderEP, int defenderScore = 80)
    {
        addGeneral(*world, 2, "Angreifer", attackerEP);
        addGeneral(*world, 1, "Verteidiger", defenderEP);
        world->countryOwner[3] = 1;
        openBattle(*world, 3, 2, 1, 1, 1);
        world->battleDefenderScore[1] = defenderScore;
        world->battleAttackerScore[1] = 100 - defenderScore;
    }
    void step(int r1, int r2)
    {
        random.pushDraw(r1, 5);
        random.pushDraw(r2, 5);
        battleStep(*world, random);
    }
    std::unique_ptr<WorldState> world = chainWorld(4);
    ScriptedRandom random;
};

}  // namespace

TEST(BattleFormula, EqualExperienceWithDrawsFourAndZeroMovesFourPoints)
{
    OneBattle b(10, 10);
    b.step(4, 0);
    EXPECT_EQ(b.world->battleDefenderScore[1], 76);
    EXPECT_EQ(b.world->battleAttackerScore[1], 24);
    EXPECT_EQ(b.world->battleCount, 1);
    EXPECT_EQ(b.random.remaining(), 0u);
}

TEST(BattleFormula, ChangeIsTruncatedTowardZero)
{
    {
        OneBattle b(0, 5);  // d = -15
        b.step(4, 3);
        EXPECT_EQ(b.world->battleDefenderScore[1], 81);
        EXPECT_EQ(b.world->battleAttackerScore[1], 19);
    }
    {
        OneBattle b(3, 0);  // d = 9
        b.step(3, 4);
        EXPECT_EQ(b.world->battleDefenderScore[1], 80);
    }
    {
        OneBattle b(0, 3);  // d = -9
        b.step(4, 3);
        EXPECT_EQ(b.world->battleDefenderScore[1], 80);
    }
    {
        OneBattle b(7, 2);  // d = 28 - 2 = 26 -> 2
        b.step(4, 1);
        EXPECT_EQ(b.world->battleDefenderScore[1], 78);
    }
}

TEST(BattleFormula, NoExperienceMovesNothing)
{
    OneBattle attackerWithout(0, 0);
    attackerWithout.step(4, 0);
    EXPECT_EQ(attackerWithout.world->battleDefenderScore[1], 80);

    // Defender in slot 0, which has no EP.
    OneBattle slotZero(0, 0);
    slotZero.world->battleDefenderGeneral[1] = 0;
    slotZero.step(0, 4);
    EXPECT_EQ(slotZero.world->battleDefenderScore[1], 80);
}

TEST(BattleFormula, DifferenceBeyondSixteenBitsSaturatesInsteadOfWrapping)
{
    // 10000 * 4 = 40000 would wrap to -25536 and hand the defender the win.
    OneBattle b(10000, 0);
    b.step(4, 0);
    EXPECT_EQ(b.world->battleCount, 0);
    EXPECT_EQ(b.world->countryOwner[3], 2);
    EXPECT_EQ(b.world->playerBattleList[1].defenderScore, 80 - 3276);

    OneBattle d(0, 10000);
    d.step(0, 4);
    EXPECT_EQ(d.world->countryOwner[3], 1);
    EXPECT_EQ(d.world->playerBattleList[1].defenderScore, 80 + 3276);
}

TEST(BattleEnd, DefenderAtNinetySevenReachesOneHundredOneAndKeepsTheCountry)
{
    OneBattle b(0, 10, 97);
    b.step(0, 4);  // d = -40
    EXPECT_EQ(b.world->battleCount, 0);
    EXPECT_EQ(b.world->countryOwner[3], 1);
    EXPECT_EQ(b.world->generalEP[1][1], 15);
    EXPECT_EQ(b.world->generalEP[2][1], 0);
    EXPECT_EQ(b.world->generalStatus[1][1], Training);
    EXPECT_EQ(b.world->generalStatus[2][1], Training);
    // Listed on its last tick with the final scores.
    ASSERT_EQ(b.world->playerBattleCount, 1);
    EXPECT_EQ(b.world->playerBattleList[1].defenderScore, 101);
    EXPECT_EQ(b.world->playerBattleList[1].attackerScore, -1);
    // The freed place holds no battle.
    EXPECT_EQ(b.world->battleCountry[1], 0);
}

TEST(BattleEnd, AttackerWinsWhenTheDefenderFallsBelowZero)
{
    OneBattle b(30, 10, 5);
    b.step(4, 1);  // d = 110 -> 11, defender -6
    EXPECT_EQ(b.world->battleCount, 0);
    EXPECT_EQ(b.world->countryOwner[3], 2);
    EXPECT_EQ(b.world->generalEP[2][1], 35);
    EXPECT_EQ(b.world->generalEP[1][1], 10);
    EXPECT_EQ(b.world->generalStatus[1][1], Training);
    EXPECT_EQ(b.world->generalStatus[2][1], Training);
}

TEST(BattleEnd, ScoreOfExactlyOneHundredGoesOn)
{
    OneBattle b(0, 10, 96);
    b.step(0, 4);
    EXPECT_EQ(b.world->battleDefenderScore[1], 100);
    EXPECT_EQ(b.world->battleCount, 1);
}

TEST(BattleEnd, TwoBattlesEndingInOneTickLeaveTheMovedOnesUnstepped)
{
    auto w = chainWorld(8);
    for (int s = 1; s <= 8; ++s)
        addGeneral(*w, s, "G" + std::to_string(s), 10);
    // Battles over countries 5..8; the first and the third are about to end.
    openBattle(*w, 5, 2, 1, 5, 1);
    openBattle(*w, 6, 3, 1, 6, 1);
    openBattle(*w, 7, 4, 1, 7, 1);
    openBattle(*w, 8, 1, 1, 8, 1);
    w->battleDefenderScore[1] = 97;
    w->battleAttackerScore[1] = 3;
    w->battleDefenderScore[3] = 3;
    w->battleAttackerScore[3] = 97;

    ScriptedRandom random;
    pushDraws(random, {0, 4}, 5);  // battle over 5: d = -40, defender 101
    pushDraws(random, {4, 0}, 5);  // battle over 7 (now at 2): d = 40, defender -1
    battleStep(*w, random);

    EXPECT_EQ(random.draws, 4);
    EXPECT_EQ(random.remaining(), 0u);
    ASSERT_EQ(w->battleCount, 2);
    EXPECT_EQ(w->battleCountry[1], 6);
    EXPECT_EQ(w->battleCountry[2], 8);
    EXPECT_EQ(w->battleDefenderScore[1], 80);
    EXPECT_EQ(w->battleDefenderScore[2], 80);
    EXPECT_EQ(w->battleCountry[3], 0);
    EXPECT_EQ(w->countryOwner[5], 5);
    EXPECT_EQ(w->countryOwner[7], 4);
    // The player's battle moved down before its turn: not listed this tick.
    EXPECT_EQ(w->playerBattleCount, 0);
}

TEST(BattlePanelList, ListsOnlyThePlayersBattlesInTableOrder)
{
    auto w = chainWorld(6);
    addGeneral(*w, 1, "Eigener", 12);
    addGeneral(*w, 2, "Gegner", 7);
    addGeneral(*w, 3, "Fremd", 3);
    addGeneral(*w, 4, "Noch einer", 4);
    w->countryOwner[5] = 3;
    openBattle(*w, 5, 4, 1, 3, 1);  // two other sides
    openBattle(*w, 2, 1, 1, 2, 1);  // the player attacks

    ScriptedRandom random;
    pushDraws(random, {1, 1}, 5);
    pushDraws(random, {2, 1}, 5);  // d = 24 - 7 = 17 -> 1
    battleStep(*w, random);

    ASSERT_EQ(w->playerBattleCount, 1);
    const PlayerBattleEntry expected{"C2", "C1", 21, "Eigener", 12, "C2", 79, "Gegner", 7};
    EXPECT_EQ(w->playerBattleList[1], expected);
}

TEST(BattlePanelList, NoBattleOfThePlayerGivesAnEmptyList)
{
    auto w = chainWorld(4);
    addGeneral(*w, 3, "A", 1);
    addGeneral(*w, 4, "B", 1);
    openBattle(*w, 4, 3, 1, 4, 1);
    w->playerBattleCount = 0;
    ScriptedRandom random;
    pushDraws(random, {0, 0}, 5);
    battleStep(*w, random);
    EXPECT_EQ(w->playerBattleCount, 0);
    EXPECT_EQ(w->battleCount, 1);
}

TEST(BattlePanelList, MoreThanTwentyFivePlayerBattlesListTheFirstTwentyFive)
{
    auto w = chainWorld(40);
    for (int i = 1; i <= 40; ++i)
        addGeneral(*w, 2, "G" + std::to_string(i), 1);
    for (int c = 3; c <= 32; ++c) {
        w->countryOwner[c] = 1;  // the opponent attacks 30 of the player's countries
        openBattle(*w, c, 2, c - 2, 1, 0);
    }
    ScriptedRandom random;
    for (int k = 0; k < 30; ++k)
        pushDraws(random, {0, 0}, 5);
    battleStep(*w, random);
    EXPECT_EQ(random.remaining(), 0u);  // every battle stepped
    EXPECT_EQ(w->playerBattleCount, MaxPlayerBattles);
    EXPECT_EQ(w->playerBattleList[1].country, "C3");
    EXPECT_EQ(w->playerBattleList[25].country, "C27");
    EXPECT_EQ(w->playerBattleList[25].attackerGeneral, "G25");
}

TEST(BattleGuards, DamagedEntryReadsNoTableOutsideItsRange)
{
    auto w = chainWorld(3);
    w->battleCount = 1;
    w->battleCountry[1] = 500;
    w->battleAttacker[1] = 101;
    w->battleDefender[1] = -4;
    w->battleAttackerGeneral[1] = 100;
    w->battleDefenderGeneral[1] = -1;
    w->battleAttackerScore[1] = -30;
    w->battleDefenderScore[1] = 130;
    const auto before = std::make_unique<WorldState>(*w);
    ScriptedRandom random;
    pushDraws(random, {4, 4}, 5);
    battleStep(*w, random);
    // It ends (score above 100) without writing any owner, EP or status.
    EXPECT_EQ(w->battleCount, 0);
    EXPECT_EQ(w->countryOwner, before->countryOwner);
    EXPECT_EQ(w->generalEP, before->generalEP);
    EXPECT_EQ(w->generalStatus, before->generalStatus);
}

TEST(BestGeneral, HighestExperienceNotInBattleLowerSlotOnTies)
{
    auto w = chainWorld(2);
    addGeneral(*w, 1, "a", 5);
    addGeneral(*w, 1, "b", 9, Training);
    addGeneral(*w, 1, "c", 9);
    addGeneral(*w, 1, "d", 20, InBattle);
    EXPECT_EQ(bestGeneral(*w, 1), 2);
    w->generalStatus[1][2] = InBattle;
    EXPECT_EQ(bestGeneral(*w, 1), 3);
}

TEST(BestGeneral, NoneQualifiesGivesSlotZero)
{
    auto w = chainWorld(2);
    addGeneral(*w, 1, "zero", 0);
    addGeneral(*w, 1, "minus", -3);
    addGeneral(*w, 1, "busy", 40, InBattle);
    w->generalEP[1][0] = 50;  // slot 0 is never chosen
    EXPECT_EQ(bestGeneral(*w, 1), 0);
    EXPECT_EQ(bestGeneral(*w, 2), 0);
    EXPECT_EQ(bestGeneral(*w, -1), 0);
    EXPECT_EQ(bestGeneral(*w, 101), 0);
    w->generalCount[1] = 1000;  // a damaged count stays within the slots
    EXPECT_EQ(bestGeneral(*w, 1), 0);
}

TEST(OpenBattle, OpensAtTwentyToEightyAndRefusesWhenTheTableIsFull)
{
    auto w = chainWorld(3);
    addGeneral(*w, 1, "a", 5);
    addGeneral(*w, 2, "b", 5);
    EXPECT_FALSE(countryContested(*w, 2));
    EXPECT_EQ(openBattle(*w, 2, 1, 1, 2, 1), 1);
    EXPECT_EQ(w->battleAttackerScore[1], 20);
    EXPECT_EQ(w->battleDefenderScore[1], 80);
    EXPECT_EQ(w->generalStatus[1][1], InBattle);
    EXPECT_EQ(w->generalStatus[2][1], InBattle);
    EXPECT_TRUE(countryContested(*w, 2));
    EXPECT_FALSE(countryContested(*w, 3));

    w->battleCount = MaxBattles;
    EXPECT_EQ(openBattle(*w, 3, 1, 0, 3, 0), 0);
    EXPECT_EQ(w->battleCount, MaxBattles);
    w->battleCount = 1;
    EXPECT_EQ(openBattle(*w, 3, 1, 100, 3, 0), 0);  // no slot 100
    EXPECT_EQ(openBattle(*w, 3, 101, 0, 3, 0), 0);  // no side 101
    EXPECT_EQ(w->battleCount, 1);
}
