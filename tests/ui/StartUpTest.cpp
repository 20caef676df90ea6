// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

#include "shell/LoadingWindow.h"
#include "world/Settings.h"

#include <cerrno>
#include <tuple>

using namespace stratagon;
using namespace stratagon::test;

// A missing or short game.dat: one box, nothing filled, nothing left open.
TEST(StartUp, ABadGameDatShowsTheErrorBoxAndEndsTheProgram)
{
    const std::tuple<const char*, QString, int> cases[] = {
        {nullptr, "Datei nicht gefunden.", ENOENT},  // no file at all
        {" 20000 \r\n", QString::fromStdString(germanText(describeError(ENODATA))), ENODATA},
    };
    for (const auto& [bytes, description, number] : cases) {
        SCOPED_TRACE(number);
        TestProgram t;
        if (bytes)
            writeGameDat(t, bytes);
        else
            ASSERT_TRUE(QFile::remove(t.path("game.dat")));
        EXPECT_FALSE(t.program->start());
        ASSERT_EQ(t.dialogs.shown.size(), 1u);
        EXPECT_EQ(t.dialogs.shown[0].kind, "message");
        EXPECT_EQ(t.dialogs.shown[0].text,
                  "Ein Fehler ist aufgetreten : " + description + " Das Programm wird beendet.");
        EXPECT_EQ(t.dialogs.shown[0].title, "Fehler : " + QString::number(number));
        EXPECT_TRUE(t.world->monthInterval == 0);
        settle();
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
    }
}

// Values the settings window cannot give are moved into its ranges, said once
// before the menu opens.
TEST(StartUp, SettingsOutsideTheWindowsRangesAreMovedAndSaidOnce)
{
    TestProgram t;
    writeGameDat(t, "0,2147483647\r\n");
    t.program->preferences().setValue("guide/offered", "nein");  // not the very first start
    ASSERT_TRUE(t.program->start());
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].title, "Einstellungen");
    EXPECT_TRUE(t.dialogs.shown[0].text.startsWith("Ein Spielmonat dauert laut game.dat 0 ms"));
    EXPECT_TRUE(t.world->monthInterval == ShortestMonth && t.world->aiDivisor == LeastActiveOpponent);
    EXPECT_TRUE(t.program->optionsMenu() && t.program->optionsMenu()->isVisible());
}
