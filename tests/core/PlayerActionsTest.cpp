// SPDX-License-Identifier: GPL-3.0-or-later
// The player's operations: the map click's country, the attack check,
// opening a battle from "Land angreifen", and the roster.

#include "simulation/Battle.h"
#include "simulation/PlayerActions.h"
#include "simulation/Roster.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

#include <set>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// Nine countries in a row, codes "A".."I", sea below. The player (C1) has
// Anna (training), Bert (ready), Carl (in battle); C3 has Dora and Emil; the
// opponent C9 has Otto. The player clicks on C2.
std::unique_ptr<WorldState> rowWorld(int battles = 0)
{
    auto w = chainWorld(9);
    w->side[1] = 9, w->countryKind[9] = KindOpponent;
    addGeneral(*w, 1, "Anna", 10, Training), addGeneral(*w, 1, "Bert", 20), addGeneral(*w, 1, "Carl", 30, InBattle);
    addGeneral(*w, 3, "Dora", 5), addGeneral(*w, 3, "Emil", 40), addGeneral(*w, 9, "Otto", 7);
    for (int k = 1; k <= battles; ++k)  // between two other sides
        w->battles[k].country = 50 + k, w->battles[k].attacker = 7, w->battles[k].defender = 8, w->battleCount = k;
    return w;
}

}  // namespace

TEST(Attack, ClickedCellGivesItsCountryAndTheCheckAcceptsEveryForeignNeighbourNotFoughtOver)
{
    auto w = rowWorld();
    std::string cells;
    for (const auto& [column, row] : {std::pair{1, 1}, {9, 1}, {3, 2}, {20, 1}, {100, 1}, {1, 100}, {0, 1}})
        cells += std::to_string(countryAtCell(*w, column, row));
    EXPECT_EQ(cells, "1900000");  // sea, an empty cell and beyond the grid: none
    w->countryCode[7] = "B";  // two countries with one code: the higher index wins
    EXPECT_EQ(countryAtCell(*w, 2, 1), 7);
    w = rowWorld();
    EXPECT_EQ(row(attackableCode(*w, "B"), attackableCode(*w, "A"), attackableCode(*w, "C"), attackableCode(*w, "~"),
                  attackableCode(*w, "")),
              "1|0|0|0|0");
    w->countryOwner[2] = 1;  // a colony is his own; its neighbours come in reach
    EXPECT_EQ(row(attackableCode(*w, "B"), attackableCode(*w, "C")), "0|1");
    w->neighbourName[1][1] = w->neighbourName[2][1] = w->neighbourName[2][2] = "Atlantis";
    EXPECT_EQ(row(attackableCode(*w, "C"), attackableCode(*w, "")), "0|0");  // not even an empty cell

    w = rowWorld(1);  // a battle of two other sides, and the opponent's against the player
    w->battles[2].country = 5, w->battles[2].attacker = 9, w->battles[2].defender = 1, w->battleCount = 2;
    w->countryOwner[2] = 9;
    EXPECT_TRUE(attackableCode(*w, "B")) << "the colony's own index is in no battle";
    w->battles[2].attacker = 2;
    EXPECT_TRUE(attackableCode(*w, "B")) << "a home country stays attackable while its holder fights the player";
    w->battles[2].country = 2;
    EXPECT_FALSE(attackableCode(*w, "B")) << "the country itself is fought over";
}

