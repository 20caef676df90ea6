// SPDX-License-Identifier: GPL-3.0-or-later
// Plays whole games on the shipped map, the scripted player against the
// computer opponent at every difficulty, checking the invariants after every
// tick, and prints the balance table.
//
//   stratagon_soak [games per difficulty] [tick limit] [map file]

#include "ScriptedPlayer.h"

#include "simulation/Clock.h"
#include "simulation/Setup.h"
#include "world/MapLoader.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace stratagon;

namespace {

struct Tally {
    int games = 0, wins = 0, losses = 0, stopped = 0;
    std::vector<int> lengths;
};

double median(std::vector<int> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

}  // namespace

int main(int argc, char* argv[])
{
    const int games = argc > 1 ? std::atoi(argv[1]) : 20;
    const int tickLimit = argc > 2 ? std::atoi(argv[2]) : 48 * 300;
    const std::string mapPath = argc > 3 ? argv[3] : STRATAGON_ASSETS "/cards/Afrika.mgi";

    struct Difficulty {
        const char* name;
        int divisor;
    };
    const Difficulty difficulties[] = {
        {"Sehr Leicht", 256}, {"Leicht", 64}, {"Mittel", 16}, {"Schwer", 4}, {"Irrsinnig", 1}};

    auto world = std::make_unique<WorldState>();
    TimeSeededRandom random;
    GameView view;  // nothing to show

    std::printf("| Difficulty | Games | Won | Lost | Stopped at %d ticks | Median ticks | Median years |\n",
                tickLimit);
    std::printf("|---|---|---|---|---|---|---|\n");
    int broken = 0;
    for (const Difficulty& d : difficulties) {
        Tally tally;
        for (int g = 0; g < games; ++g) {
            *world = WorldState{};
            world->monthInterval = 2500;
            world->aiDivisor = d.divisor;
            if (!loadMap(*world, mapPath).ok) {
                std::fprintf(stderr, "cannot load %s\n", mapPath.c_str());
                return 2;
            }
            world->side[0] = defaultSide(*world);
            if (!startGame(*world, random, view, mapPath)) {
                std::fprintf(stderr, "set-up failed\n");
                return 2;
            }
            ScriptedPlayer player;
            int tick = 0;
            while (world->playing && tick < tickLimit) {
                player.act(*world);
                clockTick(*world, random, view);
                ++tick;
                const std::string fault = checkInvariants(*world);
                if (!fault.empty()) {
                    std::fprintf(stderr, "%s, game %d, tick %d: %s\n", d.name, g, tick, fault.c_str());
                    ++broken;
                    break;
                }
            }
            ++tally.games;
            if (world->playing) {
                ++tally.stopped;
                continue;
            }
            bool holdsAny = false;
            for (int i = 1; i <= world->countryCount; ++i)
                holdsAny = holdsAny || world->countryOwner[i] == world->side[0];
            ++(holdsAny ? tally.wins : tally.losses);
            tally.lengths.push_back(tick);
        }
        const double ticks = median(tally.lengths);
        std::printf("| %s | %d | %d | %d | %d | %.0f | %.1f |\n", d.name, tally.games, tally.wins,
                    tally.losses, tally.stopped, ticks, ticks / 48.0);
        std::fflush(stdout);
    }
    return broken ? 1 : 0;
}
