// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the player looks at, apart from the world the rules change: the
// country in the information panel, whether the side menu is closed and
// whether a click on the map attacks. The game's window sets it; the session
// keeps it with the game so that a save brings the view back as it was.

#include <cstdint>

namespace stratagon {

struct ViewState {
    int32_t shownCountry = 0;
    bool sideMenuClosed = false;
    bool battleMode = true;

    bool operator==(const ViewState&) const = default;
};

}  // namespace stratagon
