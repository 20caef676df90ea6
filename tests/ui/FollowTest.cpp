// SPDX-License-Identifier: GPL-3.0-or-later
// Following and steering a game on the shipped map: a pause that holds behind
// every window, the facts in the deployment window, the questions that
// guard against a slip, and the country choice's order and memory.

#include "ShellTestSupport.h"
#include "../core/CoreTestSupport.h"

#include "generals/DeployWindow.h"
#include "generals/GeneralListWindow.h"
#include "generals/TaskWindow.h"
#include "platform/Paths.h"
#include "shell/HelpWindow.h"
#include "simulation/Battle.h"
#include "simulation/Odds.h"
#include "world/Ranks.h"
#include "world/Settings.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QToolButton>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// A game on the shipped Afrika map, the player on Algerien (1).
struct Game {
    Game()
    {
        std::tie(t.world->monthInterval, t.world->aiDivisor, t.world->side[0]) = std::tuple(1667, 256, 1);
        main = t.program->showMainWindow();
    }
    ~Game() { settle(); }
    WorldState& w() { return *t.world; }
    // The map click's result on country `target`: the clock stopped, the window disabled.
    DeployWindow* openDeploy(int target)
    {
        main->setEnabled(false);
        return t.program->showDeploy(target);
    }
    int neighbour() { return countryIndexByName(w(), w().neighbourName[1][1]); }
    QString status() { return main->findChild<QLabel*>("statusLabel")->text(); }
    void pause() { main->findChild<QToolButton*>("pauseButton")->click(); }
    void key(QWidget* to, int k)
    {
        QKeyEvent event(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(to, &event);
        settle();
    }
    TestProgram t;
    MainWindow* main = nullptr;
};

QString labelText(QWidget* in, const char* name) { return in->findChild<QLabel*>(name)->text(); }

}  // namespace

// Every window that hands the game back leaves a paused game paused; the
// pause button alone resumes it.
TEST(Pause, HoldsThroughEveryWindowThatUsedToRestartTheClock)
{
    const std::vector<std::pair<const char*, std::function<void(Game&)>>> ways = {
        {"deployment: Abbrechen", [](Game& g) { press(g.openDeploy(g.neighbour()), "Abbrechen"); }},
        {"deployment: attack", [](Game& g) {
             DeployWindow* d = g.openDeploy(g.neighbour());
             d->findChild<QListWidget*>("generalList")->setCurrentRow(0);
             press(d, "Land angreifen");
         }},
        {"deployment: Escape", [](Game& g) { g.key(g.openDeploy(g.neighbour()), Qt::Key_Escape); }},
        {"deployment: frame", [](Game& g) { closeByFrame(g.openDeploy(g.neighbour())); }},
        {"roster: Ende", [](Game& g) { press(g.t.program->showGeneralList(), "Ende"); }},
        {"help: Escape", [](Game& g) { g.key(g.t.program->showHelp(), Qt::Key_Escape); }},
        {"task: Aufgabe geben, then the roster's Ende", [](Game& g) {
             GeneralListWindow* roster = g.t.program->showGeneralList();
             roster->list()->topLevelItem(0)->setSelected(true);
             press(roster, "Aufgabe");
             press(g.t.program->taskWindow(), "Aufgabe geben");
             press(roster, "Ende");
         }},
        {"menu: Zurück zum Spiel", [](Game& g) {
             press(g.main->findChild<QPushButton*>("optionsMenuButton"));
             press(g.t.program->optionsMenu(), "Zurück zum Spiel");
         }},
        {"menu: frame", [](Game& g) {
             press(g.main->findChild<QPushButton*>("optionsMenuButton"));
             closeByFrame(g.t.program->optionsMenu());
         }},
    };
    for (const auto& [name, way] : ways) {
        SCOPED_TRACE(name);
        Game g;
        g.pause();
        way(g);
        EXPECT_EQ(row(g.main->session().clockRunning(), g.main->session().paused(), g.status().toStdString()),
                  "0|1|Spiel pausiert");
        g.pause();
        EXPECT_EQ(row(g.main->session().clockRunning(), g.main->session().paused(), g.status().toStdString()),
                  "1|0|Spiel läuft");
    }
}

