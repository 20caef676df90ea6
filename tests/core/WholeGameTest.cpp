// SPDX-License-Identifier: GPL-3.0-or-later
// Game set-ups, the end-of-game check, and whole games without a window:
// ticks at the strongest difficulty until the game ends, with every
// invariant checked after each tick.

#include "ScriptedPlayer.h"

#include "simulation/Battle.h"
#include "simulation/Clock.h"
#include "simulation/EndOfGame.h"
#include "simulation/Opponents.h"
#include "simulation/Setup.h"
#include "world/MapLoader.h"
#include "world/Rules.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>


using namespace stratagon;
using namespace stratagon::test;

TEST(EndOfGame, AllOrNothingEndsWithTheExactTextThenCloses)
{
    EXPECT_EQ(wonText("Afrika"), "Es ist vollbracht! Deine Generäle haben Afrika unter deiner Kontrolle gebracht.\r\n\r\n"
                                 "Du hast gewonnen!");
    EXPECT_EQ(lostText("Afrika"), "Deine Generäle konnten dich nicht zum Sieg führen! Sie sind kläglich gescheitert! "
                                  "Afrika kannst du vergessen :-(\r\n\r\nDu hast verloren!");
    EXPECT_EQ(wonText("Europa"), "Es ist vollbracht! Deine Generäle haben Europa unter deiner Kontrolle gebracht.\r\n\r\n"
                                 "Du hast gewonnen!");
    auto w = chainWorld(4);
    RecordingView view(w.get());
    w->countryOwner[2] = 1;  // the opponent is gone, but passive countries remain
    EXPECT_EQ(endOfGameCheck(*w, view), GameOutcome::Running);
    w->countryOwner[3] = 1, w->countryOwner[1] = 2;  // home lost, colonies held
    EXPECT_EQ(endOfGameCheck(*w, view), GameOutcome::Running);
    EXPECT_EQ(endOfGameCheck(*chainWorld(0), view), GameOutcome::Running);
    EXPECT_TRUE(view.calls.empty());
    w->countryOwner[1] = w->countryOwner[4] = 1;  // all held, a battle still running
    w->battleCount = 1, w->battles[1].country = 3, w->battles[1].attacker = 2, w->battles[1].defender = 1;
    EXPECT_EQ(endOfGameCheck(*w, view), GameOutcome::Won);
    // Confirmed while the game still runs; closed once playing went false.
    EXPECT_EQ(row(view.calls.at(0), view.calls.at(1), view.calls.at(2), view.messages.at(0), w->playing),
              row("message|Gewonnen!|1", "close|0", "report", wonText("Testland"), 0));
}

namespace {

using Player = std::function<void(WorldState&)>;

// Plays until the game ends or `maxTicks`, the player acting before every tick.
void play(WorldState& w, RandomSource& random, GameView& view, const Player& player, int maxTicks)
{
    for (int tick = 1; w.playing && tick <= maxTicks; ++tick) {
        if (player)
            player(w);
        clockTick(w, random);
        ASSERT_EQ(checkInvariants(w) + (w.playerBattleCount > MaxPlayerBattles ? "list overflow" : ""), "") << tick;
    }
}

// Checks the end of a finished game; returns whether the player won.
bool expectEnded(const WorldState& w, const RecordingView& view)
{
    const auto held = std::count(&w.countryOwner[1], &w.countryOwner[1] + w.countryCount, w.side[0]);
    const bool won = held == w.countryCount;
    EXPECT_TRUE(won || held == 0) << held;
    // The message comes once, after the tick has drawn its map, panels and date.
    EXPECT_EQ(row(w.playing, view.calls[view.calls.size() - 4].substr(0, 5), view.calls[view.calls.size() - 3],
                  view.calls[view.calls.size() - 2], view.calls.back(), view.messages.size(), view.messages.at(0)),
              row(0, "date|", won ? "message|Gewonnen!|1" : "message|Verloren!|1", "close|0", "report", 1,
                  won ? wonText(w.continentName) : lostText(w.continentName)));
    return won;
}

}  // namespace

TEST(WholeGame, GamesOnTheSmallAndTheShippedMapKeepEveryInvariantAndEndProperly)
{
    // Idle players lose (the small map has an island nobody reaches); the
    // scripted player attacks on the shipped map, and at the hardest setting
    // some game is decided within 60 years.
    int decided = 0;
    for (int game = 1; game <= 20; ++game) {
        const bool shipped = game > 4, scripted = game > 5;
        const std::string map = shipped ? STRATAGON_ASSETS "/cards/Afrika.mgi" : STRATAGON_FIXTURES "/small.mgi";
        SCOPED_TRACE(row(map, game));
        auto w = std::make_unique<WorldState>();
        ASSERT_TRUE(loadMap(*w, map).ok);
        w->monthInterval = 416, w->aiDivisor = 1, w->side[0] = defaultSide(*w);
        SeededRandom random(game);
        RecordingView view(w.get());
        ASSERT_TRUE(startGame(*w, random, map));
        ScriptedPlayer player;
        play(*w, random, view, scripted ? Player([&](WorldState& x) { player.act(x); }) : Player(),
             scripted ? 48 * 60 : 200000);
        EXPECT_TRUE(!scripted || player.attacksLaunched() > 0);
        if (!scripted || !w->playing) {
            decided += scripted;
            EXPECT_TRUE(!expectEnded(*w, view) || scripted);
        }
    }
    EXPECT_GT(decided, 0);
}

