#include "shell/Program.h"

#include "generals/DeployWindow.h"
#include "generals/GeneralListWindow.h"
#include "generals/RanksWindow.h"
#include "generals/TaskWindow.h"
#include "mapview/MainWindow.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "shell/CountryPickWindow.h"
#include "shell/CreditsWindow.h"
#include "shell/ImageStore.h"
#include "shell/LoadingWindow.h"
#include "shell/NewGameWindow.h"
#include "shell/OptionsMenuWindow.h"
#include "shell/SettingsWindow.h"
#include "world/Settings.h"
#include "world/WorldState.h"

#include <QApplication>
#include <QTimer>

namespace stratagon {

Program::Program(WorldState& w, RandomSource& r, Dialogs& d, QString folder)
    : world(w), random(r), dialogs(d), folder_(std::move(folder))
{
}

Program::~Program()
{
    // Windows are top-level widgets of their own; close what is still open.
    const QList<QWidget*> open = {mainWindow_, optionsMenu_, newGame_,  settings_, credits_,
                                  countryPick_, generalList_, task_,    ranks_,    deploy_};
    for (QWidget* w : open)
        delete w;
    delete imageStore_;
}

QString Program::path(const QString& relative) const
{
    return resolvePath(folder_, relative);
}

bool Program::start()
{
    auto* loading = new LoadingWindow(path(QStringLiteral("data/Loading.png")));
    loading->show();
    loading->repaint();  // painted before the blocking read below
    QApplication::processEvents();

    const FileResult read = readSettings(world, ss(path(QStringLiteral("game.dat"))));
    if (!read.ok) {
        dialogs.message(loading,
                        QStringLiteral("Ein Fehler ist aufgetreten : ") + qs(read.description) +
                            QStringLiteral(" Das Programm wird beendet."),
                        QStringLiteral("Fehler : ") + QString::number(read.errorNumber));
        loading->close();
        return false;
    }
    fillStatusTexts(world);
    loading->close();
    showOptionsMenu();
    return true;
}

template <typename W, typename... Args>
W* Program::show(QPointer<W>& slot, Args&&... args)
{
    if (!slot)
        slot = new W(*this, std::forward<Args>(args)...);
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

MainWindow* Program::mainWindow() const { return mainWindow_; }
OptionsMenuWindow* Program::optionsMenu() const { return optionsMenu_; }
NewGameWindow* Program::newGameWindow() const { return newGame_; }
SettingsWindow* Program::settingsWindow() const { return settings_; }
CreditsWindow* Program::creditsWindow() const { return credits_; }
CountryPickWindow* Program::countryPickWindow() const { return countryPick_; }
GeneralListWindow* Program::generalListWindow() const { return generalList_; }
TaskWindow* Program::taskWindow() const { return task_; }
RanksWindow* Program::ranksWindow() const { return ranks_; }
DeployWindow* Program::deployWindow() const { return deploy_; }

MainWindow* Program::showMainWindow() { return show(mainWindow_); }
OptionsMenuWindow* Program::showOptionsMenu() { return show(optionsMenu_); }
NewGameWindow* Program::showNewGame() { return show(newGame_); }
SettingsWindow* Program::showSettings() { return show(settings_); }
CreditsWindow* Program::showCredits() { return show(credits_); }
CountryPickWindow* Program::showCountryPick() { return show(countryPick_); }
GeneralListWindow* Program::showGeneralList() { return show(generalList_); }
RanksWindow* Program::showRanks() { return show(ranks_); }
DeployWindow* Program::showDeploy() { return show(deploy_); }

TaskWindow* Program::taskWindowForOpening(bool* wasOpen)
{
    if (wasOpen)
        *wasOpen = !task_.isNull();
    if (!task_)
        task_ = new TaskWindow(*this);
    return task_;
}

bool Program::playing() const
{
    return mainWindow_ && world.playing;
}

void Program::stopClock()
{
    if (mainWindow_)
        mainWindow_->clockTimer()->stop();
}

void Program::startClock()
{
    if (mainWindow_)
        mainWindow_->clockTimer()->start();
}

ImageStore& Program::imageStore()
{
    if (!imageStore_)
        imageStore_ = new ImageStore;
    return *imageStore_;
}

void Program::quit()
{
    quitRequested_ = true;
    emit quitting();
    QCoreApplication::exit(0);
}

}  // namespace stratagon
