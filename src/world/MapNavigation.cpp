// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/MapNavigation.h"

#include <algorithm>
#include <cmath>

namespace stratagon {

std::vector<int> neighboursOf(const WorldState& world, int country)
{
    std::vector<int> found;
    if (!validCountry(world, country))
        return found;
    const int count = std::clamp(world.neighbourCount[country], 0, MaxNeighbours);
    for (int j = 1; j <= count; ++j) {
        const int n = countryIndexByName(world, world.neighbourName[country][j]);
        if (n != 0 && n != country && std::find(found.begin(), found.end(), n) == found.end())
            found.push_back(n);
    }
    return found;
}

int neighbourToward(const WorldState& world, int from, Heading heading)
{
    if (!validCountry(world, from))
        return 0;
    double dx = 0, dy = 0;
    switch (heading) {
    case Heading::Left:
        dx = -1;
        break;
    case Heading::Right:
        dx = 1;
        break;
    case Heading::Up:
        dy = -1;
        break;  // picture rows grow downwards
    case Heading::Down:
        dy = 1;
        break;
    }
    int best = 0;
    double bestCos = 0, bestDistance = 0;
    for (const int n : neighboursOf(world, from)) {
        const double vx = double(world.fillX[n]) - world.fillX[from];
        const double vy = double(world.fillY[n]) - world.fillY[from];
        const double distance = std::hypot(vx, vy);
        if (distance == 0)
            continue;
        const double cos = (vx * dx + vy * dy) / distance;
        // Angles within a hair count as equal, so the nearer one wins.
        constexpr double Tie = 1e-9;
        if (cos <= Tie)
            continue;
        if (best == 0 || cos > bestCos + Tie || (std::abs(cos - bestCos) <= Tie && distance < bestDistance))
            best = n, bestCos = cos, bestDistance = distance;
    }
    return best;
}

std::string foldCase(const std::string& text)
{
    std::string folded = text;
    for (std::size_t i = 0; i < folded.size(); ++i) {
        auto c = static_cast<unsigned char>(folded[i]);
        if (c >= 'A' && c <= 'Z') {
            folded[i] = char(c + 32);
        } else if (c == 0xC3 && i + 1 < folded.size()) {
            // À..Þ (without ×) are U+00C0..U+00DE: their small forms lie 0x20 higher.
            const auto next = static_cast<unsigned char>(folded[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                folded[i + 1] = char(next + 0x20);
            ++i;
        }
    }
    return folded;
}

std::vector<int> countriesByName(const WorldState& world)
{
    std::vector<int> order;
    for (int k = 1; k <= std::min(world.countryCount, MaxCountries); ++k)
        order.push_back(k);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return foldCase(world.countryName[a]) < foldCase(world.countryName[b]); });
    return order;
}

int countryByPrefix(const WorldState& world, const std::string& prefix, int current, bool includeCurrent)
{
    if (prefix.empty())
        return 0;
    const std::string wanted = foldCase(prefix);
    const std::vector<int> order = countriesByName(world);
    if (order.empty())
        return 0;
    const auto at = std::find(order.begin(), order.end(), current);
    std::size_t start = at == order.end() ? 0 : std::size_t(at - order.begin());
    if (at != order.end() && !includeCurrent)
        ++start;
    for (std::size_t step = 0; step < order.size(); ++step) {
        const int k = order[(start + step) % order.size()];
        if (foldCase(world.countryName[k]).starts_with(wanted))
            return k;
    }
    return 0;
}

}  // namespace stratagon
