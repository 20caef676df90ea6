// The map fill on pictures drawn as text, one character a pixel, rows split
// by '/': '.' white, '#' black border, 'b' blue, 'y' yellow; 'R' and 'G' are
// the player's red and the opponent's green, '?' any other colour.

#include "mapview/MapSurface.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <tuple>
#include <vector>

namespace stratagon {
namespace {

const QString Key = QStringLiteral(".#byRG?");
const QRgb Colours[] = {qRgb(255, 255, 255), qRgb(0, 0, 0),   qRgb(0, 0, 200),
                        qRgb(200, 180, 20),  MapSurface::toQRgb(PlayerColour), MapSurface::toQRgb(OpponentColour)};

QString textOf(const MapSurface& surface)
{
    QString text;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x <= surface.width(); ++x)
            text += x == surface.width() ? QChar('/') : Key[static_cast<int>(std::find(std::begin(Colours), std::end(Colours), MapSurface::toQRgb(surface.pixel(x, y))) - Colours)];
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
            image.setPixel(p % image.width(), p / image.width(), Colours[Key.indexOf(rows[p / image.width()][p % image.width()])]);
        MapSurface surface;
        surface.setBitmap(i % 2 ? image.convertToFormat(QImage::Format_Indexed8) : image);  // any format will do
        for (const auto& [x, y, colour] : cases[i].fills)
            surface.fillCountry(x, y, colour);
        EXPECT_EQ(textOf(surface), cases[i].after) << i;
        surface.drawText(0, 0, "Januar 2000", 18, White);
        surface.clear();
        EXPECT_EQ(textOf(surface), cases[i].before) << i;
        EXPECT_EQ(surface.surface().format(), QImage::Format_RGB32);
    }
}

}  // namespace
}  // namespace stratagon
