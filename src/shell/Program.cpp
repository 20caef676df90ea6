// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Program.h"

#include "generals/DeployWindow.h"
#include "generals/GeneralListWindow.h"
#include "generals/RanksWindow.h"
#include "generals/TaskWindow.h"
#include "mapview/MainWindow.h"
#include "mapview/MapFocus.h"
#include "platform/Dialogs.h"
#include "platform/KeyboardAccess.h"
#include "platform/Paths.h"
#include "platform/WindowFit.h"
#include "session/FileText.h"
#include "session/GameSession.h"
#include "shell/CreditsWindow.h"
#include "shell/HelpWindow.h"
#include "shell/ImageStore.h"
#include "shell/LoadGameWindow.h"
#include "shell/LoadingWindow.h"
#include "shell/MapCatalog.h"
#include "shell/NewGameWindow.h"
#include "shell/OptionsMenuWindow.h"
#include "shell/PlaybackWindow.h"
#include "shell/ReportWindow.h"
#include "shell/SaveGames.h"
#include "shell/SettingsWindow.h"
#include "simulation/Guide.h"
#include "simulation/SoundCue.h"
#include "sound/SoundPlayer.h"
#include "storage/SettingsFile.h"
#include "world/Settings.h"
#include "world/WorldState.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <utility>

