// SPDX-License-Identifier: GPL-3.0-or-later
// Saving from the options menu, the load window, and the autosave.

#include "ShellTestSupport.h"
#include "platform/Paths.h"
#include "shell/LoadGameWindow.h"
#include "shell/SaveGames.h"
#include "session/GameText.h"
#include "storage/SaveGame.h"

#include <QTreeWidget>

using namespace stratagon;
using namespace stratagon::test;

namespace {

QString saveFile(const TestProgram& t, const QString& name) { return saveFilePath(t.path("saves"), name); }

std::unique_ptr<WorldState> readBack(const TestProgram& t, const QString& name)
{
    auto w = std::make_unique<WorldState>();
    const SaveReadResult r =
        readSaveFile(saveFile(t, name), *w, [&t](const QString& bitmap) { return t.path("cards/" + bitmap); });
    return r.ok ? std::move(w) : nullptr;
}

// From a running game to the options menu in its paused form.
OptionsMenuWindow* pause(TestProgram& t)
{
    press(t.program->mainWindow(), "Optionsmenü");
    return t.program->optionsMenu();
}

// Chooses the save of this name in the open load window and presses "Laden".
void loadFromWindow(TestProgram& t, const QString& name)
{
    LoadGameWindow* window = t.program->loadGameWindow();
    ASSERT_NE(window, nullptr);
    auto* list = window->findChild<QTreeWidget*>("saveList");
    const QList<QTreeWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    list->setCurrentItem(found[0]);
    press(window, "Laden");
}

}  // namespace

TEST(SaveLoad, MenuSavesUnderTheGivenNameAndAsksBeforeReplacing)
{
    TestProgram t;
    OptionsMenuWindow* menu = t.program->showOptionsMenu();
    // Saving needs a game; loading does not.
    EXPECT_TRUE(!button(menu, "Spiel speichern")->isEnabled() && button(menu, "Spiel laden")->isEnabled());

    MainWindow* main = startGame(t);
    for (int i = 0; i < 30; ++i)
        main->session().tick();
    menu = pause(t);
    ASSERT_TRUE(button(menu, "Spiel speichern")->isEnabled());
    t.dialogs.inputs = {"  Erster  "};
    press(menu, "Spiel speichern");
    const ShownMessage& asked = t.dialogs.shown.back();
    EXPECT_EQ(asked.kind, "input");
    EXPECT_EQ(asked.preset, QString("Südafrika, ") + gametext::date(t.world->month, t.world->year));
    ASSERT_NE(readBack(t, "Erster"), nullptr);
    const int firstYear = readBack(t, "Erster")->year;
    // The menu stays in its paused form over the stopped game.
    EXPECT_TRUE(menu->isVisible() && hasLabel(menu, "Spielpause") && !main->session().clockRunning());

    // The same name again: replaced only on "Ja".
    for (const bool replace : {false, true}) {
        t.world->year = replace ? 2077 : 2066;
        t.dialogs.inputs = {"Erster"};
        t.dialogs.answers = {replace};
        press(menu, "Spiel speichern");
        EXPECT_TRUE(t.dialogs.shown.back().text.startsWith("Es gibt schon einen Spielstand „Erster“."));
        EXPECT_EQ(readBack(t, "Erster")->year, replace ? 2077 : firstYear) << replace;
    }
}

