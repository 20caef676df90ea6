// SPDX-License-Identifier: GPL-3.0-or-later
// One clock tick in the worst case, painted onto a real map surface; the
// repaint alone; and the bitmap copy that every repaint starts from.

#include "BenchSound.h"
#include "mapview/AreaScaler.h"
#include "mapview/MapSurface.h"
#include "session/GameText.h"
#include "simulation/Character.h"
#include "simulation/Clock.h"
#include "simulation/Opponents.h"
#include "simulation/SoundCue.h"
#include "world/MapLoader.h"
#include "world/Rules.h"

#include <QPainter>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

using namespace stratagon;

namespace {

// What the main window shows after a tick: the map repainted from the
// plain bitmap, the information panel's values and the date.
void showTick(const WorldState& w, MapSurface& surface, ColourScheme scheme = ColourScheme::Standard)
{
    surface.clear();
    for (const CountryPaint& paint : mapPaints(w, scheme))
        surface.paintCountry(paint.x, paint.y, paint.style);
    // The information panel shows a country of the view's, here the second.
    benchmark::DoNotOptimize(describeCountry(w, 2));
    surface.drawText(1, 1, gametext::date(w.month, w.year), 18, White);
}

// A stand-in when the shipped map is missing: 100 countries in a 10 x 10
// block of rectangles with one-pixel borders, every one the next's neighbour.
void syntheticMap(WorldState& w, MapSurface& surface)
{
    QImage image(870, 790, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    QPainter painter(&image);
    w.countryCount = 100;
    for (int i = 1; i <= 100; ++i) {
        const int col = (i - 1) % 10;
        const int row = (i - 1) / 10;
        painter.fillRect(col * 87 + 1, row * 79 + 1, 85, 77, QColor(40 + i, 200 - i, 90));
        w.countryName[i] = "Land " + std::to_string(i);
        w.fillX[i] = col * 87 + 40;
        w.fillY[i] = row * 79 + 40;
        int k = 0;
        if (col > 0)
            w.neighbourName[i][++k] = "Land " + std::to_string(i - 1);
        if (col < 9)
            w.neighbourName[i][++k] = "Land " + std::to_string(i + 1);
        if (row > 0)
            w.neighbourName[i][++k] = "Land " + std::to_string(i - 10);
        if (row < 9)
            w.neighbourName[i][++k] = "Land " + std::to_string(i + 10);
        w.neighbourCount[i] = k;
    }
    painter.end();
    surface.setBitmap(image);
}

struct WorstCase {
    std::unique_ptr<WorldState> world = std::make_unique<WorldState>();
    MapSurface surface;
    std::string source;
};

// Every country held by the player or an opponent, so that every one is
// filled; each opponent takes a turn every tick over all it holds but can
// never attack (the player keeps an unbeatable general back, several
// opponents' generals stand equal and out of training, too weak for an even
// chance against each other in either rule set); 30 battles run
// between generals of 3 EP, 25 of them listed for the player. No single step
// can end them; keepBattlesRunning puts them back to their start each tick.
std::unique_ptr<WorstCase> makeWorstCase(const std::string& mapName = "Afrika", int opponentCount = 1,
                                         RuleSet rules = RulesKlassisch, int character = 0)
{
    auto c = std::make_unique<WorstCase>();
    WorldState& w = *c->world;
    const std::string map = std::string(STRATAGON_ASSETS) + "/cards/" + mapName + ".mgi";
    const std::string bmp = std::string(STRATAGON_ASSETS) + "/cards/" + mapName + ".bmp";
    if (std::filesystem::exists(map) && loadMap(w, map).ok && c->surface.load(QString::fromStdString(bmp))) {
        c->source = "shipped map";
    } else {
        w = WorldState{};
        syntheticMap(w, c->surface);
        c->source = "synthetic map";
    }
    w.aiDivisor = 1;
    w.ruleSet = rules;
    w.monthInterval = 416;
    w.playing = true;
    const int player = 1;
    const std::vector<int> opponents = chooseOpponents(w, player, opponentCount);
    w.side[0] = player;
    for (const int o : opponents) {
        w.side[++w.sideMax] = o;
        w.opponentCharacter[static_cast<std::size_t>(w.sideMax)] = character;
    }
    w.year = 2000;
    w.month = 1;
    for (int i = 1; i <= w.countryCount; ++i) {
        w.countryKind[i] = KindPassive;
        for (int slot = 1; slot <= 5; ++slot)
            w.generalStatus[i][slot] = Training;
        w.generalCount[i] = std::max(w.generalCount[i], 5);
    }
    w.countryKind[player] = KindPlayer;
    w.generalCount[player] = 40;
    w.generalEP[player][40] = 1000000;
    w.generalStatus[player][40] = Ready;
    for (const int o : opponents) {
        w.countryKind[o] = KindOpponent;
        w.generalCount[o] = 40;
        if (opponents.size() > 1)
            for (int slot = 1; slot <= 40; ++slot)
                w.generalEP[o][slot] = 50, w.generalStatus[o][slot] = Ready;
    }

    // The player holds the first 30 countries other than the opponents'
    // homes, the opponents the rest in turn; they attack each of the player's.
    const auto isHome = [&](int i) { return std::find(opponents.begin(), opponents.end(), i) != opponents.end(); };
    int battles = 0;
    int next = 0;
    for (int i = 1; i <= w.countryCount; ++i) {
        const bool players = !isHome(i) && battles < 30;
        const int holder = isHome(i) ? i : opponents[static_cast<std::size_t>(next++) % opponents.size()];
        w.countryOwner[i] = players ? player : holder;
        if (!players)
            continue;
        ++battles;
        w.battles[battles].country = i;
        w.battles[battles].attacker = holder;
        w.battles[battles].defender = player;
        w.battles[battles].attackerGeneral = 5 + battles;
        w.battles[battles].defenderGeneral = 5 + battles;
        w.battles[battles].attackerScore = 20;
        w.battles[battles].defenderScore = 80;
        w.generalStatus[holder][5 + battles] = InBattle;
        w.generalStatus[player][5 + battles] = InBattle;
        w.generalEP[holder][5 + battles] = 3;
        w.generalEP[player][5 + battles] = 3;
    }
    w.battleCount = battles;
    // As the main window does once per map: the countries' areas.
    c->surface.buildAreas(seedPoints<QPoint>(w));
    return c;
}

// Scores and lengths back to a battle's start: a few dozen stores, next to
// nothing beside the tick.
void keepBattlesRunning(WorldState& w)
{
    for (int k = 1; k <= w.battleCount; ++k)
        w.battles[k].attackerScore = 20, w.battles[k].defenderScore = 80, w.battles[k].ticks = 0;
}

void BM_ClockTickWorstCase(benchmark::State& state)
{
    auto c = makeWorstCase();
    SeededRandom random(1);
    for (auto _ : state) {
        clockTick(*c->world, random);
        showTick(*c->world, c->surface);
        keepBattlesRunning(*c->world);
        benchmark::DoNotOptimize(c->surface.surface().constBits());
    }
    if (c->world->battleCount != 30 || c->world->playerBattleCount != 25 || !c->world->playing)
        state.SkipWithError("the worst case did not hold");
    state.SetLabel(c->source + ", " + std::to_string(c->world->countryCount) + " countries");
}
BENCHMARK(BM_ClockTickWorstCase)->Unit(benchmark::kMicrosecond);

// The same with the sound the tick calls for, played for real; a threat
// every tick, so the call is never skipped.
void BM_ClockTickWorstCaseWithSound(benchmark::State& state)
{
    auto c = makeWorstCase();
    EffectPlayer& sound = bench::shippedEffects();
    SeededRandom random(1);
    for (auto _ : state) {
        const TickReport report = clockTick(*c->world, random);
        sound.play(std::max(soundCueFor(*c->world, report), SoundCue::UnderAttack));
        showTick(*c->world, c->surface);
        keepBattlesRunning(*c->world);
        benchmark::DoNotOptimize(c->surface.surface().constBits());
    }
    state.SetLabel(c->source + ", " + bench::outputLabel());
}
BENCHMARK(BM_ClockTickWorstCaseWithSound)->Unit(benchmark::kMicrosecond);

// The same on the largest shipped map against five opponents, in either rule
// set, every opponent of one character.
void BM_ClockTickWorstCaseAsienFiveOpponents(benchmark::State& state)
{
    const auto rules = static_cast<RuleSet>(state.range(0));
    auto c = makeWorstCase("Asien", 5, rules, static_cast<int>(state.range(1)));
    SeededRandom random(1);
    for (auto _ : state) {
        clockTick(*c->world, random);
        showTick(*c->world, c->surface);
        keepBattlesRunning(*c->world);
        benchmark::DoNotOptimize(c->surface.surface().constBits());
    }
    if (c->world->battleCount != 30 || c->world->playerBattleCount != 25 || c->world->sideMax != 5 ||
        !c->world->playing)
        state.SkipWithError("the worst case did not hold");
    state.SetLabel(c->source + ", " + std::to_string(c->world->countryCount) + " countries, " +
                   std::to_string(c->world->sideMax) + " opponents, " + std::string(ruleTable(rules).key) + ", " +
                   std::string(characterInfo(static_cast<int>(state.range(1))).key));
}
BENCHMARK(BM_ClockTickWorstCaseAsienFiveOpponents)
    ->ArgsProduct({{RulesKlassisch, RulesZuegig}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMicrosecond);

// The tick and what the screen then shows at a display scale in per cent, as
// the map view does it: find the rows that changed, below 100 average them
// down, and blit those rows of the shown picture to their place in whole
// pixels.
void BM_ClockTickShownAtScale(benchmark::State& state)
{
    auto c = makeWorstCase();
    const ColourScheme scheme = state.range(1) ? ColourScheme::ColourBlind : ColourScheme::Standard;
    SeededRandom random(1);
    AreaScaler scaler;
    const double scale = static_cast<double>(state.range(0)) / 100.0;
    const QSize shown(static_cast<int>(std::lround(c->surface.width() * scale)),
                      static_cast<int>(std::lround(c->surface.height() * scale)));
    QImage screen(shown, QImage::Format_RGB32);
    QImage before = c->surface.surface().copy();
    std::vector<uint8_t> changed(static_cast<std::size_t>(before.height()), 1);
    const auto bytes = static_cast<std::size_t>(before.width()) * 4;
    for (auto _ : state) {
        clockTick(*c->world, random);
        showTick(*c->world, c->surface, scheme);
        keepBattlesRunning(*c->world);
        const QImage& now = c->surface.surface();
        int first = now.height();
        int last = -1;
        for (int y = 0; y < now.height(); ++y) {
            changed[static_cast<std::size_t>(y)] =
                std::memcmp(now.constScanLine(y), before.constScanLine(y), bytes) != 0;
            if (changed[static_cast<std::size_t>(y)]) {
                std::memcpy(before.scanLine(y), now.constScanLine(y), bytes);
                first = std::min(first, y);
                last = y;
            }
        }
        const QImage& picture = scale < 1 ? scaler.scaled(now, shown, changed) : now;
        if (last >= 0) {
            QPainter painter(&screen);
            painter.setClipRect(QRect(0, static_cast<int>(first * scale) - 1, shown.width(),
                                      static_cast<int>((last - first + 1) * scale) + 3));
            painter.drawImage(QRect(QPoint(), shown), picture);
        }
        benchmark::DoNotOptimize(screen.constBits());
    }
    state.SetLabel(c->source + (state.range(1) ? ", Farbenblind" : ""));
}
BENCHMARK(BM_ClockTickShownAtScale)
    ->ArgsProduct({{75, 100, 150, 200}, {0}})
    ->Args({75, 1})
    ->Unit(benchmark::kMicrosecond);

// The averaged copy when every row changed (a new map, a new scale).
void BM_AreaScaleWholeMapTo75(benchmark::State& state)
{
    auto c = makeWorstCase();
    AreaScaler scaler;
    const QSize shown(std::lround(c->surface.width() * 0.75), std::lround(c->surface.height() * 0.75));
    for (auto _ : state) {
        scaler.invalidate();
        benchmark::DoNotOptimize(scaler.scaled(c->surface.surface(), shown).constBits());
    }
}
BENCHMARK(BM_AreaScaleWholeMapTo75)->Unit(benchmark::kMicrosecond);

void BM_ClockTickRulesOnly(benchmark::State& state)
{
    auto c = makeWorstCase();
    SeededRandom random(1);
    for (auto _ : state)
        clockTick(*c->world, random);
    state.SetLabel(c->source);
}
BENCHMARK(BM_ClockTickRulesOnly)->Unit(benchmark::kMicrosecond);

// A repaint needs a cleared surface: filling a country in the colour it
// already has stops at once. So this is clear plus every fill.
void BM_ClearAndRecolourMap(benchmark::State& state)
{
    auto c = makeWorstCase();
    for (auto _ : state) {
        c->surface.clear();
        for (const CountryPaint& paint : mapPaints(*c->world, ColourScheme::Standard))
            c->surface.paintCountry(paint.x, paint.y, paint.style);
        benchmark::DoNotOptimize(c->surface.surface().constBits());
    }
    state.SetLabel(c->source);
}
BENCHMARK(BM_ClearAndRecolourMap)->Unit(benchmark::kMicrosecond);

void BM_BitmapCopy(benchmark::State& state)
{
    auto c = makeWorstCase();
    for (auto _ : state) {
        c->surface.clear();
        benchmark::DoNotOptimize(c->surface.surface().constBits());
    }
    state.SetBytesProcessed(state.iterations() * c->surface.bitmap().sizeInBytes());
    state.SetLabel(c->source);
}
BENCHMARK(BM_BitmapCopy)->Unit(benchmark::kMicrosecond);

void BM_DrawDate(benchmark::State& state)
{
    auto c = makeWorstCase();
    for (auto _ : state)
        c->surface.drawText(1, 1, QStringLiteral("September 2000"), 18, White);
    state.SetLabel(c->source);
}
BENCHMARK(BM_DrawDate)->Unit(benchmark::kMicrosecond);

}  // namespace
