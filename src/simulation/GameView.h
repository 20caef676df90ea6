// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the rules ask of the main window. The rules call it at the points
// where the game shows something; the window implements it, tests and
// benchmarks use the do-nothing defaults or record the calls.

#include "world/Palette.h"
#include "world/Playability.h"
#include "world/WorldState.h"

#include <string>

namespace stratagon {

class GameView {
public:
    virtual ~GameView() = default;

    // Set-up (startGame)
    virtual void showStatusRunning() {}                // "Spiel läuft" at 7080 twips
    virtual void enableSideMenuButton() {}
    virtual bool loadMapPicture() { return true; }     // load the bitmap, size window; false: missing
    // The picture just loaded, for the check that it fits the map; nullptr:
    // none to check.
    virtual const MapPicture* mapPicture() const { return nullptr; }
    virtual void startClock(int /*periodMs*/) {}
    virtual void recreateSurface() {}

    // Clock tick
    virtual void clearMap() {}                         // back to the plain bitmap
    virtual void fillCountry(int /*x*/, int /*y*/, Rgb /*colour*/) {}
    // A side's country in its style; a plain fill unless the view draws stripes.
    virtual void paintCountry(int x, int y, const SideStyle& style) { fillCountry(x, y, style.colour); }
    // The colour scheme the player chose for the map.
    virtual ColourScheme colourScheme() const { return ColourScheme::Standard; }
    virtual void showBattlePanel() {}
    virtual void showInfoPanel() {}                    // the tick's refresh: general at the scroll bar
    virtual void drawDate(const std::string& /*text*/) {}

    // End of game: an OK box without icon, waiting for the player.
    virtual void showMessage(const std::string& /*text*/, const std::string& /*title*/) {}
    // Close the main window (stopping the clock) and show the options menu.
    virtual void closeGame() {}
    // Then the game's summary, over the options menu.
    virtual void showReport() {}
};

}  // namespace stratagon
