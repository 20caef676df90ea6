// SPDX-License-Identifier: GPL-3.0-or-later
// Switching the language with a game on screen: the catalogs swapped and
// every open window, the main window with its panels and map, showing its
// texts anew and painted. Each iteration is one switch, German and English in turn.

#include "mapview/MainWindow.h"
#include "platform/Dialogs.h"
#include "shell/NewGameWindow.h"
#include "shell/Program.h"
#include "world/Random.h"
#include "world/WorldState.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace stratagon;

namespace {

class QuietDialogs final : public Dialogs {
public:
    void message(QWidget*, const QString&, const QString&) override {}
    bool question(QWidget*, const QString&, const QString&) override { return false; }
    QString input(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

void BM_LanguageSwitchWithGameOpen(benchmark::State& state)
{
    QTemporaryDir folder;
    QDirIterator files(QStringLiteral(STRATAGON_ASSETS), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString copy = folder.filePath(QDir(QStringLiteral(STRATAGON_ASSETS)).relativeFilePath(file));
        QDir().mkpath(QFileInfo(copy).absolutePath());
        QFile::copy(file, copy);
    }
    WorldState world;
    world.monthInterval = 2500;
    world.aiDivisor = 16;
    SeededRandom random{1};
    QuietDialogs dialogs;
    Program program(world, random, dialogs, folder.path());
    NewGameWindow* newGame = program.showNewGame();
    for (QPushButton* button : newGame->findChildren<QPushButton*>())
        if (button->text() == QLatin1String("Starten"))
            button->click();
    QApplication::processEvents();
    if (!program.mainWindow()) {
        state.SkipWithError("the game did not start");
        return;
    }
    bool english = false;
    for (auto _ : state) {
        english = !english;
        program.useLanguage(english ? QStringLiteral("en") : QStringLiteral("de"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        // The windows painted anew, as the player sees the switch.
        QApplication::processEvents();
    }
    program.useLanguage(QStringLiteral("de"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}
BENCHMARK(BM_LanguageSwitchWithGameOpen)->Unit(benchmark::kMillisecond);

}  // namespace
