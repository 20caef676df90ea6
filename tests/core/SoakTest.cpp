#include "ScriptedPlayer.h"

#include "simulation/Clock.h"
#include "simulation/Setup.h"
#include "world/MapLoader.h"

#include <gtest/gtest.h>
#include <memory>

using namespace stratagon;

// Whole games on the shipped map, the scripted player against the opponent
// at its hardest, with every invariant checked after every tick.
TEST(Soak, WholeGamesOnTheShippedMapKeepEveryInvariant)
{
    const std::string map = STRATAGON_ASSETS "/cards/Afrika.mgi";
    auto world = std::make_unique<WorldState>();
    GameView view;
    int ended = 0;
    for (unsigned seed = 1; seed <= 3; ++seed) {
        SeededRandom random(seed);
        *world = WorldState{};
        world->monthInterval = 2500;
        world->aiDivisor = 1;
        ASSERT_TRUE(loadMap(*world, map).ok);
        world->side[0] = defaultSide(*world);
        ASSERT_NE(world->side[0], 9);
        ASSERT_TRUE(startGame(*world, random, view, map));
        ScriptedPlayer player;
        for (int tick = 0; tick < 48 * 60 && world->playing; ++tick) {
            player.act(*world);
            clockTick(*world, random, view);
            const std::string fault = checkInvariants(*world);
            ASSERT_EQ(fault, "") << "seed " << seed << ", tick " << tick;
        }
        EXPECT_GT(player.attacksLaunched(), 0);
        ended += !world->playing;
    }
    // At the hardest setting at least one of three games is decided within
    // 60 game years.
    EXPECT_GT(ended, 0);
}
