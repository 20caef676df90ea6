// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a window of the running game works with: the world it shows, the
// session that carries out the player's orders and holds the clock, and the
// boxes it asks and tells through. The references outlive every window.

namespace stratagon {

class Dialogs;
class GameSession;
struct WorldState;

struct GameContext {
    WorldState& world;
    GameSession& session;
    Dialogs& dialogs;
};

}  // namespace stratagon
