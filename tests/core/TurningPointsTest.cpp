// SPDX-License-Identifier: GPL-3.0-or-later
// The moments that decided a game, from its month-by-month records.

#include "CoreTestSupport.h"

#include "simulation/TurningPoints.h"

using namespace stratagon;
using namespace stratagon::test;

namespace {

// A world of 20 countries with the player and two opponents whose counts,
// month by month from January 2000, are given.
std::unique_ptr<WorldState> history(const std::vector<std::array<int, 3>>& counts)
{
    auto w = chainWorld(20);
    w->sideMax = 2, w->side[2] = 3;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        MonthSample m{int32_t(2000 + i / 12), uint8_t(i % 12 + 1), 0, {}};
        for (std::size_t s = 0; s < 3; ++s)
            m.held[s] = uint8_t(counts[i][s]);
        m.passive = uint8_t(20 - counts[i][0] - counts[i][1] - counts[i][2]);
        w->records.months.push_back(m);
    }
    return w;
}

std::string described(const TurningPoint& t)
{
    return row(int(t.kind), t.date.year, t.date.month, t.side, t.countries, t.against);
}

std::vector<std::string> described(const std::vector<TurningPoint>& points)
{
    std::vector<std::string> lines;
    for (const TurningPoint& t : points)
        lines.push_back(described(t));
    return lines;
}

}  // namespace

TEST(TurningPoints, ALostGameItsHeightTheOvertakingAndTheYearOfItsHeaviestLoss)
{
    // The player grows to 9 by December 2000, opponent 1 passes him in April 2001, and he
    // loses 6 countries between June 2001 and March 2002.
    std::vector<std::array<int, 3>> counts;
    for (int i = 0; i < 12; ++i)
        counts.push_back({1 + i * 8 / 11, 1 + i / 3, 1});
    counts.push_back({9, 5, 1}), counts.push_back({9, 7, 1}), counts.push_back({9, 9, 1});
    counts.push_back({8, 10, 1}), counts.push_back({8, 10, 2}), counts.push_back({7, 11, 2});
    for (int c : {6, 6, 5, 5, 4, 3, 3, 2, 1, 0})
        counts.push_back({c, 17 - c, 2});
    const auto w = history(counts);
    EXPECT_EQ(described(turningPoints(*w)),
              (std::vector<std::string>{row(int(TurningKind::Height), 2000, 12, 0, 9, 0),
                                        row(int(TurningKind::Overtaken), 2001, 4, 1, 8, 10),
                                        row(int(TurningKind::HeavyLoss), 2002, 3, 0, 8, 0)}));
    const std::vector<TurningPoint> two = turningPoints(*w, 2);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].kind, TurningKind::Overtaken);
    EXPECT_EQ(row(two[1].from.year, two[1].from.month), row(2001, 3));
}

TEST(TurningPoints, AWonGameThePlayerPassesTheLeaderAndHisBestYear)
{
    std::vector<std::array<int, 3>> counts;
    for (int i = 0; i < 30; ++i) {
        const int player = std::min(1 + std::max(i - 6, 0) * 2 / 3, 18);
        counts.push_back({player, std::max(6 - std::max(i - 12, 0), 1), 1});
    }
    const std::vector<TurningPoint> points = turningPoints(*history(counts));
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(row(int(points[0].kind), points[0].side, points[0].against), row(int(TurningKind::Overtook), 1, 4));
    EXPECT_EQ(points[1].kind, TurningKind::GreatGain);
    EXPECT_EQ(points[1].countries, 8);
}

TEST(TurningPoints, AQuietGameOrAFreshOneHasNone)
{
    EXPECT_TRUE(turningPoints(*history({})).empty());
    EXPECT_TRUE(turningPoints(*history({{1, 1, 1}})).empty());
    EXPECT_TRUE(turningPoints(*history(std::vector<std::array<int, 3>>(40, {3, 2, 2}))).empty());
    EXPECT_TRUE(turningPoints(*history({{3, 2, 2}, {1, 2, 2}}), 0).empty());
    // Losing his only country decides a game.
    EXPECT_EQ(described(turningPoints(*history({{1, 2, 2}, {1, 2, 2}, {0, 3, 2}}))),
              std::vector<std::string>{row(int(TurningKind::HeavyLoss), 2000, 3, 0, 1, 0)});
}

TEST(TurningPoints, FoundInAPlayedGameWithinItsMonths)
{
    NewGame game(Afrika, 4, 3, 2);
    game.play(40 * 48);
    const std::vector<TurningPoint> points = turningPoints(*game.w);
    EXPECT_FALSE(points.empty());
    for (std::size_t k = 0; k < points.size(); ++k) {
        ASSERT_LT(points[k].month, game.w->records.months.size());
        const MonthSample& m = game.w->records.months[points[k].month];
        EXPECT_EQ(row(m.year, int(m.month)), row(points[k].date.year, points[k].date.month));
        if (k > 0) {
            EXPECT_GE(points[k].month, points[k - 1].month);
        }
    }
}
