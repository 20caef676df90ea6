// The main window on a map of its own: the set-up's placements, map clicks
// in both modes, the panels, the clock controls and the ways a game ends.

#include "MainWindowFixture.h"

#include "generals/DeployWindow.h"
#include "shell/OptionsMenuWindow.h"
#include "simulation/EndOfGame.h"
#include "simulation/PlayerActions.h"
#include "simulation/Setup.h"
#include "world/Ranks.h"

#include <QtTest/qtestspontaneevent.h>

#include <QCloseEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <gtest/gtest.h>

namespace stratagon::test {
namespace {

QString textOf(MainWindow& w, const char* name)
{
    auto* label = w.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
}

template <typename T = QWidget>
T* child(MainWindow& w, const char* name)
{
    return w.findChild<T*>(QString::fromLatin1(name));
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        t = fixtureProgram();
        window = t->program->showMainWindow();
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { flushDeletes(); }

    WorldState& world() { return *t->world; }

    std::unique_ptr<TestProgram> t;
    MainWindow* window = nullptr;
};

TEST_F(MainWindowTest, SetUpPlacesTheControlsAndStartsTheClock)
{
    MainWindow& w = *window;
    EXPECT_DOUBLE_EQ(w.twipsPerPixel(), 1440.0 / w.logicalDpiX());
    EXPECT_EQ(w.windowTitle(), "Stratagon !");

    QWidget* map = child(w, "mapPicture");
    EXPECT_EQ(map->size(), QSize(19 * 17, 13 * 17)) << "the picture at its own size";
    EXPECT_EQ(w.height(), map->height() + w.px(3200));

    auto* status = child<QLabel>(w, "statusLabel");
    EXPECT_EQ(status->text(), "Spiel läuft");
    EXPECT_EQ(status->x(), w.px(7080));

    auto* side = child<QPushButton>(w, "sideMenuButton");
    EXPECT_EQ(side->text(), "Seitenmenü >");
    EXPECT_TRUE(side->isEnabled());
    EXPECT_EQ(side->geometry().right(), map->geometry().right());
    auto* options = child<QPushButton>(w, "optionsMenuButton");
    EXPECT_EQ(options->text(), "Optionsmenü");
    EXPECT_EQ(options->size(), side->size());
    EXPECT_LT(options->geometry().bottom(), map->y()) << "above the map";

    EXPECT_EQ(child<QPushButton>(w, "generalsButton")->text(), "Generäle");
    EXPECT_EQ(child<QToolButton>(w, "modeButton")->text(), "Modus : Schlacht");
    EXPECT_TRUE(child<QToolButton>(w, "pauseButton")->text().isEmpty());
    const char* captions[][2] = {{"landCaption", "Land :"},           {"continentCaption", "Kontienent :"},
                                 {"generalCountCaption", "Generäle :"}, {"generalNameCaption", "Name :"},
                                 {"generalEPCaption", "EP :"},          {"generalRankCaption", "Rang :"}};
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(textOf(w, name), QString::fromUtf8(caption));

    EXPECT_TRUE(w.clockTimer()->isActive());
    EXPECT_EQ(w.clockTimer()->interval(), 416) << "1667 / 4, truncated";
    EXPECT_TRUE(w.playing());
    EXPECT_EQ(w.r(), 1);

    // The first month is on the map and the player's country in the panel.
    EXPECT_EQ(world().monthName, "Januar");
    EXPECT_EQ(textOf(w, "landLabel"), "Nordwest, Kolonie : Nordwest");
    EXPECT_EQ(textOf(w, "continentLabel"), "Testkontinent");
    EXPECT_EQ(textOf(w, "generalCountLabel"), "3");
    EXPECT_EQ(textOf(w, "battleHeadingLabel"), "Keine Kämpfe");
}

TEST_F(MainWindowTest, MapIsShownPixelForPixel)
{
    MainWindow& w = *window;
    const QImage shown = child(w, "mapPicture")->grab().toImage();
    const QImage& surface = w.mapSurface().surface();
    const qreal ratio = shown.devicePixelRatio();
    ASSERT_EQ(shown.size(), surface.size() * ratio);
    // Every picture pixel is a block of whole device pixels of its own colour
    // (a scaled screen shows blocks, never a blend).
    for (const QPoint p : {countryCentre(1), countryCentre(9), countryCentre(5), QPoint(101, 30), QPoint(102, 30)}) {
        const int n = static_cast<int>(ratio);
        for (int dy = 0; dy < n; ++dy)
            for (int dx = 0; dx < n; ++dx)
                EXPECT_EQ(shown.pixel(p.x() * n + dx, p.y() * n + dy), surface.pixel(p)) << p.x() << "," << p.y();
    }
    EXPECT_EQ(QColor(surface.pixel(countryCentre(1))), QColor(Qt::red));
    EXPECT_EQ(QColor(surface.pixel(countryCentre(9))), QColor(Qt::green));
}

TEST_F(MainWindowTest, ClicksInBattleModeOpenTheDeploymentOnlyForAttackableNeighbours)
{
    MainWindow& w = *window;

    // His own country: the panel, nothing else.
    clickCountry(w, 1);
    EXPECT_EQ(world().shownCountry, 1);
    EXPECT_EQ(t->program->deployWindow(), nullptr);
    EXPECT_TRUE(w.isEnabled());

    // Not a neighbour.
    clickCountry(w, 5);
    EXPECT_EQ(world().shownCountry, 5);
    EXPECT_EQ(textOf(w, "landLabel"), "Mitte");
    EXPECT_EQ(t->program->deployWindow(), nullptr);

    // Sea and beyond the grid: nothing changes, the cell is remembered.
    releaseOnMap(w, QPointF(19 * 17 - 3, 20));
    EXPECT_EQ(world().shownCountry, 5);
    EXPECT_EQ(world().bb, 19);
    releaseOnMap(w, QPointF(1700, 20));
    EXPECT_EQ(world().bb, 101);
    EXPECT_EQ(world().shownCountry, 5);
    EXPECT_EQ(textOf(w, "landLabel"), "Mitte");
    EXPECT_EQ(t->program->deployWindow(), nullptr);

    // A neighbour, with any button: clock stopped, window disabled, deployment shown.
    clickCountry(w, 2, Qt::RightButton);
    EXPECT_EQ(world().shownCountry, 2);
    EXPECT_EQ(world().bb, 10);
    EXPECT_EQ(world().hh, 3);
    ASSERT_NE(t->program->deployWindow(), nullptr);
    EXPECT_TRUE(t->program->deployWindow()->isVisible());
    EXPECT_FALSE(w.isEnabled());
    EXPECT_FALSE(w.clockTimer()->isActive());
    EXPECT_EQ(textOf(w, "statusLabel"), "Spiel läuft") << "status and r are left alone";
    EXPECT_EQ(w.r(), 1);
}

TEST_F(MainWindowTest, ColonyOfThePlayerShowsItsHolderAndOpensNothing)
{
    MainWindow& w = *window;
    world().countryOwner[2] = 1;
    clickCountry(w, 2);
    EXPECT_EQ(textOf(w, "landLabel"), "Nordwest, Kolonie : Nord");
    EXPECT_EQ(textOf(w, "generalCountLabel"), "3");
    EXPECT_EQ(t->program->deployWindow(), nullptr);

    // Its neighbour is now within reach.
    clickCountry(w, 3);
    EXPECT_NE(t->program->deployWindow(), nullptr);
}

TEST_F(MainWindowTest, InfoModeOnlyShowsTheCountry)
{
    MainWindow& w = *window;
    auto* mode = child<QToolButton>(w, "modeButton");
    mode->click();
    EXPECT_EQ(mode->text(), "Modus : Info");
    EXPECT_FALSE(world().battleMode);

    for (int country : {1, 2, 5}) {
        clickCountry(w, country);
        EXPECT_EQ(world().shownCountry, country);
    }
    world().countryOwner[4] = 1;
    clickCountry(w, 4);
    releaseOnMap(w, QPointF(1700, 1700));
    EXPECT_EQ(world().shownCountry, 4);
    EXPECT_EQ(t->program->deployWindow(), nullptr);
    EXPECT_TRUE(w.isEnabled());
    EXPECT_TRUE(w.clockTimer()->isActive());

    mode->click();
    EXPECT_EQ(mode->text(), "Modus : Schlacht");
    EXPECT_TRUE(world().battleMode);
}

TEST_F(MainWindowTest, RestartLeavesTheModeCaptionWhileClicksAttackAgain)
{
    MainWindow& w = *window;
    auto* mode = child<QToolButton>(w, "modeButton");
    mode->click();
    world().playing = false;
    w.Startat();
    EXPECT_TRUE(world().battleMode);
    EXPECT_TRUE(w.playing());
    EXPECT_EQ(mode->text(), "Modus : Info");

    clickCountry(w, 2);
    EXPECT_NE(t->program->deployWindow(), nullptr) << "clicks act as in battle mode";

    t->program->deployWindow()->close();
    mode->click();
    EXPECT_EQ(mode->text(), "Modus : Info") << "the next click switches to info";
    EXPECT_FALSE(world().battleMode);
}

TEST_F(MainWindowTest, PanelShowsGeneralOneAfterAClickAndTheScrollBarAfterwards)
{
    MainWindow& w = *window;
    auto* scroll = child<QScrollBar>(w, "generalScroll");
    child<QToolButton>(w, "modeButton")->click();  // clicks only show

    clickCountry(w, 1);
    EXPECT_TRUE(scroll->isEnabled());
    EXPECT_EQ(scroll->minimum(), 1);
    EXPECT_EQ(scroll->maximum(), 3);
    EXPECT_EQ(scroll->pageStep(), 3);
    EXPECT_EQ(textOf(w, "generalNameLabel"), "Anna");

    scroll->setValue(3);
    EXPECT_EQ(textOf(w, "generalNameLabel"), "Carl");
    EXPECT_EQ(textOf(w, "generalEPLabel"), QString::number(world().generalEP[1][3]));
    EXPECT_EQ(textOf(w, "generalRankLabel"), QString::fromUtf8(std::string(rankName(world().generalEP[1][3])).c_str()));

    // The tick keeps the scroll bar's general and its growing EP.
    world().generalEP[1][3] = 77;
    w.runClockTick();
    EXPECT_EQ(scroll->value(), 3);
    EXPECT_EQ(textOf(w, "generalNameLabel"), "Carl");
    EXPECT_EQ(textOf(w, "generalEPLabel"), QString::number(world().generalEP[1][3]));

    // A click resets it to the first general.
    clickCountry(w, 1);
    EXPECT_EQ(scroll->value(), 1);
    EXPECT_EQ(textOf(w, "generalNameLabel"), "Anna");

    // One general: disabled, general 1.
    clickCountry(w, 4);
    EXPECT_FALSE(scroll->isEnabled());
    EXPECT_EQ(textOf(w, "generalNameLabel"), "Fritz");
    EXPECT_EQ(textOf(w, "landLabel"), "West") << "a passive country, without Kolonie";

    // No generals: dashes, not the general of the country before.
    clickCountry(w, 2);
    EXPECT_EQ(textOf(w, "generalCountLabel"), "0");
    EXPECT_FALSE(scroll->isEnabled());
    for (const char* name : {"generalNameLabel", "generalEPLabel", "generalRankLabel"})
        EXPECT_EQ(textOf(w, name), "-") << name;
    w.runClockTick();
    EXPECT_EQ(textOf(w, "generalNameLabel"), "-");
}

TEST_F(MainWindowTest, TickShrinkingTheListKeepsShowingThisCountrysGeneral)
{
    MainWindow& w = *window;
    auto* scroll = child<QScrollBar>(w, "generalScroll");
    clickCountry(w, 1);
    scroll->setValue(3);
    // The player's roster shrinks to one while Carl is shown.
    world().generalCount[1] = 1;
    w.runClockTick();
    EXPECT_FALSE(scroll->isEnabled());
    EXPECT_EQ(textOf(w, "generalNameLabel"), "Anna");
}

TEST_F(MainWindowTest, BattlePanelFollowsThePlayersBattles)
{
    MainWindow& w = *window;
    auto* scroll = child<QScrollBar>(w, "battleScroll");
    EXPECT_EQ(textOf(w, "battleHeadingLabel"), "Keine Kämpfe");
    EXPECT_FALSE(scroll->isEnabled());

    ASSERT_EQ(launchAttackOn(world(), 2, 1), AttackOutcome::Launched);
    w.runClockTick();
    EXPECT_EQ(textOf(w, "battleHeadingLabel"), "Kampf um");
    EXPECT_EQ(textOf(w, "battleCountryLabel"), "Nord");
    EXPECT_EQ(textOf(w, "attackerSideLabel"), "Nordwest");
    EXPECT_EQ(textOf(w, "attackerGeneralLabel"), "Anna");
    EXPECT_EQ(textOf(w, "defenderSideLabel"), "Nord");
    EXPECT_EQ(textOf(w, "attackerScoreLabel").toInt() + textOf(w, "defenderScoreLabel").toInt(), 100);
    EXPECT_FALSE(scroll->isEnabled());

    ASSERT_EQ(launchAttackOn(world(), 4, 2), AttackOutcome::Launched);
    w.runClockTick();
    ASSERT_EQ(world().playerBattleCount, 2);
    EXPECT_TRUE(scroll->isEnabled());
    EXPECT_EQ(scroll->maximum(), 2);
    EXPECT_EQ(scroll->pageStep(), 2);
    scroll->setValue(2);
    EXPECT_EQ(textOf(w, "battleCountryLabel"), "Nord") << "the scroll bar acts at the next tick";
    w.runClockTick();
    EXPECT_EQ(textOf(w, "battleCountryLabel"), "West");
    EXPECT_EQ(textOf(w, "defenderGeneralLabel"), "Fritz");

    // All over: the labels are emptied.
    world().battleCount = 0;
    w.runClockTick();
    EXPECT_EQ(textOf(w, "battleHeadingLabel"), "Keine Kämpfe");
    EXPECT_TRUE(textOf(w, "battleCountryLabel").isEmpty());
    EXPECT_TRUE(textOf(w, "defenderEPLabel").isEmpty());
    EXPECT_FALSE(scroll->isEnabled());
}

TEST_F(MainWindowTest, PauseTwiceReturnsTheLabelAndSpacePausesToo)
{
    MainWindow& w = *window;
    auto* status = child<QLabel>(w, "statusLabel");
    auto* pause = child<QToolButton>(w, "pauseButton");
    const int home = status->x();

    pause->click();
    EXPECT_EQ(status->text(), "Spiel pausiert");
    EXPECT_EQ(status->x(), w.px(7080 - 100));
    EXPECT_EQ(w.r(), 0);
    EXPECT_FALSE(w.clockTimer()->isActive());

    pause->click();
    EXPECT_EQ(status->text(), "Spiel läuft");
    EXPECT_EQ(status->x(), home);
    EXPECT_EQ(w.r(), 1);
    EXPECT_TRUE(w.clockTimer()->isActive());

    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(&w, &space);
    EXPECT_EQ(w.r(), 0);
    EXPECT_FALSE(w.clockTimer()->isActive());
    QKeyEvent again(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(&w, &again);
    EXPECT_EQ(w.r(), 1);
    EXPECT_EQ(status->x(), home);
}

TEST_F(MainWindowTest, SideMenuToggleAndANarrowingAfterARestart)
{
    MainWindow& w = *window;
    auto* side = child<QPushButton>(w, "sideMenuButton");
    auto* generals = child<QPushButton>(w, "generalsButton");
    const int open = w.width();
    EXPECT_FALSE(world().sideMenuClosed);

    side->click();
    EXPECT_TRUE(world().sideMenuClosed);
    EXPECT_EQ(w.width(), open - side->width());
    EXPECT_TRUE(generals->isHidden());
    EXPECT_EQ(side->text(), "Seitenmenü >");

    world().playing = false;
    w.Startat();
    EXPECT_FALSE(world().sideMenuClosed);
    EXPECT_EQ(w.width(), open - side->width()) << "a restart keeps the width";
    EXPECT_TRUE(generals->isHidden());

    side->click();
    EXPECT_EQ(w.width(), open - 2 * side->width());
    side->click();
    EXPECT_EQ(w.width(), open - side->width());
    EXPECT_FALSE(generals->isHidden());
}

TEST_F(MainWindowTest, OptionsMenuButtonPausesAGameWithoutTouchingThePauseState)
{
    MainWindow& w = *window;
    child<QToolButton>(w, "pauseButton")->click();
    child<QPushButton>(w, "optionsMenuButton")->click();
    EXPECT_FALSE(w.isEnabled());
    EXPECT_FALSE(w.clockTimer()->isActive());
    EXPECT_EQ(w.r(), 0);
    EXPECT_EQ(textOf(w, "statusLabel"), "Spiel pausiert");
    ASSERT_NE(t->program->optionsMenu(), nullptr);
    EXPECT_TRUE(t->program->optionsMenu()->isVisible());
    EXPECT_TRUE(w.isVisible()) << "the paused game stays behind the menu";
}

TEST_F(MainWindowTest, OptionsMenuButtonClosesAWindowWithoutAGame)
{
    MainWindow& w = *window;
    world().playing = false;
    child<QPushButton>(w, "optionsMenuButton")->click();
    EXPECT_FALSE(w.isVisible());
    ASSERT_NE(t->program->optionsMenu(), nullptr);
    flushDeletes();
    EXPECT_EQ(t->program->mainWindow(), nullptr);
}

TEST_F(MainWindowTest, ClosingByTheFrameEndsTheGame)
{
    MainWindow& w = *window;
    QCloseEvent close;
    // As the window system delivers it: sendEvent would clear the flag.
    QSpontaneKeyEvent::setSpontaneous(&close);
    qApp->notify(&w, &close);
    EXPECT_FALSE(world().playing);
    EXPECT_FALSE(w.clockTimer()->isActive());
    ASSERT_NE(t->program->optionsMenu(), nullptr);
    EXPECT_TRUE(t->program->optionsMenu()->isVisible());
    EXPECT_FALSE(t->program->playing());
}

TEST_F(MainWindowTest, GameWonByTicksShowsTheMessageOnceAndReturnsToTheMenu)
{
    MainWindow& w = *window;
    // The player holds all but Mitte and is about to take it with a general
    // far above its defender.
    for (int i = 1; i <= 9; ++i)
        world().countryOwner[i] = 1;
    world().countryOwner[5] = 5;
    world().generalEP[1][1] = 3000;
    world().generalEP[5][1] = 0;
    world().generalEP[5][2] = 0;
    ASSERT_EQ(launchAttackOn(world(), 5, 1), AttackOutcome::Launched);

    int ticks = 0;
    while (!w.isHidden() && ticks < 400) {
        w.runClockTick();
        ++ticks;
    }
    ASSERT_TRUE(w.isHidden()) << "no end after " << ticks << " ticks";
    // Ticks that still reach the closing window do nothing.
    w.runClockTick();
    w.runClockTick();
    int endMessages = 0;
    for (const ShownMessage& m : t->dialogs.shown)
        if (m.title == "Gewonnen!" || m.title == "Verloren!")
            ++endMessages;
    EXPECT_EQ(endMessages, 1);
    EXPECT_EQ(t->dialogs.shown.back().title, "Gewonnen!");
    EXPECT_EQ(t->dialogs.shown.back().text, QString::fromUtf8(WonText));
    EXPECT_FALSE(world().playing);
    ASSERT_NE(t->program->optionsMenu(), nullptr);
    EXPECT_TRUE(t->program->optionsMenu()->isVisible());
    flushDeletes();
    EXPECT_EQ(t->program->mainWindow(), nullptr);
}

TEST_F(MainWindowTest, HoverNamesTheCountryAndItsHolder)
{
    MainWindow& w = *window;
    world().countryOwner[5] = 9;
    QWidget* map = child(w, "mapPicture");
    const QPoint at = countryCentre(5);
    QHelpEvent help(QEvent::ToolTip, at, map->mapToGlobal(at));
    QApplication::sendEvent(map, &help);
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("Mitte\nBesitzer : Südost"));
    QToolTip::hideText();
}

// Dialogs that try to run a tick while the end message is open, as a timer
// firing inside the message box's own event loop would.
class ReentrantDialogs final : public Dialogs {
public:
    void message(QWidget*, const QString& text, const QString& title) override
    {
        shown.push_back({"message", text, title, {}});
        if (window)
            window->runClockTick();
    }
    bool question(QWidget*, const QString&, const QString&) override { return false; }
    QString input(QWidget*, const QString&, const QString&, const QString&) override { return {}; }

