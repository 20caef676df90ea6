// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A game that keeps its trail, as the session keeps it, for the tests of
// games computed again.

#include "CoreTestSupport.h"

#include "simulation/Pace.h"
#include "simulation/Trail.h"

namespace stratagon::test {

// A game that keeps its trail, played by the soak's player and, now and
// then, by a restless one who dismisses, stops training, changes the pace
// and the settings. His whims come from a source of their own, never from
// the game's.
struct KeptGame {
    KeptGame(const std::string& mapName, int opponents, RuleSet rules, unsigned long long seed)
        : random(seed), whims(seed + 1)
    {
        const std::string map = STRATAGON_ASSETS "/cards/" + mapName + ".mgi";
        loadMap(*w, map);
        w->monthInterval = 833, w->aiDivisor = 64, w->ruleSet = rules, w->side[0] = defaultSide(*w);
        started = startGame(*w, random, map, opponents).started;
        trail = startTrail(*w, random);
    }

    void give(const Order& order)
    {
        if (carryOutOrder(*w, order))
            noteOrder(trail, order);
    }

    void playerTurn()
    {
        player.act(*w, &trail);
        if (!restless)
            return;
        const int me = w->side[0];
        switch (whims.draw(60)) {
        case 0:
            give(Order::dismiss(me, 1 + whims.draw(std::max(w->generalCount[me], 1))));
            break;
        case 1:
            give(Order::setTask(me, 1 + whims.draw(std::max(w->generalCount[me], 1)), Ready));
            break;
        case 2:
            give(Order::pace(me, whims.draw(int(PaceSteps.size()))));
            break;
        case 3:
            give(Order::settings(me, std::array{833, 2500}[whims.draw(2)], std::array{32, 128, 256}[whims.draw(3)]));
            break;
        case 4:
            give(Order::recruit(me, "Laune " + std::to_string(trail.ticks)));
            break;
        default:
            break;
        }
    }

    TickReport tick() { return trailTick(*w, random, trail); }

    std::unique_ptr<WorldState> w = std::make_unique<WorldState>();
    SeededRandom random;
    SeededRandom whims;
    ScriptedPlayer player;
    GameTrail trail;
    bool started = false;
    bool restless = true;
};

}  // namespace stratagon::test
