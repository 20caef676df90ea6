#include "simulation/Battle.h"
#include "simulation/Setup.h"
#include "world/MapLoader.h"

#include "WholeGameSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// The small fixture: 12 countries, "Südafrika" first, "Malawi" ninth.
struct NewGame {
    explicit NewGame(int side = 1) { w->monthInterval = 833, w->aiDivisor = 16, w->side[0] = side; }
    bool start(const std::string& path = STRATAGON_FIXTURES "/small.mgi") { return startGame(*w, random, view, path); }
    std::unique_ptr<WorldState> w = std::make_unique<WorldState>();
    SeededRandom random{11};
    RecordingView view{w.get()};
};

}  // namespace

TEST(GameSetUp, WindowStepsTickAndPaintInOrderAndLeaveAFreshGame)
{
    NewGame s;
    ASSERT_TRUE(s.start());
    EXPECT_EQ(s.view.calls, (std::vector<std::string>{"status", "sideMenu", "picture", "startClock|208",
                                                      // the tick paints only the player's home so far
                                                      "clear", "fill|120|340|red", "battlePanel", "infoPanel",
                                                      "date|Januar 2000", "surface", "fill|120|340|red",
                                                      "fill|210|40|green"}));
    const WorldState& w = *s.w;
    EXPECT_EQ(row(w.playing, w.battleMode, w.sideMenuClosed, w.r, w.battleCount, w.shownCountry, w.year, w.month,
                  w.tickCount, w.side[1], w.sideMax, w.land),
              "1|1|0|1|0|1|2000|1|0|9|1|Südafrika, Kolonie : Südafrika");
    ASSERT_EQ(w.countryCount, 12);
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(row(w.countryOwner[i], w.countryKind[i]), row(i, i == 1 ? KindPlayer : i == 9 ? KindOpponent : KindPassive));
    for (int side = 0; side <= 12; ++side)
        for (int slot = 1; slot <= 5; ++slot)
            EXPECT_EQ(w.generalStatus[side][slot], Training) << side << "," << slot;
    EXPECT_EQ(w.generalStatus[1][6], Ready);
    EXPECT_EQ(w.generalCount[9], 1);  // the set-up's tick saw no opponent yet: no recruit

    // A restart discards battles and conquests.
    s.w->countryOwner[2] = 9, s.w->generalCount[1] = 7;
    openBattle(*s.w, 3, 1, 1, 3, 1);
    s.w->battleMode = s.w->playing = false;
    ASSERT_TRUE(s.start());
    EXPECT_EQ(row(w.battleCount, w.countryOwner[2], w.generalCount[1], w.battleMode, w.playing), "0|2|2|1|1");

    NewGame nine(9);  // the player on the opponent's country is painted red
    ASSERT_TRUE(nine.start());
    EXPECT_EQ(row(nine.w->countryKind[9], nine.view.calls.back()), row(KindOpponent, "fill|210|40|red"));
}

TEST(GameSetUp, MissingPictureOrMapOrPlayerIsReported)
{
    NewGame s;
    s.view.pictureLoads = false;
    EXPECT_FALSE(s.start());
    EXPECT_EQ(row(s.view.calls.size(), s.view.calls.back().substr(0, 16)), "4|message|Fehler !");  // no clock
    EXPECT_EQ(s.view.messages, std::vector<std::string>{MissingMapPictureMessage});
    EXPECT_EQ(row(s.w->playing, s.w->countryCount), "0|0");

    // A rejected map is reported, and the game goes on with the old tables.
    s.view.pictureLoads = true;
    ASSERT_TRUE(s.start());
    s.w->countryOwner[4] = 1;
    const std::string bad = ::testing::TempDir() + "setup_bad_version.mgi";
    std::ofstream(bad) << "\"2\",\"x\",\"y\",1,1,1,\"K\",\"A\",0,0\r\n";
    s.view.messages.clear();
    EXPECT_TRUE(s.start(bad));
    std::remove(bad.c_str());
    EXPECT_EQ(s.view.messages, std::vector<std::string>{WrongMapVersionMessage});
    EXPECT_EQ(row(s.w->countryCount, s.w->countryOwner[4], s.w->playing), "12|4|1");

    NewGame lost(40);  // not on the map: lost, judged once after the last paint
    EXPECT_FALSE(lost.start());
    const std::vector<std::string> end(lost.view.calls.end() - 4, lost.view.calls.end());
    EXPECT_EQ(end, (std::vector<std::string>{"surface", "fill|210|40|green", "message|Verloren!|1", "close|0"}));
    EXPECT_FALSE(lost.w->playing);
}
