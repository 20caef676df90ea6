// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellTestSupport.h"

#include "generals/GeneralListWindow.h"
#include "platform/Language.h"
#include "shell/LanguageChoice.h"
#include "shell/LoadGameWindow.h"
#include "shell/ReportWindow.h"
#include "shell/SaveGames.h"
#include "storage/Preferences.h"
#include "storage/SaveGame.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace stratagon::test {
namespace {

QString translated(const char* context, const char* text, int n = -1)
{
    return QCoreApplication::translate(context, text, nullptr, n);
}

}  // namespace

TEST(Language, FollowsTheSystemUntilThePlayerChooses)
{
    EXPECT_EQ(systemLanguage(QLocale(QLocale::German, QLocale::Austria)), "de");
    EXPECT_EQ(systemLanguage(QLocale::c()), "de");
    EXPECT_EQ(systemLanguage(QLocale(QLocale::English, QLocale::UnitedStates)), "en");
    EXPECT_EQ(systemLanguage(QLocale(QLocale::French, QLocale::France)), "en");

    QTemporaryDir folder;
    Preferences preferences(folder.filePath("stratagon.ini"));
    EXPECT_EQ(chosenLanguage(preferences), systemLanguage());
    preferences.setValue(LanguageKey, "en");
    EXPECT_EQ(chosenLanguage(preferences), "en");
    preferences.setValue(LanguageKey, "de");
    EXPECT_EQ(chosenLanguage(preferences), "de");
    preferences.setValue(LanguageKey, "fr");  // none of ours: the system decides
    EXPECT_EQ(chosenLanguage(preferences), systemLanguage());
}

TEST(Language, CatalogsTranslateTextsAndPluralsBothWays)
{
    Translations translations;
    translations.use("en");
    EXPECT_EQ(currentLanguage(), "en");
    EXPECT_EQ(translated("stratagon::NewGameWindow", "Neues Spiel"), "New game");
    EXPECT_EQ(translated("Dialogs", "Ja"), "Yes");
    EXPECT_EQ(translated("stratagon::ReportWindow", "%n Monate", 1), "1 month");
    EXPECT_EQ(translated("stratagon::ReportWindow", "%n Monate", 7), "7 months");

    // Back in German the sources stand, and the plurals come out right.
    ASSERT_TRUE(translations.use("de"));
    EXPECT_EQ(translated("stratagon::NewGameWindow", "Neues Spiel"), "Neues Spiel");
    EXPECT_EQ(translated("stratagon::ReportWindow", "%n Monate", 1), "1 Monat");
    EXPECT_EQ(translated("stratagon::ReportWindow", "%n Jahre, ", 2), "2 Jahre, ");
    EXPECT_EQ(translated("stratagon::OpponentPickWindow", "%n Gegner", 1), "1 Gegner");

    // A language without catalogs says so and leaves the German texts.
    EXPECT_FALSE(translations.use("xx"));
    EXPECT_EQ(translated("stratagon::NewGameWindow", "Neues Spiel"), "Neues Spiel");
}

// Qt's own dialogs (the file dialog's question before replacing a picture)
// speak the game's language, from Debian's catalogs of Qt's texts.
TEST(Language, QtsOwnTextsFollowTheGamesLanguage)
{
    Translations translations;
    translations.use("de");
    EXPECT_EQ(translated("QFileDialog", "%1 already exists.\nDo you want to replace it?"),
              "Die Datei %1 existiert bereits.\nSoll sie überschrieben werden?");
    EXPECT_EQ(translated("QPlatformTheme", "Cancel"), "Abbrechen");
}

