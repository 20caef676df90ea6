// SPDX-License-Identifier: GPL-3.0-or-later
// The player's roster: recruiting, dismissing and tasks of the generals of
// side(0).

#include "simulation/PlayerActions.h"
#include "simulation/Roster.h"
#include "world/MapLoader.h"
#include "world/Rules.h"

#include <algorithm>
#include <array>

namespace stratagon {

namespace {

bool playerSideValid(const WorldState& world) { return validSideIndex(world.side[0]); }

// A battle names its generals by slot; after slot `removed` of `side` is
// vacated and the later ones move down, the battle keeps its general, or
// fights on with the stand-in slot 0 when its general was the one removed.
int32_t slotAfterDismissal(int32_t slot, int removed)
{
    if (slot == removed)
        return 0;
    return slot > removed ? slot - 1 : slot;
}

// `name` (UTF-8) cut after as many characters as a map's names may have,
// counted as the windows count them (a character beyond U+FFFF is two).
std::string cutName(const std::string& name)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if ((byte & 0xC0) == 0x80)
            continue;  // inside a character
        units += byte >= 0xF0 ? 2 : 1;
        if (units > MaxMapTextLength)
            return name.substr(0, i);
    }
    return name;
}

bool nameTaken(const WorldState& world, int side, const std::string& name)
{
    const int count = std::clamp(world.generalCount[side], 0, MaxGenerals);
    for (int j = 1; j <= count; ++j)
        if (world.generalName[side][j] == name)
            return true;
    return false;
}

}  // namespace

std::string distinctGeneralName(const WorldState& world, int side, const std::string& base)
{
    if (!validSideIndex(side) || !nameTaken(world, side, base))
        return base;
    // At most 99 generals: a free number is found by 100.
    for (int n = 2;; ++n)
        if (std::string name = base + " " + std::to_string(n); !nameTaken(world, side, name))
            return name;
}

namespace {

// Syllables that read as names in German and English alike; two or three
// of them make a name ("Kalian", "Selorun", "Hapufo").
constexpr std::array<const char*, 24> Syllables{{"ka", "li", "an", "se", "lo", "run", "ha", "pu", "fo",
                                                  "zi", "won", "mar", "te", "do", "ri", "bel", "no", "vas",
                                                  "ul", "me", "tan", "gor", "i", "sa"}};

std::string capitalised(std::string name)
{
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z')
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name;
}

}  // namespace

std::string recruitName(const WorldState& world, int side, RandomSource& random)
{
    const int n = static_cast<int>(Syllables.size());
    // A few draws nearly always find a free name; should they not, the
    // syllables are walked in order, past every name a roster can hold.
    for (int attempt = 0; attempt < 20; ++attempt) {
        std::string name;
        const int parts = 2 + random.draw(2);
        for (int i = 0; i < parts; ++i)
            name += Syllables[std::size_t(random.draw(n))];
        if (!validSideIndex(side) || !nameTaken(world, side, capitalised(name)))
            return capitalised(name);
    }
    for (int a = 0;; ++a) {
        const std::string name = capitalised(std::string(Syllables[std::size_t(a / n % n)]) +
                                             Syllables[std::size_t(a % n)] + Syllables[std::size_t(a / (n * n) % n)]);
        if (!nameTaken(world, side, name))
            return name;
    }
}

RecruitOutcome recruitGeneral(WorldState& world, const std::string& name)
{
    if (!playerSideValid(world))
        return RecruitOutcome::RosterFull;
    const int p = world.side[0];
    if (world.generalCount[p] >= MaxGenerals)
        return RecruitOutcome::RosterFull;
    if (name.empty())
        return RecruitOutcome::NoName;
    const int n = world.generalCount[p] + 1;
    world.generalCount[p] = n;
    // Kept as typed, blanks and all, as long as a map's names may be: a save
    // keeps no longer name.
    world.generalName[p][n] = cutName(name);
    world.generalEP[p][n] = rulesOf(world).playerRecruitEP;
    world.generalStatus[p][n] = Training;
    ++world.records.generalsRecruited;
    return RecruitOutcome::Recruited;
}

bool dismissGeneral(WorldState& world, int slot)
{
    if (!playerSideValid(world))
        return false;
    const int p = world.side[0];
    const int n = world.generalCount[p];
    if (slot < 1 || slot > n)
        return false;

    for (int s = slot; s < n; ++s) {
        world.generalName[p][s] = world.generalName[p][s + 1];
        world.generalEP[p][s] = world.generalEP[p][s + 1];
        world.generalStatus[p][s] = world.generalStatus[p][s + 1];
    }
    world.generalName[p][n].clear();
    world.generalEP[p][n] = 0;
    world.generalStatus[p][n] = Ready;
    world.generalCount[p] = n - 1;
    ++world.records.generalsDismissed;

    // The attacker's slot belongs to the attacker's tables and the defender's
    // to the defender's, so each is renumbered only when that side is p.
    for (int b = 1; b <= world.battleCount && b <= MaxBattles; ++b) {
        if (world.battles[b].attacker == p)
            world.battles[b].attackerGeneral = slotAfterDismissal(world.battles[b].attackerGeneral, slot);
        if (world.battles[b].defender == p)
            world.battles[b].defenderGeneral = slotAfterDismissal(world.battles[b].defenderGeneral, slot);
    }
    return true;
}

TaskOutcome setGeneralTask(WorldState& world, int slot, GeneralStatus task)
{
    if (!playerSideValid(world))
        return TaskOutcome::NoGeneral;
    const int p = world.side[0];
    if (slot < 1 || slot > world.generalCount[p])
        return TaskOutcome::NoGeneral;
    if (world.generalStatus[p][slot] == InBattle)
        return TaskOutcome::InBattle;
    // Only a battle puts a general into battle; a task is ready or training.
    if (task != Ready && task != Training)
        return TaskOutcome::NoGeneral;
    world.generalStatus[p][slot] = task;
    return TaskOutcome::Set;
}

}  // namespace stratagon
