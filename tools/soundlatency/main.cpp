// SPDX-License-Identifier: GPL-3.0-or-later
// How long an attack takes to be heard: the program's own wiring plays the
// shipped effects while this tool records the output's monitor and finds
// where the sound begins. Qt lists no monitor sources: under PulseAudio, remap
// the sink's monitor to a source described as one, e.g.
//   pactl load-module module-remap-source master=null.monitor
//       source_name=sinkrec source_properties=device.description=SinkMonitor
// (one line).
//
//   soundlatency <program folder> [trials]
//
// The program folder is one the game runs in (a build folder). The figure
// includes the recording's own delay, so it is an upper bound.

#include "ScriptedPlayer.h"
#include "platform/Dialogs.h"
#include "session/GameSession.h"
#include "shell/Program.h"
#include "sound/SoundPlayer.h"
#include "world/MapLoader.h"
#include "world/Random.h"
#include "world/WorldState.h"

#include <QApplication>
#include <QAudioSource>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace stratagon;

namespace {

class NoDialogs final : public Dialogs {
public:
    void message(QWidget*, const QString& text, const QString&) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    bool question(QWidget*, const QString&, const QString&) override { return false; }
    QString input(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

// The recording, sample by sample, with the time each sample came in.
struct Recording {
    std::vector<qint16> samples;
    std::vector<double> arrivedMs;
};

void runFor(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: soundlatency <program folder> [trials]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int trials = argc > 2 ? std::atoi(argv[2]) : 20;

    QAudioDevice monitor;
    for (const QAudioDevice& d : QMediaDevices::audioInputs())
        if (d.id().endsWith(".monitor") || d.description().contains(QStringLiteral("Monitor"), Qt::CaseInsensitive))
            monitor = d;
    if (monitor.isNull()) {
        for (const QAudioDevice& d : QMediaDevices::audioInputs())
            std::fprintf(stderr, "input: %s (%s)\n", d.id().constData(), qPrintable(d.description()));
        std::fprintf(stderr, "no monitor source to record\n");
        return 1;
    }
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    QAudioSource source(monitor, format);
    source.setBufferSize(44100 * 2 / 200);  // 5 ms
    QElapsedTimer clock;
    clock.start();
    Recording rec;
    QIODevice* input = source.start();
    QObject::connect(input, &QIODevice::readyRead, [&] {
        const QByteArray bytes = input->readAll();
        const double now = clock.nsecsElapsed() / 1e6;
        const auto* data = reinterpret_cast<const qint16*>(bytes.constData());
        const qsizetype n = bytes.size() / 2;
        for (qsizetype i = 0; i < n; ++i) {
            rec.samples.push_back(data[i]);
            // The last sample came in now, the ones before it earlier.
            rec.arrivedMs.push_back(now - double(n - 1 - i) * 1000.0 / 44100.0);
        }
    });

    auto world = std::make_unique<WorldState>();
    SeededRandom random(1);
    NoDialogs dialogs;
    Program program(*world, random, dialogs, QString::fromLocal8Bit(argv[1]));
    program.startSound();
    program.sound().setVolume(100);
    GameSession& session = program.session();
    const std::string map = program.path(QStringLiteral("cards/Afrika.mgi")).toStdString();
    if (!loadMap(*world, map).ok ||
        (world->side[0] = defaultSide(*world), !session.startNewGame(map, 1, nullptr).started)) {
        std::fprintf(stderr, "no game on %s\n", map.c_str());
        return 1;
    }
    const ClockHold hold = session.hold();  // no tick's sound in between
    session.recruit("Blücher");
    const int player = world->side[0];
    const int target = countryIndexByName(*world, world->neighbourName[player][1]);
    runFor(1500);  // the effects load, the recording settles

    std::vector<double> delays;
    for (int t = 0; t < trials; ++t) {
        // The battle is taken back, so that the same attack can be ordered again.
        world->battleCount = 0, world->playerBattleCount = 0;
        world->generalStatus[player][1] = Ready;
        runFor(600);  // the last effect has ended
        const std::size_t from = rec.samples.size();
        const double launched = clock.nsecsElapsed() / 1e6;
        if (session.attack(target, 1) != AttackOutcome::Launched) {
            std::fprintf(stderr, "the attack was refused\n");
            return 1;
        }
        runFor(1000);
        for (std::size_t i = from; i < rec.samples.size(); ++i)
            if (std::abs(int(rec.samples[i])) > 300 && rec.arrivedMs[i] >= launched) {
                delays.push_back(rec.arrivedMs[i] - launched);
                break;
            }
    }
    if (delays.empty()) {
        std::fprintf(stderr, "no sound was recorded\n");
        return 1;
    }
    std::sort(delays.begin(), delays.end());
    std::printf("%zu of %d attacks heard: min %.1f ms, median %.1f ms, max %.1f ms\n", delays.size(), trials,
                delays.front(), delays[delays.size() / 2], delays.back());
    return 0;
}
