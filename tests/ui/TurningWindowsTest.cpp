// SPDX-License-Identifier: GPL-3.0-or-later
// A lost game told again: its turning points in the Spielbilanz, "Noch
// einmal ab hier" from one of them and from a month picked on the chart, and
// "Ansehen" played to the end.

#include "../core/CoreTestSupport.h"
#include "ShellTestSupport.h"
#include "session/GameText.h"
#include "shell/PlaybackWindow.h"
#include "shell/RecordsChart.h"
#include "shell/ReportWindow.h"
#include "shell/TurningPanel.h"

#include <QTest>
#include <QtWidgets>
#include <gtest/gtest.h>

namespace stratagon::test {
namespace {

// A game on Afrika against five opponents at their strongest, the player
// idle, played to its end: the Spielbilanz opens over the menu.
struct LostGame {
    LostGame()
    {
        t.program->preferences().setMapName(QStringLiteral("Afrika"));
        t.program->preferences().setOpponentCount(5);
        std::tie(t.world->monthInterval, t.world->aiDivisor, t.world->side[0]) = std::tuple(1667, 1, 1);
        t.program->showMainWindow();
        GameSession& session = t.program->session();
        for (int n = 0; n < 60000 && session.gameRunning(); ++n)
            session.tick();
        settle();
    }
    ~LostGame() { settle(); }
    WorldState& w() { return *t.world; }

    TestProgram t;
};

}  // namespace

TEST(TurningWindows, ALostGamesTurningPointsAndPlayingOnFromOne)
{
    LostGame g;
    GameSession& session = g.t.program->session();
    ASSERT_FALSE(session.gameRunning());
    ASSERT_EQ(g.w().records.months.back().held[0], 0);
    ReportWindow* report = g.t.program->reportWindow();
    ASSERT_TRUE(report);
    const std::vector<TurningPoint> points = turningPoints(g.w());
    ASSERT_FALSE(points.empty());
    for (std::size_t k = 0; k < points.size(); ++k) {
        const QLabel* sentence = report->findChild<QLabel*>(QStringLiteral("turningPoint%1").arg(k));
        ASSERT_TRUE(sentence);
        EXPECT_TRUE(sentence->text().startsWith(QStringLiteral("%1. ").arg(k + 1))) << sentence->text().toStdString();
        EXPECT_TRUE(report->findChild<QPushButton*>(QStringLiteral("playAgain%1").arg(k))->isEnabled());
    }
    const std::size_t month = points.back().month;
    const MonthSample resumed = g.w().records.months[month >= 3 ? month - 3 : 0];
    const std::vector<MonthSample> before(g.w().records.months.begin(),
                                          g.w().records.months.begin() + std::ptrdiff_t(month >= 3 ? month - 3 : 0) + 1);
    const GameTrail finished = session.trail();

    press(report->findChild<QPushButton*>(QStringLiteral("playAgain%1").arg(points.size() - 1)));
    settle();
    ASSERT_TRUE(g.t.program->mainWindow());
    EXPECT_EQ(session.phase(), GamePhase::Paused);
    EXPECT_EQ(row(g.w().year, g.w().month, g.w().tickCount), row(resumed.year, int(resumed.month), 0));
    EXPECT_EQ(g.w().records.months, before);
    EXPECT_EQ(row(session.trail().branchedAt.year, session.trail().branchedAt.month),
              row(resumed.year, int(resumed.month)));
    EXPECT_EQ(session.trail().origin, finished.origin);
    EXPECT_TRUE(trailLeadsTo(session.trail(), g.w()));
    ASSERT_FALSE(g.t.dialogs.shown.empty());
    EXPECT_TRUE(g.t.dialogs.shown.back().text.startsWith(QStringLiteral("Du spielst noch einmal ab %1")
                                                             .arg(gametext::date(resumed.month, resumed.year))));

    // The new game plays on; its Spielbilanz says where it branched.
    for (int n = 0; n < 48; ++n)
        session.tick();
    ReportWindow* again = g.t.program->showReport();
    EXPECT_TRUE(again->findChild<QLabel*>("branchedFrom")->isVisibleTo(again));
    EXPECT_EQ(again->findChild<QPushButton*>("watchButton")->isEnabled(), !session.gameRunning());
    again->close();
    settle();
}

TEST(TurningWindows, AMonthPickedOnTheChartPlaysAgainFromThreeMonthsBefore)
{
    LostGame g;
    ReportWindow* report = g.t.program->reportWindow();
    ASSERT_TRUE(report);
    auto* chart = report->findChild<RecordsChart*>();
    auto* again = report->findChild<QPushButton*>("playAgainPicked");
    EXPECT_FALSE(again->isEnabled());
    const int month = int(g.w().records.months.size() / 2);
    ASSERT_GE(month, 3);
    // A click on the chart over that month: the plot spans the months from
    // its left edge to its right (found on the picture: the first and last
    // column of the player's line).
    const QImage picture = chart->grab().toImage();
    int left = picture.width(), right = 0;
    for (int x = 0; x < picture.width(); ++x)
        for (int y = 0; y < picture.height(); ++y)
            if (picture.pixelColor(x, y) == RecordsChart::linePen(ColourScheme::Standard, 0).color())
                left = std::min(left, x), right = std::max(right, x);
    ASSERT_LT(left, right);
    const int n = int(g.w().records.months.size());
    QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(left + (right - left) * month / (n - 1), chart->height() / 2));
    EXPECT_EQ(chart->pickedMonth(), month);
    EXPECT_TRUE(again->isEnabled());
    const MonthSample resumed = g.w().records.months[month - 3];
    EXPECT_EQ(report->findChild<QLabel*>("pickedMonth")->text(),
              QStringLiteral("Gewählt : %1").arg(gametext::date(g.w().records.months[month].month,
                                                                g.w().records.months[month].year)));
    press(again);
    settle();
    EXPECT_EQ(row(g.w().year, g.w().month), row(resumed.year, int(resumed.month)));
    EXPECT_EQ(g.t.program->session().phase(), GamePhase::Paused);
}

