// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The soak's parts: its options, one line of games at one strength, and the
// figures of that line, so the tests can run a line as the tool does.

#include "simulation/Character.h"
#include "world/Random.h"
#include "world/Rules.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace stratagon {

struct SoakOptions {
    int games = 20;
    int ticks = 48 * 300;
    std::string map;
    RuleSet rules = RulesKlassisch;
    int opponents = 1;
    std::optional<unsigned long long> seed;
    bool json = false;
    // The scripted player acts on every playerEvery-th tick only.
    int playerEvery = 1;
    // How the opponents play; the rule set's default when not given.
    std::optional<CharacterChoice> characters;
    bool listPersonalities = false;
};

// Reads the command line; false on anything unknown or out of range.
bool parseSoakOptions(int argc, const char* const argv[], SoakOptions& options);

// The keys --personality takes, one a line: "standard", the characters', "mixed".
std::vector<std::string> personalityKeys();

struct Strength {
    const char* name;
    int divisor;
};
extern const std::array<Strength, 5> Strengths;

struct SoakLine {
    int games = 0, won = 0, lost = 0, open = 0;
    std::vector<int> gameTicks;     // decided games
    std::vector<int> wonTicks;      // won games
    std::vector<int> plateauTicks;  // won games: the longest stretch without growth
    std::vector<int> battleTicks;   // every battle that ended
    int broken = 0;                 // games stopped by a broken invariant

    // The computer opponents.
    int64_t opponentAttacks = 0;
    int64_t attacksUnder50 = 0;      // exact chance at the opening below 50 %
    int64_t opponentVsOpponent = 0;  // on a country of another computer opponent
    int64_t onLeader = 0;            // on the side holding most countries besides him
    int64_t retakes = 0;             // on a country he held before its holder took it
    int64_t opponentLosses = 0;      // countries an opponent lost in battle
    int64_t compact = 0;             // on a country bordering two or more of his
    int64_t onNeutral = 0;           // on a passive country
    int64_t onSides = 0;             // on a country of a side in play
    int64_t retaliations = 0;        // ... that was his before, or whose holder was attacking him
    int64_t provoked = 0;            // ... whose holder had attacked him within the last game year
    int64_t freeSum = 0;             // his generals out of battle, summed over his ticks
    double chanceSum = 0;            // of his attacks' chances at the opening
    int64_t opponentTicks = 0;       // ticks of each opponent still in the game
    int64_t homeEmptyTicks = 0;      // ... with no general out of battle
    std::array<int64_t, AttackReasonCount> reasons{};
    int32_t maxGeneralEP = 0;
};

// `games` games at one strength, each from a fresh set-up.
SoakLine runSoakLine(const SoakOptions& options, const Strength& strength, RandomSource& random);

// Game months of the median and of the longest of some ticks; 0 for none.
double medianMonths(std::vector<int> ticks);
double longestMonths(const std::vector<int>& ticks);

// The line as one JSON object.
std::string soakJson(const SoakOptions& options, const Strength& strength, const SoakLine& line);

}  // namespace stratagon
