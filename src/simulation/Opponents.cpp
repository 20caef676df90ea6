// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Opponents.h"

#include <algorithm>
#include <limits>
#include <queue>
#include <tuple>

namespace stratagon {

namespace {

constexpr int Unreachable = std::numeric_limits<int>::max();

// Borders to cross from any of `from` to every country (breadth first over
// the neighbour names); Unreachable for a country not connected to them.
std::vector<int> distancesFrom(const WorldState& w, const std::vector<int>& from)
{
    const int n = std::clamp(w.countryCount, 0, MaxCountries);
    std::vector<int> distance(static_cast<std::size_t>(n + 1), Unreachable);
    std::queue<int> open;
    for (const int c : from)
        if (validCountry(w, c) && distance[static_cast<std::size_t>(c)] != 0) {
            distance[static_cast<std::size_t>(c)] = 0;
            open.push(c);
        }
    while (!open.empty()) {
        const int c = open.front();
        open.pop();
        const int neighbours = std::clamp(w.neighbourCount[c], 0, MaxNeighbours);
        for (int j = 1; j <= neighbours; ++j) {
            const int t = neighbourIndex(w, c, j);
            if (t >= 1 && t <= n && distance[static_cast<std::size_t>(t)] == Unreachable) {
                distance[static_cast<std::size_t>(t)] = distance[static_cast<std::size_t>(c)] + 1;
                open.push(t);
            }
        }
    }
    return distance;
}

}  // namespace

int64_t generalStrength(const WorldState& world, int country)
{
    if (!validSideIndex(country))
        return 0;
    int64_t sum = 0;
    const int count = std::clamp(world.generalCount[country], 0, MaxGenerals);
    for (int j = 1; j <= count; ++j)
        sum += world.generalEP[country][j];
    return sum;
}

std::vector<int> chooseOpponents(const WorldState& world, int playerSide, int count)
{
    const int n = std::clamp(world.countryCount, 0, MaxCountries);
    std::vector<int> chosen;
    if (count <= 0)
        return chosen;
    if (9 <= n && playerSide != 9)
        chosen.push_back(9);

    while (static_cast<int>(chosen.size()) < count) {
        std::vector<int> taken = chosen;
        taken.push_back(playerSide);
        // Distance to the player and to the chosen: a neighbour of either is at 1.
        const std::vector<int> distance = distancesFrom(world, taken);
        int best = 0;
        std::tuple<bool, int64_t, int> bestKey;
        for (int c = 1; c <= n; ++c) {
            if (c == playerSide || std::find(chosen.begin(), chosen.end(), c) != chosen.end())
                continue;
            const int d = distance[static_cast<std::size_t>(c)];
            const bool apart = d > 1;
            // Apart: strength before distance; all bordering: distance first.
            const auto key = apart ? std::make_tuple(true, generalStrength(world, c), d)
                                   : std::make_tuple(false, int64_t{d}, static_cast<int>(std::min<int64_t>(
                                                                            generalStrength(world, c), INT32_MAX)));
            if (best == 0 || key > bestKey) {
                best = c;
                bestKey = key;
            }
        }
        if (best == 0)
            break;
        chosen.push_back(best);
    }
    return chosen;
}

}  // namespace stratagon