TEST(Deployment, NamesTargetHolderDefenderAndTheChanceAndTakesKeys)
{
    Game g;
    const int target = g.neighbour();
    const int holder = 9;  // the target held by another side: both names shown
    g.w().countryOwner[target] = holder;
    const int defender = bestGeneral(g.w(), holder);
    ASSERT_GT(defender, 0);
    DeployWindow* d = g.openDeploy(target);
    const int32_t ep = g.w().generalEP[holder][defender];
    EXPECT_EQ(labelText(d, "targetLabel"),
              QString("Ziel : %1, gehalten von %2").arg(qs(g.w().countryName[target]), qs(g.w().countryName[holder])));
    EXPECT_EQ(labelText(d, "defenderLabel"), QString("Verteidiger : %1, %2, %3 EP")
                  .arg(qs(g.w().generalName[holder][defender]), qs(rankName(ep))).arg(ep));
    // No general chosen (the best one stands chosen at first): said so, and the window stays.
    auto* list = d->findChild<QListWidget*>("generalList");
    list->clearSelection();
    EXPECT_EQ(labelText(d, "chanceLabel"), "-");
    g.key(d, Qt::Key_Return);
    EXPECT_EQ(g.t.dialogs.shown.back().text + "|" + g.t.dialogs.shown.back().title,
              "Wähle zuerst einen General aus der Liste.|Kein General");
    ASSERT_EQ(g.t.program->deployWindow(), d);

    list->setCurrentRow(1);
    EXPECT_EQ(labelText(d, "chanceLabel"),
              QString("%1 %").arg(qRound(100 * attackChance(g.w().generalEP[1][2], ep))));
    g.key(d, Qt::Key_Enter);  // attacks with the chosen general
    EXPECT_EQ(row(g.w().battleCount, g.w().battles[1].attackerGeneral, g.w().battles[1].defenderGeneral,
                  g.t.program->deployWindow() == nullptr), row(1, 2, defender, 1));

    // A double-click attacks at once, with the general clicked.
    g.w().battleCount = 0, g.w().generalStatus[1][1] = Ready;
    g.w().countryOwner[target] = target;
    d = g.openDeploy(target);
    list = d->findChild<QListWidget*>("generalList");
    emit list->itemDoubleClicked(list->item(0));
    settle();
    EXPECT_EQ(row(g.w().battleCount, g.w().battles[1].attackerGeneral, g.t.program->deployWindow() == nullptr),
              "1|1|1");
}

