// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Opponent.h"

#include "simulation/Battle.h"
#include "simulation/Character.h"
#include "world/Rules.h"

#include <algorithm>
#include <vector>

namespace stratagon {

namespace {

// Running battles between side v and the country t itself, counted by t's
// own index (not by its holder).
int battlesAgainst(const WorldState& w, int v, int t)
{
    int c = 0;
    const int count = std::clamp(w.battleCount, 0, MaxBattles);
    for (int z = 1; z <= count; ++z) {
        if (w.battles[z].attacker != v && w.battles[z].defender != v)
            continue;
        if (w.battles[z].attacker == t)
            ++c;
        if (w.battles[z].defender == t)
            ++c;
    }
    return c;
}

int freeGenerals(const WorldState& w, int v)
{
    int free = 0;
    for (int j = 1; j <= std::clamp(w.generalCount[v], 0, MaxGenerals); ++j)
        free += w.generalStatus[v][j] == Ready || w.generalStatus[v][j] == Training;
    return free;
}

// The side's best free general once the `kept` best stay home: bestGeneral
// itself when none do; 0 when nobody is left.
int bestGeneralBeyond(const WorldState& w, int v, int kept)
{
    if (kept <= 0)
        return bestGeneral(w, v);
    std::vector<int> free;
    for (int j = 1; j <= std::clamp(w.generalCount[v], 0, MaxGenerals); ++j)
        if ((w.generalStatus[v][j] == Ready || w.generalStatus[v][j] == Training) && w.generalEP[v][j] > 0)
            free.push_back(j);
    if (static_cast<int>(free.size()) <= kept)
        return 0;
    std::stable_sort(free.begin(), free.end(), [&](int a, int b) { return w.generalEP[v][a] > w.generalEP[v][b]; });
    return free[static_cast<std::size_t>(kept)];
}

}  // namespace

void standardTurn(const WorldState& world, int side, const OrderSink& give)
{
    const WorldState& w = world;
    const int v = side;
    if (!validSideIndex(v))
        return;
    const int keptHome = rulesOf(w).opponentKeptHome;
    const int countries = std::clamp(w.countryCount, 0, MaxCountries);
    for (int x = 1; x <= countries; ++x) {
        if (w.countryOwner[x] != v)
            continue;
        const int neighbours = std::clamp(w.neighbourCount[x], 0, MaxNeighbours);
        for (int y = 1; y <= neighbours; ++y) {
            if (keptHome > 0 && freeGenerals(w, v) <= keptHome)
                return;
            const int g = bestGeneralBeyond(w, v, keptHome);
            const int32_t e = w.generalEP[v][g];
            const int t = neighbourIndex(w, x, y);
            if (t == 0)
                continue;  // a name that matches no country: nothing to attack
            if (w.countryOwner[t] == v)
                continue;
            const int c = battlesAgainst(w, v, t);
            const int o = w.countryOwner[t];
            if (!validSideIndex(o))
                continue;
            const int g2 = bestGeneral(w, o);
            if (!(c == 0 && e > w.generalEP[o][g2]))
                continue;
            if (countryContested(w, t))
                continue;
            // A full table ends the turn; nothing is opened past 99 battles.
            if (!give(Order::attack(v, g, t, AttackReason::Outclassed)))
                return;
        }
    }
}

void opponentTurn(WorldState& world, int side, TickReport& report)
{
    standardTurn(world, side, [&](const Order& order) { return applyOrder(world, order, report); });
}

void StandardOpponent::play(const WorldState& world, RandomSource& random, int side, const OrderSink& give) const
{
    const RuleTable& rules = rulesOf(world);
    if (world.generalCount[side] < std::min(rules.opponentRosterSize, MaxGenerals))
        give(Order::recruit(side, pickOpponentName(world, random, side)));
    // A divisor below 1 (a damaged setting) acts like the strongest one
    // rather than drawing from an empty range.
    if (random.draw(std::max(world.aiDivisor, 1) * rules.opponentTurnFactor) == 0)
        standardTurn(world, side, give);
}

void opponentPlays(WorldState& world, RandomSource& random, int side, TickReport& report)
{
    if (!validSideIndex(side))
        return;
    strategyOf(characterOf(world, side))
        .play(world, random, side, [&](const Order& order) { return applyOrder(world, order, report); });
}

}  // namespace stratagon
