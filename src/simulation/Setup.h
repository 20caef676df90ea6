// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "simulation/Character.h"
#include "simulation/EndOfGame.h"
#include "world/Playability.h"
#include "world/Random.h"
#include "world/WorldState.h"

#include <string>
#include <vector>

namespace stratagon {

// The message when the map picture cannot be loaded: the picture's own
// problem when it names one.
Text missingPictureMessage(const MapPicture* picture);

struct SetupResult {
    bool started = false;
    // What the player must be told, in this order (a map file the loader
    // refuses or a map that cannot be played ends the set-up).
    std::vector<EndMessage> messages;
    // Decided at once: a map of one country, or a player's country that is
    // not on the map. The end-of-game message is not among `messages`.
    GameOutcome outcome = GameOutcome::Running;

    explicit operator bool() const { return started; }
};

// The game set-up: a fresh game on the map at mapPath, the player on side(0),
// `opponents` (1 to 5, clamped) computer opponents chosen by chooseOpponents on
// side(1..sideMax), the first country 9 unless that is the player's; fewer
// when the map has too few countries. `picture` is the map picture already
// loaded, checked against the map; nullptr when there is none to check.
// Not started, with playing false, when the map file is refused or the map
// cannot be played, and also when the position just set up is already decided.
// `characters` says how the opponents play; without it the rule set's default.
SetupResult startGame(WorldState& world, RandomSource& random, const std::string& mapPath, int opponents = 1,
                      const MapPicture* picture = nullptr, const CharacterChoice* characters = nullptr);

}  // namespace stratagon
