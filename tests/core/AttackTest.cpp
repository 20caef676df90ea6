// The map click's country, the attack check and opening a battle from
// "Land angreifen".

#include "simulation/PlayerActions.h"

#include <gtest/gtest.h>

#include <memory>

namespace stratagon {
namespace {

// Nine countries in a row of grid cells "abcdefghi", one code per column,
// with '~' as sea in the second row. Country i borders i-1 and i+1. The
// player holds 1 (code 'a'), the opponent is 9.
std::unique_ptr<WorldState> rowWorld()
{
    auto w = std::make_unique<WorldState>();
    w->countryCount = 9;
    w->gridColumns = 9;
    w->gridRows = 2;
    const std::string codes = "abcdefghi";
    for (int i = 1; i <= 9; ++i) {
        w->countryName[i] = std::string("Land ") + codes[i - 1];
        w->countryCode[i] = std::string(1, codes[i - 1]);
        w->countryOwner[i] = i;
        w->countryKind[i] = KindPassive;
        w->gridCell[i][1] = codes[i - 1];
        w->gridCell[i][2] = '~';
    }
    for (int i = 1; i <= 9; ++i) {
        int n = 0;
        if (i > 1)
            w->neighbourName[i][++n] = w->countryName[i - 1];
        if (i < 9)
            w->neighbourName[i][++n] = w->countryName[i + 1];
        w->neighbourCount[i] = n;
    }
    w->side[0] = 1;
    w->side[1] = 9;
    w->sideMax = 1;
    w->countryKind[1] = KindPlayer;
    w->countryKind[9] = KindOpponent;
    // Player: three generals; country 3: two; opponent: one.
    w->generalCount[1] = 3;
    w->generalName[1] = {"", "Anna", "Bert", "Carl"};
    w->generalEP[1] = {0, 10, 20, 30};
    w->generalStatus[1][1] = Training;
    w->generalStatus[1][2] = Ready;
    w->generalStatus[1][3] = InBattle;
    w->generalCount[3] = 2;
    w->generalName[3] = {"", "Dora", "Emil"};
    w->generalEP[3] = {0, 5, 40};
    w->generalCount[9] = 1;
    w->generalName[9][1] = "Otto";
    w->generalEP[9][1] = 7;
    return w;
}

void addBattle(WorldState& w, int country, int attacker, int defender)
{
    const int k = ++w.battleCount;
    w.battleCountry[k] = country;
    w.battleAttacker[k] = attacker;
    w.battleDefender[k] = defender;
    w.battleAttackerScore[k] = 50;
    w.battleDefenderScore[k] = 50;
}

TEST(MapClick, CellsGiveTheirCountryAndNothingBeyondTheGrid)
{
    auto w = rowWorld();
    EXPECT_EQ(countryAtCell(*w, 1, 1), 1);
    EXPECT_EQ(countryAtCell(*w, 9, 1), 9);
    EXPECT_EQ(countryAtCell(*w, 3, 2), 0) << "sea";
    EXPECT_EQ(countryAtCell(*w, 20, 1), 0) << "an empty cell";
    EXPECT_EQ(countryAtCell(*w, 100, 1), 0);
    EXPECT_EQ(countryAtCell(*w, 1, 100), 0);
    EXPECT_EQ(countryAtCell(*w, 0, 1), 0);

    // Two countries with one code: the higher index wins.
    w->countryCode[7] = "b";
    EXPECT_EQ(countryAtCell(*w, 2, 1), 7);
}

TEST(AttackCheck, OnlyForeignNeighboursOfThePlayersLandsQualify)
{
    auto w = rowWorld();
    EXPECT_TRUE(attackableCode(*w, "b"));
    EXPECT_FALSE(attackableCode(*w, "a")) << "his own country";
    EXPECT_FALSE(attackableCode(*w, "c")) << "no border";
    EXPECT_FALSE(attackableCode(*w, "~"));
    EXPECT_FALSE(attackableCode(*w, ""));

    // A colony of the player is his own; its neighbours become reachable.
    w->countryOwner[2] = 1;
    EXPECT_FALSE(attackableCode(*w, "b"));
    EXPECT_TRUE(attackableCode(*w, "c"));

    // A neighbour name that names no country reaches nothing, not even an
    // empty cell.
    w->neighbourName[1][1] = "Atlantis";
    w->neighbourName[2][1] = "Atlantis";
    w->neighbourName[2][2] = "Atlantis";
    EXPECT_FALSE(attackableCode(*w, "c"));
    EXPECT_FALSE(attackableCode(*w, ""));
}

TEST(AttackCheck, RefusesCountriesWhoseIndexIsASideFightingThePlayer)
{
    auto w = rowWorld();
    w->countryOwner[2] = 9;  // the opponent's colony beside the player
    addBattle(*w, 5, 9, 1);  // the opponent attacks the player elsewhere
    EXPECT_TRUE(attackableCode(*w, "b")) << "the colony's index is no side of the battle";

    w->countryOwner[2] = 2;
    addBattle(*w, 6, 1, 2);  // the player fights side 2 somewhere
    EXPECT_FALSE(attackableCode(*w, "b"));

    // A battle of two other sides does not count.
    auto v = rowWorld();
    addBattle(*v, 7, 2, 8);
    EXPECT_TRUE(attackableCode(*v, "b"));
}

TEST(LaunchAttack, RefusalsChangeNothing)
{
    auto w = rowWorld();
    w->bb = 2;
    w->hh = 1;
    const auto before = std::make_unique<WorldState>(*w);

    EXPECT_EQ(launchAttack(*w, 0), AttackOutcome::NotReady) << "no general chosen";
    EXPECT_EQ(launchAttack(*w, 3), AttackOutcome::NotReady) << "in battle";
    EXPECT_EQ(launchAttack(*w, 4), AttackOutcome::NotReady) << "no such slot";
    EXPECT_EQ(*w, *before);

    addBattle(*w, 2, 8, 2);  // two computer sides fight over the target
    const auto contested = std::make_unique<WorldState>(*w);
    EXPECT_EQ(launchAttack(*w, 1), AttackOutcome::CountryContested);
    EXPECT_EQ(*w, *contested);

    auto full = rowWorld();
    full->bb = 2;
    full->hh = 1;
    for (int i = 0; i < 25; ++i)
        addBattle(*full, 50 + i, 7, 8);
    const auto atLimit = std::make_unique<WorldState>(*full);
    EXPECT_EQ(launchAttack(*full, 1), AttackOutcome::TooManyBattles);
    EXPECT_EQ(*full, *atLimit);

    // Readiness is checked before the target.
    auto sea = rowWorld();
    sea->bb = 3;
    sea->hh = 2;
    EXPECT_EQ(launchAttack(*sea, 3), AttackOutcome::NotReady);
    EXPECT_EQ(launchAttack(*sea, 1), AttackOutcome::NoTarget);
    EXPECT_EQ(sea->battleCount, 0);
}

TEST(LaunchAttack, OpensTheBattleAgainstTheHolder)
{
    auto w = rowWorld();
    for (int i = 0; i < 24; ++i)
        addBattle(*w, 50 + i, 7, 8);
    // Country 2 is a colony of country 3: 3's best general defends it.
    w->countryOwner[2] = 3;
    w->bb = 2;
    w->hh = 1;

    ASSERT_EQ(launchAttack(*w, 1), AttackOutcome::Launched) << "a general in training is ready";
    ASSERT_EQ(w->battleCount, 25);
    EXPECT_EQ(w->battleCountry[25], 2);
    EXPECT_EQ(w->battleAttacker[25], 1);
    EXPECT_EQ(w->battleAttackerGeneral[25], 1);
    EXPECT_EQ(w->battleDefender[25], 3);
    EXPECT_EQ(w->battleDefenderGeneral[25], 2) << "Emil, 40 EP";
    EXPECT_EQ(w->battleAttackerScore[25], 20);
    EXPECT_EQ(w->battleDefenderScore[25], 80);
    EXPECT_EQ(w->generalStatus[1][1], InBattle);
    EXPECT_EQ(w->generalStatus[3][2], InBattle);
    EXPECT_EQ(w->generalStatus[2][1], Ready) << "the colony's own generals stay out";

    // The 26th is refused, whatever general.
    EXPECT_EQ(launchAttackOn(*w, 4, 2), AttackOutcome::TooManyBattles);
}

TEST(LaunchAttack, DefenderWithoutGeneralsFightsWithSlotZero)
{
    auto w = rowWorld();
    ASSERT_EQ(launchAttackOn(*w, 2, 2), AttackOutcome::Launched);
    EXPECT_EQ(w->battleDefender[1], 2);
    EXPECT_EQ(w->battleDefenderGeneral[1], 0);
    EXPECT_EQ(w->generalStatus[2][0], InBattle);
    EXPECT_FALSE(generalReady(*w, 1, 2));
}

}  // namespace
}  // namespace stratagon
