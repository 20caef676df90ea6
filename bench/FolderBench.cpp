// SPDX-License-Identifier: GPL-3.0-or-later
// Opening "Spiel laden" over 10,000 saves and "Welche Karte ?" over 300 maps
// of the player's own, each the second time (from the index of the saves and
// the verdicts on the maps) and the first time (everything read and checked).

#include "BenchApp.h"
#include "platform/Dialogs.h"
#include "shell/LoadGameWindow.h"
#include "shell/MapCatalog.h"
#include "shell/MapPickWindow.h"
#include "shell/NewGameWindow.h"
#include "shell/Program.h"
#include "storage/SaveList.h"
#include "world/Random.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <memory>

using namespace stratagon;

namespace {

class SilentDialogs final : public Dialogs {
public:
    void message(QWidget*, const QString&, const QString&) override {}
    bool question(QWidget*, const QString&, const QString&) override { return false; }
    QString input(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

// A program in place in a fresh folder: the shipped maps beside it.
struct Setup {
    Setup()
    {
        const QDir cards(QStringLiteral(STRATAGON_ASSETS "/cards"));
        QDir(folder.path()).mkpath("cards");
        for (const QString& file : cards.entryList(QDir::Files))
            QFile::copy(cards.filePath(file), folder.filePath("cards/" + file));
        program = std::make_unique<Program>(world, random, dialogs, folder.path());
    }
    QTemporaryDir folder;
    WorldState world;
    SeededRandom random{1};
    SilentDialogs dialogs;
    std::unique_ptr<Program> program;
};

// 10,000 copies of a real save (15 KB each), written once.
Setup& withSaves()
{
    static Setup& setup = bench::keep(std::make_unique<Setup>());
    static bool made = false;
    if (!made) {
        const QByteArray save = readSaveBytes(QStringLiteral(STRATAGON_FIXTURES "/save-v1.json")).bytes;
        const QDir saves(setup.program->paths().savesFolder());
        QDir().mkpath(saves.path());
        for (int i = 0; i < 10000; ++i) {
            QFile f(saves.filePath(QStringLiteral("Spiel %1.json").arg(i, 5, 10, QLatin1Char('0'))));
            if (f.open(QIODevice::WriteOnly))
                f.write(save);
        }
        made = true;
    }
    return setup;
}

void BM_LoadWindow10000Saves(benchmark::State& state)
{
    Setup& s = withSaves();
    const QString index = s.program->paths().cacheFile(QStringLiteral("saves-index.json"));
    listSaves(s.program->paths().savesFolder(), index);  // the first opening made the index
    int rows = 0;
    for (auto _ : state) {
        LoadGameWindow* window = s.program->showLoadGame();
        rows = window->findChild<QTreeWidget*>("saveList")->topLevelItemCount();
        delete window;
    }
    state.counters["saves"] = rows;
}
BENCHMARK(BM_LoadWindow10000Saves)->Unit(benchmark::kMillisecond);

// The part of it without the window: the folder scanned against the index.
void BM_ListSaves10000FromIndex(benchmark::State& state)
{
    Setup& s = withSaves();
    const QString index = s.program->paths().cacheFile(QStringLiteral("saves-index.json"));
    listSaves(s.program->paths().savesFolder(), index);
    for (auto _ : state)
        benchmark::DoNotOptimize(listSaves(s.program->paths().savesFolder(), index));
}
BENCHMARK(BM_ListSaves10000FromIndex)->Unit(benchmark::kMillisecond);

// The first opening, or after the index is lost: every save read (on the
// window's worker thread).
void BM_ListSaves10000WithoutIndex(benchmark::State& state)
{
    Setup& s = withSaves();
    for (auto _ : state)
        benchmark::DoNotOptimize(listSaves(s.program->paths().savesFolder()));
}
BENCHMARK(BM_ListSaves10000WithoutIndex)->Unit(benchmark::kMillisecond)->Iterations(2);

// 300 maps of the player's, links to the shipped Amerika under other names.
Setup& withMaps()
{
    static Setup& setup = bench::keep(std::make_unique<Setup>());
    static bool made = false;
    if (!made) {
        const QDir cards(setup.folder.filePath("cards"));
        for (int i = 0; i < 300; ++i) {
            const QString name = QStringLiteral("Eigene %1").arg(i, 3, 10, QLatin1Char('0'));
            QFile::link(cards.filePath("Amerika.mgi"), cards.filePath(name + ".mgi"));
            QFile::link(cards.filePath("Amerika.bmp"), cards.filePath(name + ".bmp"));
        }
        made = true;
    }
    return setup;
}

void BM_MapWindow300Maps(benchmark::State& state)
{
    Setup& s = withMaps();
    listMaps(s.program->paths().mapFolders(), s.program->paths().cacheFile(QStringLiteral("map-verdicts.json")));
    int rows = 0;
    for (auto _ : state) {
        MapPickWindow window(s.program->paths(), QStringLiteral("Afrika"), nullptr);
        window.show();
        rows = window.mapList()->count();
        if (window.checking())
            state.SkipWithError("checked again");
    }
    state.counters["maps"] = rows;
}
BENCHMARK(BM_MapWindow300Maps)->Unit(benchmark::kMillisecond);

// The first opening: the window shows at once, the checks run behind it.
// This is the time of those checks together.
void BM_CheckMaps300WithoutCache(benchmark::State& state)
{
    Setup& s = withMaps();
    for (auto _ : state)
        benchmark::DoNotOptimize(listMaps(s.program->paths().mapFolders()));
}
BENCHMARK(BM_CheckMaps300WithoutCache)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
