// SPDX-License-Identifier: GPL-3.0-or-later
// The map fill: on pictures drawn as text, and on every shipped map, read
// with the game's own loader, where every country must be paintable,
// clickable and reachable.

#include "QtPrinters.h"
#include "mapview/MapSurface.h"
#include "world/MapLoader.h"
#include "world/Playability.h"

#include <QBuffer>
#include <QFile>

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <tuple>
#include <vector>

namespace stratagon {
namespace {

// Pictures as text, one character a pixel, rows split by '/': '.' white, '#' black border, 'b' blue,
// 'y' yellow; 'R' and 'G' are the player's red and the opponent's green, '?' any other colour.
const QString Key = QStringLiteral(".#byRG?");
const QRgb Colours[] = {qRgb(255, 255, 255), qRgb(0, 0, 0),   qRgb(0, 0, 200),
                        qRgb(200, 180, 20),  MapSurface::toQRgb(PlayerColour), MapSurface::toQRgb(OpponentColour)};

QString textOf(const MapSurface& surface)
{
    QString text;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x <= surface.width(); ++x)
            text += x == surface.width() ? QChar('/') : Key[static_cast<int>(
                std::find(std::begin(Colours), std::end(Colours), MapSurface::toQRgb(surface.pixel(x, y))) - Colours)];
    return text.chopped(1);
}

TEST(MapFill, PaintsExactlyTheAreaOfTheSeedsColourAndClearRestoresTheBitmap)
{
    struct Case { QString before; std::vector<std::tuple<int, int, Rgb>> fills; QString after; };
    const Case cases[] = {
        {"......../.##..##./.##..##./.######./........", {{1, 1, PlayerColour}},  // U-bend
         "......../.RR..RR./.RR..RR./.RRRRRR./........"},
        {"..#./..#./.#../#...", {{0, 0, OpponentColour}}, "GG#./GG#./G#../#..."},  // diagonal gap
        {"bbbbbbb/b#####b/b#...#b/b#####b/bbbbbbb", {{6, 4, PlayerColour}},      // every edge, a hole
         "RRRRRRR/R#####R/R#...#R/R#####R/RRRRRRR"},
        {"..#../..#../#####/..#..", {{2, 0, OpponentColour}}, "..G../..G../GGGGG/..G.."},  // seed on a border
        {"..#/..#", {{0, 0, PlayerColour}, {1, 1, PlayerColour}, {-1, 0, OpponentColour}, {0, -1, OpponentColour},
                     {3, 0, OpponentColour}, {0, 2, OpponentColour}}, "RR#/RR#"},  // again, or outside
        {"..#/..#", {{0, 0, PlayerColour}, {1, 0, OpponentColour}}, "GG#/GG#"},       // red turned green
    };
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        const QStringList rows = cases[i].before.split('/');
        QImage image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), QImage::Format_RGB32);
        for (int p = 0; p < image.width() * image.height(); ++p)
            image.setPixel(p % image.width(), p / image.width(),
                           Colours[Key.indexOf(rows[p / image.width()][p % image.width()])]);
        MapSurface surface;
        surface.setBitmap(i % 2 ? image.convertToFormat(QImage::Format_Indexed8) : image);  // any format will do
        for (const auto& [x, y, colour] : cases[i].fills)
            surface.fillCountry(x, y, colour);
        EXPECT_EQ(textOf(surface), cases[i].after) << i;
        surface.drawText(0, 0, "Januar 2000", 18, White);
        surface.clear();
        EXPECT_EQ(textOf(surface), cases[i].before) << i;
    }
}

// The span fill against the plainest 4-connected fill, on random pictures of
// three colours where areas wind and touch only at corners.
TEST(MapFill, AgreesWithAPlainFillOnRandomPictures)
{
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        QImage image(23, 17, QImage::Format_RGB32);
        for (int p = 0; p < 23 * 17; ++p)
            image.setPixel(p % 23, p / 23, Colours[random() % 3]);
        MapSurface surface;
        surface.setBitmap(image);
        const int sx = static_cast<int>(random() % 23), sy = static_cast<int>(random() % 17);
        surface.fillCountry(sx, sy, PlayerColour);
        const QRgb seed = image.pixel(sx, sy);
        std::vector<QPoint> todo{{sx, sy}};
        while (!todo.empty()) {
            const QPoint q = todo.back();
            todo.pop_back();
            if (!image.rect().contains(q) || image.pixel(q) != seed)
                continue;
            image.setPixel(q, MapSurface::toQRgb(PlayerColour));
            todo.insert(todo.end(), {q + QPoint(1, 0), q - QPoint(1, 0), q + QPoint(0, 1), q - QPoint(0, 1)});
        }
        ASSERT_EQ(surface.surface().convertToFormat(QImage::Format_RGB32), image) << round;
    }
}

