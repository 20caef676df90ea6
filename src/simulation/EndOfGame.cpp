// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/EndOfGame.h"

#include <algorithm>

namespace stratagon {

Text wonText(const std::string& continent)
{
    return {EndContext,
            QT_TRANSLATE_NOOP("GameEnd",
                              "Es ist vollbracht! Deine Generäle haben %1 unter deiner Kontrolle gebracht.\r\n\r\n"
                              "Du hast gewonnen!"),
            {TextArg::name(continent)}};
}

Text lostText(const std::string& continent)
{
    return {EndContext,
            QT_TRANSLATE_NOOP("GameEnd", "Deine Generäle konnten dich nicht zum Sieg führen! Sie sind kläglich "
                                         "gescheitert! %1 kannst du vergessen :-(\r\n\r\nDu hast verloren!"),
            {TextArg::name(continent)}};
}

Text errorTitle() { return {ErrorsContext, QT_TRANSLATE_NOOP("GameErrors", "Fehler !")}; }

GameOutcome endOfGameCheck(WorldState& world)
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
    const GameOutcome outcome = heldAll ? GameOutcome::Won : heldAny ? GameOutcome::Running : GameOutcome::Lost;
    if (outcome != GameOutcome::Running)
        world.playing = false;
    return outcome;
}

EndMessage endMessage(const WorldState& world, GameOutcome outcome)
{
    if (outcome == GameOutcome::Won)
        return {wonText(world.continentName), {EndContext, QT_TRANSLATE_NOOP("GameEnd", "Gewonnen!")}};
    if (outcome == GameOutcome::Lost)
        return {lostText(world.continentName), {EndContext, QT_TRANSLATE_NOOP("GameEnd", "Verloren!")}};
    return {};
}

}  // namespace stratagon