// Each row tells who the general is, what he does and his chance here; one
// in battle is greyed and cannot be chosen; the best who can go stands chosen.
TEST(Deployment, ListsEveryGeneralWithRankStateAndChanceAndChoosesTheBestWhoCanGo)
{
    Game g;
    const int target = g.neighbour();
    WorldState& w = g.w();
    w.generalCount[1] = 0;
    addGeneral(w, 1, "Anna", 12, Training), addGeneral(w, 1, "Bert", 40, InBattle), addGeneral(w, 1, "Carl", 30);
    const int defender = bestGeneral(w, w.countryOwner[target]);
    const auto chance = [&](int ep) {
        return qRound(100 * attackChance(ep, w.generalEP[w.countryOwner[target]][defender]));
    };
    DeployWindow* d = g.openDeploy(target);
    auto* list = d->findChild<QListWidget*>("generalList");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(),
              "Anna – " + qs(rankName(12)) + QString(", 12 EP – Wird Ausgebildet – %1 %").arg(chance(12)));
    EXPECT_EQ(list->item(1)->text(), "Bert – " + qs(rankName(40)) + ", 40 EP – Wird im Kampf eingesetzt");
    EXPECT_EQ(list->item(2)->text(),
              "Carl – " + qs(rankName(30)) + QString(", 30 EP – Bereit für den Einsatz – %1 %").arg(chance(30)));
    EXPECT_FALSE(list->item(1)->flags() & (Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(labelText(d, "chanceLabel"), QString("%1 %").arg(chance(30)));
    g.key(d, Qt::Key_Return);  // Enter alone sends him
    EXPECT_EQ(row(w.battleCount, w.battles[1].attackerGeneral, g.t.program->deployWindow() == nullptr), "1|3|1");
}

TEST(Confirmation, DismissalAsksNamingTheGeneralAndHisBattle)
{
    Game g;
    const int battleCountry = g.neighbour();
    TickReport report;
    openBattle(g.w(), battleCountry, 1, 2, battleCountry, 0, report);
    const std::string first = g.w().generalName[1][1], second = g.w().generalName[1][2];
    const int before = g.w().generalCount[1];
    GeneralListWindow* roster = g.t.program->showGeneralList();
    struct Case { int row; bool yes; QString text; int count; };
    const Case cases[] = {
        {0, false, "Willst du " + qs(first) + " wirklich entlassen?", before},
        {1, false, qs(second) + " führt gerade die Schlacht um " + qs(g.w().countryName[battleCountry]) +
                       ". Entlässt du ihn, geht diese Schlacht verloren.\n\nWillst du " + qs(second) +
                       " trotzdem entlassen?", before},
        {0, true, "Willst du " + qs(first) + " wirklich entlassen?", before - 1},
    };
    for (const Case& c : cases) {
        g.t.dialogs.answers = {c.yes};
        roster->list()->setCurrentItem(roster->list()->topLevelItem(c.row));
        press(roster, "General  löschen");
        EXPECT_EQ(g.t.dialogs.shown.back().kind + "|" + g.t.dialogs.shown.back().title + "|" +
                      g.t.dialogs.shown.back().text, "question|General  löschen|" + c.text);
        EXPECT_EQ(row(g.w().generalCount[1], roster->list()->topLevelItemCount()), row(c.count, c.count));
    }
}

TEST(Confirmation, RestartQuestionCancelledReturnsToThePausedMenu)
{
    Game g;
    press(g.main->findChild<QPushButton*>("optionsMenuButton"));
    g.t.dialogs.threeWay = {Answer::Cancel};
    press(g.t.program->optionsMenu(), "Spiel abbrechen");
    EXPECT_EQ(g.t.dialogs.shown.back().kind, "question3");
    OptionsMenuWindow* menu = g.t.program->optionsMenu();
    ASSERT_TRUE(menu && menu->isVisible() && g.t.program->mainWindow() == g.main);
    EXPECT_TRUE(g.w().playing && !g.main->session().clockRunning() && button(menu, "Zurück zum Spiel"));
    press(menu, "Zurück zum Spiel");
    EXPECT_TRUE(g.main->session().clockRunning());
}

// German order puts Ä with A; the side chosen is kept for the next game.
TEST(CountryPick, GermanOrderAndTheChosenSideKeptForTheNextGame)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    press(t.program->optionsMenu(), "Spiel starten");
    press(sideChange(t.program->newGameWindow()));
    QListWidget* list = pickWindow<CountryPickWindow>(t)->countryList();
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    ASSERT_EQ(names.size(), t.world->countryCount);
    EXPECT_EQ(names.mid(0, 6).join('|'), "Ägypten|Algerien|Angola|Äquatorialguinea|Äthiopien|Benin");
    list->setCurrentRow(0);
    press(pickWindow<CountryPickWindow>(t), "OK");
    EXPECT_EQ(t.world->countryName[t.world->side[0]], "Ägypten");
    press(t.program->newGameWindow(), "Abbrechen");
    press(t.program->optionsMenu(), "Spiel starten");
    EXPECT_EQ(t.program->newGameWindow()->sideText(), "Ägypten");
}

