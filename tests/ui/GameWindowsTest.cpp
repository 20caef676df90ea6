// SPDX-License-Identifier: GPL-3.0-or-later
// The windows of a game as the player meets them: each one over the window
// it belongs to, the keyboard in the main window (Space pauses whatever was
// clicked, F7 goes back to the map), and the guided game, which asks before
// it replaces a game, leaves the player's settings alone and can be played
// by keys alone.

#include "ShellTestSupport.h"

#include "generals/GeneralListWindow.h"
#include "generals/RanksWindow.h"
#include "generals/TaskWindow.h"
#include "mapview/ControlStrip.h"
#include "mapview/GamePanels.h"
#include "mapview/GuidePanel.h"
#include "mapview/MapFocus.h"
#include "mapview/MapView.h"
#include "mapview/MessagesPanel.h"
#include "shell/HelpWindow.h"
#include "shell/LoadGameWindow.h"
#include "shell/ReportWindow.h"
#include "simulation/Guide.h"
#include "simulation/Pace.h"
#include "simulation/PlayerActions.h"

#include <QtTest/QTest>
#include <QtWidgets>

namespace stratagon::test {
namespace {

// A key as the keyboard sends it: to whatever has the focus.
void typeKey(int key, QWidget* fallback)
{
    QWidget* to = QApplication::focusWidget() ? QApplication::focusWidget() : fallback;
    QTest::keyClick(to, Qt::Key(key));
    settle();
}

// Every secondary window is a dialog over the one it belongs to, and modal
// where that one must wait; the window system learns the owner (the
// transient parent), so it keeps the dialog above it.
TEST(GameWindows, EveryWindowStandsOverTheWindowItBelongsTo)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    OptionsMenuWindow* hub = t.program->optionsMenu();
    const auto expectOver = [](QWidget* window, QWidget* owner, bool modal) {
        ASSERT_TRUE(window && owner);
        SCOPED_TRACE(placeOf(window).toStdString());
        EXPECT_EQ(window->parentWidget(), owner);
        EXPECT_EQ(window->windowType(), Qt::Dialog);
        EXPECT_EQ(window->windowModality(), modal ? Qt::WindowModal : Qt::NonModal);
        ASSERT_TRUE(window->windowHandle());
        EXPECT_EQ(window->windowHandle()->transientParent(), owner->windowHandle());
        EXPECT_EQ(blocked(owner), modal);
    };
    for (QWidget* window : std::initializer_list<QWidget*>{t.program->showSettings(), t.program->showCredits(),
                                                           t.program->showLoadGame()}) {
        expectOver(window, hub, true);
        window->close();
        settle();
    }
    NewGameWindow* newGame = t.program->showNewGame();
    expectOver(newGame, hub, true);
    press(newGame->findChild<QAbstractButton*>("opponentChangeButton"));
    expectOver(newGame->pickWindow(), newGame, true);
    newGame->pickWindow()->close();
    settle();

    MainWindow* main = startGame(t);
    ASSERT_TRUE(main && !t.program->optionsMenu());
    GeneralListWindow* roster = t.program->showGeneralList();
    expectOver(roster, main, false);
    expectOver(t.program->showRanks(), roster, false);
    roster->list()->topLevelItem(0)->setSelected(true);
    press(roster->findChild<QPushButton*>("taskButton"));
    expectOver(t.program->taskWindow(), roster, true);
    t.program->taskWindow()->close();
    roster->close();
    settle();
    const int neighbour = countryIndexByName(*t.world, t.world->neighbourName[t.world->side[0]][1]);
    for (const auto& [window, modal] : std::initializer_list<std::pair<QWidget*, bool>>{
             {t.program->showDeploy(neighbour), true}, {t.program->showReport(), false}, {t.program->showHelp(), false}}) {
        expectOver(window, main, modal);
        window->close();
        settle();
    }
    press(main->findChild<QPushButton*>("optionsMenuButton"));
    OptionsMenuWindow* menu = t.program->optionsMenu();
    expectOver(menu, main, true);
    expectOver(t.program->showSettings(), menu, true);
}

// Whatever the player clicked last in the main window, Space pauses and
// resumes: no button keeps the keys after a click, no list takes Space.
TEST(GameWindows, SpaceAfterAClickOnAnyButtonOrListTogglesThePause)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    MainWindow* main = startGame(t);
    ASSERT_TRUE(main);
    GameSession& session = main->session();
    std::vector<QWidget*> clicked;
    for (QAbstractButton* button : main->findChildren<QAbstractButton*>())
        if (button->isVisibleTo(main) && button->isEnabled() && button->objectName() != "qt_scrollarea_hcontainer")
            clicked.push_back(button);
    clicked.push_back(main->gamePanels()->messages()->list());
    clicked.push_back(main->findChild<QTreeWidget*>("battleTable"));
    ASSERT_GE(clicked.size(), 10u);
    for (QWidget* control : clicked) {
        SCOPED_TRACE(placeOf(control).toStdString());
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
        settle();
        // What the click opened is closed again, as the player would.
        if (t.program->optionsMenu())
            press(t.program->optionsMenu()->findChild<QPushButton*>("startButton"));
        for (QWidget* window : std::initializer_list<QWidget*>{t.program->generalListWindow(), t.program->reportWindow(),
                                                               t.program->helpWindow()})
            if (window)
                window->close();
        settle();
        main->activateWindow();
        settle();
        ASSERT_TRUE(t.program->playing());
        EXPECT_NE(QApplication::focusWidget(), qobject_cast<QAbstractButton*>(control)) << "the click took the keys";
        const bool paused = session.paused();
        typeKey(Qt::Key_Space, main);
        EXPECT_EQ(session.paused(), !paused);
        typeKey(Qt::Key_Space, main);
        EXPECT_EQ(session.paused(), paused);
    }
}

