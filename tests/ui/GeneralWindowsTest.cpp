#include "TestSupport.h"

#include "generals/GeneralListWindow.h"
#include "generals/RanksWindow.h"
#include "generals/TaskWindow.h"
#include "mapview/MainWindow.h"
#include "world/Settings.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

using namespace stratagon;
using stratagon::test::TestProgram;

namespace {

constexpr int Player = 4;

const QStringList Suggestions = {"Hapufo", "Kaliana", "Siwon", "Zipfo", "Ukamba", "Selanta"};

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void press(QWidget* window, const QString& caption)
{
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->text() == caption) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << caption.toStdString();
}

QStringList row(const QTreeWidget* list, int i)
{
    const QTreeWidgetItem* item = list->topLevelItem(i);
    if (!item)
        return {};
    return {item->text(0), item->text(1), item->text(2), item->text(3)};
}

void selectRow(QTreeWidget* list, int i)
{
    list->clearSelection();
    list->topLevelItem(i)->setSelected(true);
}

struct GeneralWindows : ::testing::Test {
    void SetUp() override
    {
        world().side[0] = Player;
        fillStatusTexts(world());
    }
    WorldState& world() { return *tp.world; }
    Program& program() { return *tp.program; }
    void addGeneral(const std::string& name, int ep, GeneralStatus status)
    {
        const int n = ++world().generalCount[Player];
        world().generalName[Player][n] = name;
        world().generalEP[Player][n] = ep;
        world().generalStatus[Player][n] = status;
    }
    GeneralListWindow* roster() { return program().showGeneralList(); }
    QStringList offered() const
    {
        QStringList presets;
        for (const auto& shown : tp.dialogs.shown)
            if (shown.kind == "input")
                presets << shown.preset;
        return presets;
    }
    // Every row shows the slot of the same number.
    void expectRowsMatchSlots(const QTreeWidget* list)
    {
        ASSERT_EQ(list->topLevelItemCount(), world().generalCount[Player]);
        for (int s = 1; s <= world().generalCount[Player]; ++s)
            EXPECT_EQ(row(list, s - 1).value(0).toStdString(), world().generalName[Player][s]) << s;
    }

    TestProgram tp;
};

}  // namespace

TEST_F(GeneralWindows, RosterListsRankEPAndStatusOfEverySlot)
{
    addGeneral("Alpha", 1, Training);
    addGeneral("Beta", 57, Ready);
    addGeneral("Gamma", 95, InBattle);
    GeneralListWindow* window = roster();
    EXPECT_EQ(window->windowTitle(), "Generalliste");
    const QTreeWidgetItem* header = window->list()->headerItem();
    EXPECT_EQ(QStringList({header->text(0), header->text(1), header->text(2), header->text(3)}),
              QStringList({"Genräle", "Rang", "Erfahrungspunkte", "Aufgabe"}));
    ASSERT_EQ(window->list()->topLevelItemCount(), 3);
    EXPECT_EQ(row(window->list(), 0), QStringList({"Alpha", "Unteroffizier", "1", "Wird Ausgebildet"}));
    EXPECT_EQ(row(window->list(), 1), QStringList({"Beta", "Oberst", "57", "Bereit für den Einsatz"}));
    EXPECT_EQ(row(window->list(), 2),
              QStringList({"Gamma", "General", "95", "Wird im Kampf eingesetzt"}));

    QStringList captions;
    for (QPushButton* button : window->findChildren<QPushButton*>())
        captions << button->text();
    for (const char* caption : {"Neuer Unteroffizier", "General  löschen", "Aufgabe", "Dienstgrade", "Ende"})
        EXPECT_TRUE(captions.contains(caption)) << caption;
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(0, 128, 0));

    // Showing it again only raises it: the list is not rebuilt.
    addGeneral("Delta", 1, Training);
    EXPECT_EQ(roster(), window);
    EXPECT_EQ(window->list()->topLevelItemCount(), 3);
    window->form2_start();
    EXPECT_EQ(window->list()->topLevelItemCount(), 4);
}

