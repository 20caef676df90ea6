// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Setup.h"

#include "simulation/Clock.h"
#include "simulation/EndOfGame.h"
#include "simulation/Records.h"
#include "simulation/Opponents.h"
#include "simulation/Pace.h"
#include "world/MapLoader.h"
#include "world/Playability.h"
#include "world/Rules.h"

#include <algorithm>

namespace stratagon {

Text missingPictureMessage(const MapPicture* picture)
{
    Text problem = picture ? picture->problem() : Text();
    if (problem.empty())
        return {ErrorsContext, QT_TRANSLATE_NOOP("GameErrors", "Das Kartenbild konnte nicht geladen werden. Das "
                                                               "Spiel kann nicht beginnen.")};
    return {ErrorsContext,
            QT_TRANSLATE_NOOP("GameErrors", "%1 Das Spiel kann nicht beginnen."),
            {TextArg::nested(std::move(problem))}};
}

SetupResult startGame(WorldState& world, RandomSource& random, const std::string& mapPath, int opponents,
                      const MapPicture* picture, const CharacterChoice* characters)
{
    WorldState& w = world;
    SetupResult result;
    // A map the loader refuses makes no game, whatever a list or the
    // preferences said of it before: the tables still hold the game before,
    // which belongs to another map and maybe another picture. They stay as
    // they are, only no longer playing.
    if (const MapLoadResult loaded = loadMap(w, mapPath); !loaded.ok) {
        result.messages.push_back({loaded.message, errorTitle()});
        w.playing = false;
        return result;
    }
    w.events.clear();
    w.playing = true;
    w.year = 2000;
    w.month = 0;
    w.tickCount = 3;
    w.battleCount = 0;

    // A map that cannot be played, or a picture that does not fit it, makes
    // no game: back to the menu as without a picture.
    if (const std::vector<Text> findings = checkPlayability(w, picture); !findings.empty()) {
        result.messages.push_back({playabilityMessage(findings), errorTitle()});
        w.playing = false;
        return result;
    }
    // The first tick runs before the sides are placed; whether the game is
    // already decided is judged below, on the position actually set up. It
    // must not see the kinds and sides of the game before: they would attack
    // and recruit on a board that is not theirs any more. Every country is
    // the player's kind, as before the first game of the program.
    std::fill(w.countryKind.begin(), w.countryKind.end(), KindPlayer);
    std::fill(w.side.begin() + 1, w.side.end(), 0);
    w.sideMax = 0;
    clockTickWithoutEndCheck(w, random);

    const int countries = std::clamp(w.countryCount, 0, MaxCountries);
    for (int i = 1; i <= countries; ++i) {
        w.countryKind[i] = KindPassive;
        w.countryOwner[i] = i;
    }
    if (validSideIndex(w.side[0]))
        w.countryKind[w.side[0]] = KindPlayer;
    // The computer never plays the player's own country.
    for (const int opponent : chooseOpponents(w, w.side[0], std::clamp(opponents, 1, MaxOpponents))) {
        w.countryKind[opponent] = KindOpponent;
        w.side[++w.sideMax] = opponent;
    }
    for (int s = 0; s <= countries; ++s)
        for (int slot = 1; slot <= 5; ++slot)
            w.generalStatus[s][slot] = Training;
    w.previousOwner.fill(0);
    assignCharacters(w, random, characters ? *characters : defaultCharacterChoice(w.ruleSet));
    applyStartingStrength(w);
    startRecords(w);

    // Only a degenerate map decides the game at once: a single country, or a
    // player's country that is not on the map.
    result.outcome = endOfGameCheck(w);
    result.started = result.outcome == GameOutcome::Running;
    return result;
}

}  // namespace stratagon
