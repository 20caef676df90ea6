#include "simulation/PlayerActions.h"
#include "world/WorldState.h"

#include <gtest/gtest.h>

#include <memory>

using namespace stratagon;

namespace {

constexpr int Player = 7;
constexpr int Enemy = 3;

struct RosterWorld : ::testing::Test {
    void SetUp() override
    {
        world = std::make_unique<WorldState>();
        world->side[0] = Player;
        world->side[1] = Enemy;
    }
    void addGeneral(int side, const std::string& name, int ep, GeneralStatus status)
    {
        const int n = ++world->generalCount[side];
        world->generalName[side][n] = name;
        world->generalEP[side][n] = ep;
        world->generalStatus[side][n] = status;
    }
    int addBattle(int country, int attacker, int attackerGeneral, int defender, int defenderGeneral)
    {
        const int b = ++world->battleCount;
        world->battleCountry[b] = country;
        world->battleAttacker[b] = attacker;
        world->battleAttackerGeneral[b] = attackerGeneral;
        world->battleDefender[b] = defender;
        world->battleDefenderGeneral[b] = defenderGeneral;
        world->battleAttackerScore[b] = 20;
        world->battleDefenderScore[b] = 80;
        return b;
    }
    std::vector<std::string> names(int side) const
    {
        std::vector<std::string> out;
        for (int s = 1; s <= world->generalCount[side]; ++s)
            out.push_back(world->generalName[side][s]);
        return out;
    }

    std::unique_ptr<WorldState> world;
};

}  // namespace

TEST_F(RosterWorld, RecruitTakesNextSlotWithNameAsTypedOneEPInTraining)
{
    addGeneral(Player, "Alt", 30, Ready);
    EXPECT_EQ(recruitGeneral(*world, "  Neu "), RecruitOutcome::Recruited);
    EXPECT_EQ(world->generalCount[Player], 2);
    EXPECT_EQ(world->generalName[Player][2], "  Neu ");
    EXPECT_EQ(world->generalEP[Player][2], 1);
    EXPECT_EQ(world->generalStatus[Player][2], Training);
    // The same name again is allowed.
    EXPECT_EQ(recruitGeneral(*world, "  Neu "), RecruitOutcome::Recruited);
    EXPECT_EQ(world->generalCount[Player], 3);
    EXPECT_EQ(world->generalCount[Enemy], 0);
}

TEST_F(RosterWorld, RecruitRefusesEmptyNameAndTheHundredthGeneral)
{
    EXPECT_EQ(recruitGeneral(*world, ""), RecruitOutcome::NoName);
    EXPECT_EQ(world->generalCount[Player], 0);

    for (int i = 0; i < 98; ++i)
        addGeneral(Player, "G" + std::to_string(i + 1), 1, Training);
    EXPECT_EQ(recruitGeneral(*world, "Letzter"), RecruitOutcome::Recruited);
    EXPECT_EQ(world->generalCount[Player], 99);
    EXPECT_EQ(world->generalName[Player][99], "Letzter");

    const auto before = *world;
    EXPECT_EQ(recruitGeneral(*world, "Zuviel"), RecruitOutcome::RosterFull);
    // A full roster is reported before the name is looked at.
    EXPECT_EQ(recruitGeneral(*world, ""), RecruitOutcome::RosterFull);
    EXPECT_TRUE(*world == before);
}

TEST_F(RosterWorld, DismissMovesLaterSlotsDownAndEmptiesTheLast)
{
    addGeneral(Player, "G1", 10, Ready);
    addGeneral(Player, "G2", 20, Training);
    addGeneral(Player, "G3", 30, InBattle);
    addGeneral(Player, "G4", 40, Ready);

    EXPECT_TRUE(dismissGeneral(*world, 1));  // first
    EXPECT_EQ(names(Player), (std::vector<std::string>{"G2", "G3", "G4"}));
    EXPECT_EQ(world->generalEP[Player][2], 30);
    EXPECT_EQ(world->generalStatus[Player][2], InBattle);
    EXPECT_EQ(world->generalName[Player][4], "");
    EXPECT_EQ(world->generalEP[Player][4], 0);
    EXPECT_EQ(world->generalStatus[Player][4], 0);

    EXPECT_TRUE(dismissGeneral(*world, 2));  // middle, in battle all the same
    EXPECT_EQ(names(Player), (std::vector<std::string>{"G2", "G4"}));
    EXPECT_EQ(world->generalEP[Player][2], 40);

    EXPECT_TRUE(dismissGeneral(*world, 2));  // last
    EXPECT_EQ(names(Player), (std::vector<std::string>{"G2"}));
    EXPECT_EQ(world->generalEP[Player][1], 20);
    EXPECT_EQ(world->generalName[Player][2], "");

    EXPECT_FALSE(dismissGeneral(*world, 0));
    EXPECT_FALSE(dismissGeneral(*world, 2));
    EXPECT_TRUE(dismissGeneral(*world, 1));
    EXPECT_EQ(world->generalCount[Player], 0);
    EXPECT_FALSE(dismissGeneral(*world, 1));
}

