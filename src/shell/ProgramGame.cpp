// SPDX-License-Identifier: GPL-3.0-or-later
// The program's part in a game's life: what the options menu's buttons ask
// for (start, resume, restart, give up, save, load, the guided game, the
// end of the program) and the sounds of the game.

#include "shell/Program.h"

#include "generals/DeployWindow.h"
#include "generals/GeneralListWindow.h"
#include "generals/RanksWindow.h"
#include "generals/TaskWindow.h"
#include "mapview/MainWindow.h"
#include "mapview/MapFocus.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "session/GameSession.h"
#include "session/GameText.h"
#include "shell/HelpWindow.h"
#include "shell/MapCatalog.h"
#include "shell/OptionsMenuWindow.h"
#include "shell/PlaybackWindow.h"
#include "shell/ReportWindow.h"
#include "shell/SaveGames.h"
#include "simulation/Guide.h"
#include "simulation/SoundCue.h"
#include "sound/EffectPlayer.h"
#include "world/MapLoader.h"
#include "world/WorldState.h"

#include <QCoreApplication>
#include <array>

namespace stratagon {

SaveContext Program::saves() const { return {paths_, dialogs, *session_}; }

void Program::startNewGame()
{
    if (OptionsMenuWindow* menu = optionsMenu())
        menu->dismiss();
    showMainWindow();
}

void Program::resumeGame()
{
    if (OptionsMenuWindow* menu = optionsMenu())
        menu->dismiss();
    if (MainWindow* main = mainWindow()) {
        main->show();
        main->raise();
        main->activateWindow();
        main->mapFocus()->takeKeys(main->mapFocus()->country());
    }
}

void Program::restartGame()
{
    // Restarted, the game is kept in the autosave first; a fresh game on the
    // same window and the same side.
    MainWindow* main = mainWindow();
    saveAutomatically(saves(), optionsMenu());
    if (OptionsMenuWindow* menu = optionsMenu())
        menu->dismiss();
    if (!main)
        return;
    session_->giveUp();
    main->Startat();
    main->show();
    main->raise();
    main->activateWindow();
}

void Program::giveUpGame()
{
    // Given up, the game is kept in the autosave; the game's window closes
    // and the menu comes back in its form before a game.
    saveAutomatically(saves(), optionsMenu());
    session_->giveUp();
    if (MainWindow* main = mainWindow())
        main->closeGame();
    else
        showOptionsMenu();
}

void Program::gameWindowClosed()
{
    if (!quitRequested_ && !replacingGame_)
        showOptionsMenu();
}

void Program::saveFromMenu()
{
    OptionsMenuWindow* menu = optionsMenu();
    if (!session_->gameRunning())
        return;
    const QString name = askSaveName(saves(), menu);
    if (!name.isEmpty() && saveGame(saves(), menu, name) && menu)
        menu->showNotice(tr("Gespeichert: %1").arg(name));
}

MainWindow* Program::showReplacedGame()
{
    // The windows of the game that was given up go, the menu with them.
    const std::array<QWidget*, 7> stale = {generalListWindow(), taskWindow(), ranksWindow(), deployWindow(),
                                           reportWindow(),      helpWindow(), playbackWindow()};
    for (QWidget* window : stale)
        if (window)
            window->close();
    if (OptionsMenuWindow* menu = optionsMenu())
        menu->dismiss();
    return showLoadedGame();
}

bool Program::loadFromFile(QWidget* parent, const QString& file)
{
    if (!loadGame(saves(), parent, file))
        return false;
    showReplacedGame();
    return true;
}

bool Program::playAgainFrom(qint64 tick)
{
    QWidget* asking = reportWindow() ? static_cast<QWidget*>(reportWindow()) : mainWindow();
    if (session_->gameRunning())
        saveAutomatically(saves(), asking);
    if (!session_->branchInto(tick)) {
        dialogs.message(asking, tr("Dieser Monat lässt sich nicht noch einmal spielen."), tr("Noch einmal ab hier"));
        return false;
    }
    MainWindow* main = showReplacedGame();
    dialogs.message(main,
                    tr("Du spielst noch einmal ab %1. Das Spiel ist angehalten: Starte die Uhr, wenn du bereit "
                       "bist.")
                        .arg(gametext::date(world.month, world.year)),
                    tr("Noch einmal ab hier"));
    return true;
}

NewGameChoice Program::guidedGame()
{
    const MapEntry map = mapForGame(paths_, qs(GuideMapName));
    loadMap(world, ss(map.mapFile));
    prepareGuidedGame(world);
    NewGameChoice choice;
    choice.mapFile = map.mapFile;
    choice.pictureFile = map.pictureFile;
    choice.opponents = GuideOpponents;
    choice.guided = true;
    return choice;
}

void Program::offerGuidance(OptionsMenuWindow* menu)
{
    const bool yes = menu->offerGuidance();
    // Asked once: the answer goes into the preferences, which makes them exist.
    preferences_.setValue(QStringLiteral("guide/offered"), yes ? QStringLiteral("ja") : QStringLiteral("nein"));
    if (yes)
        startGuidance();
}

MainWindow* Program::startGuidance()
{
    MainWindow* main = mainWindow();
    if (main && session_->gameRunning()) {
        // As with a save loaded: a game being played is given up only when the player says so.
        QWidget* asking = optionsMenu() ? static_cast<QWidget*>(optionsMenu()) : main;
        if (!dialogs.question(asking, tr("Willst du das laufende Spiel aufgeben und die Einführung spielen?"),
                              tr("Einführung")))
            return nullptr;
        saveAutomatically(saves(), asking);
    }
    if (OptionsMenuWindow* menu = optionsMenu())
        menu->dismiss();
    if (main) {
        replacingGame_ = true;
        session_->giveUp();
        main->closeGame();
        replacingGame_ = false;
    }
    guidedNext_ = true;
    return showMainWindow();
}

void Program::setSoundPlayer(std::unique_ptr<SoundPlayer> player)
{
    sound_ = std::move(player);
    sound_->setEnabled(preferences_.soundEnabled());
    sound_->setVolume(preferences_.soundVolume());
}

void Program::startSound()
{
    std::array<QString, SoundCueCount> files;
    for (int i = 1; i < SoundCueCount; ++i)
        files[std::size_t(i)] = paths_.soundFile(SoundPlayer::fileName(SoundCue(i)));
    setSoundPlayer(std::make_unique<EffectPlayer>(files));
}

void Program::quit()
{
    saveAutomatically(saves(), nullptr);
    quitRequested_ = true;
    if (OptionsMenuWindow* menu = optionsMenu())
        menu->dismiss();
    emit quitting();
    QCoreApplication::exit(0);
}

}  // namespace stratagon