TEST(Attack, RefusalsChangeNothingAndALaunchFightsTheHoldersBestOrSlotZero)
{
    // {general, battles already running, C2 contested, outcome}
    const std::tuple<int, int, bool, AttackOutcome> refusals[] = {
        {0, 0, false, AttackOutcome::NotReady}, {3, 0, false, AttackOutcome::NotReady},
        {4, 0, false, AttackOutcome::NotReady}, {3, 0, true, AttackOutcome::NotReady},  // readiness first
        {1, 0, true, AttackOutcome::CountryContested}, {1, 25, false, AttackOutcome::TooManyBattles},
    };
    for (const auto& [slot, battles, contested, outcome] : refusals) {
        auto w = rowWorld(battles);
        if (contested)
            w->battles[++w->battleCount].country = 2;
        const auto before = std::make_unique<WorldState>(*w);
        EXPECT_TRUE(launchAttack(*w, 2, slot) == outcome && *w == *before) << slot;
    }
    auto w = rowWorld(24);
    EXPECT_EQ(launchAttack(*w, countryAtCell(*w, 2, 2), 1), AttackOutcome::NoTarget);  // a click on the sea
    w->countryOwner[2] = 3;  // a colony of C3: Emil (40 EP) defends it
    ASSERT_EQ(launchAttack(*w, 2, 1), AttackOutcome::Launched) << "a general in training is ready";
    EXPECT_EQ(battle(*w, 25), (BattleRow{2, 1, 1, 3, 2, 20, 80}));
    EXPECT_EQ(row(w->generalStatus[1][1], w->generalStatus[3][2], w->generalStatus[2][1]), "2|2|0");  // C2's stay out
    EXPECT_EQ(launchAttack(*w, 4, 2), AttackOutcome::TooManyBattles);  // the 26th

    w = rowWorld();
    ASSERT_EQ(launchAttack(*w, 2, 2), AttackOutcome::Launched);  // C2 has no general: slot 0 defends
    EXPECT_EQ(battle(*w, 1), (BattleRow{2, 1, 2, 2, 0, 20, 80}));
    EXPECT_EQ(row(w->generalStatus[2][0], generalReady(*w, 1, 2)), row(InBattle, false));
    // At once in the game's story and messages.
    ASSERT_EQ(row(w->records.battlesOpened, w->events.size()), "1|1");
    EXPECT_EQ(germanText(w->events.back().text), "Angriff auf C2: Bert gegen C2.");
}

namespace {

constexpr int Player = 7, Enemy = 3;

// The player's slots from 1 to one past the count, as "name|EP|status;".
std::string roster(const WorldState& w)
{
    std::string out;
    for (int s = 1; s <= w.generalCount[Player] + 1; ++s)
        out += row(w.generalName[Player][s], w.generalEP[Player][s], w.generalStatus[Player][s]) + ";";
    return out;
}

}  // namespace

TEST(Roster, RecruitsAsTypedUpToNinetyNineAndSetsTasksButNotForAGeneralInBattle)
{
    auto w = chainWorld(12);
    w->side[0] = Player, w->side[1] = Enemy;
    EXPECT_EQ(recruitGeneral(*w, ""), RecruitOutcome::NoName);
    addGeneral(*w, Player, "Alt", 30);
    for (int i = 0; i < 2; ++i)  // the same name twice is allowed
        EXPECT_EQ(recruitGeneral(*w, "  Neu "), RecruitOutcome::Recruited);
    EXPECT_EQ(roster(*w) + row(w->generalCount[Enemy]), row("Alt", 30, Ready) + ";  Neu |1|1;  Neu |1|1;|0|0;0");

    // A task is ready or training, and none for a general in battle.
    w->generalStatus[Player][3] = InBattle;
    for (GeneralStatus task : {Ready, Ready, Training})
        EXPECT_TRUE(setGeneralTask(*w, 2, task) == TaskOutcome::Set && w->generalStatus[Player][2] == task) << task;
    EXPECT_EQ(setGeneralTask(*w, 3, Ready), TaskOutcome::InBattle);
    for (const auto& [slot, task] : {std::pair{2, InBattle}, {0, Ready}, {4, Ready}})
        EXPECT_EQ(setGeneralTask(*w, slot, task), TaskOutcome::NoGeneral) << slot;
    EXPECT_EQ(row(w->generalStatus[Player][2], w->generalStatus[Player][3]), row(Training, InBattle));

    while (w->generalCount[Player] < 98)
        addGeneral(*w, Player, "G", 1);
    EXPECT_TRUE(recruitGeneral(*w, "Letzter") == RecruitOutcome::Recruited && w->generalName[Player][99] == "Letzter");
    const auto before = std::make_unique<WorldState>(*w);
    for (const char* name : {"Zuviel", ""})  // a full roster is checked before the name
        EXPECT_EQ(recruitGeneral(*w, name), RecruitOutcome::RosterFull) << name;
    EXPECT_TRUE(*w == *before);
}

