// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's windows and what they share. Every window exists at most
// once: show* creates it when it is not open (its constructor is its opening
// routine) and shows and raises it; the accessors give the open window or
// nullptr. Closing a window destroys it.

#include "platform/AppPaths.h"
#include "platform/Language.h"
#include "session/GameContext.h"
#include "storage/Preferences.h"

#include <QObject>
#include <memory>
#include <optional>
#include <utility>
#include <QPointer>
#include <QString>
#include <string>

namespace stratagon {

struct WorldState;
class RandomSource;
class Dialogs;
class GameSession;
class ImageStore;
class MainWindow;
struct NewGameChoice;
class OptionsMenuWindow;
class NewGameWindow;
class SettingsWindow;
class CreditsWindow;
class GeneralListWindow;
class TaskWindow;
class RanksWindow;
class DeployWindow;
class ReportWindow;
class HelpWindow;
class LoadGameWindow;
class SoundPlayer;

class Program : public QObject {
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
    // The preferences beside the game.dat in use.
    Preferences& preferences() { return preferences_; }

    // The language of every window ("de", "en"): useLanguage switches for
    // this session, chooseLanguage also keeps the choice for the next.
    void useLanguage(const QString& code);
    void chooseLanguage(const QString& code);
    QString language() const { return translations_.current(); }

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
    HelpWindow* helpWindow() const;
    LoadGameWindow* loadGameWindow() const;

    MainWindow* showMainWindow();
    OptionsMenuWindow* showOptionsMenu();
    NewGameWindow* showNewGame();
    SettingsWindow* showSettings();
    CreditsWindow* showCredits();
    GeneralListWindow* showGeneralList();
    RanksWindow* showRanks();
    // The deployment against the country the player clicked (0: none found).
    DeployWindow* showDeploy(int target);
    ReportWindow* showReport();
    HelpWindow* showHelp();
    LoadGameWindow* showLoadGame();
    // The main window on the game just loaded into the world, paused.
    MainWindow* showLoadedGame();

    // "Einführung": the guided game on a fresh main window; a game still
    // running is kept in the autosave and closed first.
    MainWindow* startGuidance();
    // The very first start asks whether to play the guidance; true when
    // the question is due (no preferences file where they are kept).
    bool firstStart() const { return firstStart_; }

    // `playing` of the main window; false when there is none.
    bool playing() const;
    // The game being played, its clock and the player's orders.
    GameSession& session() const { return *session_; }
    // What the game's windows work with.
    GameContext context() const { return {world, *session_, dialogs}; }

    ImageStore& imageStore();

    // The game's sounds: silent until startSound() or setSoundPlayer(). The
    // player hears each tick's news and his own attacks, as the preferences
    // say ("Ton :", "Lautstärke :").
    SoundPlayer& sound() const { return *sound_; }
    void setSoundPlayer(std::unique_ptr<SoundPlayer> player);
    // Loads the shipped effects for the audio output, if there is one.
    void startSound();

    // The side the player chose in this session (a country's name); the next
    // new game starts on it when its map has that country. By name: the
    // codes are letters each map hands out anew.
    const std::string& chosenSideName() const { return chosenSideName_; }
    void setChosenSideName(std::string name) { chosenSideName_ = std::move(name); }

    // "Beenden": the program ends at once, a running game autosaved.
    void quit();
    bool quitRequested() const { return quitRequested_; }

signals:
    void quitting();

private:
    MainWindow* makeMainWindow(bool loadedGame);
    // The guided game's map, side and settings, put into the world.
    NewGameChoice guidedGame();
    // Shows the window in `slot`, made by `make` when it is not open.
    template <typename W, typename Make>
    W* showMade(QPointer<W>& slot, Make make);
    template <typename W, typename... Args>
    W* show(QPointer<W>& slot, Args&&... args);
    // The roster's "Aufgabe": the task window for its row, opened or reused.
    void openTask(int slot, const QString& epText, const QString& name);

    AppPaths paths_;
    Preferences preferences_;
    Translations translations_;
    bool quitRequested_ = false;
    bool firstStart_ = false;
    bool guidedNext_ = false;
    std::optional<std::pair<int, int>> fileSettings_;
    std::string chosenSideName_;
    GameSession* session_ = nullptr;
    std::unique_ptr<SoundPlayer> sound_;
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
    QPointer<HelpWindow> help_;
    QPointer<LoadGameWindow> loadGame_;
};

}  // namespace stratagon
