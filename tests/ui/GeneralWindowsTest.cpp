// The roster, task and ranks windows: their texts, and that every button
// reaches its game operation with the row the player chose.

#include "TestSupport.h"
#include "generals/GeneralListWindow.h"
#include "generals/RanksWindow.h"
#include "generals/TaskWindow.h"
#include "mapview/MainWindow.h"
#include "world/Settings.h"

#include <QtWidgets>
#include <gtest/gtest.h>

namespace stratagon::test {
namespace {

constexpr int Player = 4;
const QString Green = QColor(0, 128, 0).name();

struct GeneralWindows : ::testing::Test {
    void SetUp() override { fillStatusTexts(*tp.world), tp.world->side[0] = Player; }
    WorldState& world() { return *tp.world; }
    void add(const char* name, int ep = 1, GeneralStatus status = Training)
    {
        const int n = ++world().generalCount[Player];
        std::tie(world().generalName[Player][n], world().generalEP[Player][n], world().generalStatus[Player][n]) =
            std::tuple(name, ep, status);
    }
    GeneralListWindow* roster() { return tp.program->showGeneralList(); }
    TaskWindow* task() { return tp.program->taskWindow(); }
    void press(QWidget* window, const QString& caption, int row = -1)
    {
        if (row >= 0)
            roster()->list()->setCurrentItem(roster()->list()->topLevelItem(row));
        for (QPushButton* button : window->findChildren<QPushButton*>())
            if (button->text() == caption)
                button->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The rows as "name|rank|EP|task", each checked against its slot.
    QString rows()
    {
        QStringList shown;
        for (int i = 0; i < roster()->list()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = roster()->list()->topLevelItem(i);
            shown << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}.join('|');
            EXPECT_EQ(item->text(0).toStdString(), world().generalName[Player][i + 1]) << "row " << i;
        }
        EXPECT_EQ(shown.size(), world().generalCount[Player]);
        return shown.join(", ");
    }
    // A window's title, background, header, labels, list entries and buttons.
    static QStringList textsOf(QWidget* window)
    {
        QStringList texts{window->windowTitle(), window->palette().color(QPalette::Window).name()};
        for (QTreeWidget* tree : window->findChildren<QTreeWidget*>())
            for (int column = 0; column < tree->columnCount(); ++column)
                texts << tree->headerItem()->text(column);
        for (QLabel* label : window->findChildren<QLabel*>())
            texts << label->text();
        for (QListWidget* list : window->findChildren<QListWidget*>())
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
        for (QPushButton* button : window->findChildren<QPushButton*>())
            texts << button->text();
        return texts;
    }
    TestProgram tp;
};

TEST_F(GeneralWindows, RosterShowsEveryGeneralStopsTheClockAndIsOnlyRaisedWhenShownAgain)
{
    MainWindow* main = tp.program->showMainWindow();
    world().generalCount[Player] = 0;
    add("Alpha", 1, Training), add("Beta", 57, Ready), add("Gamma", 95, InBattle);
    GeneralListWindow* window = roster();
    EXPECT_FALSE(main->clockTimer()->isActive());
    EXPECT_EQ(textsOf(window).join('|'), "Generalliste|" + Green + "|Genräle|Rang|Erfahrungspunkte|Aufgabe|"
                               "Neuer Unteroffizier|General  löschen|Aufgabe|Dienstgrade|Ende");
    EXPECT_EQ(rows(), "Alpha|Unteroffizier|1|Wird Ausgebildet, Beta|Oberst|57|Bereit für den Einsatz, "
                      "Gamma|General|95|Wird im Kampf eingesetzt");
    world().generalEP[Player][1] = 5;
    EXPECT_EQ(roster(), window);
    EXPECT_EQ(window->list()->topLevelItem(0)->text(2), "1") << "raised, not rebuilt";
    press(window, "Ende");
    EXPECT_TRUE(main->clockTimer()->isActive());
}

TEST_F(GeneralWindows, RecruitsGetTheSixNamesInTurnUntilTheNinetyNinth)
{
    tp.dialogs.inputs = {"Hapufo", "", " Eigener  ", "", "", "Selanta", ""};  // cancelling moves on too
    for (int i = 0; i < 7; ++i)
        press(roster(), "Neuer Unteroffizier");
    const QStringList names = {"Hapufo", "Kaliana", "Siwon", "Zipfo", "Ukamba", "Selanta", "Hapufo"};
    ASSERT_EQ(tp.dialogs.shown.size(), 7u);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(tp.dialogs.shown[i].kind + tp.dialogs.shown[i].text + tp.dialogs.shown[i].title + tp.dialogs.shown[i].preset,
                  "inputGeben sie den Namen des Unteroffiziers ein :Neuer Unteroffizier" + names[i]);
    EXPECT_EQ(rows(), "Hapufo|Unteroffizier|1|Wird Ausgebildet,  Eigener  |Unteroffizier|1|Wird Ausgebildet, "
                      "Selanta|Unteroffizier|1|Wird Ausgebildet");
    roster()->close();  // every opening starts again at the first name
    tp.dialogs.shown.clear();
    tp.dialogs.inputs = {"Neunundneunzig", "Hundert"};
    for (int i = 4; i <= 98; ++i)
        add("G");
    press(roster(), "Neuer Unteroffizier");
    press(roster(), "Neuer Unteroffizier");
    ASSERT_EQ(tp.dialogs.shown.size(), 2u);
    EXPECT_EQ(tp.dialogs.shown[0].preset + tp.dialogs.shown[1].kind + tp.dialogs.shown[1].text + tp.dialogs.shown[1].title,
              "HapufomessageNe mehr Generäle gibt es nicht :)Generäle");
    EXPECT_TRUE(rows().endsWith(", Neunundneunzig|Unteroffizier|1|Wird Ausgebildet"));
}

TEST_F(GeneralWindows, DismissingKeepsRowsOnSlotsAndTheTaskWindowAndBattlesOnTheirGenerals)
{
    for (const char* name : {"G1", "G2", "G3", "G4", "G5", "G6"})
        add(name);
    world().generalStatus[Player][4] = InBattle;
    std::tie(world().battleCount, world().battleAttacker[1], world().battleAttackerGeneral[1]) =
        std::tuple(1, Player, 4);
    press(roster(), "General  löschen");  // nothing chosen: nothing happens
    press(roster(), "Aufgabe", 4);
    for (const int row : {0, 1, 3})  // the first, a middle and the last
        press(roster(), "General  löschen", row);
    EXPECT_EQ(rows(), "G2|Unteroffizier|1|Wird Ausgebildet, G4|Unteroffizier|1|Wird im Kampf eingesetzt, "
                      "G5|Unteroffizier|1|Wird Ausgebildet");
    EXPECT_EQ(std::tuple(world().generalName[Player][4], task()->General, world().battleAttackerGeneral[1]),
              std::tuple(std::string(), 3, 2));
    press(roster(), "General  löschen", 2);  // the task window's general: it closes
    EXPECT_EQ(task(), nullptr);
    press(roster(), "General  löschen", 1);  // the general in battle: slot 0 fights on
    EXPECT_EQ(std::pair(world().battleCount, world().battleAttackerGeneral[1]), std::pair(1, 0));
}

TEST_F(GeneralWindows, TaskWindowSetsATaskButNeverForAGeneralInBattle)
{
    add("Ruhig", 12, Training), add("Kaempfer", 30, InBattle);
    press(roster(), "Aufgabe");
    EXPECT_EQ(task(), nullptr) << "no row chosen";
    for (const int choice : {-1, 0, 1}) {  // "Abbruch", then both tasks
        press(roster(), "Aufgabe", 0);
        ASSERT_NE(task(), nullptr);
        EXPECT_EQ(textsOf(task()).join('|') + QString::number(task()->taskList()->currentRow()),
                  "Aufgabe für Feldwebel Ruhig|" + Green + "|Zur Verfügung bereithalten|General ausbilden|Aufgabe geben|Abbruch0");
        task()->taskList()->setCurrentRow(std::max(choice, 0));
        press(task(), choice < 0 ? "Abbruch" : "Aufgabe geben");
        EXPECT_EQ(task(), nullptr);
        EXPECT_EQ(rows().section(", ", 0, 0), choice == 0 ? "Ruhig|Feldwebel|12|Bereit für den Einsatz"
                                                           : "Ruhig|Feldwebel|12|Wird Ausgebildet");
    }
    for (const bool openFirst : {false, true}) {  // refused, also when the window is open for another general
        openFirst ? press(roster(), "Aufgabe", 0) : tp.dialogs.shown.clear();
        press(roster(), "Aufgabe", 1);
        ASSERT_EQ(tp.dialogs.shown.size(), openFirst ? 2u : 1u);
        EXPECT_EQ(tp.dialogs.shown.back().text + tp.dialogs.shown.back().title, "Der ausgewählte General führt gerade "
                  "eine Schlacht!!! Die Aufgabe kann nicht gewechselt werden!!!Schlacht");
        EXPECT_EQ(task(), nullptr);
    }
}

TEST_F(GeneralWindows, RanksWindowListsTheLadderInATabbedColumn)
{
    press(roster(), "Dienstgrade");
    RanksWindow* ranks = tp.program->ranksWindow();
    ASSERT_NE(ranks, nullptr);
    EXPECT_EQ(textsOf(ranks), QStringList({"Dienstgrade", Green, "  Hier sehen sie alle Dienstgrade der Soldaten aus dem Spiel  .     "
        "In der Mitte sehen sie die benötigten Erfahrungspunkte für" + QString(47, ' ') + "den Rang",
        "Panzergrenadier\t\t(-40)-(-31)", "Gefreiter\t\t\t(-30)-(-21)", "Obergefreiter\t\t(-20)-(-11)",
        "Stabsgefreiter\t\t(-10)-(-1)", "Unteroffizier\t\t0 - 4", "Stabsunteroffizier\t\t5 - 9",
        "Feldwebel\t\t10 - 14", "Oberfeldwebel\t\t15 - 19", "Stabsfeldwebel\t\t20 - 24",
        "Oberstabsfeldwebel\t\t25 - 29", "Leutnamt\t\t\t30 - 34", "Oberleutnamt\t\t35 - 39", "Hauptmann\t\t40 - 44",
        "Major\t\t\t45 - 49", "Oberstleutnamt\t\t50 - 54", "Oberst\t\t\t55 - 64", "Brigadegeneral\t\t65 - 74",
        "Generalmajor\t\t75 - 84", "Generalleutnamt\t\t85 - 94", "General\t\t\t95 - 100", "Ende"}));
    EXPECT_EQ(tp.program->showRanks(), ranks);
    press(ranks, "Ende");
    EXPECT_EQ(tp.program->ranksWindow(), nullptr);
}

}  // namespace
}  // namespace stratagon::test
