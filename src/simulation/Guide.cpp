// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Guide.h"

#include "simulation/Battle.h"
#include "simulation/Odds.h"
#include "simulation/PlayerActions.h"

#include <algorithm>

namespace stratagon {

namespace {

void moveTo(WorldState& world, GuideStep step) { world.guideStep = static_cast<int32_t>(step); }

// The country lies beside one the player holds and is not his own.
bool bordersPlayer(const WorldState& world, int country)
{
    if (!validCountry(world, country) || world.countryOwner[country] == world.side[0])
        return false;
    const std::string& name = world.countryName[country];
    for (int k = 1; k <= std::min(world.countryCount, MaxCountries); ++k) {
        if (world.countryOwner[k] != world.side[0])
            continue;
        for (int j = 1; j <= std::min(world.neighbourCount[k], MaxNeighbours); ++j)
            if (world.neighbourName[k][j] == name)
                return true;
    }
    return false;
}

// The step a given action completes.
GuideStep stepOf(GuideAction action)
{
    switch (action) {
    case GuideAction::ClockStarted:
        return GuideStep::StartClock;
    case GuideAction::CountryLooked:
        return GuideStep::LookAtNeighbour;
    case GuideAction::Recruited:
        return GuideStep::Recruit;
    case GuideAction::TrainingSet:
        return GuideStep::Train;
    case GuideAction::AttackLaunched:
        return GuideStep::Attack;
    case GuideAction::ClockPaused:
        return GuideStep::Pause;
    case GuideAction::PaceChanged:
        return GuideStep::Speed;
    case GuideAction::MessageRead:
        return GuideStep::ReadMessage;
    case GuideAction::ReportOpened:
        return GuideStep::Report;
    }
    return GuideStep::Off;
}

// After a step: the next one, or straight to the closing word when the
// conquest came before the waiting step was reached. Training is asked for
// only when it changes something: new generals train from the start.
void advance(WorldState& world)
{
    auto next = static_cast<GuideStep>(world.guideStep + 1);
    if (next == GuideStep::Train && readyGeneral(world) == 0)
        next = GuideStep::Attack;
    moveTo(world, next == GuideStep::Win && world.guideConquered ? GuideStep::Done : next);
}

}  // namespace

void prepareGuidedGame(WorldState& world)
{
    world.aiDivisor = GuideAiDivisor;
    world.ruleSet = GuideRules;
    int side = countryIndexByName(world, std::string(GuideSideName));
    if (side == 0)
        side = codeToCountry(world, world.defaultSideCode);
    world.side[0] = side;
}

void startGuide(WorldState& world)
{
    moveTo(world, GuideStep::StartClock);
    world.guideConquered = false;
}

void endGuide(WorldState& world)
{
    moveTo(world, GuideStep::Off);
    world.guideConquered = false;
}

bool guideAction(WorldState& world, GuideAction action, int country)
{
    if (!guideShown(world) || guideStep(world) != stepOf(action))
        return false;
    if (action == GuideAction::CountryLooked && !bordersPlayer(world, country))
        return false;
    advance(world);
    return true;
}

bool guideTick(WorldState& world, const TickReport& report)
{
    if (!guideShown(world) || guideStep(world) == GuideStep::Done)
        return false;
    const int before = world.guideStep;
    for (const BattleNews& taken : report.countriesTaken())
        if (taken.winner == world.side[0])
            world.guideConquered = true;
    // The battle list has shown the battle move (or end) for a tick; a
    // training step with nobody left to train has nothing to ask.
    if (guideStep(world) == GuideStep::WatchBattle ||
        (guideStep(world) == GuideStep::Train && readyGeneral(world) == 0))
        advance(world);
    if (guideStep(world) == GuideStep::Win && world.guideConquered)
        moveTo(world, GuideStep::Done);
    return world.guideStep != before;
}

GuideTarget weakestNeighbour(const WorldState& world)
{
    GuideTarget best;
    const int general = bestGeneral(world, world.side[0]);
    if (general == 0)
        return best;
    const int32_t ep = world.generalEP[world.side[0]][general];
    for (int k = 1; k <= std::min(world.countryCount, MaxCountries); ++k) {
        if (!attackableCode(world, world.countryCode[k]))
            continue;
        const double chance = chanceAgainstHolder(world, k, ep);
        if (chance < 0)
            continue;
        if (best.country == 0 || chance > best.chance)
            best = {k, chance};
    }
    return best;
}

int readyGeneral(const WorldState& world)
{
    const int p = world.side[0];
    if (!validSideIndex(p))
        return 0;
    for (int s = 1; s <= std::min(world.generalCount[p], MaxGenerals); ++s)
        if (world.generalStatus[p][s] == Ready)
            return s;
    return 0;
}

std::vector<int> playerNeighbours(const WorldState& world)
{
    std::vector<int> neighbours;
    for (int k = 1; k <= std::min(world.countryCount, MaxCountries); ++k)
        if (bordersPlayer(world, k))
            neighbours.push_back(k);
    return neighbours;
}

bool playerBattleRunning(const WorldState& world)
{
    for (int b = 1; b <= std::min(world.battleCount, MaxBattles); ++b)
        if (world.battles[b].attacker == world.side[0])
            return true;
    return false;
}

}  // namespace stratagon
