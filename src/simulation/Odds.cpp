// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Odds.h"

#include "simulation/Battle.h"
#include "simulation/PlayerActions.h"
#include "world/WorldState.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <unordered_map>

namespace stratagon {

namespace {

constexpr int States = 101;  // the defender's score 0..100 while the battle runs
constexpr int Draws = 25;    // both draws 0..4, equally likely
// A step this long ends any battle; longer ones are the same to the odds.
constexpr int LongestStep = States;

// What the chance depends on: the steps of the 25 draws, in any order, and
// the battle's length limit. Many pairs of EP share them.
struct StepKey {
    std::array<int8_t, Draws> steps{};
    int32_t limit = 0;
    int32_t start = 0;  // the defender's opening score
    bool operator==(const StepKey& other) const
    {
        return steps == other.steps && limit == other.limit && start == other.start;
    }
};

struct StepKeyHash {
    std::size_t operator()(const StepKey& k) const
    {
        uint64_t h = 1469598103934665603ULL ^ static_cast<uint64_t>(k.limit) ^ static_cast<uint64_t>(k.start) << 40;
        for (const int8_t s : k.steps)
            h = (h ^ static_cast<uint8_t>(s)) * 1099511628211ULL;
        return static_cast<std::size_t>(h);
    }
};

// Battles without a limit: P(s) = 1/25 * sum over draws of 1 when the score
// falls below 0 (the attacker passes 100), 0 above 100, else P(new score);
// solved as (I - T) P = b by Gaussian elimination with partial pivoting.
double solveUnlimited(const std::array<int8_t, Draws>& steps, int start)
{
    static thread_local std::array<std::array<double, States + 1>, States> m;
    for (int s = 0; s < States; ++s) {
        auto& row = m[static_cast<std::size_t>(s)];
        row.fill(0.0);
        row[static_cast<std::size_t>(s)] = 1.0;
        for (const int step : steps) {
            const int next = s - step;
            if (next < 0)
                row[States] += 1.0 / Draws;
            else if (next < States)
                row[static_cast<std::size_t>(next)] -= 1.0 / Draws;
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
    return p[static_cast<std::size_t>(start)];
}

// Battles broken off after `limit` steps: the score's distribution step by
// step from its opening, adding up what falls below 0 (won) until the limit or until
// nothing is left to decide.
double solveLimited(const std::array<int8_t, Draws>& steps, int limit, int start)
{
    // The distinct steps with their weights: at most 25, mostly far fewer.
    std::array<int, Draws> value{};
    std::array<double, Draws> weight{};
    int distinct = 0;
    for (const int step : steps) {
        int j = 0;
        while (j < distinct && value[static_cast<std::size_t>(j)] != step)
            ++j;
        if (j == distinct)
            value[static_cast<std::size_t>(distinct++)] = step;
        weight[static_cast<std::size_t>(j)] += 1.0 / Draws;
    }
    std::array<double, States> now{};
    std::array<double, States> next{};
    now[static_cast<std::size_t>(start)] = 1.0;
    double won = 0.0;
    for (int t = 0; t < limit; ++t) {
        next.fill(0.0);
        double open = 0.0;
        for (int s = 0; s < States; ++s) {
            const double p = now[static_cast<std::size_t>(s)];
            if (p == 0.0)
                continue;
            for (int j = 0; j < distinct; ++j) {
                const int to = s - value[static_cast<std::size_t>(j)];
                const double q = p * weight[static_cast<std::size_t>(j)];
                if (to < 0)
                    won += q;
                else if (to < States)
                    next[static_cast<std::size_t>(to)] += q, open += q;
            }
        }
        now.swap(next);
        if (open < 1e-13)
            break;
    }
    return won;
}

double solve(const StepKey& key)
{
    return key.limit == std::numeric_limits<int32_t>::max() ? solveUnlimited(key.steps, key.start)
                                                            : solveLimited(key.steps, key.limit, key.start);
}

// The last answers by the EP themselves, for the shipped rule tables: a turn
// asks the same pairs again and again.
struct Recent {
    int32_t attackerEP = 0;
    int32_t defenderEP = 0;
    std::ptrdiff_t table = -1;
    double chance = 0;
};

}  // namespace

double attackChance(const RuleTable& rules, int32_t attackerEP, int32_t defenderEP)
{
    const std::ptrdiff_t table = &rules - RuleTables.data();
    const bool shipped = table >= 0 && table < std::ptrdiff_t(RuleTables.size());
    static thread_local std::array<Recent, 4096> recent;
    const uint64_t pairKey = (static_cast<uint64_t>(static_cast<uint32_t>(attackerEP)) << 32 |
                              static_cast<uint32_t>(defenderEP)) ^ static_cast<uint64_t>(table);
    Recent& slot = recent[static_cast<std::size_t>((pairKey * 0x9E3779B97F4A7C15ULL) >> 52)];
    if (shipped && slot.table == table && slot.attackerEP == attackerEP && slot.defenderEP == defenderEP)
        return slot.chance;

    double chance = 0.0;
    if (!battleStalled(rules, attackerEP, defenderEP)) {
        StepKey key;
        key.limit = rules.battleTickLimit;
        key.start = std::clamp(100 - rules.openingScore, 0, States - 1);
        for (int r1 = 0; r1 < 5; ++r1)
            for (int r2 = 0; r2 < 5; ++r2)
                key.steps[static_cast<std::size_t>(r1 * 5 + r2)] = static_cast<int8_t>(std::clamp<int64_t>(
                    battleScoreStep(rules, attackerEP, defenderEP, r1, r2), -LongestStep, LongestStep));
        std::sort(key.steps.begin(), key.steps.end());
        static thread_local std::unordered_map<StepKey, double, StepKeyHash> solved;
        if (const auto found = solved.find(key); found != solved.end()) {
            chance = found->second;
        } else {
            chance = std::clamp(solve(key), 0.0, 1.0);
            // Far more than a game asks for; a bound all the same.
            if (solved.size() > 200000)
                solved.clear();
            solved.emplace(key, chance);
        }
    }
    if (shipped)
        slot = {attackerEP, defenderEP, table, chance};
    return chance;
}

double attackChance(int32_t attackerEP, int32_t defenderEP)
{
    return attackChance(ruleTable(RulesKlassisch), attackerEP, defenderEP);
}

double chanceAgainstHolder(const WorldState& world, int target, int32_t attackerEP)
{
    if (!validCountry(world, target) || !validSideIndex(world.countryOwner[target]))
        return -1;
    const int holder = world.countryOwner[target];
    return attackChance(rulesOf(world), attackerEP, world.generalEP[holder][bestGeneral(world, holder)]);
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
