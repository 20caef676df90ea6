// The map click's country, the attack check and opening a battle from
// "Land angreifen".

#include "simulation/PlayerActions.h"

#include "WholeGameSupport.h"

#include <gtest/gtest.h>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// Nine countries in a row, codes "A".."I", sea below. The player (C1) has
// Anna (training), Bert (ready), Carl (in battle); C3 has Dora and Emil; the
// opponent C9 has Otto.
std::unique_ptr<WorldState> rowWorld()
{
    auto w = chainWorld(9);
    w->side[1] = 9;
    w->countryKind[9] = KindOpponent;
    addGeneral(*w, 1, "Anna", 10, Training);
    addGeneral(*w, 1, "Bert", 20, Ready);
    addGeneral(*w, 1, "Carl", 30, InBattle);
    addGeneral(*w, 3, "Dora", 5);
    addGeneral(*w, 3, "Emil", 40);
    addGeneral(*w, 9, "Otto", 7);
    w->bb = 2, w->hh = 1;  // the chosen target: C2, found from C1
    return w;
}

void addBattle(WorldState& w, int country, int attacker, int defender)
{
    const int k = ++w.battleCount;
    w.battleCountry[k] = country, w.battleAttacker[k] = attacker, w.battleDefender[k] = defender;
    w.battleAttackerScore[k] = w.battleDefenderScore[k] = 50;
}

}  // namespace

TEST(MapClick, CellsGiveTheirCountryAndNothingBeyondTheGrid)
{
    auto w = rowWorld();
    const std::array<int, 3> cells[] = {{1, 1, 1}, {9, 1, 9}, {3, 2, 0}, {20, 1, 0}, {100, 1, 0}, {1, 100, 0}, {0, 1, 0}};
    for (const auto& [column, row, country] : cells)
        EXPECT_EQ(countryAtCell(*w, column, row), country) << column << "," << row;
    w->countryCode[7] = "B";  // two countries with one code: the higher index wins
    EXPECT_EQ(countryAtCell(*w, 2, 1), 7);
}

TEST(AttackCheck, OnlyForeignNeighboursOfThePlayersLandsOutsideHisBattles)
{
    auto w = rowWorld();
    for (const auto& [code, expected] : std::initializer_list<std::pair<const char*, bool>>{
             {"B", true}, {"A", false}, {"C", false}, {"~", false}, {"", false}})
        EXPECT_EQ(attackableCode(*w, code), expected) << code;
    w->countryOwner[2] = 1;  // a colony is his own; its neighbours come in reach
    EXPECT_FALSE(attackableCode(*w, "B"));
    EXPECT_TRUE(attackableCode(*w, "C"));
    w->neighbourName[1][1] = w->neighbourName[2][1] = w->neighbourName[2][2] = "Atlantis";
    EXPECT_FALSE(attackableCode(*w, "C"));
    EXPECT_FALSE(attackableCode(*w, ""));  // not even an empty cell

    auto v = rowWorld();
    v->countryOwner[2] = 9;
    addBattle(*v, 5, 9, 1);
    addBattle(*v, 7, 3, 8);  // two other sides
    EXPECT_TRUE(attackableCode(*v, "B")) << "the colony's own index is in no battle";
    v->countryOwner[2] = 2;
    addBattle(*v, 6, 1, 2);
    EXPECT_FALSE(attackableCode(*v, "B")) << "side 2 fights the player";
}

TEST(LaunchAttack, RefusalsChangeNothing)
{
    struct Case { int slot, battles; bool contested; AttackOutcome outcome; };
    const Case cases[] = {
        {0, 0, false, AttackOutcome::NotReady}, {3, 0, false, AttackOutcome::NotReady},
        {4, 0, false, AttackOutcome::NotReady}, {3, 0, true, AttackOutcome::NotReady},  // readiness first
        {1, 0, true, AttackOutcome::CountryContested}, {1, 25, false, AttackOutcome::TooManyBattles},
    };
    for (const Case& c : cases) {
        auto w = rowWorld();
        for (int i = 0; i < c.battles; ++i)
            addBattle(*w, 50 + i, 7, 8);
        if (c.contested)
            addBattle(*w, 2, 8, 2);
        const auto before = std::make_unique<WorldState>(*w);
        EXPECT_EQ(launchAttack(*w, c.slot), c.outcome) << c.slot;
        EXPECT_TRUE(*w == *before) << c.slot;
    }
    auto sea = rowWorld();
    sea->bb = 3, sea->hh = 2;
    EXPECT_EQ(launchAttack(*sea, 1), AttackOutcome::NoTarget);
    EXPECT_EQ(sea->battleCount, 0);
}

TEST(LaunchAttack, OpensTheBattleAgainstTheHoldersBestOrSlotZero)
{
    auto w = rowWorld();
    for (int i = 0; i < 24; ++i)
        addBattle(*w, 50 + i, 7, 8);
    w->countryOwner[2] = 3;  // a colony of C3: Emil (40 EP) defends it
    ASSERT_EQ(launchAttack(*w, 1), AttackOutcome::Launched) << "a general in training is ready";
    EXPECT_EQ(battle(*w, 25), (BattleRow{2, 1, 1, 3, 2, 20, 80}));
    EXPECT_EQ(row(w->generalStatus[1][1], w->generalStatus[3][2], w->generalStatus[2][1]),
              row(InBattle, InBattle, Ready));
    EXPECT_EQ(launchAttackOn(*w, 4, 2), AttackOutcome::TooManyBattles);  // the 26th

    auto v = rowWorld();
    ASSERT_EQ(launchAttackOn(*v, 2, 2), AttackOutcome::Launched);
    EXPECT_EQ(battle(*v, 1), (BattleRow{2, 1, 2, 2, 0, 20, 80}));
    EXPECT_EQ(v->generalStatus[2][0], InBattle);
    EXPECT_FALSE(generalReady(*v, 1, 2));
}
