// SPDX-License-Identifier: GPL-3.0-or-later
// The game without a mouse and through a screen reader: a whole first game
// by keys alone, the accessibility tree of every window, the text size.

#include "ShellTestSupport.h"

#include <QScrollArea>

#include "generals/DeployWindow.h"
#include "generals/GeneralListWindow.h"
#include "generals/RanksWindow.h"
#include "shell/HelpWindow.h"
#include "shell/LoadGameWindow.h"
#include "shell/ReportWindow.h"
#include "mapview/Announcer.h"
#include "mapview/MapFocus.h"
#include "mapview/MapView.h"
#include "platform/KeyboardAccess.h"
#include "session/GameSession.h"
#include "session/GameText.h"
#include "simulation/PlayerActions.h"
#include "world/MapNavigation.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QScrollBar>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// A key to whatever has the keyboard, as the window system delivers it.
void key(Qt::Key k)
{
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr) << "nothing has the keyboard";
    QTest::keyClick(target, k);
    settle();
}

QString focusText()
{
    auto* b = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    return b ? b->text() : QString();
}

// Controls a screen reader would land on without a name to say, below iface.
void collectUnnamed(QAccessibleInterface* iface, QStringList& unnamed, int depth = 0)
{
    if (!iface || depth > 30)
        return;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child || child->state().invisible)
            continue;
        const QAccessible::Role role = child->role();
        const bool control = child->state().focusable || role == QAccessible::Button || role == QAccessible::Slider ||
                             role == QAccessible::ComboBox || role == QAccessible::SpinBox || role == QAccessible::List;
        const bool item = role == QAccessible::ListItem || role == QAccessible::Row || role == QAccessible::Cell ||
                          role == QAccessible::ColumnHeader || role == QAccessible::RowHeader;
        if (control && !item && child->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 (%2)").arg(child->object() ? child->object()->metaObject()->className() : "?",
                                                     child->object() ? child->object()->objectName() : QString());
        if (role != QAccessible::List)  // the map's and the lists' entries are named by their texts
            collectUnnamed(child, unnamed, depth + 1);
    }
}

// Controls whose name a screen reader takes from their value (a combo box
// says its entry, a slider nothing): they need a label that names them.
void collectUnlabelled(QWidget* window, QStringList& unlabelled)
{
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || qobject_cast<QScrollBar*>(w) ||
            !(qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSlider*>(w) ||
                                         qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QLineEdit*>(w)))
            continue;
        if (qobject_cast<QAbstractSpinBox*>(w->parentWidget()) || qobject_cast<QComboBox*>(w->parentWidget()))
            continue;  // the line inside a spin or combo box
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        if (iface && iface->relations(QAccessible::Label).isEmpty() && w->accessibleName().isEmpty())
            unlabelled << QStringLiteral("%1 (%2)").arg(w->metaObject()->className(), w->objectName());
    }
}

// What a screen reader cannot say of a window: controls without a name or
// without a label, and no description of what the window is about.
QStringList unnamedControls(QWidget* window)
{
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
    collectUnlabelled(window, unnamed);
    // The game's own window is no dialog: the map and F6 say what it holds.
    if (!qobject_cast<MainWindow*>(window) && window->accessibleDescription().isEmpty())
        unnamed << QStringLiteral("%1 without a description").arg(window->metaObject()->className());
    return unnamed;
}

}  // namespace