TEST(Language, SettingsChoiceShowsAtOnceAndIsKeptOnlyWithOK)
{
    TestProgram t;
    writeGameDat(t, " 416 \r\n 256 \r\n");
    ASSERT_TRUE(t.program->start());
    press(t.program->optionsMenu(), "Optionen");
    SettingsWindow* w = t.program->settingsWindow();
    ASSERT_TRUE(w);
    QComboBox* choice = w->languageChoice()->choice();
    EXPECT_EQ(choice->currentText(), "Deutsch");
    EXPECT_TRUE(hasLabel(w, "Sprache :"));

    choice->setCurrentIndex(1);
    deliverLanguageChange();
    EXPECT_EQ(t.program->language(), "en");
    EXPECT_TRUE(hasLabel(w, "Language:"));
    EXPECT_EQ(choice->currentText(), "English");  // each under its own name
    // Left by the frame: the language it began with, nothing kept.
    closeByFrame(w);
    deliverLanguageChange();
    EXPECT_EQ(t.program->language(), "de");
    EXPECT_EQ(t.program->preferences().value(LanguageKey), "");

    press(t.program->optionsMenu(), "Optionen");
    w = t.program->settingsWindow();
    w->languageChoice()->choice()->setCurrentIndex(1);
    press(w, "OK");
    deliverLanguageChange();
    EXPECT_EQ(t.program->language(), "en");
    EXPECT_EQ(t.program->preferences().value(LanguageKey), "en");
    EXPECT_EQ(chosenLanguage(t.program->preferences()), "en");
    t.program->useLanguage("de");
}

TEST(Language, OpenGameWindowsRetranslateTheirTextsAndData)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    MainWindow* main = startGame(t);
    ASSERT_TRUE(main);
    GeneralListWindow* roster = t.program->showGeneralList();
    ASSERT_TRUE(roster);
    ASSERT_GT(roster->list()->topLevelItemCount(), 0);
    ReportWindow* report = t.program->showReport();
    ASSERT_TRUE(report);
    EXPECT_EQ(roster->windowTitle(), "Generalliste");

    t.program->useLanguage("en");
    deliverLanguageChange();
    EXPECT_EQ(roster->windowTitle(), "List of generals");
    EXPECT_EQ(roster->list()->headerItem()->text(0), "Generals");
    EXPECT_TRUE(button(roster, "Dismiss general"));
    EXPECT_EQ(report->windowTitle(), "Game summary");
    EXPECT_TRUE(hasLabel(report, "Length of game:"));
    EXPECT_TRUE(hasLabel(main, "No battles") || hasLabel(main, "Battles: 1"));
    EXPECT_TRUE(button(main, "Options menu") && button(main, "Generals"));
    EXPECT_TRUE(hasLabel(main, "Game running"));

    t.program->useLanguage("de");
    deliverLanguageChange();
    EXPECT_EQ(roster->windowTitle(), "Generalliste");
    EXPECT_TRUE(button(roster, "General  löschen"));
    EXPECT_TRUE(hasLabel(report, "Spieldauer :"));
    EXPECT_TRUE(button(main, "Optionsmenü") && hasLabel(main, "Spiel läuft"));
}

// The load window names the autosave and the game dates in the language
// shown; the autosave's file keeps the name that finds it again.
TEST(Language, TheSaveListFollowsTheLanguageAndTheAutosaveKeepsItsFile)
{
    TestProgram t;
    t.program->showOptionsMenu();
    MainWindow* main = startGame(t);
    ASSERT_TRUE(main);
    t.world->month = 3, t.world->year = 2003;
    saveAutomatically(t.saves(), main);
    press(main, "Optionsmenü");
    press(t.program->optionsMenu(), "Spiel laden");
    LoadGameWindow* window = t.program->loadGameWindow();
    ASSERT_TRUE(window);
    auto* list = window->findChild<QTreeWidget*>("saveList");
    const auto first = [list] {
        const QTreeWidgetItem* item = list->topLevelItem(0);
        return item ? item->text(0) + "|" + item->text(2) + "|" + item->text(3) : QString();
    };
    EXPECT_EQ(first(), "Automatisch gespeichert|März 2003|Afrika");

    t.program->useLanguage("en");
    deliverLanguageChange();
    EXPECT_EQ(first(), "Saved automatically|March 2003|Africa");
    EXPECT_TRUE(QFile::exists(saveFilePath(t.path("saves"), QString::fromUtf8(AutosaveName))));
    t.program->useLanguage("de");
    deliverLanguageChange();
    EXPECT_EQ(first(), "Automatisch gespeichert|März 2003|Afrika");
}

}  // namespace stratagon::test