    std::vector<ShownMessage> shown;
    MainWindow* window = nullptr;
};

TEST(MainWindowClock, NoTickStartsWhileAnotherRuns)
{
    auto t = fixtureProgram();
    ReentrantDialogs dialogs;
    t->program = std::make_unique<Program>(*t->world, t->random, dialogs, t->folder.path());
    MainWindow* w = t->program->showMainWindow();
    ASSERT_NE(w, nullptr);
    dialogs.window = w;
    for (int i = 1; i <= 9; ++i)
        t->world->countryOwner[i] = 1;
    const int tickCount = t->world->tickCount;
    const int month = t->world->month;
    w->runClockTick();
    ASSERT_EQ(dialogs.shown.size(), 1u) << "the nested tick showed nothing";
    EXPECT_EQ(dialogs.shown[0].title, "Gewonnen!");
    // One tick's worth of calendar, not two.
    EXPECT_EQ((t->world->month * 4 + t->world->tickCount) - (month * 4 + tickCount), 1);
    flushDeletes();
}

TEST(MainWindowSetUp, MissingPictureSaysSoAndReturnsToTheMenu)
{
    auto t = fixtureProgram();
    QFile::remove(t->path("cards/Afrika.bmp"));
    MainWindow* w = t->program->showMainWindow();
    ASSERT_EQ(t->dialogs.shown.size(), 1u);
    EXPECT_EQ(t->dialogs.shown[0].text, QString::fromUtf8(MissingMapPictureMessage));
    EXPECT_EQ(t->dialogs.shown[0].title, "Fehler !");
    EXPECT_FALSE(w->isVisible()) << "no game on an empty picture";
    EXPECT_FALSE(w->clockTimer()->isActive());
    EXPECT_FALSE(t->world->playing);
    ASSERT_NE(t->program->optionsMenu(), nullptr);
    EXPECT_TRUE(t->program->optionsMenu()->isVisible());
    EXPECT_FALSE(t->program->playing());
    flushDeletes();
    EXPECT_EQ(t->program->mainWindow(), nullptr);
}

TEST(MainWindowSetUp, ShippedMapStartsAGame)
{
    TestProgram t;
    if (!QFile::exists(t.path("cards/Afrika.bmp")))
        GTEST_SKIP() << "no shipped map";
    fillStatusTexts(*t.world);
    t.world->monthInterval = 20000;
    t.world->aiDivisor = 256;
    t.world->side[0] = 1;
    MainWindow* w = t.program->showMainWindow();
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->clockTimer()->interval(), 5000);
    QWidget* map = w->findChild<QWidget*>(QStringLiteral("mapPicture"));
    EXPECT_EQ(map->size(), w->mapSurface().surface().size());
    EXPECT_EQ(w->height(), map->height() + w->px(3200));
    for (int i = 0; i < 8; ++i)
        w->runClockTick();
    EXPECT_EQ(t.world->month, 3);
}

}  // namespace
}  // namespace stratagon::test
