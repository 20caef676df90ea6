// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and the deployment window on a map of their own: the
// set-up's placements, map clicks in both modes, the panels, the clock
// controls, "Land angreifen" and the game's end. Then the generals' roster,
// task and ranks windows: their texts, and that every button reaches its game
// operation with the row the player chose.

#include "ShellTestSupport.h"
#include "../core/CoreTestSupport.h"
#include "generals/DeployWindow.h"
#include "generals/GeneralListWindow.h"
#include "generals/RanksWindow.h"
#include "generals/TaskWindow.h"
#include "mapview/MainWindow.h"
#include "shell/OptionsMenuWindow.h"
#include "simulation/EndOfGame.h"
#include "simulation/Setup.h"
#include "world/Settings.h"

#include <QtWidgets>
#include <gtest/gtest.h>

namespace stratagon::test {
namespace {

// Nine countries in three rows of three blocks of 6 × 4 grid cells (102 × 68
// pixels) with black borders, sea right and below; neighbours are the blocks
// left, right, above and below. The player holds Nordwest.
const char* const Names[9] = {"Nordwest", "Nord",       "Nordost", "West",     "Mitte",
                              "Ost",      "S\374dwest", "S\374d",  "S\374dost"};
// Their generals with their EP, country by country.
const char* const Generals =
    "Anna 10 Bert 20 Carl 30||Dora 5 Emil 40|Fritz 12|Gerd 3 Hans 4|Ines 6|Jan 2|Karl 8|Otto 7 Paul 9";

QPoint centre(int i) { return {(i - 1) % 3 * 102 + 51, (i - 1) / 3 * 68 + 34}; }

std::unique_ptr<TestProgram> fixtureProgram()
{
    auto t = std::make_unique<TestProgram>();
    QImage picture(19 * 17, 13 * 17, QImage::Format_RGB32);
    picture.fill(QColor(90, 150, 220));
    QPainter painter(&picture);
    QByteArray text = "1\r\n\"Testkarte\"\r\n\"Test\"\r\n9,19,13\r\n\"Testkontinent\"\r\n\"A\"\r\n0,0\r\n", grid;
    for (int i = 1; i <= 9; ++i) {
        painter.fillRect((i - 1) % 3 * 102, (i - 1) / 3 * 68, 102, 68, QColor::fromHsv(i * 40 - 40, 90, 230));
        painter.drawRect((i - 1) % 3 * 102, (i - 1) / 3 * 68, 101, 67);
        QByteArrayList next, generals = QByteArray(Generals).split('|')[i - 1].split(' ');
        for (const int j : {i - 1, i + 1, i - 3, i + 3})
            if (j >= 1 && j <= 9 && ((j - 1) / 3 == (i - 1) / 3 || (j - 1) % 3 == (i - 1) % 3))
                next << "\"" + QByteArray(Names[j - 1]) + "\"";
        generals.removeAll("");
        text += QStringLiteral("\"%1\",\"%2\",%3,0,0,0,0\r\n%4,%5,%6,0\r\n")
                    .arg(QString::fromLatin1(Names[i - 1]), QChar('A' + i - 1))
                    .arg(generals.size() / 2)
                    .arg(centre(i).x())
                    .arg(centre(i).y())
                    .arg(next.size())
                    .toLatin1() +
                next.join(',') + "\r\n0\r\n";
        for (qsizetype g = 0; g < generals.size(); g += 2)
            text += "\"" + generals[g] + "\"," + generals[g + 1] + ",0\r\n";
    }
    for (int cell = 0; cell < 12 * 18; ++cell)  // the grid, 18 columns of countries and one of sea
        grid += (cell % 18 ? "" : "\"") + QByteArray(1, char('A' + cell / 72 * 3 + cell % 18 / 6)) +
                (cell % 18 == 17 ? "~\"\r\n" : "");
    painter.end();
    picture.save(t->path("cards/Afrika.bmp"), "BMP");
    QFile file(t->path("cards/Afrika.mgi"));
    file.open(QIODevice::WriteOnly);
    file.write(text + "0\r\n" + grid + "\"~\"\r\n");
    std::tie(t->world->monthInterval, t->world->aiDivisor, t->world->side[0]) = std::tuple(1667, 256, 1);
    return t;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(window = t->program->showMainWindow(), nullptr); }
    void TearDown() override { settle(); }
    WorldState& world() { return *t->world; }
    template <typename T = QWidget>
    T* child(const char* name, QWidget* in = nullptr)
    {
        return (in ? in : window)->findChild<T*>(name);
    }
    QString texts(std::initializer_list<const char*> names, QWidget* in = nullptr)  // joined by '|'
    {
        QStringList shown;
        for (const char* name : names)
            shown << child<QObject>(name, in)->property("text").toString();
        return shown.join('|');
    }
    void release(QPointF at, Qt::MouseButton button = Qt::LeftButton)
    {
        QMouseEvent event(QEvent::MouseButtonRelease, at, at, button, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(child("mapPicture"), &event);
    }
    DeployWindow* deploy() { return t->program->deployWindow(); }
    void launch(int row, bool press = true)  // "Land angreifen" with a row of the list chosen
    {
        child<QListWidget>("generalList", deploy())->setCurrentRow(row);
        press ? child<QPushButton>("launchAttack", deploy())->click() : void();
    }
    QString lastMessage() { return t->dialogs.shown.back().text + "|" + t->dialogs.shown.back().title; }
    // Either the deployment window stands over a stopped game, or it is gone and the game goes on.
    void expectDeployOpen(bool open)
    {
        EXPECT_EQ(std::tuple(window->session().clockRunning(), blocked(window), deploy() && deploy()->isVisible()),
                  std::tuple(!open, open, open));
        settle();
        EXPECT_EQ(deploy() != nullptr, open);
    }
    std::unique_ptr<TestProgram> t = fixtureProgram();
    MainWindow* window = nullptr;
};

TEST_F(MainWindowTest, SetUpPlacesTheControlsAndStartsTheClock)
{
    QWidget* map = child("mapPicture");
    const QImage& surface = window->mapSurface().surface();
    // The test screen is too narrow for the panel column at full size; where
    // the map is shown smaller it is averaged down, not a copy.
    if (window->mapScale() == 1.0) {
        EXPECT_EQ(map->grab().toImage().convertToFormat(QImage::Format_RGB32), surface);
    }
    EXPECT_EQ(std::pair(surface.pixel(centre(1)), surface.pixel(centre(9))),
              std::pair(qRgb(255, 0, 0), qRgb(0, 255, 0)));
    EXPECT_TRUE(window->session().clockRunning() && window->playing() && !window->session().paused());
    EXPECT_EQ(texts({"landLabel", "continentLabel", "generalCountLabel"}),
              "Nordwest, Kolonie : Nordwest|Testkontinent|3");
}

TEST_F(MainWindowTest, ClicksShowTheCountryAndItsGeneralsAndOpenTheDeploymentOnlyOnAttackableNeighbours)
{
    struct Click {
        bool colony;
        QPointF at;
        int shown;
        const char* land;
        bool attackable;
    };
    const Click clicks[] = {{false, centre(1), 1, "Nordwest, Kolonie : Nordwest", false},  // his own
                            {false, centre(5), 5, "Mitte", false},                         // no neighbour
                            {false, {19 * 17 - 3, 20}, 5, "Mitte", false},                 // sea
                            {false, {17 * 100 + 3, 20}, 5, "Mitte", false},                // beyond column 99
                            {false, centre(2), 2, "Nord", true},
                            {true, centre(2), 2, "Nordwest, Kolonie : Nord", false},  // his colony ...
                            {true, centre(3), 3, "Nordost", true}};                   // ... and its neighbour
    for (const bool battleMode : {true, false}) {
        if (!battleMode)
            child<QToolButton>("modeButton")->click();
        for (const Click& c : clicks) {
            SCOPED_TRACE(testing::Message() << battleMode << " " << c.land << " " << c.at.x());
            world().countryOwner[2] = c.colony ? 1 : 2;
            release(c.at, Qt::RightButton);
            EXPECT_EQ(std::pair(window->session().view().shownCountry, texts({"landLabel"})), std::pair(c.shown, QString(c.land)));
            expectDeployOpen(battleMode && c.attackable);
            if (deploy())  // "Abbrechen": the game goes on
                child<QPushButton>("cancelButton", deploy())->click();
        }
    }
    EXPECT_EQ(std::pair(world().battleCount, texts({"modeButton"})), std::pair(0, QString("Modus : Info")));

    // The general panel: general 1 after a click, the scroll bar's general on ticks, dashes for none.
    const auto labels = {"generalCountLabel", "generalNameLabel", "generalEPLabel", "generalRankLabel"};
    world().countryOwner[2] = 2;
    release(centre(1));
    child<QScrollBar>("generalScroll")->setValue(3);
    window->session().tick();
    EXPECT_EQ(texts(labels), "3|Carl|30|Leutnamt");
    release(centre(1));
    EXPECT_EQ(texts(labels), "3|Anna|10|Feldwebel");
    release(centre(2));  // no generals: dashes, not the general shown before
    window->session().tick();
    EXPECT_EQ(texts(labels), "0|-|-|-");
}

// A new game on the same window shows it as a new game: the mode on
// "Schlacht" with its caption, the side menu open and the window as wide as
// that needs; the side menu's button then closes and opens it, each press.
TEST_F(MainWindowTest, ClockAndMenuControlsAndARestartThatShowsTheModeAndTheSideMenuAsTheyAre)
{
    auto* side = child<QPushButton>("sideMenuButton");
    const int open = window->width();
    child<QToolButton>("modeButton")->click();
    side->click();
    EXPECT_EQ(std::pair(window->width(), texts({"modeButton"})), std::pair(open - side->width(), QString("Modus : Info")));
    world().playing = false;
    window->Startat();
    EXPECT_TRUE(window->session().view().battleMode);
    EXPECT_EQ(texts({"modeButton"}), "Modus : Schlacht");
    for (const auto& [narrower, hidden] : {std::pair(0, false), std::pair(1, true), std::pair(0, false)}) {
        EXPECT_EQ(std::pair(window->width(), child("generalsButton")->isHidden()),
                  std::pair(open - narrower * side->width(), hidden));
        EXPECT_EQ(window->session().view().sideMenuClosed, hidden);
        side->click();
    }

    // Pause button and Space key, twice each; then the options button without a game closes the window.
    for (const bool byKey : {false, true})
        for (const bool paused : {true, false}) {
            byKey ? key(window, Qt::Key_Space) : child<QToolButton>("pauseButton")->click();
            EXPECT_EQ(std::tuple(texts({"statusLabel"}), window->session().paused(), window->session().clockRunning()),
                      std::tuple(QString(paused ? "Spiel pausiert" : "Spiel läuft"), paused, !paused));
        }
    world().playing = false;
    child<QPushButton>("optionsMenuButton")->click();
    settle();
    EXPECT_TRUE(t->program->mainWindow() == nullptr && t->program->optionsMenu()->isVisible());
}

// The roster closed under the pause menu leaves the game paused; should the
// game end all the same, the open menu turns to its form before a game.
TEST_F(MainWindowTest, RosterClosedUnderThePauseMenuKeepsTheClockStopped)
{
    GeneralListWindow* roster = t->program->showGeneralList();
    child<QPushButton>("optionsMenuButton")->click();
    roster->close();
    EXPECT_FALSE(window->session().clockRunning());
    std::fill_n(&world().countryOwner[1], 9, 1);
    window->session().tick();
    settle();
    QStringList buttons;
    for (const QPushButton* b : t->program->optionsMenu()->findChildren<QPushButton*>())
        buttons << b->text() + (b->isEnabled() ? "" : " (aus)");
    EXPECT_TRUE(buttons.contains("Spiel starten") && buttons.contains("Spiel abbrechen (aus)"))
        << buttons.join('|').toStdString();
}

// Runs a tick while the end message is open, as a timer firing in the message box's event loop would.
struct ReentrantDialogs final : Dialogs {
    void message(QWidget*, const QString&, const QString&) override { ++shown, window->session().tick(); }
    bool question(QWidget*, const QString&, const QString&) override { return false; }
    QString input(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    int shown = 0;
    MainWindow* window = nullptr;
};

TEST(MainWindowClock, NoTickStartsWhileAnotherRuns)
{
    auto t = fixtureProgram();
    ReentrantDialogs dialogs;
    t->program = std::make_unique<Program>(*t->world, t->random, dialogs, t->folder.path());
    dialogs.window = t->program->showMainWindow();
    std::fill_n(&t->world->countryOwner[1], 9, 1);
    const int before = t->world->month * 4 + t->world->tickCount;
    dialogs.window->session().tick();
    EXPECT_EQ(std::pair(dialogs.shown, t->world->month * 4 + t->world->tickCount - before), std::pair(1, 1))
        << "one message and one tick's calendar, not two";
    settle();
}

TEST(MainWindowSetUp, MissingPictureSaysSoAndReturnsToTheMenu)
{
    auto t = fixtureProgram();
    QFile::remove(t->path("cards/Afrika.bmp"));
    t->program->showMainWindow();
    settle();
    EXPECT_EQ(t->dialogs.shown.size() == 1 ? t->dialogs.shown[0].text + "|" + t->dialogs.shown[0].title : "",
              QString::fromStdString(germanText(missingPictureMessage(nullptr))) + "|Fehler !");
    EXPECT_TRUE(!t->world->playing && t->program->mainWindow() == nullptr && t->program->optionsMenu()->isVisible());
}

// ---- "General für den Kampf einsetzen" ----

TEST_F(MainWindowTest, DeploymentShowsReadinessRefusesWithTheReasonOrFightsTheHolder)
{
    world().generalStatus[1][2] = InBattle;
    release(centre(2));
    ASSERT_NE(deploy(), nullptr);
    EXPECT_EQ(deploy()->windowTitle() + QString::number(child<QListWidget>("generalList", deploy())->count()),
              "General für den Kampf einsetzen3");
    const auto labels = {"epLabel", "rankLabel", "taskLabel", "readinessLabel"};
    struct Shown {
        int row;
        const char* values;
        QColor colour;
    };
    // A general in battle is greyed: choosing him chooses no one.
    for (const Shown& s : {Shown{-1, "-|-|-|N.A.", Qt::red}, Shown{1, "-|-|-|N.A.", Qt::red},
                           Shown{0, "10|Feldwebel|Wird Ausgebildet|Bereit", Qt::green}}) {
        launch(s.row, s.row != 0);  // no choice: said so
        EXPECT_EQ(texts(labels, deploy()) + (s.row ? "|" + lastMessage() : ""),
                  s.values + QString(s.row ? "|Wähle zuerst einen General aus der Liste.|Kein General" : ""));
        EXPECT_EQ(child<QLabel>("readinessLabel", deploy())->palette().color(QPalette::WindowText), s.colour);
    }
    EXPECT_EQ(t->dialogs.shown.size(), 2u);
    expectDeployOpen(true);

    // A country already fought over, and the 25th battle: refused, and the game goes on.
    for (const int battles : {1, 25}) {
        world().battles[1].country = battles == 1 ? 2 : 0;
        world().battleCount = battles;
        if (!deploy())
            release(centre(2));
        launch(0);
        EXPECT_EQ(lastMessage(), battles == 1 ? "Es tobt eine Schlacht in dem Land! Deine Truppen wollen die Schlacht "
                                                "erst führen, wenn die jetzige Schlacht beendet ist.|Schlacht!"
                                              : "Sie können in dieser Version nur bis zu "
                                                "25 Kämpfe gleichzeitig durchführen !|Zuviele Kämpfe !");
        EXPECT_EQ(std::pair(world().battleCount, world().generalStatus[1][1]), std::pair(battles, int(Training)));
        expectDeployOpen(false);
    }

    // Against a colony: Nordost's Emil (slot 2) defends Nord.
    world().countryOwner[2] = 3;
    world().battleCount = 0;
    release(centre(2));
    launch(2);
    const WorldState& w = world();
    EXPECT_EQ(
        std::vector<int>({w.battleCount, w.battles[1].country, w.battles[1].attacker, w.battles[1].attackerGeneral,
                          w.battles[1].defender, w.battles[1].defenderGeneral, w.battles[1].attackerScore,
                          w.battles[1].defenderScore, w.generalStatus[1][3], w.generalStatus[3][2]}),
        std::vector<int>({1, 2, 1, 3, 3, 2, 20, 80, InBattle, InBattle}));
    expectDeployOpen(false);
    window->session().tick();
    EXPECT_EQ(texts({"battleHeadingLabel", "battleCountryLabel", "attackerSideLabel", "attackerGeneralLabel",
                     "defenderSideLabel", "defenderGeneralLabel"}),
              "Kampf um|Nord|Nordwest|Carl|Nordost|Emil");
}

// ---- The generals' windows, on the shipped map ----

constexpr int Player = 4;

struct GeneralWindows : ::testing::Test {
    void SetUp() override { tp.world->side[0] = Player; }
    void add(const char* name, int ep = 1, GeneralStatus status = Training) { addGeneral(w, Player, name, ep, status); }
    GeneralListWindow* roster() { return tp.program->showGeneralList(); }
    TaskWindow* task() { return tp.program->taskWindow(); }
    void press(QWidget* window, const QString& caption, int row = -1)  // with a row of the roster chosen
    {
        row < 0 ? void() : roster()->list()->setCurrentItem(roster()->list()->topLevelItem(row));
        for (QPushButton* button : window->findChildren<QPushButton*>())
            button->text() == caption ? button->click() : void();
        settle();
    }
    // The rows as "name|rank|EP|task", each checked against its slot.
    QString rows()
    {
        QStringList shown;
        for (int i = 0; i < roster()->list()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = roster()->list()->topLevelItem(i);
            shown << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}.join('|');
            EXPECT_EQ(item->text(0).toStdString(), w.generalName[Player][i + 1]) << "row " << i;
        }
        EXPECT_EQ(shown.size(), w.generalCount[Player]);
        return shown.join(", ");
    }
    TestProgram tp;
    WorldState& w = *tp.world;
};

TEST_F(GeneralWindows, TheRosterListsTheGeneralsHoldsTheClockAndIsOnlyRaisedWhenShownAgain)
{
    MainWindow* main = tp.program->showMainWindow();
    w.generalCount[Player] = 0;
    add("Alpha", 1, Training), add("Beta", 57, Ready), add("Gamma", 95, InBattle);
    GeneralListWindow* window = roster();
    EXPECT_FALSE(main->session().clockRunning());
    EXPECT_EQ(rows(), "Alpha|Unteroffizier|1|Wird Ausgebildet, Beta|Oberst|57|Bereit für den Einsatz, "
                      "Gamma|General|95|Wird im Kampf eingesetzt");
    w.generalEP[Player][1] = 5;
    EXPECT_TRUE(roster() == window && window->list()->topLevelItem(0)->text(2) == "1") << "raised, not rebuilt";

    // "Dienstgrade" opens the ladder once, over the roster.
    press(roster(), "Dienstgrade");
    RanksWindow* ranks = tp.program->ranksWindow();
    ASSERT_NE(ranks, nullptr);
    EXPECT_EQ(tp.program->showRanks(), ranks);
    press(ranks, "Ende");
    EXPECT_EQ(tp.program->ranksWindow(), nullptr);
    press(window, "Ende");
    EXPECT_TRUE(main->session().clockRunning());
}

// Every recruit is offered a name of his own: never one his fellows bear,
// never numbered; what the player types (or cancels) is what counts. The
// 99th is the last.
TEST_F(GeneralWindows, RecruitsAreOfferedNamesOfTheirOwnUntilTheNinetyNinth)
{
    tp.dialogs.inputs = {"", " Eigener  ", ""};  // cancelling recruits nobody
    for (int i = 0; i < 3; ++i)
        press(roster(), "Neuer Unteroffizier");
    tp.dialogs.inputs.clear();
    for (int i = 0; i < 40; ++i) {
        const QString offered = [&] {
            tp.dialogs.shown.clear();
            press(roster(), "Neuer Unteroffizier");  // cancelled: only the name offered is kept
            return tp.dialogs.shown.back().preset;
        }();
        ASSERT_EQ(tp.dialogs.shown.back().text, "Geben sie den Namen des Unteroffiziers ein :");
        EXPECT_FALSE(offered.contains(QRegularExpression("[0-9 ]"))) << offered.toStdString();
        EXPECT_GE(offered.size(), 3);
        tp.dialogs.inputs = {offered};
        press(roster(), "Neuer Unteroffizier");
    }
    QSet<QString> names;
    for (int s = 1; s <= w.generalCount[Player]; ++s)
        names.insert(QString::fromStdString(w.generalName[Player][s]));
    EXPECT_EQ(names.size(), w.generalCount[Player]) << "one name, one general";
    EXPECT_TRUE(names.contains(" Eigener  "));

    roster()->close();  // opened again below on the new roster
    tp.dialogs.shown.clear();
    tp.dialogs.inputs = {"Neunundneunzig", "Hundert"};
    while (w.generalCount[Player] < 98)
        add("G");
    press(roster(), "Neuer Unteroffizier");
    press(roster(), "Neuer Unteroffizier");
    ASSERT_EQ(tp.dialogs.shown.size(), 2u);
    EXPECT_EQ(tp.dialogs.shown[1].kind + "|" + tp.dialogs.shown[1].text + "|" + tp.dialogs.shown[1].title,
              "message|Ne mehr Generäle gibt es nicht :)|Generäle");
    EXPECT_TRUE(rows().endsWith(", Neunundneunzig|Unteroffizier|1|Wird Ausgebildet"));
}

TEST_F(GeneralWindows, DismissingKeepsRowsOnSlotsAndTheTaskWindowAndBattlesOnTheirGenerals)
{
    for (const char* name : {"G1", "G2", "G3", "G4", "G5", "G6"})
        add(name);
    w.generalStatus[Player][4] = InBattle;
    std::tie(w.battleCount, w.battles[1].country, w.battles[1].attacker, w.battles[1].attackerGeneral) =
        std::tuple(1, 2, Player, 4);
    w.countryName[2] = "Angola";
    press(roster(), "General  löschen");  // nothing chosen: nothing happens
    EXPECT_TRUE(tp.dialogs.shown.empty());
    const auto asked = [&] {
        return tp.dialogs.shown.back().kind + "|" + tp.dialogs.shown.back().title + "|" + tp.dialogs.shown.back().text;
    };
    press(roster(), "General  löschen", 0);  // "Nein": he stays
    EXPECT_EQ(asked(), "question|General  löschen|Willst du G1 wirklich entlassen?");
    tp.dialogs.answers = {true, true, true, true, true};
    press(roster(), "Aufgabe", 4);
    for (const int row : {0, 1, 3})  // the first, a middle and the last
        press(roster(), "General  löschen", row);
    EXPECT_EQ(rows(), "G2|Unteroffizier|1|Wird Ausgebildet, G4|Unteroffizier|1|Wird im Kampf eingesetzt, "
                      "G5|Unteroffizier|1|Wird Ausgebildet");
    EXPECT_EQ(std::tuple(w.generalName[Player][4], task()->General, w.battles[1].attackerGeneral),
              std::tuple(std::string(), 3, 2));
    press(roster(), "General  löschen", 2);  // the task window's general: it closes
    EXPECT_EQ(task(), nullptr);
    press(roster(), "General  löschen", 1);  // the general in battle: slot 0 fights on
    EXPECT_EQ(asked(), "question|General  löschen|G4 führt gerade die Schlacht um Angola. Entlässt du ihn, geht diese "
                       "Schlacht verloren.\n\nWillst du G4 trotzdem entlassen?");
    EXPECT_EQ(std::pair(w.battleCount, w.battles[1].attackerGeneral), std::pair(1, 0));
}

TEST_F(GeneralWindows, TaskWindowSetsATaskButNeverForAGeneralInBattle)
{
    add("Ruhig", 12, Training), add("Kaempfer", 30, InBattle);
    press(roster(), "Aufgabe");
    EXPECT_EQ(task(), nullptr) << "no row chosen";
    for (const int choice : {-1, 0, 1}) {  // "Abbruch", then both tasks
        press(roster(), "Aufgabe", 0);
        ASSERT_NE(task(), nullptr);
        // His own task stands chosen: in training until the second round sets him ready.
        EXPECT_EQ(task()->windowTitle() + QString::number(task()->taskList()->currentRow()),
                  QString("Aufgabe für Feldwebel Ruhig%1").arg(choice == 1 ? 0 : 1));
        task()->taskList()->setCurrentRow(std::max(choice, 0));
        press(task(), choice < 0 ? "Abbruch" : "Aufgabe geben");
        EXPECT_EQ(task(), nullptr);
        EXPECT_EQ(rows().section(", ", 0, 0),
                  choice == 0 ? "Ruhig|Feldwebel|12|Bereit für den Einsatz" : "Ruhig|Feldwebel|12|Wird Ausgebildet");
    }
    for (const bool openFirst : {false, true}) {  // refused, also when the window is open for another general
        openFirst ? press(roster(), "Aufgabe", 0) : tp.dialogs.shown.clear();
        press(roster(), "Aufgabe", 1);
        ASSERT_EQ(tp.dialogs.shown.size(), openFirst ? 2u : 1u);
        EXPECT_EQ(tp.dialogs.shown.back().text + tp.dialogs.shown.back().title,
                  "Der ausgewählte General führt gerade "
                  "eine Schlacht!!! Die Aufgabe kann nicht gewechselt werden!!!Schlacht");
        EXPECT_EQ(task(), nullptr);
    }
}

}  // namespace
}  // namespace stratagon::test
