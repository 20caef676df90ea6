// SPDX-License-Identifier: GPL-3.0-or-later
// The guided first game from the first start's question to its closing word,
// played by a script that does only what each step says, with the clicks a
// player would make; and the question that comes only once.

#include "ShellTestSupport.h"

#include "generals/DeployWindow.h"
#include "generals/GeneralListWindow.h"
#include "generals/TaskWindow.h"
#include "mapview/ControlStrip.h"
#include "mapview/GamePanels.h"
#include "mapview/GuideMark.h"
#include "mapview/GuidePanel.h"
#include "mapview/MapView.h"
#include "mapview/MessagesPanel.h"
#include "simulation/Battle.h"
#include "simulation/Guide.h"
#include "simulation/Pace.h"
#include "shell/ReportWindow.h"
#include "storage/Preferences.h"
#include "world/Rules.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QMouseEvent>
#include <QToolButton>
#include <QTreeWidget>
#include <cstdio>
#include <set>

namespace stratagon::test {

namespace {

// With STRATAGON_GUIDE_SHOTS naming a folder (run on a real display), the
// screen at every step, in both colour schemes, for a look by eye.
void shootStep(MainWindow* main, int step)
{
    const QString folder = qEnvironmentVariable("STRATAGON_GUIDE_SHOTS");
    if (folder.isEmpty())
        return;
    for (const ColourScheme scheme : {ColourScheme::Standard, ColourScheme::ColourBlind}) {
        main->setColourScheme(scheme);
        waitFor(150);
        QGuiApplication::primaryScreen()->grabWindow(0).save(
            QStringLiteral("%1/step%2-%3.png").arg(folder).arg(step, 2, 10, QChar('0')).arg(int(scheme)));
    }
    main->setColourScheme(ColourScheme::Standard);
}

// The player of the guidance: one step's action per call, by clicks.
struct GuidedPlayer {
    TestProgram& t;
    MainWindow* main;
    GuidePanel* panel() const { return main->gamePanels()->guide(); }
    WorldState& world() const { return *t.world; }

