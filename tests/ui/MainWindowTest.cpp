// The main window and the deployment window on a map of their own: the
// set-up's placements, map clicks in both modes, the panels, the clock
// controls, "Land angreifen" and the game's end.

#include "TestSupport.h"
#include "generals/DeployWindow.h"
#include "mapview/MainWindow.h"
#include "shell/OptionsMenuWindow.h"
#include "simulation/EndOfGame.h"
#include "simulation/PlayerActions.h"
#include "simulation/Setup.h"
#include "world/Settings.h"

#include <QtWidgets>
#include <gtest/gtest.h>

namespace stratagon::test {
namespace {

// Nine countries in three rows of three blocks of 6 × 4 grid cells (102 × 68
// pixels) with black borders, sea right and below; neighbours are the blocks
// left, right, above and below. The player holds Nordwest.
const char* const Countries[9][2] = {
    {"Nordwest", "Anna 10 Bert 20 Carl 30"}, {"Nord", ""}, {"Nordost", "Dora 5 Emil 40"}, {"West", "Fritz 12"},
    {"Mitte", "Gerd 3 Hans 4"}, {"Ost", "Ines 6"}, {"S\xFC" "dwest", "Jan 2"}, {"S\xFC" "d", "Karl 8"},
    {"S\xFC" "dost", "Otto 7 Paul 9"}};

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
        QByteArrayList next, generals = QByteArray(Countries[i - 1][1]).split(' ');
        for (const int j : {i - 1, i + 1, i - 3, i + 3})
            if (j >= 1 && j <= 9 && ((j - 1) / 3 == (i - 1) / 3 || (j - 1) % 3 == (i - 1) % 3))
                next << "\"" + QByteArray(Countries[j - 1][0]) + "\"";
        generals.removeAll("");
        text += QStringLiteral("\"%1\",\"%2\",%3,0,0,0,0\r\n%4,%5,%6,0\r\n").arg(QString::fromLatin1(Countries[i - 1][0]))
                    .arg(QChar('A' + i - 1)).arg(generals.size() / 2).arg(centre(i).x()).arg(centre(i).y())
                    .arg(next.size()).toLatin1() + next.join(',') + "\r\n0\r\n";
        for (qsizetype g = 0; g < generals.size(); g += 2)
            text += "\"" + generals[g] + "\"," + generals[g + 1] + ",0\r\n";
    }
    for (int cell = 0; cell < 12 * 18; ++cell)  // the grid, 18 columns of countries and one of sea
        grid += QByteArray(cell % 18 ? "" : "\"") + char('A' + cell / 72 * 3 + cell % 18 / 6) + (cell % 18 == 17 ? "~\"\r\n" : "");
    painter.end();
    QDir().mkpath(t->path("cards"));
    picture.save(t->path("cards/Afrika.bmp"), "BMP");
    QFile file(t->path("cards/Afrika.mgi"));
    file.open(QIODevice::WriteOnly);
    file.write(text + "0\r\n" + grid + "\"~\"\r\n");
    fillStatusTexts(*t->world);
    std::tie(t->world->monthInterval, t->world->aiDivisor, t->world->side[0]) = std::tuple(1667, 256, 1);
    return t;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(window = t->program->showMainWindow(), nullptr); }
    void TearDown() override { flushDeletes(); }
    WorldState& world() { return *t->world; }
    template <typename T = QWidget>
    T* child(const char* name, QWidget* in = nullptr)
    {
        return (in ? in : window)->findChild<T*>(QString::fromLatin1(name));
    }
    // Texts of controls, joined by '|'.
    QString texts(std::initializer_list<const char*> names, QWidget* in = nullptr)
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
        EXPECT_EQ(std::pair(window->clockTimer()->isActive(), window->isEnabled()), std::pair(!open, !open));
        flushDeletes();
        EXPECT_EQ(deploy() != nullptr, open);
    }
    std::unique_ptr<TestProgram> t = fixtureProgram();
    MainWindow* window = nullptr;
};