TEST(Keyboard, FromTheMenuToAnAttackAPauseAndASaveByKeysAlone)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    waitFor(150);
    EXPECT_EQ(focusText(), "Spiel starten");
    key(Qt::Key_Return);
    ASSERT_TRUE(t.program->newGameWindow());
    EXPECT_EQ(focusText(), "Starten");
    key(Qt::Key_Space);
    MainWindow* main = t.program->mainWindow();
    ASSERT_TRUE(main && t.program->playing());

    // The map has the keys, standing on the home country.
    const WorldState& w = *t.world;
    EXPECT_EQ(QApplication::focusWidget(), main->mapView());
    EXPECT_EQ(main->mapFocus()->country(), w.side[0]);

    // An arrow to a neighbour that may be attacked, Return, and the best
    // general goes from the list that has the keys.
    int heading = -1;
    for (int h = 0; h < 4 && heading < 0; ++h)
        if (const int n = neighbourToward(w, w.side[0], Heading(h)); attackableCode(w, w.countryCode[n]))
            heading = h;
    ASSERT_GE(heading, 0);
    const int target = neighbourToward(w, w.side[0], Heading(heading));
    const Qt::Key arrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    key(arrows[heading]);
    EXPECT_EQ(main->mapFocus()->country(), target);
    key(Qt::Key_Return);
    DeployWindow* deploy = t.program->deployWindow();
    ASSERT_TRUE(deploy && deploy->isVisible());
    auto* list = deploy->findChild<QListWidget*>("generalList");
    EXPECT_EQ(QApplication::focusWidget(), list);
    EXPECT_FALSE(list->selectedItems().isEmpty());
    key(Qt::Key_Return);
    ASSERT_EQ(w.battleCount, 1);
    EXPECT_TRUE(w.battles[1].country == target && w.battles[1].attacker == w.side[0]);
    EXPECT_EQ(main->announcer()->lastAnnouncement(), gametext::render(w.events.back().text));

    // Back on the map: Space pauses; Escape brings the menu, Tab goes to
    // "Spiel speichern", Return saves under the name the player types.
    EXPECT_EQ(QApplication::focusWidget(), main->mapView());
    key(Qt::Key_Space);
    EXPECT_TRUE(main->session().paused());
    key(Qt::Key_Escape);
    ASSERT_TRUE(t.program->optionsMenu());
    EXPECT_EQ(focusText(), "Zurück zum Spiel");
    for (int i = 0; i < 8 && focusText() != "Spiel speichern"; ++i)
        key(Qt::Key_Tab);
    ASSERT_EQ(focusText(), "Spiel speichern");
    t.dialogs.inputs = {"Tastatur"};
    key(Qt::Key_Return);
    EXPECT_FALSE(QDir(t.program->paths().savesFolder()).entryList({"Tastatur*"}).isEmpty());

    // Back to the game: the map has the keys again.
    for (int i = 0; i < 8 && focusText() != "Zurück zum Spiel"; ++i)
        key(Qt::Key_Backtab);
    key(Qt::Key_Return);
    EXPECT_TRUE(!t.program->optionsMenu() && QApplication::focusWidget() == main->mapView());
}

TEST(Keyboard, EscapeLeavesWindowsAndTheDeploymentCancels)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    MainWindow* main = startGame(t);
    ASSERT_TRUE(main);
    const WorldState& w = *t.world;
    main->mapFocus()->takeKeys(w.side[0]);
    settle();

    // F2 opens the roster with the list in hand; Escape closes it ("Ende").
    key(Qt::Key_F2);
    ASSERT_TRUE(t.program->generalListWindow());
    key(Qt::Key_Escape);
    EXPECT_FALSE(t.program->generalListWindow());
    main->activateWindow();  // what the window manager does once the roster is gone
    settle();

    // Return on "Abbrechen" cancels the deployment instead of attacking.
    for (const int n : neighboursOf(w, w.side[0]))
        if (attackableCode(w, w.countryCode[n])) {
            main->mapFocus()->moveTo(n);
            break;
        }
    key(Qt::Key_Return);
    ASSERT_TRUE(t.program->deployWindow());
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    ASSERT_EQ(focusText(), "Abbrechen");
    key(Qt::Key_Return);
    settle();
    EXPECT_TRUE(!t.program->deployWindow() && w.battleCount == 0);

    // Letters jump by name; F5 changes the mode.
    key(Qt::Key_F5);
    EXPECT_FALSE(t.program->session().view().battleMode);
    const int first = countryByPrefix(w, "M", 0, true);
    key(Qt::Key_M);
    EXPECT_EQ(main->mapFocus()->country(), countryByPrefix(w, "M", main->mapFocus()->country(), true));
    EXPECT_NE(first, 0);
}

