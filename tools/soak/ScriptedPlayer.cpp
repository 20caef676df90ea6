// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedPlayer.h"

#include "simulation/Battle.h"
#include "simulation/PlayerActions.h"

#include <algorithm>
#include <vector>

namespace stratagon {

namespace {

// Generals not in battle stay home: the best of them defends any country
// attacked, so the player never sends out his last two.
constexpr int KeptHome = 2;

}  // namespace

void ScriptedPlayer::act(WorldState& world, GameTrail* trail)
{
    const int me = world.side[0];
    if (!validCountry(world, me))
        return;
    const auto note = [trail](const Order& order) {
        if (trail)
            noteOrder(*trail, order);
    };

    while (world.generalCount[me] < rosterSize_) {
        const std::string name = "Rekrut " + std::to_string(++recruited_);
        if (recruitGeneral(world, name) != RecruitOutcome::Recruited)
            break;
        note(Order::recruit(me, name));
    }
    for (int s = 1; s <= world.generalCount[me]; ++s)
        if (world.generalStatus[me][s] == Ready && setGeneralTask(world, s, Training) == TaskOutcome::Set)
            note(Order::setTask(me, s, Training));

    // Attackable targets, weakest defender first.
    struct Target {
        int country;
        int defenceEP;
    };
    std::vector<Target> targets;
    for (int t = 1; t <= world.countryCount; ++t) {
        if (!attackableCode(world, world.countryCode[t]) || codeToCountry(world, world.countryCode[t]) != t)
            continue;
        if (countryContested(world, t))
            continue;
        const int owner = world.countryOwner[t];
        targets.push_back({t, world.generalEP[owner][bestGeneral(world, owner)]});
    }
    std::stable_sort(targets.begin(), targets.end(),
                     [](const Target& a, const Target& b) { return a.defenceEP < b.defenceEP; });

    for (const Target& target : targets) {
        int free = 0;
        for (int s = 1; s <= world.generalCount[me]; ++s)
            free += world.generalStatus[me][s] != InBattle;
        if (free <= KeptHome)
            break;
        const int general = bestGeneral(world, me);
        if (general == 0 || world.generalEP[me][general] <= target.defenceEP)
            break;  // the rest are no weaker: wait and train
        const AttackOutcome outcome = launchAttack(world, target.country, general);
        if (outcome == AttackOutcome::Launched) {
            ++attacks_;
            note(Order::attack(me, general, target.country, AttackReason::None));
        }
        else if (outcome == AttackOutcome::TooManyBattles)
            break;
    }
}

std::string checkInvariants(const WorldState& w)
{
    if (w.battleCount < 0 || w.battleCount > MaxBattles)
        return "battleCount " + std::to_string(w.battleCount);
    for (int b = 1; b <= w.battleCount; ++b) {
        const std::string at = "battle " + std::to_string(b) + ": ";
        if (w.battles[b].attackerScore + w.battles[b].defenderScore != 100)
            return at + "scores do not add up to 100";
        if (!validCountry(w, w.battles[b].country))
            return at + "country outside the map";
        for (int c = b + 1; c <= w.battleCount; ++c)
            if (w.battles[c].country == w.battles[b].country)
                return at + "country in two battles";
        const int attacker = w.battles[b].attacker;
        const int defender = w.battles[b].defender;
        if (!validCountry(w, attacker) || !validCountry(w, defender))
            return at + "side outside the map";
        const int ag = w.battles[b].attackerGeneral;
        const int dg = w.battles[b].defenderGeneral;
        if (ag < 0 || ag > w.generalCount[attacker] || dg < 0 || dg > w.generalCount[defender])
            return at + "refers to a general that does not exist";
    }
    for (int i = 1; i <= w.countryCount; ++i)
        if (!validCountry(w, w.countryOwner[i]))
            return "owner of country " + std::to_string(i) + " is no country of the map";
    return {};
}

int defaultSide(const WorldState& world)
{
    int side = 0;
    for (int i = 0; i <= 99; ++i)
        if (world.countryCode[i] == world.defaultSideCode)
            side = i;
    return side;
}

}  // namespace stratagon
