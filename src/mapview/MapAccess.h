// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace stratagon {

// Makes the game's own widgets known to the accessibility layer: the map as
// a list with one entry per country (name, holder, battle, chance), and the
// announcers as notifications. Once per program, before the first window shows.
void installAccessibility();

}  // namespace stratagon
