// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Trail.h"

#include "simulation/Clock.h"

#include <algorithm>

namespace stratagon {

GameTrail startTrail(const WorldState& world, const SeededRandom& random)
{
    GameTrail trail;
    trail.origin = std::make_shared<const WorldState>(world);
    trail.seed = random.seed();
    trail.originDraws = random.draws();
    trail.draws = random.draws();
    return trail;
}

void noteOrder(GameTrail& trail, const Order& order)
{
    if (trail.kept())
        trail.orders.push_back({trail.ticks, order});
}

TickReport trailTick(WorldState& world, SeededRandom& random, GameTrail& trail)
{
    TickReport report = clockTick(world, random);
    ++trail.ticks;
    trail.draws = random.draws();
    return report;
}

bool carryOutOrder(WorldState& world, const Order& order)
{
    TickReport report;
    const bool done = applyOrder(world, order, report);
    chronicle(world, report);
    return done;
}

Replay::Replay(const GameTrail& trail)
    : trail_(trail), world_(std::make_unique<WorldState>(trail.origin ? *trail.origin : WorldState{}))
{
    random_.restore(trail.seed, trail.originDraws);
    failed_ = !trail.origin;
}

void Replay::carryOutDue()
{
    for (; next_ < trail_.orders.size() && trail_.orders[next_].tick <= tick_; ++next_)
        if (!carryOutOrder(*world_, trail_.orders[next_].order))
            failed_ = true;
}

TickReport Replay::step()
{
    carryOutDue();
    ++tick_;
    return clockTick(*world_, random_);
}

void Replay::runTo(int64_t tick)
{
    tick = std::min(tick, trail_.ticks);
    while (tick_ < tick && !failed_)
        step();
}

bool trailLeadsTo(const GameTrail& trail, const WorldState& game)
{
    if (!trail.kept() || trail.ticks < 0)
        return false;
    Replay replay(trail);
    replay.runTo(trail.ticks);
    replay.carryOutDue();
    if (replay.failed() || replay.tick() != trail.ticks || replay.random().draws() != trail.draws)
        return false;
    // The player's own time and the guidance follow the windows, not the rules.
    WorldState& again = replay.world();
    again.records.sessionMs = game.records.sessionMs;
    again.guideStep = game.guideStep;
    again.guideConquered = game.guideConquered;
    again.mapFileName = game.mapFileName;
    return again == game;
}

int64_t ticksUntil(const WorldState& origin, int year, int month)
{
    const int64_t months = (int64_t{year} * 12 + month) - (int64_t{origin.year} * 12 + origin.month);
    // The calendar turns on the fourth tick of a month.
    return months * 4 - origin.tickCount;
}

int64_t resumeTick(const GameTrail& trail, const GameRecords& records, int month)
{
    const std::vector<MonthSample>& months = records.months;
    if (!trail.kept() || month < 0 || std::size_t(month) >= months.size())
        return -1;
    const MonthSample& at = months[std::size_t(month)];
    if (ticksUntil(*trail.origin, at.year, at.month) < 0)
        return -1;  // before the trail's start
    const MonthSample& from = months[std::size_t(std::max(month - 3, 0))];
    return std::clamp<int64_t>(ticksUntil(*trail.origin, from.year, from.month), 0, trail.ticks);
}

GameDate dateAfter(const WorldState& origin, int64_t ticks)
{
    const int64_t months = (origin.tickCount + std::max<int64_t>(ticks, 0)) / 4;
    const int64_t index = int64_t{origin.year} * 12 + (origin.month - 1) + months;
    return {int32_t(index / 12), int32_t(index % 12 + 1)};
}

std::optional<Branch> branchAt(const GameTrail& trail, int64_t tick)
{
    if (!trail.kept() || tick < 0 || tick > trail.ticks)
        return std::nullopt;
    Replay replay(trail);
    replay.runTo(tick);
    if (replay.failed() || replay.tick() != tick)
        return std::nullopt;
    Branch branch;
    branch.world = std::make_unique<WorldState>(replay.world());
    branch.trail.origin = trail.origin;
    branch.trail.seed = trail.seed;
    branch.trail.originDraws = trail.originDraws;
    branch.trail.draws = replay.random().draws();
    branch.trail.ticks = tick;
    for (const TimedOrder& order : trail.orders)
        if (order.tick < tick)
            branch.trail.orders.push_back(order);
    branch.trail.branchedAt = {branch.world->year, branch.world->month};
    return branch;
}

}  // namespace stratagon
