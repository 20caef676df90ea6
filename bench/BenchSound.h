// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real player of the shipped effects, loaded once for the benchmarks:
// on the system's audio output when there is one, else the silent path.

#include "sound/EffectPlayer.h"

#include <string>

namespace stratagon::bench {

EffectPlayer& shippedEffects();
// "audio output" or "no audio output", for the benchmarks' labels.
std::string outputLabel();

}  // namespace stratagon::bench
