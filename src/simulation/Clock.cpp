// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Clock.h"

#include "simulation/Battle.h"
#include "simulation/EndOfGame.h"
#include "simulation/Events.h"
#include "simulation/Opponent.h"
#include "simulation/Records.h"
#include "world/Rules.h"

#include <algorithm>
#include <limits>

namespace stratagon {

const std::array<std::string_view, 13> MonthNames = {
    "",     "Januar", "Februar", "März",     "April",   "Mai",      "Juni",
    "Juli", "August", "September", "Oktober", "November", "Dezember",
};

namespace {

bool tickRunning = false;

// The end-of-game message waits for the player inside a tick; a timer that
// fires meanwhile must find the tick still busy.
class TickGuard {
public:
    TickGuard() : entered_(!tickRunning) { tickRunning = true; }
    ~TickGuard()
    {
        if (entered_)
            tickRunning = false;
    }
    TickGuard(const TickGuard&) = delete;
    TickGuard& operator=(const TickGuard&) = delete;
    bool entered() const { return entered_; }

private:
    bool entered_;
};

int countryLimit(const WorldState& w)
{
    return std::clamp(w.countryCount, 0, MaxCountries);
}

void tickSteps(WorldState& world, RandomSource& random, GameView& view)
{
    // 1
    random.reseed();
    view.clearMap();
    // 2
    advanceCalendar(world, random);
    // 3
    const RuleTable& rules = rulesOf(world);
    world.playerBattleCount = 0;
    battleStep(world, random, rules);
    // 4
    // A divisor below 1 (a damaged setting) acts like the strongest one
    // rather than drawing from an empty range.
    const int divisor = std::max(world.aiDivisor, 1) * rules.opponentTurnFactor;
    const int recruitEP = rules.opponentRecruitEP + rules.opponentRecruitBonus / std::max(world.aiDivisor, 1);
    for (int i = 1; i <= countryLimit(world); ++i) {
        const int kind = world.countryKind[i];
        if (kind == KindOpponent) {
            if (world.generalCount[i] < rules.opponentRosterSize)
                recruitOpponentGeneral(world, random, i, recruitEP);
            if (random.draw(divisor) == 0)
                opponentTurn(world, i);
            trainGenerals(world, random, i, rules);
        } else if (kind == KindPlayer || kind == KindPassive) {
            trainGenerals(world, random, i, rules);
        }
    }
    // 5
    recolourMap(world, view);
    // 6
    view.showBattlePanel();
    // 7
    fillPanelValues(world, world.shownCountry);
    view.showInfoPanel();
    // 8
    view.drawDate(dateText(world));
    recordTick(world);
}

}  // namespace

bool clockTickRunning()
{
    return tickRunning;
}

void clockTick(WorldState& world, RandomSource& random, GameView& view)
{
    const TickGuard guard;
    if (!guard.entered())
        return;
    tickSteps(world, random, view);
    // 9
    endOfGameCheck(world, view);
}

void clockTickWithoutEndCheck(WorldState& world, RandomSource& random, GameView& view)
{
    // Run by the set-up, which the player starts, never the timer: it runs
    // even inside another tick, and marks the time as busy while it does.
    const TickGuard guard;
    tickSteps(world, random, view);
}

void advanceCalendar(WorldState& world, RandomSource& random)
{
    ++world.tickCount;
    if (world.tickCount < 4)
        return;
    world.tickCount = 0;
    random.reseed();
    ++world.month;
    // Also catches a month outside 1..12 that never came from the calendar.
    if (world.month >= 13 || world.month < 1) {
        if (world.month >= 13)
            ++world.year;
        world.month = 1;
    }
    world.monthName = std::string(MonthNames[static_cast<std::size_t>(world.month)]);
}

void trainGenerals(WorldState& world, RandomSource& random, int country, const RuleTable& rules)
{
    if (!validSideIndex(country))
        return;
    const int kind = std::clamp<int>(world.countryKind[country], KindPlayer, KindOpponent);
    const int odds = rules.trainingOdds[static_cast<std::size_t>(kind)];
    const int count = std::clamp(world.generalCount[country], 0, MaxGenerals);
    for (int j = 0; j <= count; ++j) {
        if (world.generalStatus[country][j] != Training)
            continue;
        int32_t& ep = world.generalEP[country][j];
        if (random.draw(odds) == 0 && ep < std::numeric_limits<int32_t>::max()) {
            ++ep;
            notePromotion(world, country, j, ep - 1);
        }
    }
}

namespace {

void listGenerals(WorldState& w, int side)
{
    w.Genralmenge = validSideIndex(side) ? std::clamp(w.generalCount[side], 0, MaxGenerals) : 0;
    for (int j = 1; j <= w.Genralmenge; ++j) {
        w.panelGeneralName[j] = w.generalName[side][j];
        w.panelGeneralEP[j] = w.generalEP[side][j];
    }
}

}  // namespace

void fillPanelValues(WorldState& world, int h)
{
    WorldState& w = world;
    w.Kontinent = w.continentName;
    if (!validSideIndex(h)) {
        // Nothing to describe: an empty panel rather than a read past the tables.
        w.land.clear();
        w.Genralmenge = 0;
        return;
    }
    w.land = w.countryName[h];
    listGenerals(w, h);
    const int sides = std::clamp(w.sideMax, 0, static_cast<int>(w.side.size()) - 1);
    for (int s = 0; s <= sides; ++s) {
        const int holder = w.side[s];
        if (w.countryOwner[h] != holder || !validSideIndex(holder))
            continue;
        w.Kontinent = w.continentName;
        w.land = w.countryName[holder] + ", Kolonie : " + w.countryName[h];
        listGenerals(w, holder);
    }
}

std::string dateText(const WorldState& world)
{
    return world.monthName + " " + std::to_string(world.year);
}

void recolourMap(const WorldState& world, GameView& view)
{
    const ColourScheme scheme = view.colourScheme();
    const int opponents = std::clamp(world.sideMax, 1, static_cast<int>(world.side.size()) - 1);
    for (int i = 1; i <= countryLimit(world); ++i) {
        const int o = world.countryOwner[i];
        if (o == 0)
            continue;
        // The player first: when he is also side 1, his countries are his colour.
        int sideNumber = -1;
        if (o == world.side[0])
            sideNumber = 0;
        else
            for (int s = 1; s <= opponents && sideNumber < 0; ++s)
                if (o == world.side[static_cast<std::size_t>(s)])
                    sideNumber = s;
        if (sideNumber >= 0)
            view.paintCountry(world.fillX[i], world.fillY[i], sideStyle(scheme, sideNumber));
    }
}

}  // namespace stratagon