TEST_F(MainWindowTest, SetUpPlacesTheControlsShowsTheirTextsAndStartsTheClock)
{
    QWidget* map = child("mapPicture");
    const QImage& surface = window->mapSurface().surface();
    EXPECT_EQ(map->grab().toImage().convertToFormat(QImage::Format_RGB32), surface);
    EXPECT_EQ(std::pair(surface.pixel(centre(1)), surface.pixel(centre(9))), std::pair(qRgb(255, 0, 0), qRgb(0, 255, 0)));
    EXPECT_EQ(window->height(), map->height() + window->px(3200));
    EXPECT_EQ(child("statusLabel")->x(), window->px(7080));
    EXPECT_EQ(child("sideMenuButton")->geometry().right(), map->geometry().right());
    EXPECT_EQ(window->clockTimer()->interval(), 416) << "1667 / 4, truncated";
    EXPECT_TRUE(window->clockTimer()->isActive() && window->playing() && window->r() == 1);
    EXPECT_EQ(window->windowTitle() + "|" + texts({"statusLabel", "sideMenuButton", "optionsMenuButton",
        "generalsButton", "modeButton", "pauseButton", "landCaption", "continentCaption", "generalCountCaption",
        "generalNameCaption", "generalEPCaption", "generalRankCaption", "landLabel", "continentLabel",
        "generalCountLabel", "battleHeadingLabel"}),
        "Stratagon !|Spiel läuft|Seitenmenü >|Optionsmenü|Generäle|Modus : Schlacht||Land :|Kontienent :|Generäle :|"
        "Name :|EP :|Rang :|Nordwest, Kolonie : Nordwest|Testkontinent|3|Keine Kämpfe");
}

TEST_F(MainWindowTest, ClicksShowTheCountryAndOpenTheDeploymentOnlyOnAttackableNeighbours)
{
    struct Click { bool colony; QPointF at; int shown; const char* land; bool attackable; };
    const Click clicks[] = {
        {false, centre(1), 1, "Nordwest, Kolonie : Nordwest", false},  // his own
        {false, centre(5), 5, "Mitte", false},                         // no neighbour
        {false, {19 * 17 - 3, 20}, 5, "Mitte", false},                 // sea
        {false, {17 * 100 + 3, 20}, 5, "Mitte", false},                // beyond column 99
        {false, centre(2), 2, "Nord", true},
        {true, centre(2), 2, "Nordwest, Kolonie : Nord", false},       // his colony ...
        {true, centre(3), 3, "Nordost", true}};                        // ... and its neighbour
    for (const bool battleMode : {true, false}) {
        if (!battleMode)
            child<QToolButton>("modeButton")->click();
        for (const Click& c : clicks) {
            SCOPED_TRACE(testing::Message() << battleMode << " " << c.land << " " << c.at.x());
            world().countryOwner[2] = c.colony ? 1 : 2;
            release(c.at, Qt::RightButton);
            EXPECT_EQ(std::pair(world().shownCountry, texts({"landLabel"})), std::pair(c.shown, QString(c.land)));
            EXPECT_EQ(deploy() && deploy()->isVisible(), battleMode && c.attackable);
            expectDeployOpen(battleMode && c.attackable);
            if (deploy())  // "Abbrechen": the game goes on
                child<QPushButton>("cancelButton", deploy())->click();
        }
    }
    EXPECT_EQ(std::pair(world().battleCount, texts({"modeButton"})), std::pair(0, QString("Modus : Info")));

    // Hovering names the country and its holder.
    world().countryOwner[5] = 9;
    QHelpEvent help(QEvent::ToolTip, centre(5), child("mapPicture")->mapToGlobal(centre(5)));
    QApplication::sendEvent(child("mapPicture"), &help);
    EXPECT_EQ(QToolTip::text(), "Mitte\nBesitzer : Südost");
    QToolTip::hideText();
}

TEST_F(MainWindowTest, ARestartKeepsTheModeCaptionAndTheWidthButReopensTheSideMenu)
{
    auto* side = child<QPushButton>("sideMenuButton");
    const int open = window->width();
    child<QToolButton>("modeButton")->click();
    side->click();
    world().playing = false;
    window->Startat();
    EXPECT_TRUE(world().battleMode);
    EXPECT_EQ(texts({"modeButton"}), "Modus : Info");
    for (const auto& [narrower, hidden] : {std::pair(1, true), std::pair(2, true), std::pair(1, false)}) {
        EXPECT_EQ(std::pair(window->width(), child("generalsButton")->isHidden()),
                  std::pair(open - narrower * side->width(), hidden));
        side->click();
    }
}

