#include "mapview/MapSurface.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <random>
#include <string>
#include <vector>

using namespace stratagon;

namespace {

// Pictures drawn as text: each character is one pixel.
const QRgb Palette[] = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(0, 0, 200), qRgb(200, 180, 20)};

QImage picture(const std::vector<std::string>& rows)
{
    QImage image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const char c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            image.setPixel(x, y, Palette[c == '.' ? 0 : c == '#' ? 1 : c == 'b' ? 2 : 3]);
        }
    return image;
}

// The surface as text again: 'R' red, 'G' green, else as in picture().
std::vector<std::string> rows(const MapSurface& s)
{
    std::vector<std::string> out;
    for (int y = 0; y < s.height(); ++y) {
        std::string row;
        for (int x = 0; x < s.width(); ++x) {
            const Rgb c = s.pixel(x, y);
            const QRgb q = MapSurface::toQRgb(c);
            row += c == PlayerColour ? 'R' : c == OpponentColour ? 'G' : q == Palette[0] ? '.'
                 : q == Palette[1] ? '#' : q == Palette[2] ? 'b' : 'y';
        }
        out.push_back(row);
    }
    return out;
}

MapSurface surfaceOf(const std::vector<std::string>& r)
{
    MapSurface s;
    s.setBitmap(picture(r));
    return s;
}

}  // namespace

TEST(MapFill, FillsAUBendThroughItsBottomOnly)
{
    MapSurface s = surfaceOf({
        "........",
        ".##..##.",
        ".##..##.",
        ".######.",
        "........",
    });
    s.fillCountry(1, 1, PlayerColour);
    EXPECT_EQ(rows(s), (std::vector<std::string>{
        "........",
        ".RR..RR.",
        ".RR..RR.",
        ".RRRRRR.",
        "........",
    }));
}

TEST(MapFill, DiagonalGapDoesNotLeak)
{
    MapSurface s = surfaceOf({
        "..#.",
        "..#.",
        ".#..",
        "#...",
    });
    s.fillCountry(0, 0, OpponentColour);
    EXPECT_EQ(rows(s), (std::vector<std::string>{
        "GG#.",
        "GG#.",
        "G#..",
        "#...",
    }));
}

TEST(MapFill, AreaTouchingEveryEdgeAndAnEnclosedHole)
{
    MapSurface s = surfaceOf({
        "bbbbbbb",
        "b#####b",
        "b#...#b",
        "b#####b",
        "bbbbbbb",
    });
    s.fillCountry(6, 4, PlayerColour);
    EXPECT_EQ(rows(s), (std::vector<std::string>{
        "RRRRRRR",
        "R#####R",
        "R#...#R",
        "R#####R",
        "RRRRRRR",
    }));
}

TEST(MapFill, SeedOnABorderPaintsTheBorderNetwork)
{
    MapSurface s = surfaceOf({
        "..#..",
        "..#..",
        "#####",
        "..#..",
    });
    s.fillCountry(2, 0, OpponentColour);
    EXPECT_EQ(rows(s), (std::vector<std::string>{
        "..G..",
        "..G..",
        "GGGGG",
        "..G..",
    }));
}

TEST(MapFill, SpiralIsFilledCompletely)
{
    MapSurface s = surfaceOf({
        "yyyyyyyyy",
        "#######.y",
        "yyyyyy#.y",
        "y####y#.y",
        "y#yyyy#.y",
        "y#######y",
        "yyyyyyyyy",
    });
    s.fillCountry(4, 4, PlayerColour);
    for (const std::string& row : rows(s))
        EXPECT_EQ(row.find('y'), std::string::npos) << row;
    EXPECT_EQ(rows(s)[1], "#######.R");
}

TEST(MapFill, SameColourAgainOrOutsideThePictureChangesNothing)
{
    MapSurface s = surfaceOf({"..#", "..#"});
    s.fillCountry(0, 0, PlayerColour);
    const QImage once = s.surface().copy();
    s.fillCountry(1, 1, PlayerColour);
    EXPECT_EQ(s.surface(), once);
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{-1, 0}, {0, -1}, {3, 0}, {0, 2}})
        s.fillCountry(x, y, OpponentColour);
    EXPECT_EQ(s.surface(), once);
    // A red country turned green starts from the colour found at the seed.
    s.fillCountry(1, 0, OpponentColour);
    EXPECT_EQ(rows(s), (std::vector<std::string>{"GG#", "GG#"}));
}

TEST(MapFill, ClearRestoresEveryPixelOfTheBitmap)
{
    MapSurface s = surfaceOf({"..#b", "..#b", "yy#b"});
    const QImage bitmap = s.bitmap().copy();
    s.fillCountry(0, 0, PlayerColour);
    s.fillCountry(3, 0, OpponentColour);
    s.drawText(0, 0, "Januar 2000", 18, White);
    EXPECT_NE(s.surface(), bitmap);
    s.clear();
    EXPECT_EQ(s.surface(), bitmap);
    EXPECT_EQ(s.bitmap(), bitmap);
}

TEST(MapFill, BitmapInAnyFormatIsTakenAsThirtyTwoBit)
{
    QImage indexed = picture({"..#", "..#"}).convertToFormat(QImage::Format_Indexed8);
    MapSurface s;
    s.setBitmap(indexed);
    EXPECT_EQ(s.surface().format(), QImage::Format_RGB32);
    s.fillCountry(0, 1, PlayerColour);
    EXPECT_EQ(rows(s), (std::vector<std::string>{"RR#", "RR#"}));
    EXPECT_FALSE(MapSurface().load("/nonexistent/picture.bmp"));
}

TEST(MapFill, DrawTextLeavesItsMarkAtTheTopLeft)
{
    QImage black(200, 60, QImage::Format_RGB32);
    black.fill(Qt::black);
    MapSurface s;
    s.setBitmap(black);
    s.drawText(1, 1, "Januar 2000", 18, White);
    int lit = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x)
            lit += s.pixel(x, y) != 0;
    EXPECT_GT(lit, 20);
}

TEST(MapFill, MatchesAPlainFourNeighbourFillOnNoisyPictures)
{
    std::mt19937 engine(5);
    for (int round = 0; round < 300; ++round) {
        const int w = 1 + static_cast<int>(engine() % 60);
        const int h = 1 + static_cast<int>(engine() % 40);
        // Sparse borders give large winding areas, dense ones many small ones.
        const unsigned borderShare = 2 + engine() % 6;
        QImage image(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                image.setPixel(x, y, Palette[engine() % borderShare == 0 ? 1 : round % 2 && engine() % 2 ? 2 : 0]);
        const int sx = static_cast<int>(engine() % w);
        const int sy = static_cast<int>(engine() % h);

        QImage expected = image.copy();
        const QRgb target = expected.pixel(sx, sy);
        std::vector<std::pair<int, int>> todo{{sx, sy}};
        while (!todo.empty()) {
            const auto [x, y] = todo.back();
            todo.pop_back();
            if (x < 0 || y < 0 || x >= w || y >= h || expected.pixel(x, y) != target)
                continue;
            expected.setPixel(x, y, MapSurface::toQRgb(PlayerColour));
            todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
        }

        MapSurface s;
        s.setBitmap(image);
        s.fillCountry(sx, sy, PlayerColour);
        ASSERT_EQ(s.surface(), expected) << "round " << round;
    }
}