namespace stratagon {

Program::Program(WorldState& w, RandomSource& r, Dialogs& d, QString folder)
    : world(w), random(r), dialogs(d), paths_(std::move(folder)), preferences_(paths_.preferencesFile()),
      session_(new GameSession(w, r, this)), pacer_(std::make_unique<SoundPacer>())
{
    preferences_.onWriteFailure(
        [this](const QString& message) { dialogs.message(QApplication::activeWindow(), message, tr("Fehler !")); });
    setSoundPlayer(std::make_unique<NoSound>());
    // The sounds hang on the session's news, whichever window is open; the
    // ear's own time, not the game's, spaces the promotions.
    static QElapsedTimer heard;
    if (!heard.isValid())
        heard.start();
    connect(session_, &GameSession::ticked, this, [this](const TickReport& report) {
        sound_->play(pacer_->pass(soundCueFor(world, report), heard.elapsed()));
    });
    connect(session_, &GameSession::attackOrdered, this,
            [this](AttackOutcome outcome) { sound_->play(soundCueFor(outcome)); });
    installKeyboardAccess();
    keepDialogsOnScreen();
    applyTextSize(preferences_.textSizePercent());
}

Program::~Program()
{
    // Those that belong to another window first; a window gone takes those
    // that belong to it along, and its slot is empty.
    delete task_;
    delete ranks_;
    delete deploy_;
    delete generalList_;
    delete help_;
    delete playback_;
    delete report_;
    delete settings_;
    delete credits_;
    delete loadGame_;
    delete newGame_;
    delete optionsMenu_;
    delete mainWindow_;
    delete imageStore_;
}

void Program::useLanguage(const QString& code) { translations_.use(code); }

void Program::chooseLanguage(const QString& code)
{
    if (!languages().contains(code))
        return;
    preferences_.setValue(QString::fromLatin1(LanguageKey), code);
    if (code != translations_.current())
        useLanguage(code);
}

QString Program::path(const QString& relative) const { return paths_.resource(relative); }

bool Program::start()
{
    auto* loading = new LoadingWindow(path(QStringLiteral("data/Loading.png")));
    loading->show();
    loading->repaint();  // painted before the blocking read below
    QApplication::processEvents();

    // Per-user folders that cannot be made are told, but the game goes on.
    firstStart_ = !QFileInfo::exists(paths_.preferencesFile());
    const QStringList problems = paths_.prepare();
    if (!problems.isEmpty())
        dialogs.message(loading, problems.join(QStringLiteral("\n\n")), QStringLiteral("Stratagon !"));  // name
    const QFileInfo iniFolder(QFileInfo(paths_.preferencesFile()).absolutePath());
    if (!problems.isEmpty() && !(iniFolder.isDir() && iniFolder.isWritable())) {
        preferences_.failureAlreadyTold();
        // An answer that cannot be kept would be asked for at every start.
        firstStart_ = false;
    }

    const FileResult read = readSettings(world, ss(paths_.settingsFileToRead()));
    if (!read.ok) {
        dialogs.message(loading,
                        tr("Ein Fehler ist aufgetreten : %1 Das Programm wird beendet.").arg(gametext::reason(read)),
                        tr("Fehler : %1").arg(read.errorNumber));
        loading->close();
        return false;
    }
    rememberFileSettings();
    // A value moved into the window's range is said once, before the menu.
    if (!read.notice.empty())
        dialogs.message(loading, gametext::notice(read), tr("Einstellungen"));
    loading->close();
    OptionsMenuWindow* menu = showOptionsMenu();
    if (std::exchange(firstStart_, false))
        offerGuidance(menu);
    return true;
}

namespace {

// A window that has been closed waits for its deferred delete; Qt takes back
// its delete-on-close mark when it closes it, and such a window counts as gone.
template <typename W>
W* openWindow(const QPointer<W>& slot)
{
    return slot && slot->testAttribute(Qt::WA_DeleteOnClose) ? slot.data() : nullptr;
}

}  // namespace

template <typename W, typename Make>
W* Program::showMade(QPointer<W>& slot, Make make)
{
    if (!openWindow(slot))
        slot = make();
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

// ---- The player's settings ----

void Program::rememberFileSettings() { fileSettings_ = FileSettings{world.monthInterval, world.aiDivisor}; }

void Program::restoreFileSettings()
{
    if (fileSettings_) {
        world.monthInterval = fileSettings_->monthInterval;
        world.aiDivisor = fileSettings_->aiDivisor;
    }
    world.ruleSet = preferences_.ruleSet();
}

FileSettings Program::shownSettings() const
{
    // The guided game's strength is its own, never the player's.
    const bool ownGame = session_->gameRunning() && !guideShown(world);
    if (fileSettings_ && !ownGame)
        return *fileSettings_;
    return {world.monthInterval, world.aiDivisor};
}

bool Program::keepSettings(const FileSettings& settings, QWidget* parent)
{
    // game.dat is written only for a change: what the player left alone
    // stays as it is, byte for byte.
    if (settings != fileSettings_) {
        const FileResult written = writeSettings(ss(paths_.settingsFile()), settings.monthInterval, settings.aiDivisor);
        if (!written.ok) {
            dialogs.message(parent,
                            QCoreApplication::translate("stratagon::SettingsWindow", "Ein Fehler ist aufgetreten : %1")
                                .arg(gametext::reason(written)),
                            QCoreApplication::translate("stratagon::SettingsWindow", "Fehler : %1")
                                .arg(written.errorNumber));
            return false;
        }
        fileSettings_ = settings;
    }
    if (!(session_->gameRunning() && guideShown(world)))
        session_->changeSettings(settings.monthInterval, settings.aiDivisor);
    return true;
}

void Program::showColours(ColourScheme scheme)
{
    if (MainWindow* main = mainWindow())
        main->setColourScheme(scheme);
}

// ---- The windows ----

MainWindow* Program::mainWindow() const
{
    MainWindow* main = openWindow(mainWindow_);
    return main && !main->isClosing() ? main : nullptr;
}
OptionsMenuWindow* Program::optionsMenu() const { return openWindow(optionsMenu_); }
NewGameWindow* Program::newGameWindow() const { return openWindow(newGame_); }
SettingsWindow* Program::settingsWindow() const { return openWindow(settings_); }
CreditsWindow* Program::creditsWindow() const { return openWindow(credits_); }
GeneralListWindow* Program::generalListWindow() const { return openWindow(generalList_); }
TaskWindow* Program::taskWindow() const { return openWindow(task_); }
RanksWindow* Program::ranksWindow() const { return openWindow(ranks_); }
DeployWindow* Program::deployWindow() const { return openWindow(deploy_); }
ReportWindow* Program::reportWindow() const { return openWindow(report_); }
PlaybackWindow* Program::playbackWindow() const { return openWindow(playback_); }
HelpWindow* Program::helpWindow() const { return openWindow(help_); }
LoadGameWindow* Program::loadGameWindow() const { return openWindow(loadGame_); }

MainWindow* Program::showMainWindow()
{
    if (!mainWindow()) {
        // The last game's summary does not stand over the next game, nor
        // the menu before a game beside it.
        if (ReportWindow* report = reportWindow())
            report->close();
        if (OptionsMenuWindow* menu = optionsMenu())
            menu->dismiss();
    }
    return showMade(mainWindow_, [this] { return makeMainWindow(false); });
}

MainWindow* Program::makeMainWindow(bool loadedGame)
{
    MainWindowSetup setup{context(), preferences_, [this](const QString& file) { return path(file); },
                          [this] {
                              restoreFileSettings();
                              // A restart in the guidance restarts the guidance.
                              if (std::exchange(guidedNext_, false) || (mainWindow() && guideShown(world)))
                                  return guidedGame();
                              const MapEntry map = mapForGame(paths_, preferences_.mapName());
                              return NewGameChoice{map.mapFile, map.pictureFile, preferences_.opponentCount(), false,
                                                   preferences_.characterChoice(preferences_.ruleSet())};
                          }};
    auto* main = new MainWindow(std::move(setup));
    connect(main, &MainWindow::generalsRequested, this, &Program::showGeneralList);
    connect(main, &MainWindow::reportRequested, this, &Program::showReport);
    connect(main, &MainWindow::helpRequested, this, &Program::showHelp);
    connect(main, &MainWindow::deployRequested, this, &Program::showDeploy);
    connect(main, &MainWindow::menuRequested, this, &Program::showOptionsMenu);
    connect(main, &MainWindow::autosaveDue, this, [this, main] { saveAutomatically(saves(), main); });
    connect(main, &MainWindow::closed, this, &Program::gameWindowClosed);
    main->open(loadedGame ? MainWindow::Opening::LoadedGame : MainWindow::Opening::NewGame);
    return main;
}

OptionsMenuWindow* Program::showOptionsMenu()
{
    // Over the game's window while a game is open; a menu that belonged to
    // another window (a game since closed) makes way for a new one.
    QWidget* game = mainWindow();
    if (OptionsMenuWindow* open = optionsMenu(); open && open->parentWidget() != game)
        open->dismiss();
    OptionsMenuWindow* menu = showMade(optionsMenu_, [this, game] { return makeOptionsMenu(game); });
    menu->reload();
    return menu;
}

OptionsMenuWindow* Program::makeOptionsMenu(QWidget* game)
{
    auto* menu = new OptionsMenuWindow(*session_, dialogs, [this](const QString& file) { return path(file); }, game);
    connect(menu, &OptionsMenuWindow::newGameRequested, this, &Program::showNewGame);
    connect(menu, &OptionsMenuWindow::resumeRequested, this, &Program::resumeGame);
    connect(menu, &OptionsMenuWindow::settingsRequested, this, &Program::showSettings);
    connect(menu, &OptionsMenuWindow::creditsRequested, this, &Program::showCredits);
    connect(menu, &OptionsMenuWindow::quitRequested, this, &Program::quit);
    connect(menu, &OptionsMenuWindow::saveRequested, this, &Program::saveFromMenu);
    connect(menu, &OptionsMenuWindow::loadRequested, this, &Program::showLoadGame);
    connect(menu, &OptionsMenuWindow::guideRequested, this, &Program::startGuidance);
    connect(menu, &OptionsMenuWindow::restartRequested, this, &Program::restartGame);
    connect(menu, &OptionsMenuWindow::giveUpRequested, this, &Program::giveUpGame);
    return menu;
}

NewGameWindow* Program::showNewGame()
{
    return showMade(newGame_, [this] {
        auto* window = new NewGameWindow({world, dialogs, paths_, *this, chosenSideName_}, optionsMenu());
        connect(window, &NewGameWindow::startRequested, this, &Program::startNewGame);
        connect(window, &NewGameWindow::cancelled, this, &Program::showOptionsMenu);
        return window;
    });
}

SettingsWindow* Program::showSettings()
{
    return showMade(settings_, [this] {
        QWidget* over = optionsMenu() ? static_cast<QWidget*>(optionsMenu()) : mainWindow();
        return new SettingsWindow(*this, dialogs, over);
    });
}

CreditsWindow* Program::showCredits()
{
    return showMade(credits_, [this] {
        return new CreditsWindow(imageStore(), path(QStringLiteral("data/ZORLogo.bmp")), optionsMenu());
    });
}

ReportWindow* Program::showReport()
{
    return showMade(report_, [this] {
        QWidget* over = mainWindow() ? static_cast<QWidget*>(mainWindow()) : optionsMenu();
        auto* report = new ReportWindow(context(), paths_, preferences_.colourScheme(), over);
        connect(report, &ReportWindow::playAgainRequested, this, &Program::playAgainFrom);
        connect(report, &ReportWindow::watchRequested, this, &Program::showPlayback);
        return report;
    });
}

PlaybackWindow* Program::showPlayback()
{
    // A playback of another game, or of this one from its start, begins anew.
    if (PlaybackWindow* open = playbackWindow())
        open->close();
    return showMade(playback_, [this] {
        QWidget* over = mainWindow() ? static_cast<QWidget*>(mainWindow()) : optionsMenu();
        auto* playback = new PlaybackWindow(*session_, preferences_.colourScheme(), over);
        connect(playback, &PlaybackWindow::playAgainRequested, this, &Program::playAgainFrom);
        return playback;
    });
}

HelpWindow* Program::showHelp()
{
    return showMade(help_, [this] { return new HelpWindow(*session_, mainWindow()); });
}

LoadGameWindow* Program::showLoadGame()
{
    return showMade(loadGame_, [this] {
        LoadGameSetup setup{paths_, dialogs, *session_,
                            [this](QWidget* parent, const QString& file) { return loadFromFile(parent, file); }};
        return new LoadGameWindow(std::move(setup), optionsMenu());
    });
}

MainWindow* Program::showLoadedGame()
{
    if (MainWindow* open = mainWindow()) {
        open->openLoadedGame();
        return showMade(mainWindow_, [open] { return open; });
    }
    return showMade(mainWindow_, [this] { return makeMainWindow(true); });
}

GeneralListWindow* Program::showGeneralList()
{
    return showMade(generalList_, [this] {
        auto* roster = new GeneralListWindow(context(), mainWindow());
        connect(roster, &GeneralListWindow::ranksRequested, this, &Program::showRanks);
        connect(roster, &GeneralListWindow::taskRequested, this, &Program::openTask);
        connect(roster, &GeneralListWindow::generalDismissed, this, [this](int slot) {
            if (TaskWindow* task = taskWindow())
                task->generalDismissed(slot);
        });
        if (TaskWindow* task = taskWindow())
            task->setRoster(roster);
        return roster;
    });
}

RanksWindow* Program::showRanks()
{
    return showMade(ranks_, [this] { return new RanksWindow(generalListWindow()); });
}

void Program::openTask(int slot, const QString& epText, const QString& name)
{
    const bool wasOpen = openWindow(task_) != nullptr;
    if (!wasOpen) {
        auto* task = new TaskWindow(context(), generalListWindow());
        connect(task, &TaskWindow::taskGiven, this, [this] {
            if (GeneralListWindow* roster = generalListWindow())
                roster->form2_start();
        });
        task_ = task;
    }
    task_->openFor(slot, epText, name, wasOpen);
}

DeployWindow* Program::showDeploy(int target)
{
    return showMade(deploy_, [this, target] {
        auto* deploy = new DeployWindow(context(), target, mainWindow());
        // An attack ordered in a paused game shown at once, and the keys back
        // on the map, on the country just dealt with.
        connect(deploy, &DeployWindow::closed, this, [this] {
            if (MainWindow* main = mainWindow()) {
                main->refreshPanels();
                main->activateWindow();
                main->mapFocus()->takeKeys(main->mapFocus()->country());
            }
        });
        return deploy;
    });
}

bool Program::playing() const { return mainWindow() && session_->gameRunning(); }

ImageStore& Program::imageStore()
{
    if (!imageStore_)
        imageStore_ = new ImageStore;
    return *imageStore_;
}

}  // namespace stratagon