TEST_F(MainWindowTest, GeneralPanelShowsGeneralOneAfterAClickAndTheScrollBarsGeneralOnTicks)
{
    auto* scroll = child<QScrollBar>("generalScroll");
    const auto labels = {"generalCountLabel", "generalNameLabel", "generalEPLabel", "generalRankLabel"};
    child<QToolButton>("modeButton")->click();
    release(centre(1));
    EXPECT_EQ(std::tuple(scroll->isEnabled(), scroll->maximum(), scroll->pageStep()), std::tuple(true, 3, 3));
    scroll->setValue(3);
    world().generalEP[1][3] = 77;
    window->runClockTick();
    EXPECT_EQ(texts(labels), "3|Carl|77|Generalmajor");
    release(centre(1));
    EXPECT_EQ(texts(labels), "3|Anna|10|Feldwebel");
    scroll->setValue(3);
    world().generalCount[1] = 1;  // the roster shrinks under the scroll bar
    window->runClockTick();
    EXPECT_EQ(std::pair(scroll->isEnabled(), texts(labels)), std::pair(false, QString("1|Anna|10|Feldwebel")));
    release(centre(2));  // no generals: dashes, not the general shown before
    window->runClockTick();
    EXPECT_EQ(texts(labels), "0|-|-|-");
}

TEST_F(MainWindowTest, PauseButtonSpaceKeyAndTheOptionsButtonWithoutAGame)
{
    const int home = child("statusLabel")->x();
    for (const bool byKey : {false, true})
        for (const bool paused : {true, false}) {
            QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            byKey ? void(QApplication::sendEvent(window, &space)) : child<QToolButton>("pauseButton")->click();
            EXPECT_EQ(texts({"statusLabel"}), paused ? "Spiel pausiert" : "Spiel läuft");
            EXPECT_EQ(std::tuple(child("statusLabel")->x(), window->r(), window->clockTimer()->isActive()),
                      std::tuple(paused ? window->px(7080 - 100) : home, paused ? 0 : 1, !paused));
        }
    world().playing = false;
    child<QPushButton>("optionsMenuButton")->click();
    flushDeletes();
    EXPECT_TRUE(t->program->mainWindow() == nullptr && t->program->optionsMenu()->isVisible());
}

TEST_F(MainWindowTest, GameWonByTicksShowsTheMessageOnceAndReturnsToTheMenu)
{
    for (int i = 1; i <= 9; ++i)
        world().countryOwner[i] = i == 5 ? 5 : 1;
    world().generalEP[1][1] = 3000;
    world().generalEP[5][1] = world().generalEP[5][2] = 0;
    ASSERT_EQ(launchAttackOn(world(), 5, 1), AttackOutcome::Launched);
    for (int ticks = 0; !window->isHidden() && ticks < 400; ++ticks)
        window->runClockTick();
    window->runClockTick();  // a tick still reaching the closing window does nothing
    ASSERT_EQ(t->dialogs.shown.size(), 1u);
    EXPECT_EQ(lastMessage(), QString::fromUtf8(WonText) + "|Gewonnen!");
    flushDeletes();
    EXPECT_TRUE(!world().playing && t->program->mainWindow() == nullptr && t->program->optionsMenu()->isVisible());
}

// Runs a tick while the end message is open, as a timer firing in the message box's event loop would.
struct ReentrantDialogs final : Dialogs {
    void message(QWidget*, const QString&, const QString&) override { ++shown, window ? window->runClockTick() : void(); }
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
    for (int i = 1; i <= 9; ++i)
        t->world->countryOwner[i] = 1;
    const int before = t->world->month * 4 + t->world->tickCount;
    dialogs.window->runClockTick();
    EXPECT_EQ(dialogs.shown, 1);
    EXPECT_EQ(t->world->month * 4 + t->world->tickCount - before, 1) << "one tick's calendar, not two";
    flushDeletes();
}