TEST(Help, EscapeClosesTheGuide)
{
    TestProgram t;
    HelpWindow* help = t.program->showHelp();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(help, &escape);
    settle();
    EXPECT_EQ(t.program->helpWindow(), nullptr);
}

TEST(MainWindowControls, PaceByKeysAndButtonsThePauseSymbolAndHelp)
{
    Game g;
    QTimer* clock = &g.main->session().timer();
    auto pace = [&] { return row(clock->interval(), labelText(g.main, "paceLabel").toStdString()); };
    EXPECT_EQ(pace(), "416|Tempo : 1×");
    const std::vector<std::pair<std::function<void()>, std::string>> steps = {
        {[&] { g.key(g.main, Qt::Key_Plus); }, "208|Tempo : 2×"},
        {[&] { press(g.main->findChild<QPushButton*>("fasterButton")); }, "104|Tempo : 4×"},
        {[&] { g.key(g.main, Qt::Key_Plus); }, "104|Tempo : 4×"},  // the fastest stays
        {[&] { g.key(g.main, Qt::Key_Minus); }, "208|Tempo : 2×"},
        {[&] { press(g.main->findChild<QPushButton*>("slowerButton")); }, "416|Tempo : 1×"},
        {[&] { g.key(g.main, Qt::Key_Minus); }, "832|Tempo : ½×"},
    };
    for (const auto& [step, expected] : steps) {
        step();
        EXPECT_EQ(pace(), expected);
    }
    EXPECT_FALSE(g.main->findChild<QPushButton*>("slowerButton")->isEnabled());
    EXPECT_TRUE(clock->isActive());
    EXPECT_EQ(g.w().monthInterval, 1667);

    // Paused, the button shows play; a pace change leaves the clock stopped.
    auto* pause = g.main->findChild<QToolButton*>("pauseButton");
    const qint64 running = pause->icon().cacheKey();
    g.pause();
    EXPECT_EQ(pause->toolTip(), "Weiterspielen (Leertaste)");
    EXPECT_NE(pause->icon().cacheKey(), running);
    g.key(g.main, Qt::Key_Plus);
    EXPECT_FALSE(clock->isActive());
    g.pause();
    EXPECT_EQ(pause->toolTip(), "Pause (Leertaste)");
    EXPECT_EQ(row(clock->isActive(), clock->interval()), "1|416");

    // The guide holds a running game while it is open.
    g.key(g.main, Qt::Key_F1);
    ASSERT_NE(g.t.program->helpWindow(), nullptr);
    EXPECT_FALSE(clock->isActive());
    g.t.program->helpWindow()->close();
    settle();
    EXPECT_TRUE(clock->isActive());
    press(g.main->findChild<QPushButton*>("helpButton"));
    EXPECT_NE(g.t.program->helpWindow(), nullptr);
}

TEST(MainWindowControls, PanelsFollowTheTicksAndAnOrderGivenWhilePaused)
{
    Game g;
    auto* table = g.main->findChild<QTreeWidget*>("battleTable");
    auto* messages = g.main->findChild<QListWidget*>("messageList");
    ASSERT_TRUE(table && messages);
    g.pause();
    DeployWindow* d = g.openDeploy(g.neighbour());
    d->findChild<QListWidget*>("generalList")->setCurrentRow(0);
    press(d, "Land angreifen");
    EXPECT_EQ(row(table->topLevelItemCount(), table->topLevelItem(0)->text(0).toStdString(), messages->count()),
              row(1, g.w().countryName[g.neighbour()], 1));
    EXPECT_TRUE(messages->item(0)->text().contains("Angriff auf"));
    // The country fought over carries the mark at its seed.
    const QImage& surface = g.main->mapSurface().surface();
    EXPECT_EQ(surface.pixel(g.w().fillX[g.neighbour()] - 5, g.w().fillY[g.neighbour()]), qRgb(255, 255, 255));
}