TEST(WholeGame, ZuegigGamesOnTheShippedMapEndWithinACenturyAndNoBattleOutlastsItsLimit)
{
    const int limit = ruleTable(RulesZuegig).battleTickLimit;
    for (int game = 1; game <= 3; ++game) {
        SCOPED_TRACE(game);
        const std::string map = STRATAGON_ASSETS "/cards/Afrika.mgi";
        auto w = std::make_unique<WorldState>();
        ASSERT_TRUE(loadMap(*w, map).ok);
        w->monthInterval = 416, w->aiDivisor = 16, w->ruleSet = RulesZuegig, w->side[0] = defaultSide(*w);
        SeededRandom random(game);
        RecordingView view(w.get());
        ASSERT_TRUE(startGame(*w, random, map));
        EXPECT_EQ(w->ruleSet, RulesZuegig);  // the set-up keeps the game's rules
        ScriptedPlayer player;
        int longest = 0;
        play(*w, random, view, [&](WorldState& x) {
            player.act(x);
            for (int k = 1; k <= x.battleCount; ++k)
                longest = std::max(longest, x.battles[k].ticks);
        }, 48 * 100);
        EXPECT_FALSE(w->playing);
        if (!w->playing)
            expectEnded(*w, view);
        EXPECT_LT(longest, limit);
    }
}

namespace {

// The small fixture: 12 countries, "Südafrika" first, "Malawi" ninth.
struct NewGame {
    explicit NewGame(int side = 1) { w->monthInterval = 833, w->aiDivisor = 16, w->side[0] = side; }
    bool start(const std::string& path = STRATAGON_FIXTURES "/small.mgi") { return startGame(*w, random, path); }
    std::unique_ptr<WorldState> w = std::make_unique<WorldState>();
    SeededRandom random{11};
    RecordingView view{w.get()};
};

}  // namespace

TEST(GameSetUp, StepsInOrderLeaveAFreshGameAndReportWhatIsMissing)
{
    NewGame s;
    ASSERT_TRUE(s.start());
    EXPECT_EQ(s.view.calls, (std::vector<std::string>{"status", "sideMenu", "picture", "startClock|208",
                                                      // the tick paints only the player's home so far
                                                      "clear", "fill|120|340|red", "battlePanel", "infoPanel",
                                                      "date|Januar 2000", "surface", "fill|120|340|red",
                                                      "fill|210|40|green"}));
    const WorldState& w = *s.w;  // the set-up's tick saw no opponent yet: no recruit for Malawi
    EXPECT_EQ(row(w.playing, w.battleMode, w.sideMenuClosed, w.r, w.battleCount, w.shownCountry, w.year, w.month,
                  w.tickCount, w.side[1], w.sideMax, w.land, w.generalStatus[1][6], w.generalCount[9], w.countryCount),
              "1|1|0|1|0|1|2000|1|0|9|1|Südafrika, Kolonie : Südafrika|0|1|12");
    for (int i = 1; i <= 12; ++i)  // slots 1 to 5 in training
        EXPECT_EQ(row(w.countryOwner[i], w.countryKind[i],
                      std::count(&w.generalStatus[i][1], &w.generalStatus[i][6], 1)),
                  row(i, i == 1 ? KindPlayer : i == 9 ? KindOpponent : KindPassive, 5));

    // A restart discards battles and conquests.
    s.w->countryOwner[2] = 9, s.w->generalCount[1] = 7, s.w->battleMode = s.w->playing = false;
    openBattle(*s.w, 3, 1, 1, 3, 1);
    ASSERT_TRUE(s.start());
    EXPECT_EQ(row(w.battleCount, w.countryOwner[2], w.generalCount[1], w.battleMode, w.playing), "0|2|2|1|1");

    NewGame nine(9);  // the player on country 9 is played by him, against another country
    ASSERT_TRUE(nine.start());
    const int other = chooseOpponents(*nine.w, 9, 1).at(0);
    EXPECT_EQ(row(nine.w->countryKind[9], nine.w->side[1], nine.w->countryKind[other], nine.w->sideMax),
              row(KindPlayer, other, KindOpponent, 1));

    NewGame bare;  // without its picture nothing is loaded, no clock started
    bare.view.pictureLoads = false;
    EXPECT_FALSE(bare.start());
    EXPECT_EQ(row(bare.view.calls.size(), bare.view.calls.back().substr(0, 16), bare.view.messages.at(0),
                  bare.w->playing, bare.w->countryCount), row(4, "message|Fehler !", MissingMapPictureMessage, 0, 0));

    // A rejected map is reported, and the game goes on with the old tables.
    s.w->countryOwner[4] = 1;
    s.view.calls.clear();
    EXPECT_TRUE(s.start(STRATAGON_FIXTURES "/fehlt.mgi"));
    EXPECT_EQ(row(s.view.calls[4].substr(0, 16), s.w->countryCount, s.w->countryOwner[4], s.w->playing),
              "message|Fehler !|12|4|1");

    NewGame lost(40);  // not on the map: lost, judged once after the last paint
    EXPECT_FALSE(lost.start() || lost.w->playing);
    EXPECT_EQ(std::vector<std::string>(lost.view.calls.end() - 5, lost.view.calls.end()),
              (std::vector<std::string>{"surface", "fill|210|40|green", "message|Verloren!|1", "close|0", "report"}));
}
