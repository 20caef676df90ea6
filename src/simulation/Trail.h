// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a game keeps so that it can be computed again: the world where its
// story starts, where its random source stood then, and every order of the
// player with the number of ticks run before it. The opponents' orders need
// no keeping: they follow from the world and the draws.

#include "simulation/Order.h"
#include "simulation/TickReport.h"
#include "world/GameRecords.h"
#include "world/Random.h"
#include "world/WorldState.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace stratagon {

struct TimedOrder {
    int64_t tick = 0;  // ticks run since the trail's start when it was given
    Order order;
    bool operator==(const TimedOrder&) const = default;
};

struct GameTrail {
    // The world at the trail's start; none for a game that keeps no trail.
    std::shared_ptr<const WorldState> origin;
    uint64_t seed = 0;
    uint64_t originDraws = 0;  // draws taken when the trail starts
    uint64_t draws = 0;        // draws taken by now
    int64_t ticks = 0;         // ticks run since the start
    std::vector<TimedOrder> orders;
    // A game played again from another one's month: that month; year 0 for
    // a game of its own.
    GameDate branchedAt;

    bool kept() const { return origin != nullptr; }
};

// A trail that starts with the world as it is and the source where it stands.
GameTrail startTrail(const WorldState& world, const SeededRandom& random);

// An order the player gave after the ticks run so far.
void noteOrder(GameTrail& trail, const Order& order);

// One tick of a game that keeps its trail.
TickReport trailTick(WorldState& world, SeededRandom& random, GameTrail& trail);

// An order of the player carried out as the session does it: what it did
// goes into the game's story and messages at once. False when it was not possible.
bool carryOutOrder(WorldState& world, const Order& order);

// The game of a trail computed again, tick by tick, from its start.
class Replay {
public:
    explicit Replay(const GameTrail& trail);

    const WorldState& world() const { return *world_; }
    WorldState& world() { return *world_; }
    const SeededRandom& random() const { return random_; }
    int64_t tick() const { return tick_; }
    bool atEnd() const { return tick_ >= trail_.ticks; }
    // An order of the trail could not be carried out: it was not made by
    // this game.
    bool failed() const { return failed_; }

    // The orders given before the next tick, then the tick.
    TickReport step();
    // Ticks on until `tick` have run (at most to the trail's end); the
    // orders given after the last one are not yet carried out.
    void runTo(int64_t tick);
    // The orders given after the last tick run.
    void carryOutDue();

private:
    const GameTrail& trail_;
    std::unique_ptr<WorldState> world_;
    SeededRandom random_;
    int64_t tick_ = 0;
    std::size_t next_ = 0;
    bool failed_ = false;
};

// Whether the trail, computed again, ends in `game`: false when it does
// not lead there (an order that cannot be carried out, another world or
// another number of draws at its end). Only the player's own time and the
// guidance, which are not rules, may differ from `game`.
bool trailLeadsTo(const GameTrail& trail, const WorldState& game);

// The ticks run from the world `origin` until month (year, month) begins;
// negative for a month before it.
int64_t ticksUntil(const WorldState& origin, int year, int month);
// The month a game stands in after `ticks` ticks from `origin`.
GameDate dateAfter(const WorldState& origin, int64_t ticks);

// The tick of the trail at which "Noch einmal ab hier" resumes for month
// `month` of the records: three months before it, never before the
// trail's start; -1 when the game keeps no trail there.
int64_t resumeTick(const GameTrail& trail, const GameRecords& records, int month);

// The game after `tick` ticks of the trail as a new game: its world, and a
// trail that keeps the start and the orders before that tick, noting the
// month it branched at. Empty when the tick lies outside the trail or the
// trail fails on the way.
struct Branch {
    std::unique_ptr<WorldState> world;
    GameTrail trail;
};
std::optional<Branch> branchAt(const GameTrail& trail, int64_t tick);

}  // namespace stratagon
