// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading a game in the middle on the shipped map, as the menu
// does it: the document, the bitmap's checksum and the atomic write; the
// read with every check and the checksum again.

#include "BenchGame.h"
#include "ScriptedPlayer.h"
#include "simulation/Clock.h"
#include "simulation/Setup.h"
#include "storage/SaveGame.h"
#include "world/MapLoader.h"
#include "world/Settings.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace stratagon;

namespace {

const QString Bitmap = bench::afrikaPicture();

// Ten game years of the scripted player against the opponent, then on to a
// moment with battles running.
std::unique_ptr<WorldState> midGame()
{
    SeededRandom random(1);
    auto w = bench::startedAfrika(random);
    ScriptedPlayer player;
    for (int t = 0; w->playing && (t < 480 || w->battleCount == 0) && t < 4800; ++t) {
        player.act(*w);
        clockTick(*w, random);
    }
    return w;
}

QString locate(const QString&) { return Bitmap; }

void BM_SaveMidGame(benchmark::State& state)
{
    const auto world = midGame();
    QTemporaryDir dir;
    const QString file = dir.filePath("save.json");
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray doc = saveDocument(*world, "Bench", QDateTime::currentDateTime(), fileSha256(Bitmap));
        if (!writeSaveFile(file, doc).ok)
            state.SkipWithError("write failed");
        bytes = doc.size();
    }
    state.counters["bytes"] = double(bytes);
    state.counters["battles"] = world->battleCount;
    state.counters["year"] = world->year;
}
BENCHMARK(BM_SaveMidGame)->Unit(benchmark::kMillisecond);

void BM_LoadMidGame(benchmark::State& state)
{
    const auto world = midGame();
    QTemporaryDir dir;
    const QString file = dir.filePath("save.json");
    writeSaveFile(file, saveDocument(*world, "Bench", QDateTime::currentDateTime(), fileSha256(Bitmap)));
    auto loaded = std::make_unique<WorldState>();
    for (auto _ : state)
        if (!readSaveFile(file, *loaded, locate).ok)
            state.SkipWithError("load refused");
}
BENCHMARK(BM_LoadMidGame)->Unit(benchmark::kMillisecond);

}  // namespace
