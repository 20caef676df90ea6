// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Odds.h"

#include "simulation/Battle.h"
#include "simulation/PlayerActions.h"
#include "world/WorldState.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace stratagon {

namespace {

constexpr int States = 101;  // the defender's score 0..100 while the battle runs
constexpr int StartScore = 80;

int scoreStep(int32_t attackerEP, int32_t defenderEP, int r1, int r2)
{
    const int64_t raw = int64_t{attackerEP} * r1 - int64_t{defenderEP} * r2;
    const auto d = static_cast<int16_t>(
        std::clamp<int64_t>(raw, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
    return d / 10;
}

}  // namespace

double attackChance(int32_t attackerEP, int32_t defenderEP)
{
    // The 25 equally likely draws, as steps of the defender's score.
    std::array<int, 25> steps{};
    bool moves = false;
    for (int r1 = 0; r1 < 5; ++r1)
        for (int r2 = 0; r2 < 5; ++r2) {
            steps[static_cast<std::size_t>(r1 * 5 + r2)] = scoreStep(attackerEP, defenderEP, r1, r2);
            moves = moves || steps[static_cast<std::size_t>(r1 * 5 + r2)] != 0;
        }
    if (!moves)
        return 0.0;

    // P(s) = 1/25 * sum over draws of: 1 when the score falls below 0 (the
    // attacker passes 100), 0 above 100, else P(new score). Solved as
    // (I - T) P = b by Gaussian elimination with partial pivoting.
    static thread_local std::array<std::array<double, States + 1>, States> m;
    for (int s = 0; s < States; ++s) {
        auto& row = m[static_cast<std::size_t>(s)];
        row.fill(0.0);
        row[static_cast<std::size_t>(s)] = 1.0;
        for (const int step : steps) {
            const int next = s - step;
            if (next < 0)
                row[States] += 1.0 / 25;
            else if (next < States)
                row[static_cast<std::size_t>(next)] -= 1.0 / 25;
        }
    }
    for (int c = 0; c < States; ++c) {
        int pivot = c;
        for (int r = c + 1; r < States; ++r)
            if (std::abs(m[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]) >
                std::abs(m[static_cast<std::size_t>(pivot)][static_cast<std::size_t>(c)]))
                pivot = r;
        std::swap(m[static_cast<std::size_t>(c)], m[static_cast<std::size_t>(pivot)]);
        const auto& top = m[static_cast<std::size_t>(c)];
        for (int r = c + 1; r < States; ++r) {
            auto& row = m[static_cast<std::size_t>(r)];
            const double f = row[static_cast<std::size_t>(c)] / top[static_cast<std::size_t>(c)];
            if (f == 0.0)
                continue;
            for (int k = c; k <= States; ++k)
                row[static_cast<std::size_t>(k)] -= f * top[static_cast<std::size_t>(k)];
        }
    }
    std::array<double, States> p{};
    for (int r = States - 1; r >= 0; --r) {
        const auto& row = m[static_cast<std::size_t>(r)];
        double sum = row[States];
        for (int k = r + 1; k < States; ++k)
            sum -= row[static_cast<std::size_t>(k)] * p[static_cast<std::size_t>(k)];
        p[static_cast<std::size_t>(r)] = sum / row[static_cast<std::size_t>(r)];
    }
    return std::clamp(p[StartScore], 0.0, 1.0);
}

double chanceAgainstHolder(const WorldState& world, int target, int32_t attackerEP)
{
    if (!validCountry(world, target) || !validSideIndex(world.countryOwner[target]))
        return -1;
    const int holder = world.countryOwner[target];
    return attackChance(attackerEP, world.generalEP[holder][bestGeneral(world, holder)]);
}

double bestPlayerChance(const WorldState& world, int target)
{
    const int player = world.side[0];
    if (!validSideIndex(player))
        return -1;
    double best = -1;
    for (int slot = 1; slot <= std::min(world.generalCount[player], MaxGenerals); ++slot)
        if (generalReady(world, player, slot))
            best = std::max(best, chanceAgainstHolder(world, target, world.generalEP[player][slot]));
    return best;
}

}  // namespace stratagon
