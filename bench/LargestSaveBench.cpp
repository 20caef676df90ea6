// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a save of the largest size a save may have (64 MB), as the load
// window does it, in three shapes: the largest game a save can hold
// (5,000 years of records, 200 messages, every name as long as allowed)
// padded to the limit; a made-up file that stays just within every limit of
// the reader and so is built in full; and one that is refused by the first
// look. Memory: run one at a time under /usr/bin/time -v, e.g.
//   /usr/bin/time -v build/bench/stratagon_bench --benchmark_filter='BM_ReadLargestSave/1'

#include "BenchGame.h"
#include "storage/JsonFields.h"
#include "storage/SaveGame.h"
#include "storage/SaveList.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>

using namespace stratagon;

namespace {

const QString Bitmap = bench::afrikaPicture();

// A name of the longest length allowed, with a character outside Latin-1 so
// that Qt keeps it in two bytes a character.
std::string longName(const std::string& start)
{
    std::string name = start + " Ł";
    while (name.size() < 99)
        name += 'x';
    return name;
}

// Afrika with five opponents, every table full and every text as long as a
// save keeps it.
std::unique_ptr<WorldState> largestGame()
{
    SeededRandom random(1);
    auto w = bench::startedAfrika(random, 5);
    for (int i = 1; i <= w->countryCount; ++i) {
        w->generalCount[i] = MaxGenerals;
        for (int j = 1; j <= MaxGenerals; ++j) {
            w->generalName[i][j] = longName("General " + std::to_string(i) + "-" + std::to_string(j));
            w->generalEP[i][j] = 1000 + j;
        }
    }
    w->events.clear();
    for (int e = 0; e < MaxEvents; ++e) {
        Text text(MessagesContext, std::string(json::LongestMessage - 10, 'm') + " %1");
        for (int a = 0; a < 16; ++a)
            text.args.push_back(TextArg::plain(longName("Wert")));
        w->events.push_back({EventKind::BattleOpened, 2000, 1, text});
    }
    w->records.months.clear();
    for (int m = 0; m < LongestSavedMonths; ++m) {
        MonthSample sample{2000 + m / 12, uint8_t(m % 12 + 1), 10, {}};
        for (int s = 0; s < 6; ++s)
            sample.held[std::size_t(s)] = uint8_t(7 + s);
        w->records.months.push_back(sample);
    }
    return w;
}

// A document of a small game that carries, under a key the reader passes
// over, as much as the first look lets through: Qt builds all of it.
QByteArray withinEveryLimit()
{
    SeededRandom random(1);
    const auto w = bench::startedAfrika(random);
    QByteArray doc = saveDocument(*w, "Bench", QDateTime::currentDateTime(), fileSha256(Bitmap));
    doc.chop(2);  // "}\n"
    doc += ",\"extra\":[";
    // 190,000 lists of nine numbers and a text of 60 KB per 250.
    const QByteArray text = "\"\xC5\x81" + QByteArray(60 * 1024 - 4, 'x') + "\"";
    for (int k = 0; k < 190'000; ++k) {
        doc += k ? ",[0,1,2,3,4,5,6,7,8" : "[0,1,2,3,4,5,6,7,8";
        doc += k % 760 == 0 ? "," + text + "]" : QByteArray("]");
    }
    doc += "]}\n";
    return doc;
}

// The file for shape `shape`, padded with blanks to the largest size a save may have.
void writeSave(const QString& file, int shape)
{
    QByteArray doc;
    if (shape == 0)
        doc = saveDocument(*largestGame(), "Bench", QDateTime::currentDateTime(), fileSha256(Bitmap));
    else if (shape == 1)
        doc = withinEveryLimit();
    else
        doc = "{\"format\":\"stratagon-save\",\"version\":1,\"game\":{\"battleTicks\":[";
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return;
    out.write(doc);
    // Blanks after a document, or a list of numbers that never ends.
    const QByteArray fill = shape == 2 ? QByteArray("0,").repeated(1 << 19) : QByteArray(1 << 20, ' ');
    qint64 left = LargestSaveBytes - out.size();
    doc.clear();
    for (; left > 0; left -= fill.size())
        out.write(fill.left(qsizetype(std::min<qint64>(left, fill.size()))));
}

// The process's largest resident size so far, in MB.
double peakMB()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024;
}

// Counters: the file's size, whether it loaded, the process's peak before
// the first read (the program and the making of the file) and after.
void BM_ReadLargestSave(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("largest.json");
    writeSave(file, int(state.range(0)));
    const double before = peakMB();
    bool loaded = false;
    for (auto _ : state) {
        auto world = std::make_unique<WorldState>();
        loaded = readSaveFile(file, *world, [](const QString&) { return Bitmap; }).ok;
    }
    state.counters["loaded"] = loaded;
    state.counters["MB"] = double(QFile(file).size()) / (1024 * 1024);
    state.counters["peak_before_MB"] = before;
    state.counters["peak_MB"] = peakMB();
}
BENCHMARK(BM_ReadLargestSave)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