TEST(Accessibility, TheMapHasItsCountriesAndNoWindowHasAnUnnamedControl)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    EXPECT_EQ(unnamedControls(t.program->optionsMenu()), QStringList());
    MainWindow* main = startGame(t);
    ASSERT_TRUE(main);
    const WorldState& w = *t.world;
    ASSERT_EQ(w.countryCount, 55);

    QAccessibleInterface* map = QAccessible::queryAccessibleInterface(main->mapView());
    ASSERT_TRUE(map);
    EXPECT_EQ(map->text(QAccessible::Name), "Landkarte");
    ASSERT_EQ(map->childCount(), 55);
    for (int i = 0; i < 55; ++i) {
        QAccessibleInterface* country = map->child(i);
        ASSERT_TRUE(country);
        EXPECT_EQ(country->text(QAccessible::Name).toStdString(), w.countryName[i + 1]);
        EXPECT_EQ(country->parent(), map);
        EXPECT_EQ(map->indexOfChild(country), i);
    }
    // The home country is the focus; a neighbour to attack tells the chance.
    main->mapFocus()->takeKeys(w.side[0]);
    ASSERT_TRUE(map->focusChild());
    EXPECT_EQ(map->focusChild()->text(QAccessible::Name).toStdString(), w.countryName[w.side[0]]);
    EXPECT_EQ(map->focusChild()->text(QAccessible::Description), "dein Land");
    for (const int n : neighboursOf(w, w.side[0])) {
        if (attackableCode(w, w.countryCode[n])) {
            EXPECT_TRUE(map->child(n - 1)->text(QAccessible::Description).contains("Siegchance")) << n;
        }
    }
    EXPECT_EQ(unnamedControls(main), QStringList());

    // Every other window the game opens.
    std::vector<QWidget*> windows{t.program->showGeneralList(), t.program->showRanks(), t.program->showReport(),
                                  t.program->showHelp()};
    for (const int n : neighboursOf(w, w.side[0]))
        if (attackableCode(w, w.countryCode[n])) {
            windows.push_back(t.program->showDeploy(n));
            break;
        }
    // Closed last first: a window goes with the one it belongs to (the ranks with the roster).
    for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
        ASSERT_TRUE(*window);
        EXPECT_EQ(unnamedControls(*window), QStringList()) << (*window)->metaObject()->className();
        (*window)->close();
        settle();
    }
    main->close();
    settle();
    for (QWidget* window : std::initializer_list<QWidget*>{t.program->showSettings(), t.program->showCredits(),
                                                           t.program->showNewGame(), t.program->showLoadGame()}) {
        ASSERT_TRUE(window);
        EXPECT_EQ(unnamedControls(window), QStringList()) << window->metaObject()->className();
        window->close();
        settle();
    }
}

TEST(TextSize, KeptInThePreferencesAndGrowsTheFixedWindowsWithTheirText)
{
    TestProgram t;
    ASSERT_TRUE(t.program->start());
    SettingsWindow* settings = t.program->showSettings();
    ASSERT_TRUE(settings);
    const QSize before = settings->findChild<QScrollArea*>()->widget()->size();
    const qreal pointsBefore = settings->font().pointSizeF();
    settings->textSizeChoice()->setValue(150);
    press(settings, "OK");
    EXPECT_EQ(t.program->preferences().textSizePercent(), 150);
    EXPECT_EQ(textSizePercent(), 150);

    settings = t.program->showSettings();
    ASSERT_TRUE(settings);
    settle();
    EXPECT_EQ(settings->textSizeChoice()->value(), 150);
    EXPECT_NEAR(settings->font().pointSizeF(), pointsBefore * 1.5, 0.01);
    EXPECT_EQ(settings->findChild<QScrollArea*>()->widget()->size(), before * 1.5);
    settings->textSizeChoice()->setValue(100);
    press(settings, "OK");
    EXPECT_EQ(textSizePercent(), 100);
}