// Tab reaches the buttons and lists, never the window itself; F7 gives the
// keys back to the map from anywhere, on the country it stood on.
TEST(GameWindows, TabHasNoEmptyStopAndF7GoesBackToTheMap)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    MainWindow* main = startGame(t);
    ASSERT_TRUE(main);
    main->activateWindow();
    settle();
    ASSERT_EQ(QApplication::focusWidget(), main->mapView());
    const int country = main->mapFocus()->country();
    QSet<QWidget*> stops;
    for (int i = 0; i < 40; ++i) {
        typeKey(Qt::Key_Tab, main);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(focus);
        EXPECT_NE(focus, main) << "an empty stop on the window";
        stops.insert(focus);
    }
    EXPECT_TRUE(stops.contains(main->gamePanels()->messages()->list()));
    EXPECT_TRUE(stops.contains(main->controlStrip()->pauseButton()));
    typeKey(Qt::Key_F7, main);
    EXPECT_EQ(QApplication::focusWidget(), main->mapView());
    EXPECT_EQ(main->mapFocus()->country(), country);
}

// Escape in the menu plays on over a game; before a game it does nothing,
// for the program ends only by "Beenden" or the frame.
TEST(GameWindows, EscapeInTheMenuPlaysOnButNeverEndsTheProgram)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    key(t.program->optionsMenu(), Qt::Key_Escape);
    EXPECT_TRUE(t.program->optionsMenu() && !t.program->quitRequested());
    MainWindow* main = startGame(t);
    ASSERT_TRUE(main);
    press(main->findChild<QPushButton*>("optionsMenuButton"));
    EXPECT_FALSE(main->session().clockRunning());
    key(t.program->optionsMenu(), Qt::Key_Escape);
    EXPECT_TRUE(!t.program->optionsMenu() && main->session().clockRunning());
}

// "Einführung" with a game being played asks first, as loading a save does;
// "Nein" keeps the game, "Ja" keeps it in the autosave and starts the guide.
TEST(Guidance, StartingItOverARunningGameAsksFirst)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    MainWindow* main = startGame(t);
    ASSERT_TRUE(main);
    for (const bool yes : {false, true}) {
        press(main->findChild<QPushButton*>("optionsMenuButton"));
        t.dialogs.answers = {yes};
        press(t.program->optionsMenu()->findChild<QPushButton*>("guideButton"));
        ASSERT_FALSE(t.dialogs.shown.empty());
        EXPECT_EQ(t.dialogs.shown.back().text, "Willst du das laufende Spiel aufgeben und die Einführung spielen?");
        EXPECT_EQ(guideShown(*t.world), yes);
        EXPECT_TRUE(t.program->playing());
        EXPECT_EQ(t.program->mainWindow() == main, !yes);
        EXPECT_EQ(QDir(t.program->paths().savesFolder()).entryList({"Automatisch*"}).size(), yes ? 1 : 0);
        EXPECT_EQ(t.program->optionsMenu() != nullptr, !yes) << "the menu stays over the game kept";
    }
}

// The guided game's own strength and rules never reach the player's files:
// "OK" in the settings during it leaves game.dat as it was, byte for byte,
// and the next ordinary game has the player's strength again.
TEST(Guidance, OkInTheSettingsDuringItLeavesGameDatByteForByte)
{
    TestProgram t;
    const QByteArray before = fileBytes(t.path("game.dat"));
    t.dialogs.answers = {true};
    ASSERT_TRUE(t.program->start());
    MainWindow* main = t.program->mainWindow();
    ASSERT_TRUE(main && guideShown(*t.world));
    const int strength = t.world->aiDivisor;
    press(main->findChild<QPushButton*>("optionsMenuButton"));
    press(t.program->optionsMenu()->findChild<QPushButton*>("settingsButton"));
    SettingsWindow* settings = t.program->settingsWindow();
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->opponentSlider()->value(), SettingsWindow::opponentPositionOf(16)) << "the player's own";
    press(settings->findChild<QPushButton*>("okButton"));
    EXPECT_EQ(fileBytes(t.path("game.dat")), before);
    EXPECT_EQ(t.world->aiDivisor, strength) << "the guided game keeps its own";
    EXPECT_EQ(t.program->preferences().ruleSet(), RulesKlassisch);
}

