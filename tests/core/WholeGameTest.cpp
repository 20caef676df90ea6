// Whole games without a window: a set-up, then ticks at the strongest
// difficulty until the game ends, with the invariants checked after each.

#include "simulation/Battle.h"
#include "simulation/Clock.h"
#include "simulation/EndOfGame.h"
#include "simulation/PlayerActions.h"
#include "simulation/Setup.h"
#include "world/MapLoader.h"

#include "WholeGameSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>

using namespace stratagon;
using namespace stratagon::test;

namespace {

std::string brokenInvariant(const WorldState& w)
{
    std::ostringstream out;
    if (w.battleCount < 0 || w.battleCount > MaxBattles)
        out << "battleCount " << w.battleCount << "; ";
    std::set<int> fought;
    for (int k = 1; k <= std::clamp(w.battleCount, 0, MaxBattles); ++k) {
        if (w.battleAttackerScore[k] + w.battleDefenderScore[k] != 100)
            out << "battle " << k << " scores do not add up; ";
        if (!fought.insert(w.battleCountry[k]).second)
            out << "country " << w.battleCountry[k] << " in two battles; ";
        if (!validCountry(w, w.battleCountry[k]))
            out << "battle " << k << " over no country; ";
    }
    for (int i = 1; i <= w.countryCount; ++i)
        if (!validCountry(w, w.countryOwner[i]))
            out << "owner of " << i << " is " << w.countryOwner[i] << "; ";
    for (int s = 0; s <= MaxCountries; ++s)
        if (w.generalCount[s] < 0 || w.generalCount[s] > MaxGenerals)
            out << "side " << s << " has " << w.generalCount[s] << " generals; ";
    if (w.playerBattleCount > MaxPlayerBattles)
        out << "player list " << int(w.playerBattleCount) << "; ";
    return out.str();
}

// Between ticks: attack every neighbour it can with its best free general,
// recruiting while the roster is short.
void aggressivePlayer(WorldState& w)
{
    const int p = w.side[0];
    while (w.generalCount[p] < 8)
        recruitGeneral(w, "Rekrut");
    for (int x = 1; x <= w.countryCount; ++x) {
        if (w.countryOwner[x] != p)
            continue;
        for (int y = 1; y <= w.neighbourCount[x]; ++y) {
            const int t = countryIndexByName(w, w.neighbourName[x][y]);
            if (t == 0 || w.countryOwner[t] == p)
                continue;
            const int g = bestGeneral(w, p);
            if (g == 0)
                return;
            launchAttackOn(w, t, g);
        }
    }
}

struct Result {
    int ticks = 0;
    GameOutcome outcome = GameOutcome::Running;
};

Result play(WorldState& w, RandomSource& random, RecordingView& view, bool aggressive, int maxTicks)
{
    Result result;
    while (w.playing && result.ticks < maxTicks) {
        if (aggressive)
            aggressivePlayer(w);
        clockTick(w, random, view);
        ++result.ticks;
        const std::string broken = brokenInvariant(w);
        if (!broken.empty()) {
            ADD_FAILURE() << "after tick " << result.ticks << ": " << broken;
            return result;
        }
    }
    if (!view.messages.empty())
        result.outcome = view.messages.back().title == "Gewonnen!" ? GameOutcome::Won : GameOutcome::Lost;
    return result;
}

void expectEndedProperly(const WorldState& w, const RecordingView& view, const Result& result)
{
    ASSERT_NE(result.outcome, GameOutcome::Running) << "no end after " << result.ticks << " ticks";
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.closed, 1);
    EXPECT_FALSE(w.playing);
    EXPECT_FALSE(view.playingWhenClosed);
    EXPECT_EQ(view.calls.back(), "close");
    const auto tick = view.lastTickCalls();
    ASSERT_GE(tick.size(), 4u);
    // The message comes after the tick has drawn its map, panels and date.
    EXPECT_EQ(tick[tick.size() - 3], "date");
    int held = 0;
    for (int i = 1; i <= w.countryCount; ++i)
        held += w.countryOwner[i] == w.side[0];
    if (result.outcome == GameOutcome::Won) {
        EXPECT_EQ(held, w.countryCount);
        EXPECT_EQ(view.messages[0].text, WonText);
    } else {
        EXPECT_EQ(held, 0);
        EXPECT_EQ(view.messages[0].text, LostText);
    }
}

