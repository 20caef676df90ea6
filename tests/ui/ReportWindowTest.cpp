// SPDX-License-Identifier: GPL-3.0-or-later
// "Spielbilanz": its chart, its figures, when it opens with the clock handled,
// and the picture it saves.

#include "ShellTestSupport.h"
#include "session/SessionClock.h"
#include "shell/RecordsChart.h"
#include "shell/ReportWindow.h"
#include "world/Settings.h"

#include <QtWidgets>
#include <gtest/gtest.h>

namespace stratagon::test {
namespace {

// Over two years of 12 countries the player goes from 1 to 4, the opponent from 2 to 3.
void twoYears(WorldState& w)
{
    w.countryCount = 12, w.side[0] = 4, w.side[1] = 9, w.sideMax = 1;
    w.countryName[4] = "Südafrika", w.countryName[9] = "Ägypten";
    for (int i = 0; i < 24; ++i) {
        MonthSample m{2000 + i / 12, uint8_t(i % 12 + 1), 0, {}};
        m.held[0] = uint8_t(1 + i / 6), m.held[1] = uint8_t(2 + i / 12),
        m.passive = uint8_t(12 - m.held[0] - m.held[1]);
        w.records.months.push_back(m);
    }
}

struct Line {
    int left = -1, right = -1;  // the topmost row of the colour near the left and the right edge
};

Line lineOf(const QImage& image, QColor colour)
{
    Line line;
    const auto near = [&](QColor c) {
        return std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                   std::abs(c.blue() - colour.blue()) <
               30;
    };
    for (int y = image.height() - 1; y >= 0; --y)
        for (const auto& [x, top] :
             {std::pair(image.width() / 8, &line.left), std::pair(image.width() * 7 / 8, &line.right)})
            for (int dx = -6; dx <= 6; ++dx)
                if (near(image.pixelColor(x + dx, y)))
                    *top = y;
    return line;
}

}  // namespace

TEST(RecordsChart, OneLineAPieceInTheSidesMapColoursOfEitherSchemeRisingWithTheirCountries)
{
    auto w = std::make_unique<WorldState>();
    twoYears(*w);
    for (const ColourScheme scheme : {ColourScheme::Standard, ColourScheme::ColourBlind}) {
        SCOPED_TRACE(int(scheme));
        RecordsChart chart(*w, scheme);
        chart.resize(600, 300);
        const QImage image = chart.grab().toImage();
        EXPECT_EQ(image.pixelColor(2, image.height() - 2), RecordsChart::background(scheme));
        const auto line = [&](int side) { return lineOf(image, RecordsChart::linePen(scheme, side).color()); };
        const Line player = line(0), opponent = line(1), free = line(-1);
        // Higher on the right (a smaller row) when more countries are held; the unheld ones fall.
        EXPECT_TRUE(player.left > 0 && player.right > 0 && player.right < player.left)
            << player.left << " " << player.right;
        EXPECT_TRUE(opponent.left > 0 && opponent.right < opponent.left) << opponent.left << " " << opponent.right;
        EXPECT_TRUE(free.left > 0 && free.right > free.left) << free.left << " " << free.right;
    }
}

TEST(ReportWindow, FiguresInGerman)
{
    auto w = std::make_unique<WorldState>();
    twoYears(*w);
    GameRecords& r = w->records;
    r.battlesOpened = 7, r.attacksSuffered = 3, r.battlesWon = 5, r.battlesLost = 2, r.countriesTaken = 4;
    r.countriesLost = 1, r.generalsRecruited = 1, r.generalsDismissed = 0, r.highestRank = 13;
    r.highestRankDate = {2001, 3}, r.largestEmpire = 5, r.largestEmpireDate = {2001, 7}, r.playedMs = 3723000;
    QStringList shown;
    for (const auto& [label, value] : reportFigures(*w))
        shown << label + ": " + value;
    EXPECT_EQ(shown, QStringList({"Spieldauer: 1 Jahr, 11 Monate (Januar 2000 bis Dezember 2001)",
                                  "Gespielte Zeit: 1 Std. 2 Min.", "Angriffe gestartet: 7", "Angriffe auf dich: 3",
                                  "Angriffe der Gegner: 0", "Schlachten gewonnen / verloren: 5 / 2", "Länder erobert / verloren: 4 / 1",
                                  "Generäle angeworben / entlassen: 1 / 0", "Höchster Rang: Major (März 2001)",
                                  "Größtes Reich: 5 Länder (Juli 2001)"}));
    r = GameRecords{};
    r.months.push_back({2000, 1, 0, {}}), r.playedMs = 61999, r.largestEmpire = 1, r.largestEmpireDate = {2000, 1};
    EXPECT_EQ(reportFigures(*w)[0].second + "|" + reportFigures(*w)[1].second + "|" + reportFigures(*w)[8].second +
                  "|" + reportFigures(*w)[9].second,
              "0 Monate (Januar 2000 bis Januar 2000)|1 Min. 1 Sek.|-|1 Land (Januar 2000)");
    // The player's own time first, the clock's beside it.
    r.sessionMs = 44 * 60000 + 10500, r.playedMs = 330000;
    EXPECT_EQ(reportFigures(*w)[1].second, "44 Min. 10 Sek. (Spieluhr : 5 Min. 30 Sek.)");
}

class ReportWindowInGame : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(main && t.world->playing); }
    QString heading() { return t.program->reportWindow()->findChild<QLabel*>("reportHeading")->text(); }
    void press(QWidget* in, const char* name) { in->findChild<QPushButton*>(name)->click(), settle(); }
    ShippedGame game{4};
    TestProgram& t = game.t;
    MainWindow*& main = game.main;
};