TEST_F(GeneralWindows, SevenRecruitsOfferTheSixNamesThenHapufoAgain)
{
    GeneralListWindow* window = roster();
    // Confirmed, cancelled and confirmed alike move the suggestion on.
    tp.dialogs.inputs = {"Hapufo", "", "Eigener Name", "", "", "Selanta", ""};
    for (int i = 0; i < 7; ++i)
        press(window, "Neuer Unteroffizier");
    EXPECT_EQ(offered(), Suggestions + QStringList{"Hapufo"});
    for (const auto& shown : tp.dialogs.shown) {
        EXPECT_EQ(shown.text, "Geben sie den Namen des Unteroffiziers ein :");
        EXPECT_EQ(shown.title, "Neuer Unteroffizier");
    }
    EXPECT_EQ(world().generalCount[Player], 3);
    expectRowsMatchSlots(window->list());

    // Every opening starts again at the first name.
    window->close();
    flushDeletes();
    tp.dialogs.shown.clear();
    press(roster(), "Neuer Unteroffizier");
    EXPECT_EQ(offered(), QStringList{"Hapufo"});
}

TEST_F(GeneralWindows, RecruitAppearsInTheLastRowAndSlot)
{
    addGeneral("Alt", 40, Ready);
    GeneralListWindow* window = roster();
    tp.dialogs.inputs = {" Neu  "};
    press(window, "Neuer Unteroffizier");
    ASSERT_EQ(world().generalCount[Player], 2);
    EXPECT_EQ(world().generalName[Player][2], " Neu  ");
    EXPECT_EQ(world().generalEP[Player][2], 1);
    EXPECT_EQ(world().generalStatus[Player][2], Training);
    EXPECT_EQ(row(window->list(), 1), QStringList({" Neu  ", "Unteroffizier", "1", "Wird Ausgebildet"}));
    window->form2_start();
    EXPECT_EQ(row(window->list(), 1), QStringList({" Neu  ", "Unteroffizier", "1", "Wird Ausgebildet"}));
}

TEST_F(GeneralWindows, TheNinetyNinthRecruitIsTheLast)
{
    for (int i = 1; i <= 98; ++i)
        addGeneral("G" + std::to_string(i), 1, Training);
    GeneralListWindow* window = roster();
    tp.dialogs.inputs = {"Neunundneunzig", "Hundert"};
    press(window, "Neuer Unteroffizier");
    EXPECT_EQ(world().generalCount[Player], 99);
    EXPECT_EQ(row(window->list(), 98).value(0), "Neunundneunzig");

    tp.dialogs.shown.clear();
    press(window, "Neuer Unteroffizier");
    ASSERT_EQ(tp.dialogs.shown.size(), 1u);  // no input box
    EXPECT_EQ(tp.dialogs.shown[0].kind, "message");
    EXPECT_EQ(tp.dialogs.shown[0].text, "Ne mehr Generäle gibt es nicht :)");
    EXPECT_EQ(tp.dialogs.shown[0].title, "Generäle");
    EXPECT_EQ(world().generalCount[Player], 99);
    EXPECT_EQ(window->list()->topLevelItemCount(), 99);
}

TEST_F(GeneralWindows, DismissingFirstMiddleAndLastKeepsRowsOnSlots)
{
    for (const char* name : {"G1", "G2", "G3", "G4", "G5"})
        addGeneral(name, 1, Training);
    GeneralListWindow* window = roster();
    QTreeWidget* list = window->list();

    press(window, "General  löschen");  // nothing selected: nothing happens
    EXPECT_EQ(world().generalCount[Player], 5);

    selectRow(list, 0);
    press(window, "General  löschen");
    selectRow(list, 1);
    press(window, "General  löschen");
    selectRow(list, 2);
    press(window, "General  löschen");
    EXPECT_EQ(world().generalCount[Player], 2);
    EXPECT_EQ(world().generalName[Player][1], "G2");
    EXPECT_EQ(world().generalName[Player][2], "G4");
    EXPECT_EQ(world().generalName[Player][3], "");
    expectRowsMatchSlots(list);

    // The selection does not move on to the next general.
    press(window, "General  löschen");
    EXPECT_EQ(world().generalCount[Player], 2);
}

