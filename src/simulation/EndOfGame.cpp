#include "simulation/EndOfGame.h"

#include <algorithm>

namespace stratagon {

const char* const WonText =
    "Es ist vollbracht! Deine Generäle haben Afrika unter deiner Kontrolle gebracht.\r\n\r\n"
    "Du hast gewonnen!";
const char* const LostText =
    "Deine Generäle konnten dich nicht zum Sieg führen! Sie sind kläglich gescheitert! "
    "Afrika kannst du vergessen :-(\r\n\r\nDu hast verloren!";

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
        view.showMessage(WonText, "Gewonnen!");
        outcome = GameOutcome::Won;
    } else if (!heldAny) {
        view.showMessage(LostText, "Verloren!");
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