TEST_F(ReportWindowInGame, OpensAfterEitherEndMessageOverTheOptionsMenuAndGoesBackToItOrWithTheNextGame)
{
    for (const bool won : {true, false}) {
        SCOPED_TRACE(won);
        t.dialogs.shown.clear();
        for (int i = 1; i <= t.world->countryCount; ++i)
            t.world->countryOwner[i] = won ? t.world->side[0] : t.world->side[1];
        main->session().tick();
        main->session().tick();  // a tick still reaching the closing window does nothing
        settle();
        ASSERT_EQ(t.dialogs.shown.size(), 1u);
        EXPECT_EQ(t.dialogs.shown[0].title, won ? "Gewonnen!" : "Verloren!");
        ASSERT_NE(t.program->reportWindow(), nullptr);
        EXPECT_TRUE(t.program->mainWindow() == nullptr && t.program->optionsMenu()->isVisible() &&
                    t.program->reportWindow()->isVisible());
        EXPECT_EQ(heading(), won ? "Du hast gewonnen!" : "Du hast verloren!");
        // A screen reader reading the window names every label once: each
        // figure ("0", "0 / 0") must say which row it is.
        QSet<QString> rows;
        for (const QLabel* figure : t.program->reportWindow()->findChildren<QLabel*>(QRegularExpression("^figure")))
            rows << figure->accessibleName();
        EXPECT_TRUE(rows.contains("Angriffe gestartet: 0.") && rows.size() == int(reportFigures(*t.world).size()));
        if (won)  // left open, it goes with the next game's start
            main = t.program->showMainWindow(), settle();
        else
            press(t.program->reportWindow(), "closeButton");
        EXPECT_TRUE(t.program->reportWindow() == nullptr &&
                    (won ? main->isVisible() : t.program->optionsMenu()->isVisible()));
    }
}

TEST_F(ReportWindowInGame, SideMenuOpensItWithTheClockStoppedAndRestartsItUnlessThePlayerPaused)
{
    for (const bool paused : {false, true}) {
        SCOPED_TRACE(paused);
        if (paused)
            main->findChild<QToolButton*>("pauseButton")->click();
        press(main, "reportButton");
        ASSERT_NE(t.program->reportWindow(), nullptr);
        EXPECT_FALSE(main->session().clockRunning());
        EXPECT_EQ(heading(), "Stand : Januar 2000");
        press(t.program->reportWindow(), "closeButton");
        EXPECT_EQ(std::pair(t.program->reportWindow() == nullptr, main->session().clockRunning()),
                  std::pair(true, !paused));
    }
}

// The player's time runs while the game window is open, paused too, and
// stops with the game.
TEST_F(ReportWindowInGame, ThePlayersTimeRunsWhilePausedAndStopsWithTheGame)
{
    auto* clock = main->session().findChild<SessionClock*>();
    ASSERT_NE(clock, nullptr);
    main->findChild<QToolButton*>("pauseButton")->click();
    clock->take();
    const int64_t before = t.world->records.sessionMs;
    sessionTime() += 250;
    clock->take();
    EXPECT_EQ(t.world->records.sessionMs - before, 250);
    EXPECT_EQ(t.world->records.playedMs, 0);
    t.world->playing = false;
    const int64_t ended = t.world->records.sessionMs;
    sessionTime() += 50;
    clock->take();
    EXPECT_EQ(t.world->records.sessionMs, ended);
    t.world->playing = true;
}

// Space and Enter close the summary; only a click saves the picture.
TEST_F(ReportWindowInGame, SpaceAndEnterCloseItAndNeverAskForAFile)
{
    for (const Qt::Key k : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(k);
        ReportWindow* report = t.program->showReport();
        settle();
        QWidget* focused = report->focusWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->objectName(), "closeButton");
        stratagon::test::key(focused, k);
        EXPECT_EQ(t.program->reportWindow(), nullptr);
        EXPECT_TRUE(t.dialogs.shown.empty());
    }
}

TEST_F(ReportWindowInGame, SavesChartAndFiguresAsThePngThePlayerChoosesAndSaysSoWhenItCannot)
{
    ReportWindow* report = t.program->showReport();
    settle();  // laid out on the screen as the player sees it
    const QString file = t.path("bilanz.png");
    t.dialogs.saveNames = {file, t.path("fehlt/bilanz.png")};
    press(report, "savePictureButton");
    ASSERT_TRUE(QFileInfo::exists(file));
    EXPECT_EQ(t.dialogs.shown.back().preset, t.program->paths().pictureFile("Spielbilanz.png"));
    const QImage saved(file, "PNG");
    EXPECT_EQ(saved.size(), report->picture().size());
    EXPECT_GT(saved.width(), 400);
    EXPECT_FALSE(report->savePicture());  // a folder that does not exist
    EXPECT_EQ(t.dialogs.shown.back().title + "|" + t.dialogs.shown.back().text,
              "Fehler !|Das Bild konnte nicht gespeichert werden : " + t.path("fehlt/bilanz.png") + "\nIm Ordner „" +
                  t.path("fehlt") + "“ kann keine Datei angelegt werden: Datei nicht gefunden.");
    t.dialogs.shown.clear();
    EXPECT_FALSE(report->savePicture());  // cancelled: nothing more
    EXPECT_EQ(t.dialogs.shown.size(), 1u);
}

}  // namespace stratagon::test