TEST_F(GeneralWindows, DismissingKeepsBattlesAndTheTaskWindowOnTheirGenerals)
{
    for (const char* name : {"G1", "G2", "G3"})
        addGeneral(name, 1, Training);
    world().generalStatus[Player][3] = InBattle;
    world().battleCount = 1;
    world().battleAttacker[1] = Player;
    world().battleAttackerGeneral[1] = 3;
    world().battleDefender[1] = 9;
    world().battleDefenderGeneral[1] = 1;

    GeneralListWindow* window = roster();
    selectRow(window->list(), 1);
    press(window, "Aufgabe");
    TaskWindow* task = program().taskWindow();
    ASSERT_TRUE(task);

    selectRow(window->list(), 0);
    press(window, "General  löschen");
    EXPECT_EQ(world().battleAttackerGeneral[1], 2);
    EXPECT_EQ(world().generalName[Player][2], "G3");
    EXPECT_EQ(world().battleDefenderGeneral[1], 1);  // another side's slot
    EXPECT_EQ(task->General, 1);  // still G2

    press(task, "Aufgabe geben");
    flushDeletes();
    EXPECT_EQ(world().generalStatus[Player][1], Ready);
    EXPECT_EQ(row(window->list(), 0), QStringList({"G2", "Unteroffizier", "1", "Bereit für den Einsatz"}));

    // The task window for a dismissed general closes with him.
    selectRow(window->list(), 0);
    press(window, "Aufgabe");
    selectRow(window->list(), 0);
    press(window, "General  löschen");
    flushDeletes();
    EXPECT_EQ(program().taskWindow(), nullptr);
    EXPECT_EQ(world().battleAttackerGeneral[1], 1);

    selectRow(window->list(), 0);
    press(window, "General  löschen");  // the general in battle himself
    EXPECT_EQ(world().battleAttackerGeneral[1], 0);
    EXPECT_EQ(world().battleCount, 1);
}

TEST_F(GeneralWindows, TaskWindowSetsReadyOrTraining)
{
    tp.dialogs.inputs = {"Hapufo"};
    GeneralListWindow* window = roster();
    press(window, "Aufgabe");  // no row selected
    EXPECT_EQ(program().taskWindow(), nullptr);

    press(window, "Neuer Unteroffizier");
    selectRow(window->list(), 0);
    press(window, "Aufgabe");
    TaskWindow* task = program().taskWindow();
    ASSERT_TRUE(task);
    EXPECT_TRUE(task->isVisible());
    EXPECT_EQ(task->windowTitle(), "Aufgabe für Unteroffizier Hapufo");
    EXPECT_EQ(task->General, 1);
    ASSERT_EQ(task->taskList()->count(), 2);
    EXPECT_EQ(task->taskList()->item(0)->text(), "Zur Verfügung bereithalten");
    EXPECT_EQ(task->taskList()->item(1)->text(), "General ausbilden");
    EXPECT_EQ(task->taskList()->currentRow(), 0);
    EXPECT_EQ(task->palette().color(QPalette::Window), QColor(0, 128, 0));

    press(task, "Aufgabe geben");
    flushDeletes();
    EXPECT_EQ(program().taskWindow(), nullptr);
    EXPECT_EQ(world().generalStatus[Player][1], Ready);
    EXPECT_EQ(row(window->list(), 0).value(3), "Bereit für den Einsatz");

    selectRow(window->list(), 0);
    press(window, "Aufgabe");
    task = program().taskWindow();
    ASSERT_TRUE(task);
    task->taskList()->setCurrentRow(1);
    press(task, "Aufgabe geben");
    EXPECT_EQ(world().generalStatus[Player][1], Training);
    EXPECT_EQ(row(window->list(), 0).value(3), "Wird Ausgebildet");

    // "Abbruch" changes nothing.
    flushDeletes();
    selectRow(window->list(), 0);
    press(window, "Aufgabe");
    task = program().taskWindow();
    ASSERT_TRUE(task);
    task->taskList()->setCurrentRow(0);
    press(task, "Abbruch");
    flushDeletes();
    EXPECT_EQ(program().taskWindow(), nullptr);
    EXPECT_EQ(world().generalStatus[Player][1], Training);
}

