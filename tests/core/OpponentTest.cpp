#include "simulation/Battle.h"
#include "simulation/Opponent.h"

#include "WholeGameSupport.h"

#include <gtest/gtest.h>

using namespace stratagon;
using namespace stratagon::test;

TEST(OpponentRecruit, NameFromTheTableAfterAReseedOneEPUpToNinetyNine)
{
    const std::array<std::string_view, 10> names = {"Zurwabwe", "Erwin", "Stormf", "Bepluppo", "Tellig",
                                                     "Hammonde", "Tinkay", "Ibsyd", "Pouwo", "Labamba"};
    ScriptedRandom random;
    for (int i = 0; i < 10; ++i) {
        random.pushDraw(i, 10);
        EXPECT_EQ(pickOpponentName(random), names[i]) << i;
    }
    EXPECT_EQ(random.reseeds, 10);

    auto w = chainWorld(3);
    addGeneral(*w, 2, "Alt", 30);
    w->generalStatus[2][2] = Training;  // a status left in the next slot stays
    random.pushDraw(4, 10);
    recruitOpponentGeneral(*w, random, 2);
    EXPECT_EQ(w->generalCount[2], 2);
    EXPECT_EQ(w->generalName[2][2], "Tellig");
    EXPECT_EQ(w->generalEP[2][2], 1);
    EXPECT_EQ(w->generalStatus[2][2], Training);

    w->generalCount[2] = MaxGenerals;
    recruitOpponentGeneral(*w, random, 2);
    EXPECT_EQ(w->generalCount[2], MaxGenerals);
    EXPECT_EQ(random.draws, 11);  // the full roster asked for no name
}

namespace {

// The opponent on C2 of a chain C1..Cn: neighbours C1 (the player) and C3.
std::unique_ptr<WorldState> turnWorld(std::initializer_list<int> opponentEPs, int count = 4)
{
    auto w = chainWorld(count);
    w->countryKind[2] = KindOpponent;
    for (int ep : opponentEPs)
        addGeneral(*w, 2, "O", ep);
    return w;
}

// The countries and the attacking general of every battle.
std::vector<std::pair<int, int>> battles(const WorldState& w)
{
    std::vector<std::pair<int, int>> out;
    for (int k = 1; k <= w.battleCount; ++k)
        out.emplace_back(w.battleCountry[k], w.battleAttackerGeneral[k]);
    return out;
}

using Battles = std::vector<std::pair<int, int>>;

}  // namespace

TEST(OpponentTurn, AttacksOnlyWhenStrictlyStrongerBestGeneralFirst)
{
    auto w = turnWorld({10});
    addGeneral(*w, 1, "P", 10);
    addGeneral(*w, 3, "Q", 9);
    opponentTurn(*w, 2);
    EXPECT_EQ(battles(*w), (Battles{{3, 1}}));  // equal EP against C1: no attack
    EXPECT_EQ(battle(*w, 1), (BattleRow{3, 2, 1, 3, 1, 20, 80}));
    EXPECT_EQ(w->generalStatus[2][1], InBattle);
    EXPECT_EQ(w->generalStatus[3][1], InBattle);

    auto equal = turnWorld({6, 8});
    addGeneral(*equal, 1, "P", 5);
    addGeneral(*equal, 3, "Q", 5);
    opponentTurn(*equal, 2);
    EXPECT_EQ(battles(*equal), (Battles{{1, 2}, {3, 1}}));
}

TEST(OpponentTurn, AttacksFromEveryCountryItHoldsButNeverItsOwn)
{
    auto w = turnWorld({8, 7});
    w->countryOwner[3] = 2;
    opponentTurn(*w, 2);
    EXPECT_EQ(battles(*w), (Battles{{1, 1}, {4, 2}}));
}

TEST(OpponentTurn, SlotZeroFightsWhenNoGeneralQualifies)
{
    auto w = turnWorld({50});
    w->generalStatus[2][1] = InBattle;
    w->generalEP[2][0] = 3;  // against neighbours with only slot 0 at 0 EP
    opponentTurn(*w, 2);
    EXPECT_EQ(battles(*w), (Battles{{1, 0}, {3, 0}}));
    EXPECT_EQ(w->battleDefenderGeneral[1], 0);

    auto none = turnWorld({0});
    opponentTurn(*none, 2);
    EXPECT_EQ(none->battleCount, 0);
}

TEST(OpponentTurn, SparesContestedCountriesAndSidesItFightsButNotTheirColonies)
{
    auto w = turnWorld({10});
    addGeneral(*w, 4, "X", 1);
    addGeneral(*w, 3, "Y", 1);
    openBattle(*w, 3, 4, 1, 3, 1);  // two other sides fight over C3
    opponentTurn(*w, 2);
    EXPECT_EQ(battles(*w), (Battles{{3, 1}, {1, 1}}));

    // The player holds the colonies C3 and C4 and is fought over C4: his home
    // C1 is spared by its own index, the colony C3 is not.
    auto c = turnWorld({9, 9, 9}, 5);
    c->countryOwner[3] = c->countryOwner[4] = 1;
    c->countryOwner[5] = 2;
    openBattle(*c, 4, 2, 3, 1, 0);
    opponentTurn(*c, 2);
    EXPECT_EQ(battles(*c), (Battles{{4, 3}, {3, 1}}));
    EXPECT_EQ(c->battleDefender[2], 1);
}

TEST(OpponentTurn, SkipsUnknownNeighboursAndStopsWhenTheBattleTableIsFull)
{
    auto w = turnWorld({10});
    w->neighbourName[2][1] = "Atlantis";
    opponentTurn(*w, 2);
    EXPECT_EQ(battles(*w), (Battles{{3, 1}}));

    auto full = turnWorld({10, 10});
    full->battleCount = MaxBattles - 1;
    for (int k = 1; k < MaxBattles; ++k)
        full->battleCountry[k] = 50 + (k % 40);  // countries off the map
    opponentTurn(*full, 2);
    EXPECT_EQ(full->battleCount, MaxBattles);
    EXPECT_EQ(full->battleCountry[MaxBattles], 1);
    EXPECT_EQ(full->generalStatus[2][2], Ready);
}
