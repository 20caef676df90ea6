// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/EndOfGame.h"

#include <algorithm>

namespace stratagon {

std::string wonText(const std::string& continent)
{
    return "Es ist vollbracht! Deine Generäle haben " + continent +
           " unter deiner Kontrolle gebracht.\r\n\r\nDu hast gewonnen!";
}

std::string lostText(const std::string& continent)
{
    return "Deine Generäle konnten dich nicht zum Sieg führen! Sie sind kläglich gescheitert! " + continent +
           " kannst du vergessen :-(\r\n\r\nDu hast verloren!";
}

GameOutcome endOfGameCheck(WorldState& world, GameView& view)
{
    const int count = std::clamp(world.countryCount, 0, MaxCountries);
    // Without a single country there is nothing to win or lose; "held all"
    // would be true only vacuously.
    if (count == 0)
        return GameOutcome::Running;

    bool heldAll = true;
    bool heldAny = false;
    for (int i = 1; i <= count; ++i) {
        if (world.countryOwner[i] == world.side[0])
            heldAny = true;
        else
            heldAll = false;
    }

    GameOutcome outcome = GameOutcome::Running;
    if (heldAll) {
        view.showMessage(wonText(world.continentName), "Gewonnen!");
        outcome = GameOutcome::Won;
    } else if (!heldAny) {
        view.showMessage(lostText(world.continentName), "Verloren!");
        outcome = GameOutcome::Lost;
    } else {
        return outcome;
    }
    // playing is false before the window closes: the options menu it shows
    // must see a finished game.
    world.playing = false;
    view.closeGame();
    view.showReport();
    return outcome;
}

}  // namespace stratagon