// The name offered to a recruit: the suggestion while no general of the side
// bears it, else with the lowest free number; other sides do not count.
TEST(Roster, OfferedNamesAreDistinctWithinTheSide)
{
    auto w = chainWorld(3);
    w->side[0] = Player;
    addGeneral(*w, Enemy, "Hapufo", 1);
    EXPECT_EQ(distinctGeneralName(*w, Player, "Hapufo"), "Hapufo");
    std::string names;
    for (int i = 0; i < 3; ++i) {
        const std::string name = distinctGeneralName(*w, Player, "Hapufo");
        ASSERT_EQ(recruitGeneral(*w, name), RecruitOutcome::Recruited);
        names += name + ";";
    }
    EXPECT_EQ(names, "Hapufo;Hapufo 2;Hapufo 3;");
    dismissGeneral(*w, 2);  // "Hapufo 2" is free again
    EXPECT_EQ(distinctGeneralName(*w, Player, "Hapufo"), "Hapufo 2");
}

// The name offered to a recruit is his own: none of his side bears it, it
// has no number, and another game (another draw) offers others.
TEST(Roster, RecruitNamesAreTheirOwnNeverNumberedAndDifferEveryGame)
{
    std::vector<std::string> offered[2];
    for (const unsigned long long seed : {1ULL, 2ULL}) {
        auto w = chainWorld(3);
        w->side[0] = Player;
        SeededRandom random(seed);
        for (int i = 0; i < MaxGenerals; ++i) {
            const std::string name = recruitName(*w, Player, random);
            ASSERT_EQ(name.find_first_of("0123456789 "), std::string::npos) << name;
            ASSERT_GE(name.size(), 3u);
            ASSERT_EQ(recruitGeneral(*w, name), RecruitOutcome::Recruited) << i;
            offered[seed - 1].push_back(name);
        }
        std::set<std::string> distinct(offered[seed - 1].begin(), offered[seed - 1].end());
        EXPECT_EQ(distinct.size(), std::size_t(MaxGenerals)) << "a full roster, every name its own";
    }
    EXPECT_NE(std::vector(offered[0].begin(), offered[0].begin() + 5),
              std::vector(offered[1].begin(), offered[1].begin() + 5));
}

TEST(Roster, DismissMovesLaterSlotsDownAndKeepsEveryBattleOnItsGeneral)
{
    auto w = chainWorld(12);
    w->side[0] = Player, w->side[1] = Enemy;
    for (int i = 1; i <= 4; ++i)
        addGeneral(*w, Player, "G" + std::to_string(i), i, i == 3 ? InBattle : i == 2 ? Training : Ready);
    // The first, a middle one (in battle all the same), the last.
    for (const auto& [slot, left] : {std::pair{1, "G2|2|1;G3|3|2;G4|4|0;|0|0;"}, {2, "G2|2|1;G4|4|0;|0|0;"},
                                     {2, "G2|2|1;|0|0;"}}) {
        EXPECT_TRUE(dismissGeneral(*w, slot));
        EXPECT_EQ(roster(*w), left);
    }
    for (const auto& [slot, done] : {std::pair{0, false}, {2, false}, {1, true}, {1, false}})
        EXPECT_EQ(dismissGeneral(*w, slot), done) << slot;

    for (int i = 1; i <= 5; ++i)
        addGeneral(*w, Player, "P" + std::to_string(i), i, Training), addGeneral(*w, Enemy, "E", i, Training);
    // The player's battles with slots 4, 2, 3 and 5; one of two other sides.
    for (const auto& [c, a, ag, d, dg] : std::initializer_list<std::array<int, 5>>{
             {20, Player, 4, Enemy, 5}, {21, Enemy, 5, Player, 2}, {22, Enemy, 1, Player, 3}, {23, Enemy, 4, 11, 4},
             {24, Player, 5, Enemy, 0}})
        fight(*w, c, a, ag, d, dg);
    ASSERT_TRUE(dismissGeneral(*w, 3));
    // Below the gap one down, above it unchanged; the dismissed one's battle
    // goes on with slot 0.
    std::string generals;  // attacker's|defender's, battle by battle
    for (int k = 1; k <= 5; ++k)
        generals += row(w->battles[k].attackerGeneral, w->battles[k].defenderGeneral) + " ";
    EXPECT_EQ(generals, "3|5 5|2 1|0 4|4 4|0 ");
    EXPECT_EQ(row(w->generalName[Player][3], w->generalName[Player][4]), "P4|P5");
}
