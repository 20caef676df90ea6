// SPDX-License-Identifier: GPL-3.0-or-later
// Games computed again from their start, their seed and the player's orders.

#include "TrailGame.h"

using namespace stratagon;
using namespace stratagon::test;

namespace {

const std::array<std::string, 4> Maps = {"Afrika", "Amerika", "Asien", "Europa"};

}  // namespace

TEST(Trail, EveryMapEveryCountOfOpponentsBothRuleSetsComputedAgainTickForTick)
{
    int kinds[OrderKindCount] = {};
    for (const std::string& map : Maps)
        for (int opponents = 1; opponents <= 5; ++opponents)
            for (const RuleSet rules : {RulesKlassisch, RulesZuegig}) {
                SCOPED_TRACE(row(map, opponents, int(rules)));
                KeptGame game(map, opponents, rules, 100 * opponents + int(rules));
                ASSERT_TRUE(game.started);
                Replay replay(game.trail);
                // Sixty game years, or until the game is decided.
                for (int t = 0; t < 60 * 48 && game.w->playing; ++t) {
                    game.playerTurn();
                    game.tick();
                    replay.step();
                    ASSERT_FALSE(replay.failed()) << "tick " << t;
                    ASSERT_EQ(replay.random().draws(), game.random.draws()) << "tick " << t;
                    ASSERT_TRUE(replay.world() == *game.w) << "tick " << t;
                }
                for (const TimedOrder& order : game.trail.orders)
                    ++kinds[int(order.order.kind)];
                EXPECT_TRUE(trailLeadsTo(game.trail, *game.w));
            }
    for (int kind = 0; kind < OrderKindCount; ++kind)
        EXPECT_GT(kinds[kind], 0) << "no order of kind " << kind;
}

TEST(Trail, ABranchIsTheGameAtThatTickAndKeepsOnlyTheOrdersBefore)
{
    KeptGame game("Europa", 3, RulesZuegig, 77);
    for (int t = 0; t < 20 * 48 && game.w->playing; ++t)
        game.playerTurn(), game.tick();
    for (const int64_t at : {int64_t{0}, int64_t{1}, game.trail.ticks / 3, game.trail.ticks}) {
        SCOPED_TRACE(at);
        const std::optional<Branch> branch = branchAt(game.trail, at);
        ASSERT_TRUE(branch);
        Replay replay(game.trail);
        replay.runTo(at);
        EXPECT_TRUE(*branch->world == replay.world());
        EXPECT_EQ(branch->trail.ticks, at);
        EXPECT_TRUE(std::all_of(branch->trail.orders.begin(), branch->trail.orders.end(),
                                [at](const TimedOrder& o) { return o.tick < at; }));
        const GameDate date = dateAfter(*game.trail.origin, at);
        EXPECT_EQ(row(branch->trail.branchedAt.year, branch->trail.branchedAt.month), row(date.year, date.month));
        EXPECT_TRUE(trailLeadsTo(branch->trail, *branch->world));
    }
    EXPECT_FALSE(branchAt(game.trail, game.trail.ticks + 1));
    EXPECT_FALSE(branchAt(game.trail, -1));
}

TEST(Trail, MonthsAndTicksFromTheStartAgree)
{
    KeptGame game("Afrika", 1, RulesKlassisch, 5);
    const WorldState& origin = *game.trail.origin;
    EXPECT_EQ(row(origin.year, origin.month, origin.tickCount), row(2000, 1, 0));
    for (int t = 0; t < 100; ++t)
        game.tick();
    EXPECT_EQ(ticksUntil(origin, game.w->year, game.w->month), 100 - game.w->tickCount);
    for (const auto& [year, month] : {std::pair{2000, 1}, {2000, 12}, {2001, 1}, {2310, 7}}) {
        const GameDate date = dateAfter(origin, ticksUntil(origin, year, month));
        EXPECT_EQ(row(date.year, date.month), row(year, month));
    }
    EXPECT_LT(ticksUntil(origin, 1999, 12), 0);
}

TEST(Trail, ATrailThatDoesNotBelongToItsGameLeadsNowhere)
{
    KeptGame game("Asien", 2, RulesKlassisch, 9);
    for (int t = 0; t < 400; ++t)
        game.playerTurn(), game.tick();
    ASSERT_TRUE(trailLeadsTo(game.trail, *game.w));
    ASSERT_FALSE(game.trail.orders.empty());

    GameTrail otherSeed = game.trail;
    ++otherSeed.seed;
    EXPECT_FALSE(trailLeadsTo(otherSeed, *game.w));
    GameTrail impossible = game.trail;
    impossible.orders.insert(impossible.orders.begin(), {0, Order::attack(game.w->side[0], 99, 1, AttackReason::None)});
    EXPECT_FALSE(trailLeadsTo(impossible, *game.w));
    GameTrail lost = game.trail;
    lost.orders.pop_back();
    EXPECT_FALSE(trailLeadsTo(lost, *game.w));
    EXPECT_FALSE(trailLeadsTo(GameTrail{}, *game.w));
}
