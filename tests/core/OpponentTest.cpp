#include "simulation/Battle.h"
#include "simulation/Opponent.h"

#include "WholeGameSupport.h"

#include <gtest/gtest.h>

using namespace stratagon;
using namespace stratagon::test;

TEST(OpponentNames, DrawPicksFromTheTableAfterAReseed)
{
    ScriptedRandom random;
    pushDraws(random, {0, 1, 9}, 10);
    EXPECT_EQ(pickOpponentName(random), "Zurwabwe");
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(pickOpponentName(random), "Erwin");
    EXPECT_EQ(pickOpponentName(random), "Labamba");
    EXPECT_EQ(random.reseeds, 3);
    EXPECT_EQ(OpponentNames[3], "Bepluppo");
    EXPECT_EQ(OpponentNames[7], "Ibsyd");
}

TEST(OpponentRecruit, AddsOneGeneralWithOneEPAndKeepsItsStatus)
{
    auto w = chainWorld(3);
    addGeneral(*w, 2, "Alt", 30);
    w->generalStatus[2][2] = Training;
    ScriptedRandom random;
    random.pushDraw(4, 10);
    recruitOpponentGeneral(*w, random, 2);
    EXPECT_EQ(w->generalCount[2], 2);
    EXPECT_EQ(w->generalName[2][2], "Tellig");
    EXPECT_EQ(w->generalEP[2][2], 1);
    EXPECT_EQ(w->generalStatus[2][2], Training);
}

TEST(OpponentRecruit, NeverBeyondNinetyNineGenerals)
{
    auto w = chainWorld(3);
    w->generalCount[2] = MaxGenerals;
    ScriptedRandom random;  // no draw may be asked for
    recruitOpponentGeneral(*w, random, 2);
    EXPECT_EQ(w->generalCount[2], MaxGenerals);
    EXPECT_EQ(random.draws, 0);
}

namespace {

// Opponent on country 2 of a chain 1-2-3: neighbours C1 (the player) and C3.
struct Turn {
    Turn()
    {
        w->countryKind[2] = KindOpponent;
    }
    std::unique_ptr<WorldState> w = chainWorld(4);
};

}  // namespace

TEST(OpponentTurn, AttacksOnlyWhenStrictlyStronger)
{
    Turn t;
    addGeneral(*t.w, 2, "O", 10);
    addGeneral(*t.w, 1, "P", 10);
    addGeneral(*t.w, 3, "Q", 9);
    opponentTurn(*t.w, 2);
    ASSERT_EQ(t.w->battleCount, 1);  // equal EP against C1: no attack
    EXPECT_EQ(t.w->battleCountry[1], 3);
    EXPECT_EQ(t.w->battleAttacker[1], 2);
    EXPECT_EQ(t.w->battleDefender[1], 3);
    EXPECT_EQ(t.w->battleAttackerGeneral[1], 1);
    EXPECT_EQ(t.w->battleDefenderGeneral[1], 1);
    EXPECT_EQ(t.w->generalStatus[2][1], InBattle);
    EXPECT_EQ(t.w->generalStatus[3][1], InBattle);
}

TEST(OpponentTurn, NeighboursOfEqualWorthGetTheBestThenTheNextBest)
{
    Turn t;
    addGeneral(*t.w, 2, "Zweiter", 6);
    addGeneral(*t.w, 2, "Erster", 8);
    addGeneral(*t.w, 1, "P", 5);
    addGeneral(*t.w, 3, "Q", 5);
    opponentTurn(*t.w, 2);
    ASSERT_EQ(t.w->battleCount, 2);
    EXPECT_EQ(t.w->battleCountry[1], 1);
    EXPECT_EQ(t.w->battleAttackerGeneral[1], 2);
    EXPECT_EQ(t.w->battleCountry[2], 3);
    EXPECT_EQ(t.w->battleAttackerGeneral[2], 1);
}

