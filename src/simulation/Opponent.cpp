// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Opponent.h"

#include "simulation/Battle.h"
#include "world/Rules.h"

#include <algorithm>

namespace stratagon {

const std::array<std::string_view, 10> OpponentNames = {
    "Zurwabwe", "Erwin", "Stormf", "Bepluppo", "Tellig",
    "Hammonde", "Tinkay", "Ibsyd",  "Pouwo",    "Labamba",
};

std::string_view pickOpponentName(RandomSource& random)
{
    random.reseed();
    return OpponentNames[static_cast<std::size_t>(random.draw(10))];
}

void recruitOpponentGeneral(WorldState& world, RandomSource& random, int side, int32_t ep)
{
    if (!validSideIndex(side) || world.generalCount[side] >= MaxGenerals)
        return;
    const int slot = std::max(world.generalCount[side], 0) + 1;
    world.generalCount[side] = slot;
    world.generalEP[side][slot] = ep;
    // The status stays as it is: the set-up has put slots 1..5 into training.
    world.generalName[side][slot] = std::string(pickOpponentName(random));
}

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

}  // namespace

void opponentTurn(WorldState& world, int side, TickReport& report)
{
    WorldState& w = world;
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
            const int g = bestGeneral(w, v);
            const int32_t e = w.generalEP[v][g];
            const int t = countryIndexByName(w, w.neighbourName[x][y]);
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
            if (openBattle(w, t, v, g, o, g2, report) == 0)
                return;
        }
    }
}

}  // namespace stratagon
