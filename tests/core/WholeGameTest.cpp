// Whole games without a window: set-ups, then ticks at the strongest
// difficulty until the game ends, with every invariant checked after each
// tick; and the end-of-game check on its own.

#include "ScriptedPlayer.h"

#include "simulation/Battle.h"
#include "simulation/Clock.h"
#include "simulation/EndOfGame.h"
#include "simulation/PlayerActions.h"
#include "simulation/Setup.h"
#include "world/MapLoader.h"

#include "WholeGameSupport.h"

#include <gtest/gtest.h>

using namespace stratagon;
using namespace stratagon::test;

TEST(EndOfGame, AllOrNothingEndsWithTheExactTextThenCloses)
{
    const std::string texts[] = {
        "Es ist vollbracht! Deine Generäle haben Afrika unter deiner Kontrolle gebracht.\r\n\r\nDu hast gewonnen!",
        "Deine Generäle konnten dich nicht zum Sieg führen! Sie sind kläglich gescheitert! Afrika kannst du "
        "vergessen :-(\r\n\r\nDu hast verloren!"};
    for (const int holder : {1, 2}) {
        auto w = chainWorld(3);
        w->countryOwner[1] = w->countryOwner[2] = w->countryOwner[3] = holder;
        w->battleCount = 1;  // a running battle changes nothing
        w->battleCountry[1] = 3, w->battleAttacker[1] = 3 - holder, w->battleDefender[1] = holder;
        RecordingView view(w.get());
        EXPECT_EQ(endOfGameCheck(*w, view), holder == 1 ? GameOutcome::Won : GameOutcome::Lost);
        // Confirmed while the game still runs; closed once playing went false.
        EXPECT_EQ(view.calls, (std::vector<std::string>{holder == 1 ? "message|Gewonnen!|1" : "message|Verloren!|1",
                                                        "close|0"}));
        EXPECT_EQ(view.messages, std::vector<std::string>{texts[holder - 1]});
        EXPECT_FALSE(w->playing);
    }
    auto w = chainWorld(4);
    RecordingView view(w.get());
    w->countryOwner[2] = 1;  // the opponent is gone, but passive countries remain
    EXPECT_EQ(endOfGameCheck(*w, view), GameOutcome::Running);
    w->countryOwner[3] = 1, w->countryOwner[1] = 2;  // home lost, colonies held
    EXPECT_EQ(endOfGameCheck(*w, view), GameOutcome::Running);
    EXPECT_EQ(endOfGameCheck(*chainWorld(0), view), GameOutcome::Running);
    EXPECT_TRUE(view.calls.empty());
}

namespace {

using Player = std::function<void(WorldState&)>;

// Attacks every neighbour it can with its best general, recruiting while the
// roster is short: many battles, and now and then a won game.
void reckless(WorldState& w)
{
    const int p = w.side[0];
    while (w.generalCount[p] < 8)
        recruitGeneral(w, "Rekrut");
    for (int x = 1; x <= w.countryCount; ++x)
        for (int y = 1; w.countryOwner[x] == p && y <= w.neighbourCount[x]; ++y)
            if (const int t = countryIndexByName(w, w.neighbourName[x][y]); t != 0 && w.countryOwner[t] != p)
                launchAttackOn(w, t, bestGeneral(w, p));
}

// Plays until the game ends or `maxTicks`, the player acting before every tick.
void play(WorldState& w, RandomSource& random, GameView& view, const Player& player, int maxTicks)
{
    for (int tick = 1; w.playing && tick <= maxTicks; ++tick) {
        if (player)
            player(w);
        clockTick(w, random, view);
        std::string broken = checkInvariants(w);
        for (int s = 0; s <= MaxCountries; ++s)
            if (w.generalCount[s] < 0 || w.generalCount[s] > MaxGenerals)
                broken += row(" generals of", s, w.generalCount[s]);
        if (w.playerBattleCount > MaxPlayerBattles)
            broken += " the player's list overflows";
        ASSERT_EQ(broken, "") << "after tick " << tick;
    }
}

// Checks the end of a finished game; returns whether the player won.
bool expectEnded(const WorldState& w, const RecordingView& view)
{
    int held = 0;
    for (int i = 1; i <= w.countryCount; ++i)
        held += w.countryOwner[i] == w.side[0];
    const bool won = held == w.countryCount;
    EXPECT_TRUE(won || held == 0) << held;
    EXPECT_FALSE(w.playing);
    // The message comes once, after the tick has drawn its map, panels and date.
    EXPECT_EQ(view.calls[view.calls.size() - 3].substr(0, 5), "date|");
    EXPECT_EQ(view.calls[view.calls.size() - 2], won ? "message|Gewonnen!|1" : "message|Verloren!|1");
    EXPECT_EQ(view.calls.back(), "close|0");
    EXPECT_EQ(view.messages, std::vector<std::string>{won ? WonText : LostText});
    return won;
}

}  // namespace

TEST(WholeGame, SmallMapsEndBothWaysWithTheInvariantsKept)
{
    int won = 0;
    for (unsigned long long seed = 1; seed <= 5; ++seed) {
        SCOPED_TRACE(seed);
        // The small fixture has an island nobody can reach: idle, the player loses.
        auto w = std::make_unique<WorldState>();
        w->monthInterval = 416, w->aiDivisor = 1, w->side[0] = 1;
        SeededRandom random(seed);
        RecordingView view(w.get());
        ASSERT_TRUE(startGame(*w, random, view, STRATAGON_FIXTURES "/small.mgi"));
        play(*w, random, view, nullptr, 200000);
        EXPECT_FALSE(expectEnded(*w, view));
        // 40 countries in a row, the opponent at 9 with a strong general.
        for (const bool active : {true, false}) {
            auto c = chainWorld(40);
            c->side[1] = 9, c->countryKind[2] = KindPassive, c->countryKind[9] = KindOpponent;
            for (int i = 1; i <= 40; ++i)
                addGeneral(*c, i, "G", i == 9 ? 12 : 3, Training);
            RecordingView chainView(c.get());
            play(*c, random, chainView, active ? Player(reckless) : Player(), 100000);
            const bool playerWon = expectEnded(*c, chainView);
            EXPECT_TRUE(active || !playerWon);
            won += playerWon;
        }
    }
    EXPECT_GT(won, 0);
}

TEST(WholeGame, ShippedMapWithTheScriptedPlayerKeepsEveryInvariant)
{
    const std::string map = STRATAGON_ASSETS "/cards/Afrika.mgi";
    int ended = 0;
    for (unsigned long long seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed);
        auto w = std::make_unique<WorldState>();
        ASSERT_TRUE(loadMap(*w, map).ok);
        w->monthInterval = 416, w->aiDivisor = 1, w->side[0] = defaultSide(*w);
        SeededRandom random(seed);
        RecordingView view(w.get());
        ASSERT_TRUE(startGame(*w, random, view, map));
        ScriptedPlayer player;
        const bool idle = seed == 4;
        play(*w, random, view, idle ? Player() : [&](WorldState& world) { player.act(world); }, idle ? 200000 : 48 * 60);
        EXPECT_TRUE(idle || player.attacksLaunched() > 0);
        if (!w->playing)
            ended += !expectEnded(*w, view) || !idle;
        EXPECT_TRUE(!idle || !w->playing);
    }
    EXPECT_GT(ended, 1);  // at the hardest setting a game is decided within 60 years
}