TEST(SaveLoad, LoadOpensTheGamePausedAsItWasAndARefusedOneChangesNothing)
{
    TestProgram t;
    t.program->showOptionsMenu();
    MainWindow* main = startGame(t);
    for (int i = 0; i < 200; ++i)
        main->session().tick();
    // Side menu closed and the mode on "Info": so they come back.
    press(main, "Seitenmenü >");
    press(main, "Modus : Schlacht");
    t.dialogs.inputs = {"Stand"};
    press(pause(t), "Spiel speichern");
    WorldState saved = *t.world;
    // The player's own time stands still in the tests: a loaded game is the
    // game saved, to the millisecond.
    const auto sameGame = [&t](const WorldState& expected) { return *t.world == expected; };

    // Before a game: no question, the main window opens on the save, on
    // its own map whichever is chosen for new games.
    t.dialogs.answers = {true};  // "Willst du das laufende Spiel wirklich beenden?"
    closeByFrame(main);
    t.program->preferences().setMapName("Europa");
    press(t.program->optionsMenu(), "Spiel laden");
    const std::size_t asked = t.dialogs.shown.size();
    loadFromWindow(t, "Stand");
    EXPECT_EQ(t.dialogs.shown.size(), asked);
    main = t.program->mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(sameGame(saved));
    EXPECT_TRUE(hasLabel(main, "Spiel pausiert") && !main->session().clockRunning());
    EXPECT_TRUE(button(main, "Generäle")->isHidden() && button(main, "Modus : Info"));
    EXPECT_EQ(main->mapSurface().width(), QImage(t.path("cards/Afrika.bmp")).width());
    EXPECT_NE(QImage(t.path("cards/Europa.bmp")).size(), QImage(t.path("cards/Afrika.bmp")).size());
    EXPECT_EQ(t.program->optionsMenu(), nullptr);
    expectOnlyUsable(main);

    // During a paused game: a damaged save is refused and the game stays.
    for (int i = 0; i < 50; ++i)
        main->session().tick();
    QFile damaged(saveFile(t, "Kaputt"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("{\"format\":\"stratagon-save\",\"version\":1}");
    damaged.close();
    press(pause(t), "Spiel laden");
    const WorldState before = *t.world;
    t.dialogs.answers = {true};
    loadFromWindow(t, "Kaputt");
    EXPECT_TRUE(t.dialogs.shown.back().text.startsWith("Der Spielstand ist beschädigt"));
    EXPECT_TRUE(sameGame(before));
    ASSERT_NE(t.program->loadGameWindow(), nullptr);

    // Giving the paused game up for the good save.
    t.dialogs.answers = {true};
    loadFromWindow(t, "Stand");
    EXPECT_TRUE(t.dialogs.shown.back().text.startsWith("Willst du das laufende Spiel aufgeben"));
    EXPECT_TRUE(sameGame(saved));
    EXPECT_TRUE(t.program->mainWindow() == main && main->isEnabled() && hasLabel(main, "Spiel pausiert"));
    expectOnlyUsable(main);
}

// The autosave: on the close box during a game and at each new game year.
TEST(SaveLoad, AutosaveOnClosingTheGameAndEveryYear)
{
    const QString autosave = QString::fromUtf8(AutosaveName);
    for (const bool closing : {true, false}) {
        TestProgram t;
        t.program->showOptionsMenu();
        MainWindow* main = startGame(t);
        while (t.world->month != 12)
            main->session().tick();
        EXPECT_FALSE(QFile::exists(saveFile(t, autosave)));
        const int year = closing ? t.world->year : t.world->year + 1;
        t.dialogs.answers = {true};  // "Willst du das laufende Spiel wirklich beenden?"
        while (!closing && t.world->month == 12)
            main->session().tick();
        closing ? closeByFrame(main) : void();
        const auto kept = readBack(t, autosave);
        ASSERT_NE(kept, nullptr) << closing;
        EXPECT_EQ(kept->year, year) << closing;
    }
}

// A save brings its own clock and strength; the next new game goes back to
// the player's game.dat.
TEST(SaveLoad, ANewGameAfterALoadedOneUsesTheSettingsOfGameDat)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    const std::pair fromFile(t.world->monthInterval, t.world->aiDivisor);
    startGame(t);
    t.world->monthInterval = 416;
    t.world->aiDivisor = 1;
    t.dialogs.inputs = {"Fremd"};
    press(pause(t), "Spiel speichern");
    press(t.program->optionsMenu(), "Spiel laden");
    t.dialogs.answers = {true};
    loadFromWindow(t, "Fremd");
    EXPECT_EQ(std::pair(t.world->monthInterval, t.world->aiDivisor), std::pair(416, 1));

    t.dialogs.threeWay = {Answer::Yes};
    press(pause(t), "Spiel abbrechen");
    EXPECT_EQ(std::pair(t.world->monthInterval, t.world->aiDivisor), fromFile);
}