// The whole guided game with the keyboard alone, from its first step to the
// closing word, answered by F8. The boxes that ask for a name are Qt's own
// and scripted here.
TEST(Guidance, PlayedByTheKeyboardAloneFromTheFirstStepToTheEnd)
{
    TestProgram t;
    t.dialogs.answers = {true};
    t.dialogs.inputs = {"Tastenheld"};
    ASSERT_TRUE(t.program->start());
    MainWindow* main = t.program->mainWindow();
    ASSERT_TRUE(main);
    main->activateWindow();
    settle();
    WorldState& w = *t.world;
    GameSession& session = main->session();
    const auto keyOn = [main](int key) { typeKey(key, main); };
    const auto tick = [&session] {
        if (session.clockRunning())
            session.timer().timeout({});
        settle();
    };
    // To a country by its name's letters on the map, then Return.
    const auto chooseOnMap = [&](int country) {
        keyOn(Qt::Key_F7);
        const QString name = QString::fromStdString(w.countryName[country]);
        for (int i = 0; i < 12 && main->mapFocus()->country() != country; ++i)
            QTest::keyClicks(main->mapView(), name.left(1));
        ASSERT_EQ(main->mapFocus()->country(), country);
        keyOn(Qt::Key_Return);
    };
    const auto attack = [&] {
        if (session.view().battleMode == false)
            keyOn(Qt::Key_F5);
        chooseOnMap(weakestNeighbour(w).country);
        ASSERT_TRUE(t.program->deployWindow());
        keyOn(Qt::Key_Return);  // the best general stands chosen
    };
    std::set<GuideStep> seen;
    for (int actions = 0; guideStep(w) != GuideStep::Done && actions < 300 && w.playing; ++actions) {
        const GuideStep step = guideStep(w);
        seen.insert(step);
        SCOPED_TRACE(int(step));
        switch (step) {
        case GuideStep::StartClock:
        case GuideStep::Pause:
            keyOn(Qt::Key_Space);
            break;
        case GuideStep::LookAtNeighbour:
            keyOn(Qt::Key_F7);
            for (const int arrow : {Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_Down, Qt::Key_Up, Qt::Key_Left})
                if (guideStep(w) == GuideStep::LookAtNeighbour)
                    keyOn(arrow);
            break;
        case GuideStep::Recruit:
            keyOn(Qt::Key_F2);
            ASSERT_TRUE(t.program->generalListWindow());
            keyOn(Qt::Key_Tab);  // from the list to "Neuer Unteroffizier"
            keyOn(Qt::Key_Return);
            keyOn(Qt::Key_Escape);
            break;
        case GuideStep::Attack:
            attack();
            break;
        case GuideStep::Speed:
            keyOn(Qt::Key_Plus);
            break;
        case GuideStep::ReadMessage: {
            QListWidget* messages = main->gamePanels()->messages()->list();
            for (int i = 0; i < 30 && QApplication::focusWidget() != messages; ++i)
                keyOn(Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), messages);
            keyOn(Qt::Key_Down);
            keyOn(Qt::Key_Return);
            keyOn(Qt::Key_F7);
            break;
        }
        case GuideStep::Report:
            keyOn(Qt::Key_F3);
            ASSERT_TRUE(t.program->reportWindow());
            keyOn(Qt::Key_Escape);
            break;
        case GuideStep::WatchBattle:
        case GuideStep::Win:
            if (session.paused()) {
                keyOn(Qt::Key_Space);
            } else if (step == GuideStep::Win && !playerBattleRunning(w)) {
                attack();
            } else {
                tick();
            }
            break;
        case GuideStep::Train:
        case GuideStep::Off:
        case GuideStep::Done:
            FAIL() << "not a step to act on";
        }
        EXPECT_EQ(t.program->reportWindow(), nullptr);
        EXPECT_EQ(t.program->generalListWindow(), nullptr);
    }
    ASSERT_EQ(guideStep(w), GuideStep::Done);
    EXPECT_EQ(seen.size(), std::size_t(GuideStepCount - 2)) << "every step but training";
    EXPECT_FALSE(session.clockRunning()) << "the closing word holds the clock";
    keyOn(Qt::Key_F8);
    EXPECT_EQ(guideStep(w), GuideStep::Off);
    EXPECT_TRUE(session.clockRunning());
}

// The closing word takes the keys, so that Return plays on.
TEST(Guidance, TheClosingWordTakesTheKeys)
{
    TestProgram t;
    MainWindow* main = t.program->startGuidance();
    ASSERT_TRUE(main);
    main->activateWindow();
    t.world->guideStep = static_cast<int32_t>(GuideStep::Done);
    main->gamePanels()->guide()->refresh();
    settle();
    ASSERT_TRUE(QApplication::focusWidget());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "guideContinueButton");
    typeKey(Qt::Key_Return, main);
    EXPECT_FALSE(guideShown(*t.world));
}

}  // namespace
}  // namespace stratagon::test
