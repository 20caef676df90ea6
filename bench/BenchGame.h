// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The games the save benchmarks start from.

#include "world/Random.h"
#include "world/WorldState.h"

#include <QString>
#include <memory>

namespace stratagon::bench {

// The shipped Afrika's map picture.
QString afrikaPicture();

// A game just started on the shipped Afrika at the fastest clock, the player
// on the map's own side against `opponents` computer opponents; `random`
// goes on drawing for it.
std::unique_ptr<WorldState> startedAfrika(RandomSource& random, int opponents = 1);

}  // namespace stratagon::bench
