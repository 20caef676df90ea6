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
#include "shell/CreditsWindow.h"
#include "shell/HelpWindow.h"
#include "shell/ImageStore.h"
#include "shell/LoadGameWindow.h"
#include "shell/LoadingWindow.h"
#include "shell/MapCatalog.h"
#include "shell/NewGameWindow.h"
#include "shell/OptionsMenuWindow.h"
#include "shell/ReportWindow.h"
#include "shell/SaveGames.h"
#include "shell/SettingsWindow.h"
#include "simulation/Guide.h"
#include "world/MapLoader.h"
#include "simulation/SoundCue.h"
#include "sound/EffectPlayer.h"
#include "world/Settings.h"
#include "world/WorldState.h"
#include "session/FileText.h"
#include "session/GameSession.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <array>
#include <tuple>
#include <utility>

namespace stratagon {

Program::Program(WorldState& w, RandomSource& r, Dialogs& d, QString folder)
    : world(w), random(r), dialogs(d), paths_(std::move(folder)), preferences_(paths_.preferencesFile()),
      session_(new GameSession(w, r, this))
{
    preferences_.onWriteFailure(
        [this](const QString& message) { dialogs.message(QApplication::activeWindow(), message, tr("Fehler !")); });
    setSoundPlayer(std::make_unique<NoSound>());
    // The sounds hang on the session's news, whichever window is open.
    connect(session_, &GameSession::ticked, this,
            [this](const TickReport& report) { sound_->play(soundCueFor(world, report)); });
    connect(session_, &GameSession::attackOrdered, this,
            [this](AttackOutcome outcome) { sound_->play(soundCueFor(outcome)); });
    installKeyboardAccess();
    applyTextSize(preferences_.textSizePercent());
}

Program::~Program()
{
    // Windows are top-level widgets of their own; close what is still open.
    const QList<QWidget*> open = {mainWindow_, optionsMenu_, newGame_, settings_, credits_, generalList_,
                                  task_,       ranks_,       deploy_,  report_,   help_,    loadGame_};
    for (QWidget* w : open)
        delete w;
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
        menu->offerGuidance();
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

template <typename W, typename... Args>
W* Program::show(QPointer<W>& slot, Args&&... args)
{
    return showMade(slot, [&] { return new W(*this, std::forward<Args>(args)...); });
}

void Program::rememberFileSettings() { fileSettings_ = std::pair(world.monthInterval, world.aiDivisor); }

void Program::restoreFileSettings()
{
    if (fileSettings_)
        std::tie(world.monthInterval, world.aiDivisor) = *fileSettings_;
    world.ruleSet = preferences_.ruleSet();
}

MainWindow* Program::mainWindow() const { return openWindow(mainWindow_); }
OptionsMenuWindow* Program::optionsMenu() const { return openWindow(optionsMenu_); }
NewGameWindow* Program::newGameWindow() const { return openWindow(newGame_); }
SettingsWindow* Program::settingsWindow() const { return openWindow(settings_); }
CreditsWindow* Program::creditsWindow() const { return openWindow(credits_); }
GeneralListWindow* Program::generalListWindow() const { return openWindow(generalList_); }
TaskWindow* Program::taskWindow() const { return openWindow(task_); }
RanksWindow* Program::ranksWindow() const { return openWindow(ranks_); }
DeployWindow* Program::deployWindow() const { return openWindow(deploy_); }
ReportWindow* Program::reportWindow() const { return openWindow(report_); }
HelpWindow* Program::helpWindow() const { return openWindow(help_); }
LoadGameWindow* Program::loadGameWindow() const { return openWindow(loadGame_); }

MainWindow* Program::showMainWindow()
{
    // The last game's summary does not stand over the next game.
    if (!openWindow(mainWindow_))
        if (ReportWindow* report = openWindow(report_))
            report->close();
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
    connect(main, &MainWindow::menuRequested, this, [this] { showOptionsMenu()->reload(); });
    connect(main, &MainWindow::autosaveDue, this, [this, main] { saveAutomatically(*this, main); });
    main->open(loadedGame ? MainWindow::Opening::LoadedGame : MainWindow::Opening::NewGame);
    return main;
}
OptionsMenuWindow* Program::showOptionsMenu() { return show(optionsMenu_); }
NewGameWindow* Program::showNewGame() { return show(newGame_); }
SettingsWindow* Program::showSettings() { return show(settings_); }
CreditsWindow* Program::showCredits() { return show(credits_); }
ReportWindow* Program::showReport() { return show(report_); }
HelpWindow* Program::showHelp() { return show(help_); }
LoadGameWindow* Program::showLoadGame() { return show(loadGame_); }

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
        // The map comes back usable, an attack ordered in a paused game shown at once.
        connect(deploy, &DeployWindow::closed, this, [this] {
            if (MainWindow* main = mainWindow()) {
                main->setEnabled(true);
                main->refreshPanels();
                // The keys go back to the map, on the country just dealt with.
                main->activateWindow();
                main->mapFocus()->takeKeys(main->mapFocus()->country());
            }
        });
        return deploy;
    });
}

bool Program::playing() const { return openWindow(mainWindow_) && world.playing; }

NewGameChoice Program::guidedGame()
{
    const MapEntry map = mapForGame(paths_, qs(GuideMapName));
    loadMap(world, ss(map.mapFile));
    prepareGuidedGame(world);
    return NewGameChoice{map.mapFile, map.pictureFile, GuideOpponents, true, std::nullopt};
}

MainWindow* Program::startGuidance()
{
    if (MainWindow* main = mainWindow()) {
        if (world.playing)
            saveAutomatically(*this, main);
        // `playing` goes first: the window must not take its closing for the end of a running game.
        world.playing = false;
        main->close();
    }
    guidedNext_ = true;
    return showMainWindow();
}

ImageStore& Program::imageStore()
{
    if (!imageStore_)
        imageStore_ = new ImageStore;
    return *imageStore_;
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
    saveAutomatically(*this, nullptr);
    quitRequested_ = true;
    emit quitting();
    QCoreApplication::exit(0);
}

}  // namespace stratagon
