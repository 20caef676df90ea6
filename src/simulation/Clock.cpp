// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Clock.h"

#include "simulation/Battle.h"
#include "simulation/EndOfGame.h"
#include "simulation/Strategy.h"
#include "simulation/Records.h"
#include "world/Rules.h"

#include <algorithm>
#include <limits>

namespace stratagon {

namespace {

int countryLimit(const WorldState& w) { return std::clamp(w.countryCount, 0, MaxCountries); }

TickReport tickSteps(WorldState& world, RandomSource& random)
{
    TickReport report;
    const int year = world.year;
    advanceCalendar(world);
    report.newYear = world.year != year;
    const RuleTable& rules = rulesOf(world);
    world.playerBattleCount = 0;
    battleStep(world, random, rules, report);
    for (int i = 1; i <= countryLimit(world); ++i) {
        const int kind = world.countryKind[i];
        if (kind == KindOpponent) {
            opponentPlays(world, random, i, report);
            trainGenerals(world, random, i, rules, report);
        } else if (kind == KindPlayer || kind == KindPassive) {
            trainGenerals(world, random, i, rules, report);
        }
    }
    // The map, the panels and the date are shown from the world after the
    // tick; the story and the messages come from its report.
    chronicle(world, report);
    recordTick(world);
    return report;
}

}  // namespace

TickReport clockTick(WorldState& world, RandomSource& random)
{
    TickReport report = tickSteps(world, random);
    report.outcome = endOfGameCheck(world);
    return report;
}

TickReport clockTickWithoutEndCheck(WorldState& world, RandomSource& random) { return tickSteps(world, random); }

void advanceCalendar(WorldState& world)
{
    ++world.tickCount;
    if (world.tickCount < 4)
        return;
    world.tickCount = 0;
    ++world.month;
    // Also catches a month outside 1..12 that never came from the calendar.
    if (world.month >= 13 || world.month < 1) {
        if (world.month >= 13)
            ++world.year;
        world.month = 1;
    }
}

void trainGenerals(WorldState& world, RandomSource& random, int country, const RuleTable& rules, TickReport& report)
{
    if (!validSideIndex(country))
        return;
    const int kind = std::clamp<int>(world.countryKind[country], KindPlayer, KindOpponent);
    const int odds = kind == KindOpponent
                         ? rules.opponentTrainingOdds[static_cast<std::size_t>(strengthStep(world.aiDivisor))]
                         : rules.trainingOdds[static_cast<std::size_t>(kind)];
    // Where land counts, a side's chance grows with its share of the map:
    // a hit is a draw below `hits` in 0..range-1, still one draw a general.
    int range = odds;
    int hits = 1;
    if (rules.landTrainingPercent > 0 && world.countryCount > 0) {
        int held = 0;
        for (int i = 1; i <= countryLimit(world); ++i)
            held += world.countryOwner[i] == country;
        range = odds * world.countryCount * 100;
        hits = world.countryCount * 100 + rules.landTrainingPercent * held;
    }
    const int count = std::clamp(world.generalCount[country], 0, MaxGenerals);
    for (int j = 0; j <= count; ++j) {
        if (world.generalStatus[country][j] != Training)
            continue;
        int32_t& ep = world.generalEP[country][j];
        if (random.draw(range) < hits && ep < rules.mostEP) {
            ++ep;
            reportPromotion(world, country, j, ep - 1, report);
        }
    }
}

CountryPanel describeCountry(const WorldState& world, int h)
{
    CountryPanel panel;
    panel.continent = world.continentName;
    if (!validSideIndex(h))
        return panel;  // nothing to describe: an empty panel
    int listed = h;
    panel.land = world.countryName[h];
    if (const int s = holdingSide(world, h); s >= 0 && validSideIndex(world.side[std::size_t(s)])) {
        listed = world.side[std::size_t(s)];
        panel.holder = world.countryName[listed];
        panel.holderSide = listed;
    }
    const int count = std::clamp(world.generalCount[listed], 0, MaxGenerals);
    for (int j = 1; j <= count; ++j)
        panel.generals.push_back({world.generalName[listed][j], world.generalEP[listed][j]});
    return panel;
}

std::vector<CountryPaint> mapPaints(const WorldState& world, ColourScheme scheme)
{
    std::vector<CountryPaint> paints;
    for (int i = 1; i <= countryLimit(world); ++i)
        if (const int s = holdingSide(world, i); s >= 0)
            paints.push_back({world.fillX[i], world.fillY[i], sideStyle(scheme, s)});
    return paints;
}

}  // namespace stratagon
