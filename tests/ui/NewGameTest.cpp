#include "ShellTestSupport.h"
#include "TestSupport.h"

#include "mapview/MainWindow.h"
#include "shell/CountryPickWindow.h"
#include "shell/NewGameWindow.h"
#include "shell/OptionsMenuWindow.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QElapsedTimer>
#include <QRadioButton>
#include <functional>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// Without a map file the loader leaves the tables as the test set them.
void withoutMapFile(TestProgram& t)
{
    QFile::remove(t.path(QStringLiteral("cards/Afrika.mgi")));
}

void setCountry(WorldState& w, int i, const char* name, const char* code)
{
    w.countryName[i] = name;
    w.countryCode[i] = code;
}

// Counts the paints of one widget and looks around at the first one.
class PaintWatch : public QObject {
public:
    int paints = 0;
    std::function<void()> atFirstPaint;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && ++paints == 1 && atFirstPaint)
            atFirstPaint();
        return false;
    }
};

}  // namespace

TEST(NewGame, OpensOnTheShippedMapWithItsCountryPreselected)
{
    TestProgram t;
    NewGameWindow* w = t.program->showNewGame();
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Neues Spiel"));
    EXPECT_EQ(w->size(), QSize(312, 215));

    const WorldState& world = *t.world;
    ASSERT_GT(world.countryCount, 0);
    const int side = world.side[0];
    ASSERT_TRUE(validCountry(world, side));
    EXPECT_EQ(world.countryCode[side], world.defaultSideCode);
    EXPECT_EQ(w->sideText(), QString::fromStdString(world.countryName[side]));
    EXPECT_EQ(w->sideText(), QStringLiteral("Südafrika"));

    // The fixed parts of the window and their states.
    auto* worldOption = qobject_cast<QRadioButton*>(button(w, QStringLiteral("Weltherrschaft")));
    auto* simpleOption = qobject_cast<QRadioButton*>(button(w, QStringLiteral("einfaches Spiel")));
    ASSERT_TRUE(worldOption && simpleOption);
    EXPECT_FALSE(worldOption->isEnabled());
    EXPECT_FALSE(worldOption->isChecked());
    EXPECT_TRUE(simpleOption->isChecked());

    // Of the three "Ändern" only the side's works.
    int enabledChange = 0;
    for (QAbstractButton* b : buttons(w, QStringLiteral("Ändern")))
        enabledChange += b->isEnabled() ? 1 : 0;
    EXPECT_EQ(enabledChange, 1);
    EXPECT_NE(sideChangeButton(w), nullptr);
    auto* box = w->findChild<QGroupBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(hasLabel(box, QStringLiteral("Afrika")));
    EXPECT_TRUE(hasLabel(box, QStringLiteral(".mgi")));
    ASSERT_NE(labelAt(w, {224, 160}), nullptr);
    EXPECT_EQ(labelAt(w, {224, 160})->text(), QString());
    EXPECT_EQ(w->progress(), 0);
}

TEST(NewGame, PreselectionScansIndicesZeroTo99AndTheLastMatchWins)
{
    TestProgram t;
    withoutMapFile(t);
    WorldState& w = *t.world;
    w.countryCount = 3;
    w.defaultSideCode = "Z";
    setCountry(w, 1, "Erstes", "Z");
    setCountry(w, 2, "Zweites", "Y");
    setCountry(w, 3, "Drittes", "Z");
    setCountry(w, 100, "Hundert", "Z");  // beyond the scan
    NewGameWindow* window = t.program->showNewGame();

    // The loader's failure goes to a box; the window carries on.
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].kind, "message");
    EXPECT_FALSE(t.dialogs.shown[0].text.isEmpty());
    EXPECT_EQ(w.side[0], 3);
    EXPECT_EQ(window->sideText(), QStringLiteral("Drittes"));
}

TEST(NewGame, WithoutAMatchTheSideAndLabelStay)
{
    TestProgram t;
    withoutMapFile(t);
    WorldState& w = *t.world;
    w.countryCount = 2;
    w.side[0] = 2;
    w.defaultSideCode = "Q";
    setCountry(w, 1, "Erstes", "A");
    setCountry(w, 2, "Zweites", "B");
    setCountry(w, 100, "Hundert", "Q");
    NewGameWindow* window = t.program->showNewGame();
    EXPECT_EQ(w.side[0], 2);
    EXPECT_EQ(window->sideText(), QStringLiteral("Südafrika"));

    // An empty code names no country: the empty codes of unused entries do not match.
    TestProgram u;
    withoutMapFile(u);
    u.world->countryCount = 1;
    u.world->side[0] = 1;
    setCountry(*u.world, 1, "Erstes", "A");
    EXPECT_EQ(u.program->showNewGame()->sideText(), QStringLiteral("Südafrika"));
    EXPECT_EQ(u.world->side[0], 1);
}

