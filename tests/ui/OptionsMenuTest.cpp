// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

using namespace stratagon;
using namespace stratagon::test;

// The player's texts letter for letter, in one place: captions, then labels or buttons.
TEST(ShellWindows, CaptionsAndFixedTexts)
{
    TestProgram t;
    const std::pair<QWidget*, QString> windows[] = {
        {t.program->showOptionsMenu(), "Optionsmenü |Stratagon Optionsmenü|Spielstart|Spiel starten|Optionen|"
                                       "Spiel abbrechen|Credits|Beenden|Ein Kontinent, ein Feldherr: Viel Erfolg !"},
        {t.program->showSettings(), "Spiel bedingte Einstellungen|Ein Jahr vergeht in|5s|  10s|15s|  20s|30s|45s|"
                                    " 60s|120s|240s|KI - Einstellungen|Sehr Leicht|Leicht|Mittel|Schwer|Irrsinnig|"
                                    "OK|Abbrechen"},
        {t.program->showNewGame(), "Neues Spiel|Weltherrschaft|einfaches Spiel|Karte :|Afrika|Deine Seite :|"
                                   "Südafrika|Aktive Gegner :|Starten|Abbrechen"},
        {[&t]() -> QWidget* {
             press(sideChange(t.program->newGameWindow()));
             return pickWindow<CountryPickWindow>(t);
         }(),
         "Welches Land ?|Aktuell gewählt :|Südafrika|OK|Abbrechen"},
    };
    for (const auto& [window, texts] : windows) {
        const QStringList expected = texts.split('|');
        EXPECT_EQ(window->windowTitle(), expected[0]);
        for (const QString& text : expected.mid(1))
            EXPECT_TRUE(hasLabel(window, text) || button(window, text)) << text.toStdString();
    }
}

// A window closed and shown again before its deferred delete must come back
// as a new, visible window, not as the one about to be deleted.
TEST(Program, ShowingAWindowRightAfterClosingItOpensAFreshOne)
{
    TestProgram t;
    OptionsMenuWindow* first = t.program->showOptionsMenu();
    first->close();
    EXPECT_EQ(t.program->optionsMenu(), nullptr);
    OptionsMenuWindow* second = t.program->showOptionsMenu();
    EXPECT_NE(second, first);
    settle();
    EXPECT_TRUE(t.program->optionsMenu() == second && second->isVisible());
}