// The shipped picture fits its map; the same picture at half size,
// or cut short, does not, and the check says how.
TEST(ShippedMap, OnlyAPictureOfTheGridsSizeAndWholeFitsTheMap)
{
    const auto world = std::make_unique<WorldState>();
    ASSERT_TRUE(loadMap(*world, STRATAGON_ASSETS "/cards/Afrika.mgi").ok);
    QFile shipped(QStringLiteral(STRATAGON_ASSETS "/cards/Afrika.bmp"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray whole = shipped.readAll();
    const QImage image = QImage::fromData(whole);
    const auto bmp = [](const QImage& picture) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "BMP");
        return bytes;
    };
    const struct {
        const char* name;
        QByteArray bytes;
        bool loads;
        std::string first;  // the first finding, or the load's problem
    } cases[] = {
        {"shipped", whole, true, ""},
        {"half", bmp(image.scaled(image.size() / 2)), true, "Das Kartenbild ist 434 × 395 Bildpunkte groß"},
        {"cut in half", whole.left(whole.size() / 2), false,
         "Das Kartenbild ist unvollständig: die Datei hat " + std::to_string(whole.size() / 2) + " Bytes"},
    };
    for (const auto& c : cases) {
        MapSurface map;
        const bool loaded = map.loadFromData(std::string_view(c.bytes.constData(), std::size_t(c.bytes.size())));
        const std::vector<Text> findings = checkPlayability(*world, &map);
        EXPECT_EQ(loaded, c.loads) << c.name;
        const std::string first = germanText(loaded ? (findings.empty() ? Text() : findings[0]) : map.problem());
        EXPECT_EQ(first.substr(0, c.first.size()), c.first) << c.name;
        EXPECT_EQ(first.empty(), c.first.empty()) << c.name << ": " << first;
    }
}

QStringList shippedMaps()
{
    return QDir(QStringLiteral(STRATAGON_ASSETS "/cards")).entryList({QStringLiteral("*.mgi")}, QDir::Files, QDir::Name);
}

class EveryShippedMap : public testing::TestWithParam<QString> {};

TEST_P(EveryShippedMap, EveryCountryCanBePaintedClickedAndReached)
{
    const auto world = std::make_unique<WorldState>();
    const WorldState& w = *world;
    const QString base = QStringLiteral(STRATAGON_ASSETS "/cards/") + QFileInfo(GetParam()).completeBaseName();
    ASSERT_TRUE(loadMap(*world, (base + QStringLiteral(".mgi")).toStdString()).ok);
    MapSurface map;
    ASSERT_TRUE(map.load(base + QStringLiteral(".bmp")));
    EXPECT_TRUE(checkPlayability(w, &map).empty());
    EXPECT_EQ(w.continentName, QFileInfo(GetParam()).completeBaseName().toStdString());
    EXPECT_NE(codeToCountry(w, w.defaultSideCode), 9) << "country 9 is the opponent";
    EXPECT_NE(codeToCountry(w, w.defaultSideCode), 0) << "the default side is a country";
    EXPECT_LE(w.countryCount, 100);
    // The main window is the map plus about 213 pixels high and 40 wide; it must fit 1920 x 1080.
    EXPECT_LE(map.height(), 800) << "the main window must fit a 1080-pixel screen";
    EXPECT_LE(map.width(), 1600) << "the main window must fit a 1920-pixel screen";
    const auto pixels = [&](Rgb colour) {
        int n = 0;
        for (int y = 0; y < map.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(map.surface().constScanLine(y));
            n += static_cast<int>(std::count(line, line + map.width(), MapSurface::toQRgb(colour)));
        }
        return n;
    };
    std::map<Rgb, int> countryOf;
    std::map<int, std::set<int>> links;
    for (int i = 1; i <= w.countryCount; ++i) {
        SCOPED_TRACE(w.countryName[i]);
        // The seed's fill covers every pixel of its colour, and no other country has that colour.
        const Rgb colour = map.pixel(w.fillX[i], w.fillY[i]), sea = map.pixel(map.width() - 1, map.height() - 1);
        EXPECT_TRUE(colour != PlayerColour && colour != OpponentColour && colour != sea);
        ASSERT_TRUE(countryOf.emplace(colour, i).second) << "colour of " << w.countryName[countryOf[colour]];
        const int area = pixels(colour);
        map.fillCountry(w.fillX[i], w.fillY[i], PlayerColour);
        EXPECT_EQ(pixels(PlayerColour), area);
        map.clear();
        for (int k = 1; k <= w.neighbourCount[i]; ++k)
            links[i].insert(countryIndexByName(w, w.neighbourName[i][k]));
        EXPECT_TRUE(links[i].size() == std::size_t(w.neighbourCount[i]) && !links[i].count(0) && !links[i].count(i));
    }

    // Every country owns a grid cell, and each of its cells shows some of it.
    std::set<int> clickable;
    for (int cell = 0; cell < w.gridColumns * w.gridRows; ++cell) {
        const int x = cell % w.gridColumns * GridCellPixels, y = cell / w.gridColumns * GridCellPixels;
        const int i = codeToCountry(w, cellCode(w, x / GridCellPixels + 1, y / GridCellPixels + 1));
        bool shown = i == 0;
        for (int p = 0; !shown && p < GridCellPixels * GridCellPixels; ++p)
            shown = map.pixel(x + p % GridCellPixels, y + p / GridCellPixels) == map.pixel(w.fillX[i], w.fillY[i]);
        EXPECT_TRUE(shown) << w.countryName[i] << " at " << x << "," << y;
        clickable.insert(i);
    }
    EXPECT_EQ(static_cast<int>(clickable.size()), w.countryCount + 1) << "a country without a cell, or no sea";

    // The neighbours are mutual and connect every country.
    std::set<int> reached{1};
    for (std::vector<int> todo{1}; !todo.empty();) {
        const int i = todo.back();
        todo.pop_back();
        for (const int j : links[i]) {
            EXPECT_TRUE(links[j].count(i)) << w.countryName[i] << " lists " << w.countryName[j];
            if (reached.insert(j).second)
                todo.push_back(j);
        }
    }
    EXPECT_EQ(static_cast<int>(reached.size()), w.countryCount);
}

INSTANTIATE_TEST_SUITE_P(Cards, EveryShippedMap, testing::ValuesIn(shippedMaps()),
                         [](const auto& info) { return QFileInfo(info.param).completeBaseName().toStdString(); });

}  // namespace
}  // namespace stratagon
