// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small helpers for the shell window tests: find controls by their text, press
// them, close windows by their frame and let closed windows go.

#include "TestSupport.h"

#include "generals/DeployWindow.h"
#include "mapview/MainWindow.h"
#include "shell/CountryPickWindow.h"
#include "shell/CreditsWindow.h"
#include "shell/NewGameWindow.h"
#include "shell/OptionsMenuWindow.h"
#include "shell/SettingsWindow.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <tuple>

namespace stratagon::test {

// Deletes windows that were closed and runs what is pending.
inline void settle()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The posted language events reach every window.
inline void deliverLanguageChange()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    settle();
}

// Runs the events for a while, so timers fire (a nested event loop would
// return at once once a test's program has quit).
inline void waitFor(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The button with this caption; with `at`, the one whose top left corner is there.
inline QAbstractButton* button(const QWidget* window, const QString& text, QPoint at = {-1, -1})
{
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->text() == text && (at.x() < 0 || b->pos() == at))
            return b;
    return nullptr;
}

// Where a control is: "OptionsMenuWindow/QPushButton#guideButton".
inline QString placeOf(const QWidget* w)
{
    QStringList parts;
    for (const QWidget* p = w; p; p = p->isWindow() ? nullptr : p->parentWidget()) {
        QString part = QString::fromLatin1(p->metaObject()->className()).remove(QStringLiteral("stratagon::"));
        if (!p->objectName().isEmpty())
            part += '#' + p->objectName();
        parts.prepend(part);
    }
    return parts.join('/');
}

// The side "Ändern" of the new-game window, the only one of its three that works.
inline QAbstractButton* sideChange(const QWidget* newGame) { return button(newGame, "Ändern", {248, 88}); }

inline bool hasLabel(const QWidget* window, const QString& text)
{
    for (QLabel* l : window->findChildren<QLabel*>())
        if (l->text() == text)
            return true;
    return false;
}

inline void press(QAbstractButton* b)
{
    ASSERT_NE(b, nullptr);
    b->click();
    settle();
}

inline void press(const QWidget* window, const QString& text) { press(window ? button(window, text) : nullptr); }

// The close box of the frame, delivered the way the window system does it.
inline void closeByFrame(QWidget* window)
{
    ASSERT_TRUE(window && window->isVisible() && window->windowHandle());
    QCloseEvent close;
    QApplication::sendEvent(window->windowHandle(), &close);
    settle();
}

// A key pressed and let go, as the keyboard sends it.
inline void key(QWidget* to, int k)
{
    const QString text = k == Qt::Key_Space ? QStringLiteral(" ") : QString();
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, k, Qt::NoModifier, text);
        QApplication::sendEvent(to, &event);
    }
    settle();
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeGameDat(const TestProgram& t, const QByteArray& bytes) { writeFile(t.path("game.dat"), bytes); }

// Countries "Land 1", "Land 2", ... with one-letter codes from `codes`. The map
// file goes, so the loader reports its failure and leaves these tables.
inline void handMadeMap(TestProgram& t, const std::string& codes)
{
    QFile::remove(t.path("cards/Afrika.mgi"));
    t.world->countryCount = static_cast<int>(codes.size());
    for (int i = 1; i <= t.world->countryCount; ++i) {
        t.world->countryName[i] = "Land " + std::to_string(i);
        t.world->countryCode[i] = codes.substr(i - 1, 1);
    }
}

// From the menu before a game, "Spiel starten", "Starten": the main window.
inline MainWindow* startGame(TestProgram& t)
{
    // Without the program's start nothing read game.dat: its shipped values.
    if (t.world->monthInterval == 0)
        t.world->monthInterval = 2500, t.world->aiDivisor = 16;
    press(t.program->optionsMenu(), "Spiel starten");
    press(t.program->newGameWindow(), "Starten");
    return t.program->mainWindow();
}

// A running game on a shipped map, the player on `side`, the clock at 1667 ms
// a month and the opponent at its calmest.
struct ShippedGame {
    explicit ShippedGame(int side = 1, const QString& map = QStringLiteral("Afrika"))
    {
        t.program->preferences().setMapName(map);
        std::tie(t.world->monthInterval, t.world->aiDivisor, t.world->side[0]) = std::tuple(1667, 256, side);
        main = t.program->showMainWindow();
    }
    ~ShippedGame() { settle(); }
    WorldState& w() { return *t.world; }
    // The map click's result on country `target`: the clock stopped, the window waiting.
    DeployWindow* openDeploy(int target) { return t.program->showDeploy(target); }
    // The first neighbour of the player's country.
    int neighbour() { return countryIndexByName(w(), w().neighbourName[w().side[0]][1]); }
    QString label(const char* name) const { return main->findChild<QLabel*>(name)->text(); }
    void pause() { main->findChild<QToolButton*>("pauseButton")->click(); }

    TestProgram t;
    MainWindow* main = nullptr;
};

// The choice window the new-game window has open, as a W; nullptr for none.
template <typename W>
W* pickWindow(const TestProgram& t)
{
    const NewGameWindow* newGame = t.program->newGameWindow();
    return newGame ? qobject_cast<W*>(newGame->pickWindow()) : nullptr;
}

// Whether an open modal window keeps the player from `window`: one that
// belongs to it (or to a window that belongs to it), or one of the whole
// program.
inline bool blocked(const QWidget* window)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == window || !w->isVisible() || w->windowModality() == Qt::NonModal)
            continue;
        if (w->windowModality() == Qt::ApplicationModal)
            return true;
        for (QWidget* owner = w->parentWidget(); owner; owner = owner->parentWidget())
            if (owner->window() == window)
                return true;
    }
    return false;
}

// Exactly the expected window is left to work with: no path may leave every
// window blocked, or two open to input.
inline void expectOnlyUsable(const QWidget* expected)
{
    settle();
    QStringList usable;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isEnabled() && !blocked(w) && w->metaObject()->className() != QByteArray("QWidget"))
            usable << QString(w->metaObject()->className()) + (w == expected ? "*" : "");
    EXPECT_TRUE(usable.size() == 1 && usable[0].endsWith('*')) << usable.join(", ").toStdString();
}

// The menu alone, in its form before a game.
inline void expectMenuBeforeGame(const TestProgram& t)
{
    const OptionsMenuWindow* menu = t.program->optionsMenu();
    expectOnlyUsable(menu);
    ASSERT_TRUE(menu && menu->isVisible() && !t.program->mainWindow() && !t.program->playing());
    EXPECT_TRUE(hasLabel(menu, "Spielstart") && button(menu, "Spiel starten") &&
                !button(menu, "Spiel abbrechen")->isEnabled());
}

}  // namespace stratagon::test