struct Game {
    explicit Game(unsigned long long seed) : random(seed)
    {
        w->monthInterval = 416;
        w->aiDivisor = 1;
    }
    std::unique_ptr<WorldState> w = std::make_unique<WorldState>();
    SeededRandom random;
    RecordingView view{w.get()};
};

}  // namespace

TEST(WholeGame, PassivePlayerOnTheSmallMapLosesWithTheInvariantsKept)
{
    for (unsigned long long seed = 1; seed <= 5; ++seed) {
        Game g(seed);
        g.w->side[0] = 1;
        ASSERT_TRUE(startGame(*g.w, g.random, g.view, std::string(STRATAGON_FIXTURES) + "/small.mgi"));
        const Result r = play(*g.w, g.random, g.view, false, 200000);
        SCOPED_TRACE("seed " + std::to_string(seed) + ", " + std::to_string(r.ticks) + " ticks");
        expectEndedProperly(*g.w, g.view, r);
        EXPECT_EQ(r.outcome, GameOutcome::Lost);
    }
}

TEST(WholeGame, AttackingPlayerOnTheSmallMapKeepsTheInvariants)
{
    // The small map has an island nobody can reach, so the player cannot win
    // there; the game ends in a loss or runs on.
    for (unsigned long long seed = 1; seed <= 5; ++seed) {
        Game g(seed);
        g.w->side[0] = 1;
        ASSERT_TRUE(startGame(*g.w, g.random, g.view, std::string(STRATAGON_FIXTURES) + "/small.mgi"));
        const Result r = play(*g.w, g.random, g.view, true, 20000);
        SCOPED_TRACE("seed " + std::to_string(seed) + ", " + std::to_string(r.ticks) + " ticks");
        EXPECT_NE(r.outcome, GameOutcome::Won);
        if (r.outcome != GameOutcome::Running) {
            expectEndedProperly(*g.w, g.view, r);
        }
    }
}

TEST(WholeGame, LongChainBuiltInCodeEndsBothWays)
{
    // 40 countries in a row, the opponent at 9 with a strong general: many
    // battles run at once. The attacking player wins some games, the idle
    // player loses every one.
    int won = 0;
    for (unsigned long long seed = 1; seed <= 6; ++seed) {
        for (const bool aggressive : {true, false}) {
            auto w = chainWorld(40);
            w->side[1] = 9;
            w->countryKind[2] = KindPassive;
            w->countryKind[9] = KindOpponent;
            for (int i = 1; i <= 40; ++i)
                addGeneral(*w, i, "G", i == 9 ? 12 : 3, Training);
            SeededRandom random(seed);
            RecordingView view(w.get());
            const Result r = play(*w, random, view, aggressive, 100000);
            SCOPED_TRACE("seed " + std::to_string(seed) + (aggressive ? " attacking, " : " idle, ") +
                         std::to_string(r.ticks) + " ticks");
            expectEndedProperly(*w, view, r);
            if (!aggressive) {
                EXPECT_EQ(r.outcome, GameOutcome::Lost);
            }
            won += r.outcome == GameOutcome::Won;
        }
    }
    EXPECT_GT(won, 0);
}

TEST(WholeGame, ShippedMap)
{
    const std::string map = std::string(STRATAGON_ASSETS) + "/cards/Afrika.mgi";
    if (!std::filesystem::exists(map))
        GTEST_SKIP() << "no shipped map yet";
    for (unsigned long long seed = 1; seed <= 4; ++seed) {
        const bool aggressive = seed % 2 == 0;
        Game g(seed);
        Game probe(seed);
        ASSERT_TRUE(loadMap(*probe.w, map).ok);
        g.w->side[0] = codeToCountry(*probe.w, probe.w->defaultSideCode);
        ASSERT_TRUE(startGame(*g.w, g.random, g.view, map));
        const Result r = play(*g.w, g.random, g.view, aggressive, aggressive ? 20000 : 200000);
        SCOPED_TRACE("seed " + std::to_string(seed) + ", " + std::to_string(r.ticks) + " ticks");
        if (aggressive) {
            if (r.outcome != GameOutcome::Running) {
                expectEndedProperly(*g.w, g.view, r);
            }
        } else {
            expectEndedProperly(*g.w, g.view, r);
            EXPECT_EQ(r.outcome, GameOutcome::Lost);
        }
        std::printf("shipped map seed %llu %s: %d ticks, outcome %d\n", seed,
                    aggressive ? "attacking" : "idle", r.ticks, static_cast<int>(r.outcome));
    }
}
