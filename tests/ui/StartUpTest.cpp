#include "ShellTestSupport.h"

#include "shell/LoadingWindow.h"
#include "world/Settings.h"

#include <cerrno>

using namespace stratagon;
using namespace stratagon::test;

// A missing or short game.dat: one box, nothing filled, nothing left open.
TEST(StartUp, ABadGameDatShowsTheErrorBoxAndEndsTheProgram)
{
    const struct {
        const char* bytes;  // nullptr: no file at all
        QString description;
        int number;
    } cases[] = {
        {nullptr, "Datei nicht gefunden.", ENOENT},
        {" 20000 \r\n", QString::fromStdString(describeError(ENODATA)), ENODATA},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        TestProgram t;
        if (c.bytes)
            writeGameDat(t, c.bytes);
        else
            ASSERT_TRUE(QFile::remove(t.path("game.dat")));
        EXPECT_FALSE(t.program->start());
        ASSERT_EQ(t.dialogs.shown.size(), 1u);
        EXPECT_EQ(t.dialogs.shown[0].kind, "message");
        EXPECT_EQ(t.dialogs.shown[0].text, "Ein Fehler ist aufgetreten : " + c.description + " Das Programm wird beendet.");
        EXPECT_EQ(t.dialogs.shown[0].title, "Fehler : " + QString::number(c.number));
        EXPECT_TRUE(t.world->statusText[0].empty());
        EXPECT_EQ(t.world->monthInterval, 0);
        settle();
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
    }
}