TEST(MainWindowSetUp, MissingPictureSaysSoAndReturnsToTheMenu)
{
    auto t = fixtureProgram();
    QFile::remove(t->path("cards/Afrika.bmp"));
    t->program->showMainWindow();
    flushDeletes();
    ASSERT_EQ(t->dialogs.shown.size(), 1u);
    EXPECT_EQ(t->dialogs.shown[0].text + t->dialogs.shown[0].title, QString(MissingMapPictureMessage) + "Fehler !");
    EXPECT_TRUE(!t->world->playing && t->program->mainWindow() == nullptr && t->program->optionsMenu()->isVisible());
}

// ---- "General für den Kampf einsetzen" ----

TEST_F(MainWindowTest, DeploymentShowsEveryGeneralsReadinessAndRefusesWithTheReason)
{
    world().generalStatus[1][2] = InBattle;
    release(centre(2));
    ASSERT_NE(deploy(), nullptr);
    EXPECT_EQ(deploy()->windowTitle(), "General für den Kampf einsetzen");
    ASSERT_EQ(child<QListWidget>("generalList", deploy())->count(), 3);
    const auto labels = {"epLabel", "rankLabel", "taskLabel", "readinessLabel"};
    struct Shown { int row; const char* values; QColor colour; };
    for (const Shown& s : {Shown{-1, "-|-|-|N.A.", Qt::red}, Shown{1, "20|Stabsfeldwebel|Wird im Kampf eingesetzt|N. Bereit",
                           Qt::red}, Shown{0, "10|Feldwebel|Wird Ausgebildet|Bereit", Qt::green}}) {
        launch(s.row, s.row != 0);  // no choice, or a general in battle: not ready
        EXPECT_EQ(texts(labels, deploy()) + (s.row ? "|" + lastMessage() : ""),
                  s.values + QString(s.row ? "|Der angewählte General ist nicht bereit !!!|Nicht bereit" : ""));
        EXPECT_EQ(child<QLabel>("readinessLabel", deploy())->palette().color(QPalette::WindowText), s.colour);
    }
    EXPECT_EQ(t->dialogs.shown.size(), 2u);
    expectDeployOpen(true);

    // A country already fought over, and the 25th battle: refused, and the game goes on.
    for (const int battles : {1, 25}) {
        for (world().battleCount = 1; world().battleCount <= battles; ++world().battleCount)
            std::tie(world().battleCountry[world().battleCount], world().battleAttacker[world().battleCount],
                     world().battleDefender[world().battleCount]) = std::tuple(battles == 1 ? 2 : 50, 5, 6);
        world().battleCount = battles;
        if (!deploy())
            release(centre(2));
        launch(0);
        EXPECT_EQ(lastMessage(), battles == 1 ? "Es tobt eine Schlacht in dem Land! Deine Truppen wollen die Schlacht "
            "erst führen, wenn die jetzige Schlacht beendet ist.|Schlacht!" : "Sie können in dieser Version nur bis zu "
            "25 Kämpfe gleichzeitig durchführen !|Zuviele Kämpfe !");
        EXPECT_EQ(std::pair(world().battleCount, world().generalStatus[1][1]), std::pair(battles, int(Training)));
        expectDeployOpen(false);
    }
}

TEST_F(MainWindowTest, DeploymentAgainstAColonyFightsItsHolderAndShowsTheBattle)
{
    world().countryOwner[2] = 3;  // Nordost's Emil (slot 2) defends Nord
    release(centre(2));
    launch(2);
    EXPECT_TRUE(t->dialogs.shown.empty());
    const WorldState& w = world();
    EXPECT_EQ(std::vector<int>({w.battleCount, w.battleCountry[1], w.battleAttacker[1], w.battleAttackerGeneral[1],
                                w.battleDefender[1], w.battleDefenderGeneral[1], w.battleAttackerScore[1],
                                w.battleDefenderScore[1], w.generalStatus[1][3], w.generalStatus[3][2]}),
              std::vector<int>({1, 2, 1, 3, 3, 2, 20, 80, InBattle, InBattle}));
    expectDeployOpen(false);
    window->runClockTick();
    EXPECT_EQ(texts({"battleHeadingLabel", "battleCountryLabel", "attackerSideLabel", "attackerGeneralLabel",
                     "defenderSideLabel", "defenderGeneralLabel"}), "Kampf um|Nord|Nordwest|Carl|Nordost|Emil");
}

}  // namespace
}  // namespace stratagon::test
