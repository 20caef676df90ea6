// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's windows and the one place that wires them to each other.
// Every window exists at most once: show* creates it when it is not open and
// shows and raises it; the accessors give the open window or nullptr.
// Closing a window destroys it. A window belongs to the one it opens over
// (its parent): the game's window, the options menu, the roster or the
// new-game window; it never reaches into another window, and gets only the
// few things it works with (a GameContext, the PlayerSettings, the paths),
// never the program. The game's life is the session's; the windows follow
// its phase.

#include "platform/AppPaths.h"
#include "platform/Language.h"
#include "session/GameContext.h"
#include "shell/PlayerSettings.h"
#include "storage/Preferences.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>
#include <string>

namespace stratagon {

struct WorldState;
class RandomSource;
class Dialogs;
class GameSession;
class ImageStore;
class MainWindow;
struct NewGameChoice;
struct SaveContext;
class OptionsMenuWindow;
class NewGameWindow;
class SettingsWindow;
class CreditsWindow;
class GeneralListWindow;
class TaskWindow;
class RanksWindow;
class DeployWindow;
class ReportWindow;
class PlaybackWindow;
class HelpWindow;
class LoadGameWindow;
class SoundPlayer;
class SoundPacer;

class Program : public QObject, public PlayerSettings {
    Q_OBJECT
public:
    Program(WorldState& world, RandomSource& random, Dialogs& dialogs, QString folder);
    ~Program() override;

    WorldState& world;
    RandomSource& random;
    Dialogs& dialogs;

    // The program folder, and a read-only file of the program
    // ("cards/Afrika.mgi", "Data/Info.ico").
    QString folder() const { return paths_.programFolder(); }
    QString path(const QString& relative) const;
    // Where every file lives.
    const AppPaths& paths() const { return paths_; }

    // ---- The player's settings ----
    Preferences& preferences() override { return preferences_; }
    FileSettings shownSettings() const override;
    bool keepSettings(const FileSettings& settings, QWidget* parent) override;
    SoundPlayer& sound() override { return *sound_; }
    QString language() const override { return translations_.current(); }
    void useLanguage(const QString& code) override;
    void chooseLanguage(const QString& code) override;
    void showColours(ColourScheme scheme) override;

    // The loading window's sequence: read game.dat, fill the status texts,
    // show the options menu. False after the error box: the program ends.
    bool start();

    // The clock and opponent strength of game.dat, and the rule set of the
    // preferences. A loaded game brings its own; a new game goes back to the
    // player's settings.
    void rememberFileSettings();
    void restoreFileSettings();

    MainWindow* mainWindow() const;
    OptionsMenuWindow* optionsMenu() const;
    NewGameWindow* newGameWindow() const;
    SettingsWindow* settingsWindow() const;
    CreditsWindow* creditsWindow() const;
    GeneralListWindow* generalListWindow() const;
    TaskWindow* taskWindow() const;
    RanksWindow* ranksWindow() const;
    DeployWindow* deployWindow() const;
    ReportWindow* reportWindow() const;
    PlaybackWindow* playbackWindow() const;
    HelpWindow* helpWindow() const;
    LoadGameWindow* loadGameWindow() const;

    MainWindow* showMainWindow();
    // Over the game's window while a game is open, else alone.
    OptionsMenuWindow* showOptionsMenu();
    NewGameWindow* showNewGame();
    SettingsWindow* showSettings();
    CreditsWindow* showCredits();
    GeneralListWindow* showGeneralList();
    RanksWindow* showRanks();
    // The deployment against the country the player clicked (0: none found).
    DeployWindow* showDeploy(int target);
    ReportWindow* showReport();
    // "Ansehen": the finished game played back, over the Spielbilanz's owner.
    PlaybackWindow* showPlayback();
    HelpWindow* showHelp();
    LoadGameWindow* showLoadGame();

    // "Einführung": the guided game on a fresh main window. A game still
    // being played is given up only when the player says so (nullptr when
    // he does not), and kept in the autosave first.
    MainWindow* startGuidance();
    // The very first start asks whether to play the guidance; true when
    // the question is due (no preferences file where they are kept).
    bool firstStart() const { return firstStart_; }

    // A game is being played in the game's window.
    bool playing() const;
    // The game being played, its clock and the player's orders.
    GameSession& session() const { return *session_; }
    // What the game's windows work with.
    GameContext context() const { return {world, *session_, dialogs}; }

    ImageStore& imageStore();

    // The game's sounds: silent until startSound() or setSoundPlayer(). The
    // player hears each tick's news and his own attacks, as the preferences
    // say ("Ton :", "Lautstärke :"), promotions at most every few seconds.
    void setSoundPlayer(std::unique_ptr<SoundPlayer> player);
    // Loads the shipped effects for the audio output, if there is one.
    void startSound();

    // "Beenden": the program ends at once, a running game autosaved.
    void quit();
    bool quitRequested() const { return quitRequested_; }

signals:
    void quitting();

private:
    MainWindow* makeMainWindow(bool loadedGame);
    OptionsMenuWindow* makeOptionsMenu(QWidget* game);
    // The main window on the game just loaded into the world, paused.
    MainWindow* showLoadedGame();
    // The game now in the world, after the windows of the one it replaced are closed.
    MainWindow* showReplacedGame();
    // The guided game's map, side and settings, put into the world.
    NewGameChoice guidedGame();
    SaveContext saves() const;
    // Shows the window in `slot`, made by `make` when it is not open.
    template <typename W, typename Make>
    W* showMade(QPointer<W>& slot, Make make);
    // The roster's "Aufgabe": the task window for its row, opened or reused.
    void openTask(int slot, const QString& epText, const QString& name);

    // What the options menu's buttons ask for.
    void startNewGame();
    void resumeGame();
    void restartGame();
    void giveUpGame();
    void saveFromMenu();
    bool loadFromFile(QWidget* parent, const QString& file);
    // "Noch einmal ab hier": the game after `tick` ticks of its trail as a
    // new game on the game's window, paused; the game before is kept in the
    // autosave while it was still being played.
    bool playAgainFrom(qint64 tick);
    void offerGuidance(OptionsMenuWindow* menu);
    // The game's window has closed: the menu in its form before a game.
    void gameWindowClosed();

    AppPaths paths_;
    Preferences preferences_;
    Translations translations_;
    bool quitRequested_ = false;
    bool firstStart_ = false;
    bool guidedNext_ = false;
    bool replacingGame_ = false;
    std::optional<FileSettings> fileSettings_;
    std::string chosenSideName_;
    GameSession* session_ = nullptr;
    std::unique_ptr<SoundPlayer> sound_;
    std::unique_ptr<SoundPacer> pacer_;
    ImageStore* imageStore_ = nullptr;
    QPointer<MainWindow> mainWindow_;
    QPointer<OptionsMenuWindow> optionsMenu_;
    QPointer<NewGameWindow> newGame_;
    QPointer<SettingsWindow> settings_;
    QPointer<CreditsWindow> credits_;
    QPointer<GeneralListWindow> generalList_;
    QPointer<TaskWindow> task_;
    QPointer<RanksWindow> ranks_;
    QPointer<DeployWindow> deploy_;
    QPointer<ReportWindow> report_;
    QPointer<PlaybackWindow> playback_;
    QPointer<HelpWindow> help_;
    QPointer<LoadGameWindow> loadGame_;
};

}  // namespace stratagon
