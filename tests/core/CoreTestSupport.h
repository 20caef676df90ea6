// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the rule tests: worlds built in code, a new game on a shipped
// map, and a way to compare whole records in one line.

#include "ScriptedPlayer.h"
#include "simulation/Battle.h"
#include "simulation/Clock.h"
#include "simulation/Setup.h"
#include "world/MapLoader.h"
#include "world/Random.h"
#include "world/Rules.h"
#include "world/WorldState.h"

#include <gtest/gtest.h>

#include <array>
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

// A battle opened and a battle step taken as the tick does it: what happened
// goes into the game's story and messages.
inline int fight(WorldState& w, int country, int attacker, int attackerGeneral, int defender, int defenderGeneral)
{
    TickReport report;
    const int k = openBattle(w, country, attacker, attackerGeneral, defender, defenderGeneral, report);
    chronicle(w, report);
    return k;
}

inline TickReport step(WorldState& w, RandomSource& random, const RuleTable& rules = ruleTable(RulesKlassisch))
{
    TickReport report;
    battleStep(w, random, rules, report);
    chronicle(w, report);
    return report;
}

// The happenings of a report, one line each:
// "opened|country|attacker|defender", "ended|country|winner|former holder",
// "promoted|side|slot|name|EP".
inline std::vector<std::string> told(const TickReport& report)
{
    std::vector<std::string> lines;
    for (const Happening& h : report.happenings) {
        const BattleNews& b = h.battle;
        if (h.kind == Happening::Kind::BattleOpened)
            lines.push_back(row("opened", b.country, b.attacker, b.defender));
        else if (h.kind == Happening::Kind::BattleEnded)
            lines.push_back(row("ended", b.country, b.winner, b.formerHolder));
        else
            lines.push_back(row("promoted", h.promotion.side, h.promotion.slot, h.promotion.name, h.promotion.epAfter));
    }
    return lines;
}

// A new game on a map of the fixtures or the shipped ones, as the new-game
// window starts it: the player on the map's default side unless given.
struct NewGame {
    explicit NewGame(const std::string& mapPath = STRATAGON_FIXTURES "/small.mgi", unsigned long long seed = 11,
                     int opponents = 1, int aiDivisor = 16, RuleSet rules = RulesKlassisch, int side = -1)
        : map(mapPath), random(seed)
    {
        loadMap(*w, map);
        w->monthInterval = 833, w->aiDivisor = aiDivisor, w->ruleSet = rules;
        w->side[0] = side >= 0 ? side : defaultSide(*w);
        setup = startGame(*w, random, map, opponents);
    }

    // Up to `maxTicks` more ticks while the game is playing, the scripted
    // player acting before each and every invariant checked after it; the
    // report of the last tick.
    TickReport play(int maxTicks, bool scripted = true)
    {
        TickReport last;
        for (int n = 0; w->playing && n < maxTicks; ++n, ++ticks) {
            if (scripted)
                player.act(*w);
            last = clockTick(*w, random);
            decided += last.outcome != GameOutcome::Running;
            if (std::string fault = checkInvariants(*w); !fault.empty() || w->playerBattleCount > MaxPlayerBattles) {
                ADD_FAILURE() << "tick " << ticks << ": " << fault;
                break;
            }
        }
        return last;
    }

    int held() const
    {
        int n = 0;
        for (int i = 1; i <= w->countryCount; ++i)
            n += w->countryOwner[i] == w->side[0];
        return n;
    }

    std::string map;
    std::unique_ptr<WorldState> w = std::make_unique<WorldState>();
    SeededRandom random;
    SetupResult setup;
    ScriptedPlayer player;
    int ticks = 0;    // played so far
    int decided = 0;  // ticks that reported the game decided
};

inline const std::string Afrika = STRATAGON_ASSETS "/cards/Afrika.mgi";

}  // namespace stratagon::test
