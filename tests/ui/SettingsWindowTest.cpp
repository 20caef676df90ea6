#include "ShellTestSupport.h"
#include "TestSupport.h"

#include "shell/OptionsMenuWindow.h"
#include "shell/SettingsWindow.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSlider>

using namespace stratagon;
using namespace stratagon::test;

namespace {

void writeGameDat(const TestProgram& t, const QByteArray& bytes)
{
    QFile file(t.path(QStringLiteral("game.dat")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Start-up on the given file, then "Optionen".
SettingsWindow* openSettings(TestProgram& t, const QByteArray& gameDat)
{
    writeGameDat(t, gameDat);
    EXPECT_TRUE(t.program->start());
    press(button(t.program->optionsMenu(), QStringLiteral("Optionen")));
    return t.program->settingsWindow();
}

bool menuShown(const TestProgram& t)
{
    return t.program->optionsMenu() && t.program->optionsMenu()->isVisible();
}

}  // namespace

TEST(SettingsWindow, OpensOnTheStoredValuesWithTheMenuHidden)
{
    TestProgram t;
    SettingsWindow* w = openSettings(t, " 2500 \r\n 16 \r\n");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Spiel bedingte Einstellungen"));
    EXPECT_EQ(w->size(), QSize(312, 245));
    EXPECT_FALSE(menuShown(t));
    EXPECT_NE(t.program->optionsMenu(), nullptr);

    EXPECT_EQ(w->yearSlider()->minimum(), 0);
    EXPECT_EQ(w->yearSlider()->maximum(), 8);
    EXPECT_EQ(w->opponentSlider()->minimum(), 0);
    EXPECT_EQ(w->opponentSlider()->maximum(), 4);
    EXPECT_EQ(w->yearSlider()->geometry(), QRect(16, 40, 281, 33));
    EXPECT_EQ(w->opponentSlider()->geometry(), QRect(16, 136, 281, 41));
    EXPECT_EQ(w->yearSlider()->value(), 4);      // "30s"
    EXPECT_EQ(w->opponentSlider()->value(), 2);  // "Mittel"

    // The labels as they stand, in position order, leading blanks kept.
    const char* years[] = {"5s", "  10s", "15s", "  20s", "30s", "45s", " 60s", "120s", "240s"};
    const int yearX[] = {24, 48, 88, 112, 152, 184, 208, 240, 272};
    for (int i = 0; i < 9; ++i) {
        QLabel* l = labelAt(w, {yearX[i], 80});
        ASSERT_NE(l, nullptr) << i;
        EXPECT_EQ(l->text(), QString::fromUtf8(years[i]));
    }
    const char* opponents[] = {"Sehr Leicht", "Leicht", "Mittel", "Schwer", "Irrsinnig"};
    const int opponentX[] = {0, 72, 128, 200, 256};
    for (int i = 0; i < 5; ++i) {
        QLabel* l = labelAt(w, {opponentX[i], 176});
        ASSERT_NE(l, nullptr) << i;
        EXPECT_EQ(l->text(), QString::fromUtf8(opponents[i]));
    }
    EXPECT_TRUE(hasLabel(w, QStringLiteral("Ein Jahr vergeht in")));
    EXPECT_TRUE(hasLabel(w, QStringLiteral("KI - Einstellungen")));
}

TEST(SettingsWindow, EveryPositionMapsToItsTableValue)
{
    const int years[] = {416, 833, 1250, 1667, 2500, 3750, 5000, 10000, 20000};
    const int opponents[] = {256, 64, 16, 4, 1};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(SettingsWindow::monthIntervalAt(i), years[i]);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(SettingsWindow::aiDivisorAt(i), opponents[i]);

    // And opening finds each position back from its value.
    for (int i = 0; i < 9; ++i) {
        TestProgram t;
        const QByteArray dat = " " + QByteArray::number(years[i]) + " \r\n " +
                               QByteArray::number(opponents[i % 5]) + " \r\n";
        SettingsWindow* w = openSettings(t, dat);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->yearSlider()->value(), i);
        EXPECT_EQ(w->opponentSlider()->value(), i % 5);
    }
}

TEST(SettingsWindow, OkWritesTheFileAndTakesTheValuesOver)
{
    TestProgram t;
    SettingsWindow* w = openSettings(t, " 2500 \r\n 16 \r\n");
    ASSERT_NE(w, nullptr);
    w->yearSlider()->setValue(8);      // "240s"
    w->opponentSlider()->setValue(4);  // "Irrsinnig"
    press(button(w, QStringLiteral("OK")));
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(fileBytes(t.path(QStringLiteral("game.dat"))), QByteArray(" 20000 \r\n 1 \r\n"));
    EXPECT_EQ(t.world->monthInterval, 20000);
    EXPECT_EQ(t.world->aiDivisor, 1);
    EXPECT_EQ(t.program->settingsWindow(), nullptr);
    EXPECT_TRUE(menuShown(t));
}

TEST(SettingsWindow, ValuesOutsideTheTablesLeaveTheSlidersAtTheirStart)
{
    TestProgram t;
    SettingsWindow* w = openSettings(t, " 1000 \r\n 3 \r\n");
    ASSERT_NE(w, nullptr);
    const int year = w->yearSlider()->value();
    const int opponent = w->opponentSlider()->value();
    press(button(w, QStringLiteral("OK")));
    EXPECT_EQ(t.world->monthInterval, SettingsWindow::monthIntervalAt(year));
    EXPECT_EQ(t.world->aiDivisor, SettingsWindow::aiDivisorAt(opponent));
    EXPECT_EQ(fileBytes(t.path(QStringLiteral("game.dat"))),
              " " + QByteArray::number(t.world->monthInterval) + " \r\n " +
                  QByteArray::number(t.world->aiDivisor) + " \r\n");
}

TEST(SettingsWindow, AbbrechenAndTheFrameLeaveFileAndValuesAlone)
{
    for (const bool byFrame : {false, true}) {
        SCOPED_TRACE(byFrame ? "frame" : "button");
        TestProgram t;
        const QByteArray original("2500,16\r\nextra\r\n");
        SettingsWindow* w = openSettings(t, original);
        ASSERT_NE(w, nullptr);
        w->yearSlider()->setValue(0);
        w->opponentSlider()->setValue(0);
        if (byFrame) {
            w->close();
            settle();
        } else {
            press(button(w, QStringLiteral("Abbrechen")));
        }
        EXPECT_EQ(fileBytes(t.path(QStringLiteral("game.dat"))), original);
        EXPECT_EQ(t.world->monthInterval, 2500);
        EXPECT_EQ(t.world->aiDivisor, 16);
        EXPECT_EQ(t.program->settingsWindow(), nullptr);
        EXPECT_TRUE(menuShown(t));
    }
}

TEST(SettingsWindow, OkAfterTheFileWasRemovedReportsAndWritesNothing)
{
    TestProgram t;
    SettingsWindow* w = openSettings(t, " 2500 \r\n 16 \r\n");
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(QFile::remove(t.path(QStringLiteral("game.dat"))));
    w->yearSlider()->setValue(0);
    press(button(w, QStringLiteral("OK")));

    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].kind, "message");
    EXPECT_TRUE(t.dialogs.shown[0].text.startsWith(QStringLiteral("Ein Fehler ist aufgetreten : ")));
    EXPECT_GT(t.dialogs.shown[0].text.size(), QStringLiteral("Ein Fehler ist aufgetreten : ").size());
    EXPECT_TRUE(t.dialogs.shown[0].title.startsWith(QStringLiteral("Fehler : ")));
    bool numeric = false;
    t.dialogs.shown[0].title.mid(9).toInt(&numeric);
    EXPECT_TRUE(numeric);

    EXPECT_FALSE(QFile::exists(t.path(QStringLiteral("game.dat"))));
    EXPECT_EQ(t.world->monthInterval, 2500);
    EXPECT_EQ(t.program->settingsWindow(), w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(menuShown(t));
}
