// SPDX-License-Identifier: GPL-3.0-or-later
// What a sound costs the tick: choosing the cue from a busy report, and the
// call that plays it on the real player of the shipped effects.

#include "BenchSound.h"

#include "BenchApp.h"

#include "simulation/SoundCue.h"
#include "world/WorldState.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace stratagon::bench {

EffectPlayer& shippedEffects()
{
    static EffectPlayer& player = keep([] {
        std::array<QString, SoundCueCount> files;
        for (int i = 1; i < SoundCueCount; ++i)
            files[std::size_t(i)] =
                QStringLiteral(STRATAGON_ASSETS "/sounds/") + SoundPlayer::fileName(static_cast<SoundCue>(i));
        auto made = std::make_unique<EffectPlayer>(files);
        // The effects load in the background: wait for them, as a game does
        // long before its first battle.
        QElapsedTimer clock;
        clock.start();
        while (!made->ready() || (made->hasOutput() && clock.elapsed() < 2000))
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return made;
    }());
    return player;
}

std::string outputLabel() { return shippedEffects().hasOutput() ? "audio output" : "no audio output"; }

}  // namespace stratagon::bench

using namespace stratagon;

namespace {

// A tick with much news for the player: 30 battles opened against him and
// ended, 40 promotions.
void BM_SoundCueOfABusyTick(benchmark::State& state)
{
    auto w = std::make_unique<WorldState>();
    w->side[0] = 1;
    TickReport report;
    for (int k = 0; k < 30; ++k) {
        report.happenings.push_back(Happening::opened({k + 2, 2, 1, 1, 1, "A", "B", 0, 0}));
        report.happenings.push_back(Happening::ended({k + 2, 1, 2, 1, 1, "A", "B", 1, 2}));
    }
    for (int k = 0; k < 40; ++k)
        report.happenings.push_back(Happening::promoted({1, k + 1, 0, 100000, "C"}));
    for (auto _ : state)
        benchmark::DoNotOptimize(soundCueFor(*w, report));
}
BENCHMARK(BM_SoundCueOfABusyTick);

// The play call on the tick's thread, each of the nine effects in turn; the
// sound thread plays them meanwhile.
void BM_SoundPlayCall(benchmark::State& state)
{
    EffectPlayer& player = bench::shippedEffects();
    int cue = 0;
    for (auto _ : state) {
        player.play(static_cast<SoundCue>(cue % (SoundCueCount - 1) + 1));
        ++cue;
    }
    state.SetLabel(bench::outputLabel());
}
BENCHMARK(BM_SoundPlayCall)->Unit(benchmark::kMicrosecond);

}  // namespace
