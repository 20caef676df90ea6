// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's clock and ears: pausing, the status said on demand and
// the jumps to the countries that matter, for a player who listens.
#include "mapview/MainWindow.h"

#include "mapview/Announcer.h"
#include "mapview/ControlStrip.h"
#include "mapview/MapFocus.h"
#include "mapview/MapView.h"
#include "mapview/PanelParts.h"
#include "mapview/StatusLabel.h"
#include "session/GameSession.h"
#include "simulation/Situation.h"
#include "storage/Preferences.h"

namespace stratagon {

namespace {

constexpr int StatusStep = 100;  // the pause toggle moves the status label

}  // namespace

void MainWindow::sayStatus()
{
    if (session_.gameOpen())
        announcer_->announce(situationText(world_, session_.clockRunning()));
}

void MainWindow::jumpTo(const std::vector<int>& countries, const QString& none)
{
    if (!session_.gameRunning())
        return;
    const int next = nextInList(countries, mapFocus_->country());
    if (next == 0) {
        announcer_->announce(none);
        return;
    }
    // The map takes the keys on it: the screen reader says the country and
    // its state; standing there already, it would say nothing.
    if (next == mapFocus_->country() && mapPicture_->hasFocus())
        announcer_->announce(mapFocus_->name(next) + QStringLiteral(". ") + mapFocus_->description(next));
    showCountry(next);
    mapFocus_->takeKeys(next);
}

void MainWindow::showPhase()
{
    // The status text moves aside while the player has paused the game.
    const bool paused = session_.paused();
    statusLabel_->showPaused(paused);
    layout_.setStatusLeft(design::StatusLeft - (paused ? StatusStep : 0));
    strip_->showPauseState(paused && session_.gameRunning());
    // What the player chose to hear, and whether an attack stops the war;
    // a settings window may have changed it while the game waited.
    announcer_->setLevel(setup_.preferences.announceLevel());
    session_.setPauseOnAttack(setup_.preferences.pauseOnAttack());
}

void MainWindow::togglePause()
{
    session_.setPaused(!session_.paused());
    showPhase();
    if (session_.paused())
        announcer_->announceWaiting();
    announcer_->announce(statusLabel_->text());
}

}  // namespace stratagon
