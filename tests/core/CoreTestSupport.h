// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the rule tests: a view that records what the rules show, worlds
// built in code, and a way to compare whole records in one line.

#include "world/Random.h"
#include "world/WorldState.h"

#include <array>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace stratagon::test {

// The values joined by '|'.
template <typename... T>
std::string row(const T&... values)
{
    std::ostringstream out;
    const char* separator = "";
    ((out << separator << values, separator = "|"), ...);
    return out.str();
}

inline void pushDraws(ScriptedRandom& random, std::initializer_list<int> values, int n)
{
    for (int v : values)
        random.pushDraw(v, n);
}

// `count` countries "C1".."Cn" in a row, each the neighbour of the next, every
// one passive and its own owner, seeds at (10 * i, 5). The grid has one
// column per country (codes 'A', 'B', ...) over a row of sea ('~').
// The player is C1, the opponent C2.
inline std::unique_ptr<WorldState> chainWorld(int count)
{
    auto w = std::make_unique<WorldState>();
    w->countryCount = w->gridColumns = count, w->gridRows = 2, w->continentName = "Testland", w->aiDivisor = 1;
    for (int i = 1; i <= count; ++i) {
        w->countryName[i] = "C" + std::to_string(i), w->countryCode[i] = std::string(1, char('A' + i - 1));
        w->gridCell[i][1] = w->countryCode[i][0], w->gridCell[i][2] = '~';
        w->countryOwner[i] = i, w->countryKind[i] = KindPassive, w->fillX[i] = 10 * i, w->fillY[i] = 5;
        for (const int n : {i - 1, i + 1})
            if (n >= 1 && n <= count)
                w->neighbourName[i][++w->neighbourCount[i]] = "C" + std::to_string(n);
    }
    w->side[0] = w->sideMax = 1, w->side[1] = count >= 2 ? 2 : 1, w->countryKind[1] = KindPlayer, w->playing = true;
    return w;
}

inline void addGeneral(WorldState& w, int side, const std::string& name, int ep, GeneralStatus status = Ready)
{
    const int slot = ++w.generalCount[side];
    w.generalName[side][slot] = name, w.generalEP[side][slot] = ep, w.generalStatus[side][slot] = status;
}

// Battle k as {country, attacker, its general, defender, its general,
// attacker's score, defender's score}.
using BattleRow = std::array<int, 7>;
inline BattleRow battle(const WorldState& w, int k)
{
    return {w.battles[k].country, w.battles[k].attacker, w.battles[k].attackerGeneral, w.battles[k].defender,
            w.battles[k].defenderGeneral, w.battles[k].attackerScore, w.battles[k].defenderScore};
}

}  // namespace stratagon::test
