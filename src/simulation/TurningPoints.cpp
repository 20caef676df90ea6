// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/TurningPoints.h"

#include <algorithm>
#include <deque>

namespace stratagon {

namespace {

GameDate dateOf(const MonthSample& m) { return {m.year, m.month}; }

int sides(const WorldState& w) { return std::clamp(w.sideMax, 0, RecordedSides - 1); }

// The largest change of the player's count within twelve months, downwards
// (loss) or upwards: the month it ends and the one it started from.
struct Swing {
    int size = 0;
    std::size_t from = 0;
    std::size_t to = 0;
};

Swing largestSwing(const std::vector<MonthSample>& months, bool loss)
{
    Swing best;
    // Indices of the window's months, their counts kept falling (for a loss:
    // the highest first) so that the front is the window's extreme.
    std::deque<std::size_t> window;
    const auto count = [&](std::size_t i) { return int(months[i].held[0]) * (loss ? 1 : -1); };
    for (std::size_t i = 0; i < months.size(); ++i) {
        while (!window.empty() && window.front() + 12 < i)
            window.pop_front();
        while (!window.empty() && count(window.back()) <= count(i))
            window.pop_back();
        window.push_back(i);
        const int swing = count(window.front()) - count(i);
        if (swing > best.size)
            best = {swing, window.front(), i};
    }
    return best;
}

// How much each kind weighs against the others: countries, with passing a
// rival counted as a quarter of the map. In a game that fell the losses
// count double, in one that rose the gains.
int weight(const TurningPoint& t, int countryCount, bool fell)
{
    switch (t.kind) {
    case TurningKind::HeavyLoss:
        return t.countries * (fell ? 8 : 4);
    case TurningKind::GreatGain:
        return t.countries * (fell ? 4 : 8);
    case TurningKind::Overtaken:
        return countryCount * (fell ? 2 : 1) + 1;
    case TurningKind::Overtook:
        return countryCount * (fell ? 1 : 2) + 1;
    case TurningKind::Height:
        return countryCount * 2;
    }
    return 0;
}

}  // namespace

std::vector<TurningPoint> turningPoints(const WorldState& world, int most)
{
    const std::vector<MonthSample>& months = world.records.months;
    std::vector<TurningPoint> found;
    if (months.size() < 2 || most <= 0)
        return found;

    // A single country counts when it was his last.
    if (const Swing loss = largestSwing(months, true); loss.size >= 2 || (loss.size == 1 && months[loss.to].held[0] == 0))
        found.push_back({TurningKind::HeavyLoss, dateOf(months[loss.to]), dateOf(months[loss.from]), 0, loss.size, 0,
                         loss.to});
    if (const Swing gain = largestSwing(months, false); gain.size >= 2)
        found.push_back({TurningKind::GreatGain, dateOf(months[gain.to]), dateOf(months[gain.from]), 0, gain.size, 0,
                         gain.to});

    // The last month an opponent went ahead of the player to lead the map,
    // and the last the player went ahead of everyone level with him or
    // ahead of him before.
    std::size_t overtaken = 0, overtook = 0;
    int overtaker = 0, overtakenSide = 0;
    for (std::size_t i = 1; i < months.size(); ++i) {
        const MonthSample& before = months[i - 1];
        const MonthSample& now = months[i];
        int leaderBefore = 0, rivalNow = 0;
        for (int s = 1; s <= sides(world); ++s) {
            const std::size_t k = std::size_t(s);
            bool leads = true;
            for (int t = 0; t <= sides(world); ++t)
                leads = leads && (t == s || now.held[std::size_t(t)] < now.held[k]);
            if (now.held[k] > now.held[0] && before.held[k] <= before.held[0] && leads)
                overtaken = i, overtaker = s;
            if (before.held[k] >= before.held[0] &&
                (leaderBefore == 0 || before.held[k] > before.held[std::size_t(leaderBefore)]))
                leaderBefore = s;
            if (now.held[k] >= now.held[0])
                rivalNow = s;
        }
        // Passing a rival of a country or two says little.
        if (leaderBefore > 0 && rivalNow == 0 && before.held[std::size_t(leaderBefore)] >= 3)
            overtook = i, overtakenSide = leaderBefore;
    }
    if (overtaken > 0)
        found.push_back({TurningKind::Overtaken, dateOf(months[overtaken]), {}, overtaker,
                         months[overtaken].held[0], months[overtaken].held[std::size_t(overtaker)], overtaken});
    if (overtook > 0)
        found.push_back({TurningKind::Overtook, dateOf(months[overtook]), {}, overtakenSide, months[overtook].held[0],
                         months[overtook].held[std::size_t(overtakenSide)], overtook});

    // The height of an empire that fell: lost, or at least halved since.
    std::size_t height = 0;
    for (std::size_t i = 1; i < months.size(); ++i)
        if (months[i].held[0] > months[height].held[0])
            height = i;
    const bool fell = months.back().held[0] * 2 <= months[height].held[0];
    if (months[height].held[0] >= 4 && fell)
        found.push_back({TurningKind::Height, dateOf(months[height]), {}, 0, months[height].held[0], 0, height});

    std::stable_sort(found.begin(), found.end(), [&](const TurningPoint& a, const TurningPoint& b) {
        return weight(a, world.countryCount, fell) > weight(b, world.countryCount, fell);
    });
    if (found.size() > std::size_t(most))
        found.resize(std::size_t(most));
    std::stable_sort(found.begin(), found.end(),
                     [](const TurningPoint& a, const TurningPoint& b) { return a.month < b.month; });
    return found;
}

}  // namespace stratagon
