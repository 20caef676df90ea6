// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

#include <QComboBox>

using namespace stratagon;
using namespace stratagon::test;

// Opening shows the stored values, or the sliders' start for values in neither
// table. "OK" at "240s" and "Irrsinnig" writes the file and takes the values
// over; "Abbrechen" and the frame leave the file byte for byte. Saving needs the
// old file, writable: without it, or with a read-only one, the error box, the
// file as it was, no new values, and the settings window stays open. Every way
// ends with the menu shown.
TEST(SettingsWindow, EveryWayOutTreatsFileAndValuesAsItShould)
{
    const QByteArray inTables(" 416 \r\n 256 \r\n"), outside("1000,3\r\nextra\r\n");
    const struct {
        QString way;
        QByteArray before;
        int yearAt, opponentAt;
        QByteArray after;
        int monthInterval, aiDivisor;
    } cases[] = {
        {"OK", inTables, 0, 0, " 20000 \r\n 1 \r\n", 20000, 1},
        {"Abbrechen", outside, 4, 2, outside, 1000, 3},
        {"frame", inTables, 0, 0, inTables, 416, 256},
        {"OK without game.dat", outside, 4, 2, {}, 1000, 3},
        {"OK read-only game.dat", inTables, 0, 0, inTables, 416, 256},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way.toStdString());
        TestProgram t;
        writeGameDat(t, c.before);
        t.program->preferences().setValue("guide/offered", "nein");  // not the very first start
        ASSERT_TRUE(t.program->start());
        press(t.program->optionsMenu(), "Optionen");
        SettingsWindow* w = t.program->settingsWindow();
        // Over the menu, which waits behind it.
        ASSERT_TRUE(w && t.program->optionsMenu()->isVisible() && blocked(t.program->optionsMenu()));
        EXPECT_TRUE(w->yearSlider()->value() == c.yearAt && w->opponentSlider()->value() == c.opponentAt);
        const QLabel* note = w->findChild<QLabel*>("strengthNote");
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(note->text(), c.opponentAt == 0 ? "Der Gegner greift etwa alle 5 Jahre an."
                                                  : "Der Gegner greift etwa alle 4 Monate an.");
        w->yearSlider()->setValue(8);
        w->opponentSlider()->setValue(4);
        // A turn is drawn on every tick, four to the month.
        EXPECT_EQ(note->text(), "Der Gegner greift etwa viermal im Monat an.");
        const bool missing = c.way.endsWith("game.dat");
        const bool readOnly = c.way.contains("read-only");
        ASSERT_TRUE(!missing || readOnly || QFile::remove(t.path("game.dat")));
        ASSERT_TRUE(!readOnly || QFile::setPermissions(t.path("game.dat"), QFile::ReadOwner | QFile::ReadGroup));
        if (c.way == "frame")
            closeByFrame(w);
        else
            press(w, c.way.section(' ', 0, 0));
        QFile file(t.path("game.dat"));
        EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), c.after);
        EXPECT_TRUE(t.world->monthInterval == c.monthInterval && t.world->aiDivisor == c.aiDivisor);
        EXPECT_TRUE(t.program->settingsWindow() == (missing ? w : nullptr) && (!missing || w->isVisible()));
        EXPECT_TRUE(t.program->optionsMenu() && t.program->optionsMenu()->isVisible());
        ASSERT_EQ(t.dialogs.shown.size(), missing ? 1u : 0u);
        if (missing) {
            const QString prefix = "Ein Fehler ist aufgetreten : ";
            const ShownMessage& box = t.dialogs.shown[0];
            EXPECT_TRUE(box.text.startsWith(prefix) && box.text.size() > prefix.size());
            EXPECT_TRUE(box.title.startsWith("Fehler : ") && box.title.mid(9).toInt() > 0);
            EXPECT_TRUE(!readOnly || box.text.endsWith("Zugriff verweigert."));
        }
    }
}

// "Regeln :" shows the kept rule set; "OK" keeps the choice in
// stratagon.ini for the next new game, while the running game keeps its own.
TEST(SettingsWindow, RulesChoiceIsKeptForTheNextNewGameOnly)
{
    TestProgram t;
    writeGameDat(t, " 416 \r\n 256 \r\n");
    t.program->preferences().setValue("guide/offered", "nein");  // not the very first start
    ASSERT_TRUE(t.program->start());
    EXPECT_EQ(t.program->preferences().ruleSet(), RulesKlassisch);
    press(t.program->optionsMenu(), "Optionen");
    SettingsWindow* w = t.program->settingsWindow();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->ruleChoice()->currentIndex(), 0);
    w->ruleChoice()->setCurrentIndex(1);
    press(w, "OK");
    EXPECT_EQ(t.program->preferences().ruleSet(), RulesZuegig);
    EXPECT_EQ(t.program->preferences().value("game/rules"), "zuegig");
    EXPECT_EQ(t.world->ruleSet, RulesKlassisch);  // not before a game starts
    t.program->restoreFileSettings();             // as a new game does
    EXPECT_EQ(t.world->ruleSet, RulesZuegig);

    press(t.program->optionsMenu(), "Optionen");
    EXPECT_EQ(t.program->settingsWindow()->ruleChoice()->currentIndex(), 1);
}
