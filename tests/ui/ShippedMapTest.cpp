// The shipped map of Africa, read with the game's own loader and painted with
// the game's own fill on the real bitmap: every country can be painted,
// clicked and reached.

#include "mapview/MapSurface.h"
#include "world/MapLoader.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace stratagon {
namespace {

TEST(ShippedMap, EveryCountryCanBePaintedClickedAndReached)
{
    auto world = std::make_unique<WorldState>();
    const WorldState& w = *world;
    const MapLoadResult loaded = loadMap(*world, STRATAGON_ASSETS "/cards/Afrika.mgi");
    ASSERT_TRUE(loaded.ok) << loaded.message;
    MapSurface map;
    ASSERT_TRUE(map.load(QStringLiteral(STRATAGON_ASSETS "/cards/Afrika.bmp")));
    EXPECT_NE(codeToCountry(w, w.defaultSideCode), 9) << "country 9 is the opponent";
    EXPECT_LE(map.height(), 800) << "the main window must fit a 1080-pixel screen";
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
        const Rgb colour = map.pixel(w.fillX[i], w.fillY[i]);
        EXPECT_TRUE(colour != PlayerColour && colour != OpponentColour && colour != map.pixel(map.width() - 1, 0));
        ASSERT_TRUE(countryOf.emplace(colour, i).second) << "colour of " << w.countryName[countryOf[colour]];
        const int area = pixels(colour);
        map.fillCountry(w.fillX[i], w.fillY[i], PlayerColour);
        EXPECT_EQ(pixels(PlayerColour), area);
        map.clear();
        for (int k = 1; k <= w.neighbourCount[i]; ++k)
            EXPECT_TRUE(links[i].insert(countryIndexByName(w, w.neighbourName[i][k])).second) << "twice";
        EXPECT_FALSE(links[i].count(0) || links[i].count(i)) << "an unknown neighbour, or itself";
    }

    // Every country owns a grid cell, and each of its cells shows some of it.
    std::set<int> clickable;
    for (int cell = 0; cell < w.gridColumns * w.gridRows; ++cell) {
        const int column = cell % w.gridColumns, row = cell / w.gridColumns;
        const int i = codeToCountry(w, cellCode(w, column + 1, row + 1));
        int inside = 0;
        for (int p = 0; i && p < GridCellPixels * GridCellPixels; ++p)
            inside += map.pixel(column * GridCellPixels + p % GridCellPixels, row * GridCellPixels + p / GridCellPixels) ==
                      map.pixel(w.fillX[i], w.fillY[i]);
        EXPECT_TRUE(i == 0 || inside > 0) << w.countryName[i] << " at " << column << "," << row;
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

    // Borders the source data gets wrong, mended by the generator.
    const auto linked = [&](const char* a, const char* b) {
        return links[countryIndexByName(w, a)].count(countryIndexByName(w, b)) > 0;
    };
    EXPECT_TRUE(linked("Sambia", "Botsuana") && linked("Somalia", "Dschibuti") && linked("Westsahara", "Marokko"));
    EXPECT_FALSE(linked("Namibia", "Simbabwe") || linked("Marokko", "Mauretanien") || linked("Angola", "Republik Kongo"));
}

}  // namespace
}  // namespace stratagon
