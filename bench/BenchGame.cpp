// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchGame.h"

#include "ScriptedPlayer.h"
#include "simulation/Setup.h"
#include "world/MapLoader.h"

namespace stratagon::bench {

QString afrikaPicture() { return QStringLiteral(STRATAGON_ASSETS "/cards/Afrika.bmp"); }

std::unique_ptr<WorldState> startedAfrika(RandomSource& random, int opponents)
{
    auto w = std::make_unique<WorldState>();
    const std::string map = STRATAGON_ASSETS "/cards/Afrika.mgi";
    loadMap(*w, map);
    w->side[0] = defaultSide(*w);
    w->monthInterval = 416, w->aiDivisor = 16;
    startGame(*w, random, map, opponents);
    return w;
}

}  // namespace stratagon::bench
