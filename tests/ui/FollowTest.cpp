// SPDX-License-Identifier: GPL-3.0-or-later
// Following and steering a game on the shipped map: a pause that holds behind
// every window, the facts in the deployment window, the pace and the panels.

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

#include <QListWidget>
#include <QToolButton>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

using namespace stratagon;
using namespace stratagon::test;

namespace {

QString labelText(QWidget* in, const char* name) { return in->findChild<QLabel*>(name)->text(); }

}  // namespace

// Every window that hands the game back leaves a paused game paused; the
// pause button alone resumes it.
TEST(Pause, HoldsThroughEveryWindowThatUsedToRestartTheClock)
{
    using Game = ShippedGame;
    const std::vector<std::pair<const char*, std::function<void(Game&)>>> ways = {
        {"deployment: Abbrechen", [](Game& g) { press(g.openDeploy(g.neighbour()), "Abbrechen"); }},
        {"deployment: attack",
         [](Game& g) {
             DeployWindow* d = g.openDeploy(g.neighbour());
             d->findChild<QListWidget*>("generalList")->setCurrentRow(0);
             press(d, "Land angreifen");
         }},
        {"deployment: Escape", [](Game& g) { key(g.openDeploy(g.neighbour()), Qt::Key_Escape); }},
        {"deployment: frame", [](Game& g) { closeByFrame(g.openDeploy(g.neighbour())); }},
        {"roster: Ende", [](Game& g) { press(g.t.program->showGeneralList(), "Ende"); }},
        {"help: Escape", [](Game& g) { key(g.t.program->showHelp(), Qt::Key_Escape); }},
        {"task: Aufgabe geben, then the roster's Ende",
         [](Game& g) {
             GeneralListWindow* roster = g.t.program->showGeneralList();
             roster->list()->topLevelItem(0)->setSelected(true);
             press(roster, "Aufgabe");
             press(g.t.program->taskWindow(), "Aufgabe geben");
             press(roster, "Ende");
         }},
        {"menu: Zurück zum Spiel",
         [](Game& g) {
             press(g.main->findChild<QPushButton*>("optionsMenuButton"));
             press(g.t.program->optionsMenu(), "Zurück zum Spiel");
         }},
        {"menu: frame",
         [](Game& g) {
             press(g.main->findChild<QPushButton*>("optionsMenuButton"));
             closeByFrame(g.t.program->optionsMenu());
         }},
    };
    for (const auto& [name, way] : ways) {
        SCOPED_TRACE(name);
        Game g;
        g.pause();
        way(g);
        EXPECT_EQ(
            row(g.main->session().clockRunning(), g.main->session().paused(), g.label("statusLabel").toStdString()),
            "0|1|Spiel pausiert");
        g.pause();
        EXPECT_EQ(
            row(g.main->session().clockRunning(), g.main->session().paused(), g.label("statusLabel").toStdString()),
            "1|0|Spiel läuft");
    }
}

// Each row tells who the general is, what he does and his chance here; one
// in battle is greyed and cannot be chosen; the best who can go stands
// chosen. Enter sends the chosen one, or says that there is none; a
// double-click sends the general clicked.
TEST(Deployment, ListsTheGeneralsNamesTheDefenderAndSendsTheChosenOne)
{
    ShippedGame g;
    WorldState& w = g.w();
    const int target = g.neighbour(), holder = 9;  // held by another side: both names shown
    w.countryOwner[target] = holder;
    w.generalCount[1] = 0;
    addGeneral(w, 1, "Anna", 12, Training), addGeneral(w, 1, "Bert", 40, InBattle), addGeneral(w, 1, "Carl", 30);
    const int defender = bestGeneral(w, holder);
    ASSERT_GT(defender, 0);
    const int32_t ep = w.generalEP[holder][defender];
    const auto chance = [&](int attacker) { return QString("%1 %").arg(qRound(100 * attackChance(attacker, ep))); };
    DeployWindow* d = g.openDeploy(target);
    EXPECT_EQ(labelText(d, "targetLabel"),
              QString("Ziel : %1, gehalten von %2").arg(qs(w.countryName[target]), qs(w.countryName[holder])));
    EXPECT_EQ(
        labelText(d, "defenderLabel"),
        QString("Verteidiger : %1, %2, %3 EP").arg(qs(w.generalName[holder][defender]), qs(rankName(ep))).arg(ep));
    auto* list = d->findChild<QListWidget*>("generalList");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "Anna – " + qs(rankName(12)) + ", 12 EP – Wird Ausgebildet – " + chance(12));
    EXPECT_EQ(list->item(1)->text(), "Bert – " + qs(rankName(40)) + ", 40 EP – Wird im Kampf eingesetzt");
    EXPECT_EQ(list->item(2)->text(), "Carl – " + qs(rankName(30)) + ", 30 EP – Bereit für den Einsatz – " + chance(30));
    EXPECT_FALSE(list->item(1)->flags() & (Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    EXPECT_EQ(std::pair(list->currentRow(), labelText(d, "chanceLabel")), std::pair(2, chance(30)));

    list->clearSelection();
    EXPECT_EQ(labelText(d, "chanceLabel"), "-");
    key(d, Qt::Key_Return);
    EXPECT_EQ(g.t.dialogs.shown.back().text + "|" + g.t.dialogs.shown.back().title,
              "Wähle zuerst einen General aus der Liste.|Kein General");
    ASSERT_EQ(g.t.program->deployWindow(), d);
    list->setCurrentRow(0);
    EXPECT_EQ(labelText(d, "chanceLabel"), chance(12));
    key(d, Qt::Key_Enter);
    EXPECT_EQ(row(w.battleCount, w.battles[1].attackerGeneral, w.battles[1].defenderGeneral,
                  g.t.program->deployWindow() == nullptr),
              row(1, 1, defender, 1));

    w.battleCount = 0, w.generalStatus[1][1] = Ready;
    d = g.openDeploy(target);
    list = d->findChild<QListWidget*>("generalList");
    emit list->itemDoubleClicked(list->item(0));
    settle();
    EXPECT_EQ(row(w.battleCount, w.battles[1].attackerGeneral, g.t.program->deployWindow() == nullptr), "1|1|1");
}

TEST(MainWindowControls, PaceByKeysAndButtonsThePauseSymbolAndHelp)
{
    ShippedGame g;
    QTimer* clock = &g.main->session().timer();
    auto pace = [&] { return row(clock->interval(), g.label("paceLabel").toStdString()); };
    EXPECT_EQ(pace(), "416|Tempo : 1×");
    const std::vector<std::pair<std::function<void()>, std::string>> steps = {
        {[&] { key(g.main, Qt::Key_Plus); }, "208|Tempo : 2×"},
        {[&] { press(g.main->findChild<QPushButton*>("fasterButton")); }, "104|Tempo : 4×"},
        {[&] { key(g.main, Qt::Key_Plus); }, "104|Tempo : 4×"},  // the fastest stays
        {[&] { key(g.main, Qt::Key_Minus); }, "208|Tempo : 2×"},
        {[&] { press(g.main->findChild<QPushButton*>("slowerButton")); }, "416|Tempo : 1×"},
        {[&] { key(g.main, Qt::Key_Minus); }, "832|Tempo : ½×"},
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
    key(g.main, Qt::Key_Plus);
    EXPECT_FALSE(clock->isActive());
    g.pause();
    EXPECT_EQ(pause->toolTip(), "Pause (Leertaste)");
    EXPECT_EQ(row(clock->isActive(), clock->interval()), "1|416");

    // The guide holds a running game while it is open.
    key(g.main, Qt::Key_F1);
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
    ShippedGame g;
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