    void clickCountry(int country)
    {
        // The country's seed point, where its name sits, as the view shows it.
        const double scale = main->mapView()->scale();
        const QPointF at(world().fillX[country] * scale, world().fillY[country] * scale);
        QMouseEvent release(QEvent::MouseButtonRelease, at, main->mapView()->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(main->mapView(), &release);
        settle();
    }
    void setMode(bool battle)
    {
        if (t.program->session().view().battleMode != battle)
            press(main->controlStrip()->modeButton());
    }
    GeneralListWindow* openRoster()
    {
        if (!main->controlStrip()->generalsButton()->isVisible())
            press(main->sideMenuButton());
        press(main->controlStrip()->generalsButton());
        return t.program->generalListWindow();
    }
    void act(GuideStep step)
    {
        const ControlStrip* strip = main->controlStrip();
        switch (step) {
        case GuideStep::StartClock:
        case GuideStep::Pause:
            press(strip->pauseButton());
            break;
        case GuideStep::LookAtNeighbour:
            setMode(false);
            clickCountry(weakestNeighbour(world()).country);
            break;
        case GuideStep::Recruit: {
            GeneralListWindow* roster = openRoster();
            press(roster, "Neuer Unteroffizier");
            press(roster, "Ende");
            break;
        }
        case GuideStep::Train: {
            GeneralListWindow* roster = openRoster();
            roster->list()->topLevelItem(roster->list()->topLevelItemCount() - 1)->setSelected(true);
            press(roster, "Aufgabe");
            t.program->taskWindow()->taskList()->setCurrentRow(1);  // "General ausbilden"
            press(t.program->taskWindow(), "Aufgabe geben");
            press(roster, "Ende");
            break;
        }
        case GuideStep::Attack:
            attack();
            break;
        case GuideStep::Speed:
            press(main->gamePanels()->fasterButton());
            break;
        case GuideStep::ReadMessage: {
            QListWidget* list = main->gamePanels()->messages()->list();
            ASSERT_GT(list->count(), 0);
            const QPointF at = list->visualItemRect(list->item(0)).center();
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(list->viewport(), &event);
            }
            settle();
            break;
        }
        case GuideStep::Report:
            if (!main->controlStrip()->generalsButton()->isVisible())
                press(main->sideMenuButton());
            press(strip->reportButton());
            if (ReportWindow* report = t.program->reportWindow())
                report->close();
            settle();
            break;
        case GuideStep::WatchBattle:
        case GuideStep::Win:
            if (t.program->session().paused())
                press(strip->pauseButton());
            else if (!playerBattleRunning(world()) && step == GuideStep::Win)
                attack();
            else
                waitTick();
            break;
        case GuideStep::Off:
        case GuideStep::Done:
            break;
        }
    }
    void attack()
    {
        setMode(true);
        clickCountry(weakestNeighbour(world()).country);
        DeployWindow* deploy = t.program->deployWindow();
        ASSERT_NE(deploy, nullptr);
        deploy->findChild<QListWidget*>("generalList")->setCurrentRow(bestGeneral(world(), world().side[0]) - 1);
        press(deploy, "Land angreifen");
    }
    // One tick of the running clock, as its timer would bring it, and its game time.
    void waitTick()
    {
        ASSERT_TRUE(t.program->session().clockRunning());
        gameTimeMs += tickPeriodMs(world());
        t.program->session().timer().timeout({});
        settle();
    }
    long gameTimeMs = 0;
};

}  // namespace

TEST(Guidance, AScriptedPlayerDoingWhatEachStepSaysReachesTheClosingWordInTime)
{
    TestProgram t;
    const QByteArray gameDat = fileBytes(t.path("game.dat"));
    t.dialogs.answers.push_back(true);
    t.dialogs.inputs.push_back("Hapufo");
    ASSERT_TRUE(t.program->start());
    ASSERT_FALSE(t.dialogs.shown.empty());
    EXPECT_EQ(t.dialogs.shown.back().text, "Möchtest du eine kurze Einführung spielen?");

    MainWindow* main = t.program->mainWindow();
    ASSERT_NE(main, nullptr);
    GuidedPlayer player{t, main};
    const WorldState& w = *t.world;
    EXPECT_EQ(w.countryName[w.side[0]], "Südafrika");
    EXPECT_EQ(std::tuple(w.sideMax, w.aiDivisor, w.ruleSet, t.program->session().paused()),
              std::tuple(1, 256, int(RulesZuegig), true));

    std::set<GuideStep> seen;
    int actions = 0;
    long firstConquestMs = -1;
    while (guideStep(w) != GuideStep::Done && actions < 400 && w.playing) {
        const GuideStep step = guideStep(w);
        if (seen.insert(step).second) {
            SCOPED_TRACE(int(step));
            // Every step: a few words, a mark on what it is about, and the panel beside the map.
            const QString text = player.panel()->stepText();
            EXPECT_TRUE(player.panel()->isVisible());
            EXPECT_LE(text.size(), 200) << text.toStdString();
            EXPECT_FALSE(player.panel()->mark()->markedRect().isEmpty()) << text.toStdString();
            const QRect panel(player.panel()->mapTo(main, QPoint()), player.panel()->size());
            const QRect map(main->mapView()->mapTo(main, QPoint()), main->mapView()->size());
            EXPECT_FALSE(panel.intersects(map));
            shootStep(main, int(step));
        }
        player.act(step);
        if (w.guideConquered && firstConquestMs < 0)
            firstConquestMs = player.gameTimeMs;
        ++actions;
    }
    ASSERT_EQ(guideStep(w), GuideStep::Done);
    shootStep(main, int(GuideStep::Done));
    // Every step but training: the new general trains from the start, so there is nothing to ask.
    EXPECT_EQ(seen.size(), std::size_t(GuideStepCount - 2));
    EXPECT_EQ(seen.count(GuideStep::Train), 0u);
    EXPECT_FALSE(t.program->session().clockRunning()) << "the closing word holds the clock";
    press(main, "Weiterspielen");
    EXPECT_TRUE(!player.panel()->isVisible() && t.program->session().clockRunning());

    std::printf("guidance: %zu steps, %d actions, first conquest after %.1f s and the whole guidance after %.1f s "
                "of game time at the default clock\n",
                seen.size(), actions, firstConquestMs / 1000.0, player.gameTimeMs / 1000.0);
    EXPECT_LE(firstConquestMs, 5 * 60 * 1000);
    EXPECT_LE(player.gameTimeMs, 10 * 60 * 1000);

    // The player's own settings and game.dat are as they were.
    EXPECT_EQ(fileBytes(t.path("game.dat")), gameDat);
    EXPECT_EQ(std::tuple(t.program->preferences().ruleSet(), t.program->preferences().mapName()),
              std::tuple(RulesKlassisch, QString()));

    // The next start asks nothing.
    main->close();
    t.program.reset();
    settle();
    t.dialogs.shown.clear();
    t.program = std::make_unique<Program>(*t.world, t.random, t.dialogs, t.folder.path());
    ASSERT_TRUE(t.program->start());
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(t.program->mainWindow(), nullptr);
}

TEST(Guidance, NoAtTheFirstStartLeavesTheMenuAndItsButtonStartsTheGuidanceLater)
{
    TestProgram t;
    t.dialogs.answers.push_back(false);
    ASSERT_TRUE(t.program->start());
    expectMenuBeforeGame(t);
    EXPECT_EQ(t.program->preferences().value("guide/offered"), "nein");

    // "Einführung" sits below "Spiel laden", the same size, 24 px further down.
    const QWidget* load = t.program->optionsMenu()->findChild<QWidget*>("loadButton");
    const QWidget* guide = t.program->optionsMenu()->findChild<QWidget*>("guideButton");
    ASSERT_TRUE(load && guide);
    EXPECT_EQ(guide->geometry(), load->geometry().translated(0, 24));
    press(t.program->optionsMenu(), "Einführung");
    ASSERT_NE(t.program->mainWindow(), nullptr);
    EXPECT_EQ(guideStep(*t.world), GuideStep::StartClock);

    // "Überspringen": an ordinary game goes on, without panel or mark.
    GuidePanel* panel = t.program->mainWindow()->gamePanels()->guide();
    press(panel, "Überspringen");
    EXPECT_TRUE(!panel->isVisible() && !panel->mark()->isVisible() && t.world->playing);
    EXPECT_EQ(guideStep(*t.world), GuideStep::Off);
}

}  // namespace stratagon::test
