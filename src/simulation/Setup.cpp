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

const char* const MissingMapPictureMessage =
    "Das Kartenbild konnte nicht geladen werden. Das Spiel kann nicht beginnen.";

bool startGame(WorldState& world, RandomSource& random, GameView& view, const std::string& mapPath,
               int opponents)
{
    WorldState& w = world;
    w.r = 1;
    w.events.clear();
    view.showStatusRunning();
    w.playing = true;
    w.shownCountry = w.side[0];
    view.enableSideMenuButton();
    if (!view.loadMapPicture()) {
        // Without the picture there is no map to play on.
        const MapPicture* picture = view.mapPicture();
        const std::string problem = picture ? picture->problem() : std::string();
        view.showMessage(problem.empty() ? std::string(MissingMapPictureMessage)
                                         : problem + " Das Spiel kann nicht beginnen.",
                         "Fehler !");
        w.playing = false;
        return false;
    }
    // A damaged setting must not give a timer that never waits.
    view.startClock(tickPeriodMs(w));
    w.year = 2000;
    w.month = 0;
    w.tickCount = 3;
    w.battleCount = 0;

    const MapLoadResult loaded = loadMap(w, mapPath);
    if (!loaded.ok)
        view.showMessage(loaded.message, loaded.title);
    // A map that cannot be played, or a picture that does not fit it, makes
    // no game: back to the menu as without a picture.
    if (const std::vector<std::string> findings = checkPlayability(w, view.mapPicture()); !findings.empty()) {
        view.showMessage(playabilityMessage(findings), "Fehler !");
        w.playing = false;
        return false;
    }

    // The first tick runs before the sides are placed; whether the game is
    // already decided is judged below, on the position actually set up. It
    // must not see the kinds and sides of the game before: they would attack
    // and recruit on a board that is not theirs any more. Every country is
    // the player's kind, as before the first game of the program.
    std::fill(w.countryKind.begin(), w.countryKind.end(), KindPlayer);
    std::fill(w.side.begin() + 1, w.side.end(), 0);
    w.sideMax = 0;
    clockTickWithoutEndCheck(w, random, view);

    w.sideMenuClosed = false;
    w.battleMode = true;
    view.recreateSurface();

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
    applyStartingStrength(w);
    recolourMap(w, view);
    startRecords(w);

    // Only a degenerate map decides the game at once: a single country, or a
    // player's country that is not on the map.
    if (endOfGameCheck(w, view) != GameOutcome::Running)
        return false;
    return true;
}

}  // namespace stratagon