TEST_F(RosterWorld, DismissKeepsEveryBattleOnTheGeneralItStartedWith)
{
    for (int i = 1; i <= 5; ++i)
        addGeneral(Player, "P" + std::to_string(i), i, Training);
    for (int i = 1; i <= 5; ++i)
        addGeneral(Enemy, "E" + std::to_string(i), i, Training);

    // The player attacks with slot 4, defends with slot 2 and with slot 3;
    // a battle between two other sides uses the same slot numbers.
    const int attack = addBattle(20, Player, 4, Enemy, 5);
    const int defence = addBattle(21, Enemy, 5, Player, 2);
    const int lost = addBattle(22, Enemy, 1, Player, 3);
    const int foreign = addBattle(23, Enemy, 4, 11, 4);
    const int standIn = addBattle(24, Player, 5, Enemy, 0);

    ASSERT_TRUE(dismissGeneral(*world, 3));

    EXPECT_EQ(world->battleAttackerGeneral[attack], 3);
    EXPECT_EQ(world->generalName[Player][3], "P4");
    EXPECT_EQ(world->battleDefenderGeneral[attack], 5);  // the enemy's tables did not move

    EXPECT_EQ(world->battleDefenderGeneral[defence], 2);  // above the gap: unchanged
    EXPECT_EQ(world->battleAttackerGeneral[defence], 5);

    EXPECT_EQ(world->battleDefenderGeneral[lost], 0);  // its general was dismissed
    EXPECT_EQ(world->battleAttackerGeneral[lost], 1);

    EXPECT_EQ(world->battleAttackerGeneral[foreign], 4);
    EXPECT_EQ(world->battleDefenderGeneral[foreign], 4);

    EXPECT_EQ(world->battleAttackerGeneral[standIn], 4);
    EXPECT_EQ(world->generalName[Player][4], "P5");
    EXPECT_EQ(world->battleDefenderGeneral[standIn], 0);

    // Countries, sides and scores stay as they were.
    EXPECT_EQ(world->battleCount, 5);
    EXPECT_EQ(world->battleCountry[lost], 22);
    EXPECT_EQ(world->battleAttackerScore[lost] + world->battleDefenderScore[lost], 100);
}

TEST_F(RosterWorld, TaskSetsReadyOrTrainingButNotForAGeneralInBattle)
{
    addGeneral(Player, "A", 1, Training);
    addGeneral(Player, "B", 1, InBattle);

    EXPECT_EQ(setGeneralTask(*world, 1, Ready), TaskOutcome::Set);
    EXPECT_EQ(world->generalStatus[Player][1], Ready);
    EXPECT_EQ(setGeneralTask(*world, 1, Ready), TaskOutcome::Set);
    EXPECT_EQ(world->generalStatus[Player][1], Ready);
    EXPECT_EQ(setGeneralTask(*world, 1, Training), TaskOutcome::Set);
    EXPECT_EQ(world->generalStatus[Player][1], Training);

    EXPECT_EQ(setGeneralTask(*world, 2, Ready), TaskOutcome::InBattle);
    EXPECT_EQ(world->generalStatus[Player][2], InBattle);

    EXPECT_EQ(setGeneralTask(*world, 1, InBattle), TaskOutcome::NoGeneral);
    EXPECT_EQ(world->generalStatus[Player][1], Training);
    EXPECT_EQ(setGeneralTask(*world, 0, Ready), TaskOutcome::NoGeneral);
    EXPECT_EQ(setGeneralTask(*world, 3, Ready), TaskOutcome::NoGeneral);
}