TEST(NewGame, StartenRunsTheBarPaintedStepByStepThenTheMainWindow)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    press(button(t.program->optionsMenu(), QStringLiteral("Spiel starten")));
    NewGameWindow* w = t.program->newGameWindow();
    ASSERT_NE(w, nullptr);
    const int side = t.world->side[0];

    auto* progressBox = w->findChild<QWidget*>(QStringLiteral("progressBox"));
    ASSERT_NE(progressBox, nullptr);
    EXPECT_EQ(progressBox->geometry(), QRect(8, 192, 297, 17));
    QLabel* status = labelAt(w, {224, 160});
    ASSERT_NE(status, nullptr);
    QString statusSeen;
    bool controlsOffDuringBar = false;
    PaintWatch watch;
    watch.atFirstPaint = [&] {
        statusSeen = status->text();
        controlsOffDuringBar = !button(w, QStringLiteral("Starten"))->isEnabled() &&
                               !button(w, QStringLiteral("Abbrechen"))->isEnabled() &&
                               !button(w, QStringLiteral("einfaches Spiel"))->isEnabled() &&
                               !sideChangeButton(w);
    };
    progressBox->installEventFilter(&watch);

    settle();
    QElapsedTimer clock;
    clock.start();
    button(w, QStringLiteral("Starten"))->click();
    EXPECT_GE(clock.elapsed(), 200);
    EXPECT_GE(watch.paints, 100);
    EXPECT_EQ(statusSeen, QStringLiteral("Lade..."));
    EXPECT_TRUE(controlsOffDuringBar);
    EXPECT_EQ(w->progress(), 100);
    EXPECT_EQ(status->font().pointSize(), 12);
    EXPECT_TRUE(status->font().bold());
    progressBox->removeEventFilter(&watch);
    settle();

    EXPECT_EQ(t.program->newGameWindow(), nullptr);
    ASSERT_NE(t.program->mainWindow(), nullptr);
    EXPECT_TRUE(t.program->playing());
    EXPECT_EQ(t.world->side[0], side);
    EXPECT_EQ(t.world->year, 2000);
    EXPECT_EQ(t.world->monthName, "Januar");
}

TEST(NewGame, FullBarFillsTheInnerWidthInDarkBlue)
{
    TestProgram t;
    NewGameWindow* w = t.program->showNewGame();
    auto* progressBox = w->findChild<QWidget*>(QStringLiteral("progressBox"));
    ASSERT_NE(progressBox, nullptr);
    w->drawProgress(50);
    QImage half = progressBox->grab().toImage();
    EXPECT_EQ(half.pixelColor(10, 8), QColor(0, 0, 128));
    EXPECT_NE(half.pixelColor(280, 8), QColor(0, 0, 128));
    w->drawProgress(100);
    QImage full = progressBox->grab().toImage();
    EXPECT_EQ(full.pixelColor(280, 8), QColor(0, 0, 128));
}

TEST(NewGame, StartenRefusesAMapWithoutCountries)
{
    TestProgram t;
    withoutMapFile(t);
    NewGameWindow* w = t.program->showNewGame();
    t.dialogs.shown.clear();
    press(button(w, QStringLiteral("Starten")));
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].kind, "message");
    EXPECT_EQ(t.program->mainWindow(), nullptr);
    ASSERT_EQ(t.program->newGameWindow(), w);
    EXPECT_TRUE(button(w, QStringLiteral("Starten"))->isEnabled());
    EXPECT_TRUE(button(w, QStringLiteral("Abbrechen"))->isEnabled());
    EXPECT_EQ(w->progress(), 0);

    // The way back to the menu stays open.
    press(button(w, QStringLiteral("Abbrechen")));
    EXPECT_NE(t.program->optionsMenu(), nullptr);
}

TEST(NewGame, AbbrechenAndTheFrameReturnToTheMenuBeforeAGame)
{
    for (const bool byFrame : {false, true}) {
        SCOPED_TRACE(byFrame ? "frame" : "button");
        TestProgram t;
        ASSERT_TRUE(t.program->start());
        press(button(t.program->optionsMenu(), QStringLiteral("Spiel starten")));
        NewGameWindow* w = t.program->newGameWindow();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(t.program->optionsMenu(), nullptr);
        if (byFrame) {
            w->close();
            settle();
        } else {
            press(button(w, QStringLiteral("Abbrechen")));
        }
        EXPECT_EQ(t.program->newGameWindow(), nullptr);
        OptionsMenuWindow* menu = t.program->optionsMenu();
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->isVisible());
        EXPECT_NE(button(menu, QStringLiteral("Spiel starten")), nullptr);
        EXPECT_FALSE(button(menu, QStringLiteral("Spiel abbrechen"))->isEnabled());
        EXPECT_EQ(t.program->mainWindow(), nullptr);
    }
}

TEST(NewGame, SideChangeWaitsForTheCountryChoice)
{
    TestProgram t;
    NewGameWindow* w = t.program->showNewGame();
    const int side = t.world->side[0];
    press(sideChangeButton(w));
    EXPECT_FALSE(w->isEnabled());
    ASSERT_NE(t.program->countryPickWindow(), nullptr);

    // The new-game window closing takes the choice with it.
    w->close();
    settle();
    EXPECT_EQ(t.program->countryPickWindow(), nullptr);
    EXPECT_EQ(t.world->side[0], side);
}