TEST(TurningWindows, AnsehenPlaysTheGameBackToItsEndAtTheChosenSpeedAndPlaysOnFromWhereItStands)
{
    LostGame g;
    ReportWindow* report = g.t.program->reportWindow();
    ASSERT_TRUE(report);
    const auto finished = std::make_unique<WorldState>(g.w());
    press(report->findChild<QPushButton*>("watchButton"));
    PlaybackWindow* playback = g.t.program->playbackWindow();
    ASSERT_TRUE(playback);
    playback->setSpeed(16);
    playback->setRunning(true);
    EXPECT_TRUE(playback->running());
    waitFor(60);
    EXPECT_GT(playback->replay().tick(), 0);
    playback->setRunning(false);
    while (playback->step()) {
    }
    EXPECT_TRUE(playback->replay().atEnd());
    WorldState end = playback->replay().world();
    end.records.sessionMs = finished->records.sessionMs;
    end.mapFileName = finished->mapFileName;
    EXPECT_TRUE(end == *finished);
    EXPECT_TRUE(g.w() == *finished);  // the game itself untouched

    // From the middle of the playback, "Noch einmal ab hier" there.
    press(report->findChild<QPushButton*>("watchButton"));
    playback = g.t.program->playbackWindow();
    for (int n = 0; n < 200; ++n)
        playback->step();
    const WorldState there = playback->replay().world();
    press(playback->findChild<QPushButton*>("playbackPlayAgain"));
    settle();
    EXPECT_EQ(row(g.w().year, g.w().month, g.w().tickCount), row(there.year, there.month, there.tickCount));
    EXPECT_FALSE(g.t.program->playbackWindow());
}

}  // namespace stratagon::test
