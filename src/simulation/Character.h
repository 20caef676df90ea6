// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a computer opponent plays: his character. Each opponent has one for
// the whole game (WorldState::opponentCharacter); the player chooses them
// before the game, for all opponents or for each, or leaves them to chance.

#include "world/Random.h"
#include "world/WorldState.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace stratagon {

enum Character : int32_t {
    // The plain opponent: attacks every neighbour his best free general
    // outclasses by EP, whatever the odds; the same at every strength.
    CharacterStandard = 0,
    CharacterConqueror = 1,
    CharacterGuardian = 2,
    CharacterStrategist = 3,
};
constexpr int CharacterCount = 4;

struct CharacterInfo {
    std::string_view key;     // as stored in stratagon.ini and taken by the soak
    const char* name;         // German, in the catalog of the game's names
    const char* description;  // one line, German, context CharactersContext
};
constexpr const char* CharactersContext = "GameCharacters";

// The character's entry; Standard's for a value outside the known ones.
const CharacterInfo& characterInfo(int character);
// The character stored under `key`; -1 for none.
int characterFromKey(std::string_view key);

// The character of the computer opponent whose home country is `side`;
// Standard for a side that is no opponent.
int characterOf(const WorldState& world, int side);

// "Gemischt" and "Zufällig" for the choice: their names and descriptions.
extern const char* const MixedName;
extern const char* const MixedDescription;
extern const char* const RandomName;

// A character drawn at the start instead of a chosen one.
constexpr int RandomCharacter = -1;
constexpr int MaxChosenOpponents = 5;

// What the player chose for the opponents of a new game.
struct CharacterChoice {
    // Mixed: every opponent a character drawn at the start, each another
    // one while there are characters left (Standard is never drawn).
    bool mixed = true;
    // Otherwise the character of each opponent in order, or RandomCharacter
    // for one drawn at the start; the last entry stands for every further one.
    std::array<int, MaxChosenOpponents> each{};
    int count = 0;  // entries of `each` used, at least 1 unless mixed

    static CharacterChoice mix();
    static CharacterChoice all(int character);

    // "mixed", a key ("conqueror"), "random", or keys for each opponent
    // joined by commas ("conqueror,random,guardian").
    std::string key() const;
    // The choice stored under `key`; false for anything unknown.
    static bool fromKey(std::string_view key, CharacterChoice& choice);

    bool operator==(const CharacterChoice&) const = default;
};

// New games under a rule set start with this unless the player chose:
// Klassisch with the plain opponent of the original game, Zügig mixed.
CharacterChoice defaultCharacterChoice(int ruleSet);

// The set-up's share: the opponents on sides 1..sideMax get their
// characters, those left to chance drawn from `random`, one draw each, in
// order. A choice of Standard for all draws nothing.
void assignCharacters(WorldState& world, RandomSource& random, const CharacterChoice& choice);

}  // namespace stratagon