TEST_F(GeneralWindows, TaskWindowRefusesAGeneralInBattle)
{
    addGeneral("Ruhig", 12, Training);
    addGeneral("Kaempfer", 30, InBattle);
    GeneralListWindow* window = roster();
    const auto refusal = [&] {
        return tp.dialogs.shown.size() == 1 && tp.dialogs.shown[0].kind == "message" &&
               tp.dialogs.shown[0].text ==
                   "Der ausgewählte General führt gerade eine Schlacht!!! Die Aufgabe kann nicht "
                   "gewechselt werden!!!" &&
               tp.dialogs.shown[0].title == "Schlacht";
    };

    selectRow(window->list(), 1);
    press(window, "Aufgabe");
    EXPECT_TRUE(refusal());
    flushDeletes();
    EXPECT_EQ(program().taskWindow(), nullptr);
    EXPECT_EQ(world().generalStatus[Player][2], InBattle);

    // Open for another general, then asked for the one in battle: it closes.
    tp.dialogs.shown.clear();
    selectRow(window->list(), 0);
    press(window, "Aufgabe");
    ASSERT_TRUE(program().taskWindow());
    EXPECT_EQ(program().taskWindow()->windowTitle(), "Aufgabe für Feldwebel Ruhig");
    program().taskWindow()->taskList()->setCurrentRow(1);
    selectRow(window->list(), 1);
    press(window, "Aufgabe");
    EXPECT_TRUE(refusal());
    flushDeletes();
    EXPECT_EQ(program().taskWindow(), nullptr);

    // Opened again while open: the list keeps its selection, only the title
    // and the general change.
    selectRow(window->list(), 0);
    press(window, "Aufgabe");
    program().taskWindow()->taskList()->setCurrentRow(1);
    world().generalStatus[Player][2] = Ready;
    window->form2_start();
    selectRow(window->list(), 1);
    press(window, "Aufgabe");
    TaskWindow* task = program().taskWindow();
    ASSERT_TRUE(task);
    EXPECT_EQ(task->windowTitle(), "Aufgabe für Leutnamt Kaempfer");
    EXPECT_EQ(task->General, 2);
    EXPECT_EQ(task->taskList()->currentRow(), 1);

    // Sent into battle while the window stood open: still refused.
    world().generalStatus[Player][2] = InBattle;
    tp.dialogs.shown.clear();
    press(task, "Aufgabe geben");
    EXPECT_TRUE(refusal());
    EXPECT_EQ(world().generalStatus[Player][2], InBattle);
}

TEST_F(GeneralWindows, RanksWindowListsTheLadderWithTabs)
{
    press(roster(), "Dienstgrade");
    RanksWindow* ranks = program().ranksWindow();
    ASSERT_TRUE(ranks);
    EXPECT_EQ(ranks->windowTitle(), "Dienstgrade");
    const QStringList expected = {
        "Panzergrenadier\t\t(-40)-(-31)", "Gefreiter\t\t\t(-30)-(-21)", "Obergefreiter\t\t(-20)-(-11)",
        "Stabsgefreiter\t\t(-10)-(-1)",   "Unteroffizier\t\t0 - 4",       "Stabsunteroffizier\t\t5 - 9",
        "Feldwebel\t\t10 - 14",           "Oberfeldwebel\t\t15 - 19",     "Stabsfeldwebel\t\t20 - 24",
        "Oberstabsfeldwebel\t\t25 - 29",  "Leutnamt\t\t\t30 - 34",        "Oberleutnamt\t\t35 - 39",
        "Hauptmann\t\t40 - 44",           "Major\t\t\t45 - 49",           "Oberstleutnamt\t\t50 - 54",
        "Oberst\t\t\t55 - 64",            "Brigadegeneral\t\t65 - 74",    "Generalmajor\t\t75 - 84",
        "Generalleutnamt\t\t85 - 94",     "General\t\t\t95 - 100"};
    QStringList shown;
    for (int i = 0; i < ranks->rankList()->count(); ++i)
        shown << ranks->rankList()->item(i)->text();
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(ranks->note()->text(),
              "  Hier sehen sie alle Dienstgrade der Soldaten aus dem Spiel  .     In der Mitte sehen "
              "sie die benötigten Erfahrungspunkte für" +
                  QString(47, ' ') + "den Rang");
    EXPECT_EQ(ranks->palette().color(QPalette::Window), QColor(0, 128, 0));

    EXPECT_EQ(program().showRanks(), ranks);
    EXPECT_EQ(ranks->rankList()->count(), 20);
    press(ranks, "Ende");
    flushDeletes();
    EXPECT_EQ(program().ranksWindow(), nullptr);
}

TEST_F(GeneralWindows, ClockStandsStillWhileTheRosterIsOpen)
{
    MainWindow* main = program().showMainWindow();
    ASSERT_TRUE(main);
    main->clockTimer()->setInterval(1000);

    for (const bool byEnde : {true, false}) {
        program().startClock();
        ASSERT_TRUE(main->clockTimer()->isActive());
        GeneralListWindow* window = roster();
        EXPECT_FALSE(main->clockTimer()->isActive());
        EXPECT_TRUE(main->isEnabled());
        if (byEnde)
            press(window, "Ende");
        else
            window->close();  // the frame's close button
        EXPECT_TRUE(main->clockTimer()->isActive()) << byEnde;
        flushDeletes();
        EXPECT_EQ(program().generalListWindow(), nullptr);
    }
}
