// SPDX-License-Identifier: GPL-3.0-or-later
// Save files come from disk and may be damaged or made by hand: any bytes
// must load within the tables or be refused with the world exactly as it was.
// They are read as the game reads them, the map picture checked against the
// game (the shipped Afrika, which the seeds were played on). A game that
// loads is then played for fifty ticks with its countries painted, so values
// that load but break the rules are found too. A trail that loads with it
// was computed again to the game saved; the game then plays on along it, its
// orders noted, and must still lead where it stands.
#include "ScriptedPlayer.h"
#include "mapview/MapSurface.h"
#include "shell/SaveGames.h"
#include "simulation/Clock.h"
#include "storage/SaveGame.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace stratagon;

namespace {

// Every loaded game is a whole map now (its picture is checked): a tick
// under the sanitizers takes some 10 ms there.
constexpr int PlayedTicks = 50;

// The seeds name the bitmap "Afrika.bmp", the shipped one; inputs can match
// its checksum or not.
QString bitmap(const QString& name)
{
    return name == QLatin1String("Afrika.bmp") ? QStringLiteral(STRATAGON_FUZZ_BITMAP) : QString();
}

bool withinTables(const WorldState& w)
{
    if (w.countryCount < 1 || w.countryCount > MaxCountries || w.gridColumns < 1 || w.gridColumns > MaxGridSize ||
        w.gridRows < 1 || w.gridRows > MaxGridSize || w.battleCount < 0 || w.battleCount > MaxBattles)
        return false;
    for (int i = 1; i <= w.countryCount; ++i)
        if (w.countryOwner[i] < 1 || w.countryOwner[i] > w.countryCount || w.generalCount[i] < 0 ||
            w.generalCount[i] > MaxGenerals)
            return false;
    for (int k = 1; k <= w.battleCount; ++k)
        if (w.battles[k].attackerScore + w.battles[k].defenderScore != 100)
            return false;
    return w.playing;
}

// A picture of the grid's size in which every cell shows its country's code
// as a colour and empty cells are sea: the countries' areas a fill paints.
QImage gridPicture(const WorldState& w)
{
    QImage image(w.gridColumns * GridCellPixels, w.gridRows * GridCellPixels, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const char code = w.gridCell[1 + x / GridCellPixels][1 + y / GridCellPixels])
                image.setPixel(x, y, qRgb(uchar(code) * 2 % 256, 200, uchar(code)));
    return image;
}

void play(const WorldState& loaded, unsigned long long seed, GameTrail trail)
{
    auto world = std::make_unique<WorldState>(loaded);
    MapSurface surface;
    surface.setBitmap(gridPicture(*world));
    surface.buildAreas(seedPoints<QPoint>(*world));
    SeededRandom random(seed);
    if (trail.kept())
        random.restore(trail.seed, trail.draws);
    else
        trail = startTrail(*world, random);
    ScriptedPlayer player;
    for (int tick = 0; tick < PlayedTicks && world->playing; ++tick) {
        player.act(*world, &trail);
        trailTick(*world, random, trail);
        if (const std::string fault = checkInvariants(*world); !fault.empty()) {
            std::fprintf(stderr, "tick %d: %s\n", tick, fault.c_str());
            std::abort();
        }
        // The main window's repaint; slow under the sanitizers: every 25th tick.
        if (tick % 25 == 0) {
            surface.clear();
            for (const CountryPaint& paint : mapPaints(*world, ColourScheme::Standard))
                surface.paintCountry(paint.x, paint.y, paint.style);
        }
    }
    if (!trailLeadsTo(trail, *world)) {
        std::fprintf(stderr, "the trail no longer leads to the game\n");
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static auto world = std::make_unique<WorldState>();
    static auto before = std::make_unique<WorldState>();
    *before = *world;
    GameTrail trail;
    const SaveReadResult result =
        readSaveDocument(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)), *world, bitmap,
                         checkSavedPicture, nullptr, &trail);
    if (result.ok) {
        if (!withinTables(*world) || (trail.kept() && !result.trailMessage.isEmpty()))
            std::abort();
        play(*world, size, std::move(trail));
    } else if (!(*world == *before) || result.message.isEmpty()) {
        std::abort();
    }
    return 0;
}
