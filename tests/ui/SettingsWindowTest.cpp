#include "ShellTestSupport.h"

#include <algorithm>

using namespace stratagon;
using namespace stratagon::test;

// Opening finds each position back from its stored value; a value in neither
// table leaves the slider at its start.
TEST(SettingsWindow, OpensAtThePositionsOfTheStoredValues)
{
    const int years[] = {416, 833, 1250, 1667, 2500, 3750, 5000, 10000, 20000, 1000};
    const int opponents[] = {256, 64, 16, 4, 1, 3};
    TestProgram t;
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        t.world->monthInterval = years[i];
        t.world->aiDivisor = opponents[std::min(i, 5)];
        SettingsWindow* w = t.program->showSettings();
        EXPECT_EQ(w->yearSlider()->value(), i < 9 ? i : 4);
        EXPECT_EQ(w->opponentSlider()->value(), i < 5 ? i : 2);
        w->close();
        settle();
    }
}

// "OK" at "240s" and "Irrsinnig" writes the file and takes the values over;
// "Abbrechen" and the frame leave the file byte for byte. Saving needs the old
// file: without it the error box, no file, no new values, and the settings
// window stays open. Every way ends with the menu shown.
TEST(SettingsWindow, EveryWayOutTreatsFileAndValuesAsItShould)
{
    const QByteArray original("2500,16\r\nextra\r\n");
    const struct {
        QString way;
        QByteArray after;
        int monthInterval, aiDivisor;
    } cases[] = {
        {"OK", " 20000 \r\n 1 \r\n", 20000, 1},
        {"Abbrechen", original, 2500, 16},
        {"frame", original, 2500, 16},
        {"OK without game.dat", {}, 2500, 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way.toStdString());
        TestProgram t;
        writeGameDat(t, original);
        ASSERT_TRUE(t.program->start());
        press(t.program->optionsMenu(), "Optionen");
        SettingsWindow* w = t.program->settingsWindow();
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(t.program->optionsMenu()->isVisible());
        w->yearSlider()->setValue(8);
        w->opponentSlider()->setValue(4);
        const bool missing = c.way.endsWith("game.dat");
        ASSERT_TRUE(!missing || QFile::remove(t.path("game.dat")));
        if (c.way == "frame")
            closeByFrame(w);
        else
            press(w, c.way.section(' ', 0, 0));
        QFile file(t.path("game.dat"));
        EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), c.after);
        EXPECT_TRUE(t.world->monthInterval == c.monthInterval && t.world->aiDivisor == c.aiDivisor);
        EXPECT_TRUE(t.program->settingsWindow() == (missing ? w : nullptr) && (!missing || w->isVisible()));
        EXPECT_TRUE(t.program->optionsMenu()->isVisible());
        ASSERT_EQ(t.dialogs.shown.size(), missing ? 1u : 0u);
        if (missing) {
            const QString prefix = "Ein Fehler ist aufgetreten : ";
            EXPECT_TRUE(t.dialogs.shown[0].text.startsWith(prefix) && t.dialogs.shown[0].text.size() > prefix.size());
            EXPECT_TRUE(t.dialogs.shown[0].title.startsWith("Fehler : "));
            EXPECT_GT(t.dialogs.shown[0].title.mid(9).toInt(), 0);
        }
    }
}
