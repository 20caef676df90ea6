// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

#include "session/GameText.h"
#include "simulation/Character.h"
#include "storage/Preferences.h"

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QDialog>
#include <tuple>

using namespace stratagon;
using namespace stratagon::test;

// Indices 0..99 are scanned without stopping, the last match wins; without a
// match side and label stay; an empty code names no country. With no countries
// at all "Starten" refuses, since the first tick would call the game won.
TEST(NewGame, PreselectionAndAMapWithoutCountries)
{
    const std::tuple<std::string, const char*, int, const char*> cases[] = {
        {"ZYZ", "Z", 3, "Land 3"}, {"ZYZ", "Q", 2, "Südafrika"}, {"ZYZ", "", 2, "Südafrika"},
        {"", "Z", 2, "Südafrika"}};
    for (const auto& [codes, code, side, label] : cases) {  // codes of the countries, the default side's code
        SCOPED_TRACE(codes + "/" + code);
        TestProgram t;
        handMadeMap(t, codes);
        t.world->countryCode[100] = "Q";  // beyond the scan
        t.world->side[0] = 2;
        t.world->defaultSideCode = code;
        NewGameWindow* w = t.program->showNewGame();
        EXPECT_EQ(t.dialogs.shown.size(), 1u);  // the loader's failure
        EXPECT_EQ(t.world->side[0], side);
        EXPECT_EQ(w->sideText(), label);
        if (!codes.empty())
            continue;
        press(w, "Starten");
        EXPECT_TRUE(t.dialogs.shown.size() == 2 && !t.program->mainWindow());
        EXPECT_TRUE(t.program->newGameWindow() == w && button(w, "Starten")->isEnabled());
        press(w, "Abbrechen");
        EXPECT_NE(t.program->optionsMenu(), nullptr);
    }
}

// "Gegner :" starts at the rule set's default, keeps each choice for that rule
// set, lists as many opponents as will play, and the game plays them so; the
// game names an opponent's character with him.
TEST(NewGame, TheOpponentsCharactersAreChosenKeptAndPlayed)
{
    TestProgram t;
    NewGameWindow* w = t.program->showNewGame();
    auto* combo = w->findChild<QComboBox*>("opponentCharacterChoice");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentText(), "Standard");  // Klassisch's default
    combo->setCurrentIndex(2), emit combo->activated(2);
    EXPECT_EQ(t.program->preferences().value("game/characters/klassisch"), "conqueror");
    EXPECT_EQ(t.program->preferences().characterChoice(RulesZuegig), CharacterChoice::mix());  // the other rules' own

    combo->setCurrentIndex(5), emit combo->activated(5);
    auto* each = w->findChild<QDialog*>("eachOpponentWindow");
    ASSERT_NE(each, nullptr);
    EXPECT_EQ(each->findChildren<QComboBox*>().size(), std::size_t(t.program->preferences().opponentCount()));
    each->findChild<QComboBox*>("opponent1Character")->setCurrentIndex(3);  // Zufällig, Standard, Eroberer, Wächter
    each->accept();
    EXPECT_EQ(t.program->preferences().value("game/characters/klassisch"), "guardian");
    EXPECT_EQ(combo->currentText(), "Wächter");

    press(w, "Starten");
    ASSERT_NE(t.program->mainWindow(), nullptr);
    const int egypt = t.world->side[1];
    EXPECT_EQ(characterOf(*t.world, egypt), CharacterGuardian);
    EXPECT_EQ(gametext::sideName(*t.world, egypt), "Ägypten (Wächter)");
    EXPECT_EQ(gametext::sideName(*t.world, t.world->side[0]), "Südafrika");
}

// A choice for each opponent written into stratagon.ini by hand (commas,
// no quotes) reads as written; an unknown one gives the rule set's default.
TEST(NewGame, CharactersWrittenByHandInThePreferencesRead)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("stratagon.ini");
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[game]\ncharacters\\zuegig=conqueror,random\ncharacters\\klassisch=Eroberer\n");
    file.close();
    Preferences preferences(ini);
    EXPECT_EQ(preferences.characterChoice(RulesZuegig).key(), "conqueror,random");
    EXPECT_EQ(preferences.characterChoice(RulesKlassisch), defaultCharacterChoice(RulesKlassisch));
}
