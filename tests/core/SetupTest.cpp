#include "simulation/Battle.h"
#include "simulation/Clock.h"
#include "simulation/Setup.h"
#include "world/MapLoader.h"

#include "WholeGameSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

using namespace stratagon;
using namespace stratagon::test;

namespace {

const std::string SmallMap = std::string(STRATAGON_FIXTURES) + "/small.mgi";

// The small fixture: 12 countries, "Südafrika" first, "Malawi" ninth.
struct NewGame {
    NewGame()
    {
        w->monthInterval = 833;
        w->aiDivisor = 16;
        w->side[0] = 1;
    }
    bool start(const std::string& path = SmallMap) { return startGame(*w, random, view, path); }
    std::unique_ptr<WorldState> w = std::make_unique<WorldState>();
    SeededRandom random{11};
    RecordingView view{w.get()};
};

long countOf(const std::vector<std::string>& calls, const std::string& name)
{
    return std::count(calls.begin(), calls.end(), name);
}

}  // namespace

TEST(GameSetUp, WindowStepsTickAndPaintInOrder)
{
    NewGame s;
    ASSERT_TRUE(s.start());
    const std::vector<std::string> expected = {
        "status", "sideMenu", "picture", "startClock",
        // the tick: before the sides are placed only the player's home is painted
        "clear", "fill", "battlePanel", "infoPanel", "date",
        "surface", "fill", "fill"};
    EXPECT_EQ(s.view.calls, expected);
    EXPECT_EQ(s.view.clockPeriod, 208);
    EXPECT_EQ(s.view.dates, std::vector<std::string>{"Januar 2000"});
    // The tick's paint, then the set-up's own on top of it.
    const std::vector<Fill> painted = {
        {120, 340, PlayerColour}, {120, 340, PlayerColour}, {210, 40, OpponentColour}};
    EXPECT_EQ(s.view.fills, painted);
}

TEST(GameSetUp, LeavesAFreshGame)
{
    NewGame s;
    ASSERT_TRUE(s.start());
    const WorldState& w = *s.w;
    EXPECT_TRUE(w.playing);
    EXPECT_EQ(w.r, 1);
    EXPECT_TRUE(w.battleMode);
    EXPECT_FALSE(w.sideMenuClosed);
    EXPECT_EQ(w.battleCount, 0);
    EXPECT_EQ(w.shownCountry, 1);
    EXPECT_EQ(w.year, 2000);
    EXPECT_EQ(w.month, 1);
    EXPECT_EQ(w.tickCount, 0);
    EXPECT_EQ(w.land, "Südafrika, Kolonie : Südafrika");
    EXPECT_EQ(w.side[1], 9);
    EXPECT_EQ(w.sideMax, 1);
    ASSERT_EQ(w.countryCount, 12);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(w.countryOwner[i], i);
        EXPECT_EQ(w.countryKind[i], i == 1 ? KindPlayer : i == 9 ? KindOpponent : KindPassive) << i;
    }
    for (int side = 0; side <= 12; ++side)
        for (int slot = 1; slot <= 5; ++slot)
            EXPECT_EQ(w.generalStatus[side][slot], Training);
    EXPECT_EQ(w.generalStatus[1][6], Ready);
}

TEST(GameSetUp, PlayerOnCountryNineIsAlsoTheOpponentAndPaintedRed)
{
    NewGame s;
    s.w->side[0] = 9;
    ASSERT_TRUE(s.start());
    EXPECT_EQ(s.w->countryKind[9], KindOpponent);
    EXPECT_EQ(s.view.fills.back(), (Fill{210, 40, PlayerColour}));
}

TEST(GameSetUp, RestartDiscardsBattlesAndConquests)
{
    NewGame s;
    ASSERT_TRUE(s.start());
    s.w->countryOwner[2] = 9;
    s.w->generalCount[1] = 7;
    openBattle(*s.w, 3, 1, 1, 3, 1);
    s.w->battleMode = false;
    s.w->playing = false;
    ASSERT_TRUE(s.start());
    EXPECT_EQ(s.w->battleCount, 0);
    EXPECT_EQ(s.w->countryOwner[2], 2);
    EXPECT_EQ(s.w->generalCount[1], 2);
    EXPECT_TRUE(s.w->battleMode);
    EXPECT_TRUE(s.w->playing);
}

TEST(GameSetUp, MissingPictureStopsWithAMessage)
{
    NewGame s;
    s.view.pictureLoads = false;
    EXPECT_FALSE(s.start());
    EXPECT_FALSE(s.w->playing);
    ASSERT_EQ(s.view.messages.size(), 1u);
    EXPECT_EQ(s.view.messages[0].text, MissingMapPictureMessage);
    EXPECT_EQ(s.w->countryCount, 0);  // nothing loaded
    EXPECT_EQ(countOf(s.view.calls, "startClock"), 0);
}

TEST(GameSetUp, RejectedMapIsReportedAndPlayedOnTheOldTables)
{
    NewGame s;
    ASSERT_TRUE(s.start());
    s.w->countryOwner[4] = 1;
    const std::string bad = ::testing::TempDir() + "setup_bad_version.mgi";
    std::ofstream(bad) << "\"2\",\"x\",\"y\",1,1,1,\"K\",\"A\",0,0\r\n";
    s.view.messages.clear();
    EXPECT_TRUE(s.start(bad));
    std::remove(bad.c_str());
    ASSERT_EQ(s.view.messages.size(), 1u);
    EXPECT_EQ(s.view.messages[0].text, WrongMapVersionMessage);
    EXPECT_EQ(s.view.messages[0].title, "Fehler !");
    EXPECT_EQ(s.w->countryCount, 12);
    EXPECT_EQ(s.w->countryOwner[4], 4);  // the set-up still hands every country back
    EXPECT_TRUE(s.w->playing);
}

TEST(GameSetUp, PlayerNotOnTheMapLosesAtOnceAfterTheSidesArePlaced)
{
    NewGame s;
    s.w->side[0] = 40;
    EXPECT_FALSE(s.start());
    ASSERT_EQ(s.view.messages.size(), 1u);
    EXPECT_EQ(s.view.messages[0].title, "Verloren!");
    EXPECT_FALSE(s.w->playing);
    EXPECT_EQ(s.view.closed, 1);
    // Judged once, after the last paint of the set-up.
    EXPECT_EQ(s.view.calls.back(), "close");
    EXPECT_EQ(countOf(s.view.calls, "surface"), 1);
}

TEST(GameSetUp, FirstTickTreatsEveryCountryAsThePlayersKind)
{
    // Before any game every kind is 0: the set-up's tick only trains.
    NewGame s;
    s.w->aiDivisor = 1;
    ASSERT_TRUE(s.start());
    EXPECT_EQ(s.w->battleCount, 0);
    EXPECT_EQ(s.w->generalCount[9], 1);  // no recruit for Malawi yet
}
