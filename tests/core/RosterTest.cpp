#include "simulation/Battle.h"
#include "simulation/PlayerActions.h"

#include "WholeGameSupport.h"

#include <gtest/gtest.h>

using namespace stratagon;
using namespace stratagon::test;

namespace {

constexpr int Player = 7;
constexpr int Enemy = 3;

std::unique_ptr<WorldState> rosterWorld()
{
    auto w = chainWorld(12);
    w->side[0] = Player, w->side[1] = Enemy;
    return w;
}

// Slot by slot: name, EP and status, from slot 1 up to one past the count.
std::string roster(const WorldState& w, int side)
{
    std::string out;
    for (int s = 1; s <= w.generalCount[side] + 1; ++s)
        out += row(w.generalName[side][s], w.generalEP[side][s], w.generalStatus[side][s]) + ";";
    return out;
}

}  // namespace

TEST(Roster, RecruitTakesTheNextSlotAsTypedWithOneEPInTrainingUpToNinetyNine)
{
    auto w = rosterWorld();
    EXPECT_EQ(recruitGeneral(*w, ""), RecruitOutcome::NoName);
    addGeneral(*w, Player, "Alt", 30);
    for (int i = 0; i < 2; ++i)  // the same name twice is allowed
        EXPECT_EQ(recruitGeneral(*w, "  Neu "), RecruitOutcome::Recruited);
    EXPECT_EQ(roster(*w, Player), row("Alt", 30, Ready) + ";" + row("  Neu ", 1, Training) + ";" +
                                      row("  Neu ", 1, Training) + ";" + row("", 0, 0) + ";");
    EXPECT_EQ(w->generalCount[Enemy], 0);

    for (int i = 3; i < 98; ++i)
        addGeneral(*w, Player, "G", 1, Training);
    EXPECT_EQ(recruitGeneral(*w, "Letzter"), RecruitOutcome::Recruited);
    EXPECT_EQ(w->generalName[Player][99], "Letzter");
    const auto before = std::make_unique<WorldState>(*w);
    EXPECT_EQ(recruitGeneral(*w, "Zuviel"), RecruitOutcome::RosterFull);
    EXPECT_EQ(recruitGeneral(*w, ""), RecruitOutcome::RosterFull);  // checked before the name
    EXPECT_TRUE(*w == *before);
}

TEST(Roster, DismissMovesLaterSlotsDownAndEmptiesTheLast)
{
    auto w = rosterWorld();
    for (int i = 1; i <= 4; ++i)
        addGeneral(*w, Player, "G" + std::to_string(i), 10 * i, i == 3 ? InBattle : i == 2 ? Training : Ready);
    const std::string g[] = {"", row("G1", 10, Ready) + ";", row("G2", 20, Training) + ";",
                             row("G3", 30, InBattle) + ";", row("G4", 40, Ready) + ";"};
    const std::string empty = row("", 0, 0) + ";";
    EXPECT_TRUE(dismissGeneral(*w, 1));  // the first
    EXPECT_EQ(roster(*w, Player), g[2] + g[3] + g[4] + empty);
    EXPECT_TRUE(dismissGeneral(*w, 2));  // a middle one, in battle all the same
    EXPECT_EQ(roster(*w, Player), g[2] + g[4] + empty);
    EXPECT_TRUE(dismissGeneral(*w, 2));  // the last
    EXPECT_EQ(roster(*w, Player), g[2] + empty);
    EXPECT_FALSE(dismissGeneral(*w, 0));
    EXPECT_FALSE(dismissGeneral(*w, 2));
    EXPECT_TRUE(dismissGeneral(*w, 1));
    EXPECT_FALSE(dismissGeneral(*w, 1));
    EXPECT_EQ(w->generalCount[Player], 0);
}

TEST(Roster, DismissKeepsEveryBattleOnTheGeneralItStartedWith)
{
    auto w = rosterWorld();
    for (int i = 1; i <= 5; ++i) {
        addGeneral(*w, Player, "P" + std::to_string(i), i, Training);
        addGeneral(*w, Enemy, "E" + std::to_string(i), i, Training);
    }
    const BattleRow battles[] = {
        {20, Player, 4, Enemy, 5, 20, 80}, {21, Enemy, 5, Player, 2, 20, 80}, {22, Enemy, 1, Player, 3, 20, 80},
        {23, Enemy, 4, 11, 4, 20, 80},  // two other sides with the same slot numbers
        {24, Player, 5, Enemy, 0, 20, 80},
    };
    for (const BattleRow& b : battles)
        openBattle(*w, b[0], b[1], b[2], b[3], b[4]);
    ASSERT_TRUE(dismissGeneral(*w, 3));
    // Below the gap one down, above it unchanged; the dismissed one's battle
    // goes on with slot 0.
    EXPECT_EQ(battle(*w, 1), (BattleRow{20, Player, 3, Enemy, 5, 20, 80}));
    EXPECT_EQ(battle(*w, 2), (BattleRow{21, Enemy, 5, Player, 2, 20, 80}));
    EXPECT_EQ(battle(*w, 3), (BattleRow{22, Enemy, 1, Player, 0, 20, 80}));
    EXPECT_EQ(battle(*w, 4), (BattleRow{23, Enemy, 4, 11, 4, 20, 80}));
    EXPECT_EQ(battle(*w, 5), (BattleRow{24, Player, 4, Enemy, 0, 20, 80}));
    EXPECT_EQ(row(w->generalName[Player][3], w->generalName[Player][4]), "P4|P5");
}

TEST(Roster, TaskSetsReadyOrTrainingButNotForAGeneralInBattle)
{
    auto w = rosterWorld();
    addGeneral(*w, Player, "A", 1, Training);
    addGeneral(*w, Player, "B", 1, InBattle);
    for (GeneralStatus task : {Ready, Ready, Training}) {
        EXPECT_EQ(setGeneralTask(*w, 1, task), TaskOutcome::Set);
        EXPECT_EQ(w->generalStatus[Player][1], task);
    }
    EXPECT_EQ(setGeneralTask(*w, 2, Ready), TaskOutcome::InBattle);
    EXPECT_EQ(setGeneralTask(*w, 1, InBattle), TaskOutcome::NoGeneral);
    EXPECT_EQ(setGeneralTask(*w, 0, Ready), TaskOutcome::NoGeneral);
    EXPECT_EQ(setGeneralTask(*w, 3, Ready), TaskOutcome::NoGeneral);
    EXPECT_EQ(row(w->generalStatus[Player][1], w->generalStatus[Player][2]), row(Training, InBattle));
}