TEST(OpponentTurn, AttacksFromEveryCountryItHoldsButNotItsOwn)
{
    Turn t;
    t.w->countryOwner[3] = 2;  // holds C2 and C3: neighbours C1, C4
    addGeneral(*t.w, 2, "O", 8);
    addGeneral(*t.w, 2, "O2", 7);
    opponentTurn(*t.w, 2);
    ASSERT_EQ(t.w->battleCount, 2);
    EXPECT_EQ(t.w->battleCountry[1], 1);
    EXPECT_EQ(t.w->battleCountry[2], 4);
}

TEST(OpponentTurn, SlotZeroFightsWhenNoGeneralQualifies)
{
    Turn t;
    addGeneral(*t.w, 2, "Busy", 50, InBattle);
    t.w->generalEP[2][0] = 3;
    opponentTurn(*t.w, 2);
    // Both neighbours have only slot 0 at 0 EP; the choice stays slot 0.
    ASSERT_EQ(t.w->battleCount, 2);
    EXPECT_EQ(t.w->battleAttackerGeneral[1], 0);
    EXPECT_EQ(t.w->battleAttackerGeneral[2], 0);
    EXPECT_EQ(t.w->battleDefenderGeneral[1], 0);

    Turn none;
    addGeneral(*none.w, 2, "Null", 0);
    opponentTurn(*none.w, 2);
    EXPECT_EQ(none.w->battleCount, 0);
}

TEST(OpponentTurn, SparesCountriesAlreadyFoughtOver)
{
    Turn t;
    addGeneral(*t.w, 2, "O", 10);
    addGeneral(*t.w, 4, "X", 1);
    addGeneral(*t.w, 3, "Y", 1);
    openBattle(*t.w, 3, 4, 1, 3, 1);  // two other sides fight over C3
    opponentTurn(*t.w, 2);
    ASSERT_EQ(t.w->battleCount, 2);
    EXPECT_EQ(t.w->battleCountry[2], 1);
}

TEST(OpponentTurn, RunningBattleSparesTheNeighboursOwnIndexButNotAColony)
{
    // The player (1) holds C3 as a colony; the opponent fights the player
    // over C4. The player's home C1 is spared, the colony C3 is not.
    auto w = chainWorld(5);
    w->countryKind[2] = KindOpponent;
    w->countryOwner[3] = 1;
    w->countryOwner[4] = 1;
    w->countryOwner[5] = 2;
    addGeneral(*w, 2, "O1", 9);
    addGeneral(*w, 2, "O2", 9);
    addGeneral(*w, 2, "O3", 9);
    openBattle(*w, 4, 2, 3, 1, 0);
    opponentTurn(*w, 2);
    ASSERT_EQ(w->battleCount, 2);
    EXPECT_EQ(w->battleCountry[2], 3);
    EXPECT_EQ(w->battleDefender[2], 1);
}

TEST(OpponentTurn, UnknownNeighbourNameIsSkipped)
{
    Turn t;
    t.w->neighbourName[2][1] = "Atlantis";
    addGeneral(*t.w, 2, "O", 10);
    opponentTurn(*t.w, 2);
    ASSERT_EQ(t.w->battleCount, 1);
    EXPECT_EQ(t.w->battleCountry[1], 3);
}

TEST(OpponentTurn, FullBattleTableEndsTheTurn)
{
    Turn t;
    addGeneral(*t.w, 2, "O", 10);
    addGeneral(*t.w, 2, "O2", 10);
    t.w->battleCount = MaxBattles - 1;
    for (int k = 1; k < MaxBattles; ++k)
        t.w->battleCountry[k] = 50 + (k % 40);  // countries off the map
    opponentTurn(*t.w, 2);
    EXPECT_EQ(t.w->battleCount, MaxBattles);
    EXPECT_EQ(t.w->battleCountry[MaxBattles], 1);
    EXPECT_EQ(t.w->generalStatus[2][2], Ready);  // no second battle
}
