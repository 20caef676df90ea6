// SPDX-License-Identifier: GPL-3.0-or-later
// The information panel's values, the messages panel and the battle list,
// on worlds made in code.

#include "TestSupport.h"
#include "../core/CoreTestSupport.h"

#include "mapview/BattleListPanel.h"
#include "mapview/InfoPanel.h"
#include "mapview/MessagesPanel.h"
#include "simulation/Battle.h"
#include "simulation/Events.h"

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace stratagon;

namespace {

// C1 the player's, C2 the opponent's; each with a general "G<i>" of 10 × i EP.
std::unique_ptr<WorldState> fourCountries()
{
    auto w = test::chainWorld(4);
    for (int i = 1; i <= 4; ++i)
        test::addGeneral(*w, i, "G" + std::to_string(i), 10 * i);
    return w;
}

}  // namespace

TEST(InfoPanel, ScrollsThroughTheListItShowedUntilShownAgain)
{
    auto w = test::chainWorld(5);
    test::addGeneral(*w, 1, "Erster", 12), test::addGeneral(*w, 1, "Zweiter", 3), test::addGeneral(*w, 3, "Dritter", 5);
    w->countryOwner[3] = 1, w->countryOwner[4] = 2;
    // Until it is shown again the panel scrolls through the list it showed,
    // in step with its count and scroll bar, also after a general left.
    InfoPanel panel(*w, nullptr);
    panel.showCountry(3, true);
    w->generalCount[1] = 1, w->generalName[1][2].clear();
    auto* scroll = panel.findChild<QScrollBar*>("generalScroll");
    scroll->setValue(2);
    const auto text = [&](const char* name) { return panel.findChild<QLabel*>(name)->text(); };
    EXPECT_EQ(
        std::tuple(scroll->maximum(), text("generalCountLabel"), text("generalNameLabel"), text("generalRankLabel")),
        std::tuple(2, QString("2"), QString("Zweiter"), QString("Unteroffizier")));
}

TEST(BattleListPanel, EveryBattleOneRowTheOwnFirstAndBold)
{
    auto w = fourCountries();
    BattleListPanel panel(*w);
    EXPECT_EQ(panel.heading()->text().toStdString() + "|" + std::to_string(panel.table()->topLevelItemCount()),
              "Keine Kämpfe|0");
    TickReport report;
    openBattle(*w, 3, 2, 1, 3, 1, report);  // not the player's: listed after his
    openBattle(*w, 2, 1, 1, 2, 1, report);  // his attack
    openBattle(*w, 4, 2, 0, 4, 1, report);  // the opponent's, with the stand-in slot 0
    openBattle(*w, 1, 3, 1, 1, 1, report);  // an attack on him
    w->battles[2].attackerScore = 35, w->battles[2].defenderScore = 65;
    panel.refresh();
    QStringList shown;
    for (int i = 0; i < panel.table()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = panel.table()->topLevelItem(i);
        QStringList cells;
        for (int c = 0; c < 3; ++c)
            cells << item->text(c).replace('\n', " / ");
        shown << cells.join(" | ") + (item->font(0).bold() ? " (fett)" : "");
    }
    EXPECT_EQ(shown.join("\n").toStdString(), "C2 | C1  35 / G1, 10 EP | C2  65 / G2, 20 EP (fett)\n"
                                              "C1 | C3  20 / G3, 30 EP | C1  80 / G1, 10 EP (fett)\n"
                                              "C3 | C2  20 / G2, 20 EP | C3  80 / G3, 30 EP\n"
                                              "C4 | C2  20 / ohne General | C4  80 / G4, 40 EP");
    EXPECT_EQ(panel.heading()->text().toStdString(), "Kämpfe : 4");
    w->battleCount = 1;  // rows follow the table down
    panel.refresh();
    EXPECT_EQ(panel.table()->topLevelItemCount(), 1);
}

TEST(MessagesPanel, NewestFirstWithDateOwnBoldAndThreatsMarked)
{
    auto w = fourCountries();
    MessagesPanel panel(*w);
    EXPECT_EQ(panel.list()->count(), 0);
    w->year = 2001, w->month = 2;
    recordEvent(*w, EventKind::CountryTaken, Text::verbatim("C2 erobert C3."));
    recordEvent(*w, EventKind::Threat, Text::verbatim("C2 greift C1 an!"));
    w->month = 3;
    recordEvent(*w, EventKind::BattleWon, Text::verbatim("Abgewehrt."));
    panel.refresh();
    QStringList shown;
    for (int i = 0; i < panel.list()->count(); ++i)
        shown << panel.list()->item(i)->text() + (panel.list()->item(i)->font().bold() ? " (fett)" : "");
    EXPECT_EQ(shown.join(" / ").toStdString(),
              "März 2001: Abgewehrt. (fett) / ⚠ Februar 2001: C2 greift C1 an! (fett) / "
              "Februar 2001: C2 erobert C3.");
    // A full log that moves on by one line is shown anew.
    for (int i = 0; i < MaxEvents; ++i)
        recordEvent(*w, EventKind::CountryTaken, Text::verbatim(std::to_string(i)));
    panel.refresh();
    recordEvent(*w, EventKind::CountryTaken, Text::verbatim("neu"));
    panel.refresh();
    EXPECT_EQ(panel.list()->count(), MaxEvents);
    EXPECT_EQ(panel.list()->item(0)->text().toStdString(), "März 2001: neu");
}
