// The shipped map of Africa, read with the game's own loader and checked on
// the real bitmap: every country can be painted, clicked and reached.

#include "world/MapLoader.h"
#include "world/WorldState.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>

#include <map>
#include <memory>
#include <queue>
#include <set>
#include <string>
#include <vector>

namespace stratagon {
namespace {

const std::string MapPath = std::string(STRATAGON_ASSETS) + "/cards/Afrika.mgi";
const QString BitmapPath = QString::fromUtf8(STRATAGON_ASSETS) + "/cards/Afrika.bmp";

class ShippedMap : public ::testing::Test {
protected:
    void SetUp() override
    {
        world = std::make_unique<WorldState>();
        const MapLoadResult result = loadMap(*world, MapPath);
        ASSERT_TRUE(result.ok) << result.message;
        QImage loaded(BitmapPath);
        ASSERT_FALSE(loaded.isNull()) << "cannot read " << BitmapPath.toStdString();
        image = loaded.convertToFormat(QImage::Format_RGB32);
    }

    QRgb at(int x, int y) const { return image.pixel(x, y) & 0xFFFFFF; }

    // The pixels a 4-connected fill from (x, y) reaches, as the game paints.
    std::vector<int> fillArea(int x, int y) const
    {
        const int w = image.width();
        const int h = image.height();
        const QRgb target = at(x, y);
        std::vector<char> seen(static_cast<std::size_t>(w) * h, 0);
        std::vector<int> area;
        std::queue<std::pair<int, int>> todo;
        todo.push({x, y});
        seen[static_cast<std::size_t>(y) * w + x] = 1;
        while (!todo.empty()) {
            const auto [px, py] = todo.front();
            todo.pop();
            area.push_back(py * w + px);
            const int dx[] = {1, -1, 0, 0};
            const int dy[] = {0, 0, 1, -1};
            for (int d = 0; d < 4; ++d) {
                const int nx = px + dx[d];
                const int ny = py + dy[d];
                if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                    continue;
                char& s = seen[static_cast<std::size_t>(ny) * w + nx];
                if (!s && at(nx, ny) == target) {
                    s = 1;
                    todo.push({nx, ny});
                }
            }
        }
        return area;
    }

    std::unique_ptr<WorldState> world;
    QImage image;
};

TEST_F(ShippedMap, HeaderAndCountriesFitTheTables)
{
    const WorldState& w = *world;
    EXPECT_GE(w.countryCount, 9);  // country 9 is the opponent
    EXPECT_LE(w.countryCount, MaxCountries);
    EXPECT_EQ(w.continentName, "Afrika");

    const int defaultSide = codeToCountry(w, w.defaultSideCode);
    ASSERT_NE(defaultSide, 0);
    EXPECT_EQ(w.countryName[defaultSide], "Südafrika");
    EXPECT_NE(defaultSide, 9) << "the player would start as the opponent";

    std::set<std::string> names;
    std::set<std::string> codes;
    for (int i = 1; i <= w.countryCount; ++i) {
        SCOPED_TRACE(w.countryName[i]);
        EXPECT_TRUE(names.insert(w.countryName[i]).second) << "name twice";
        ASSERT_EQ(w.countryCode[i].size(), 1u);
        EXPECT_TRUE(codes.insert(w.countryCode[i]).second) << "code twice";
        EXPECT_EQ(w.countryCode[i].find_first_of(",\" \t"), std::string::npos);
        EXPECT_GE(w.generalCount[i], 1);
        EXPECT_LE(w.generalCount[i], MaxGenerals);
        for (int j = 1; j <= w.generalCount[i]; ++j) {
            EXPECT_FALSE(w.generalName[i][j].empty());
            EXPECT_GT(w.generalEP[i][j], 0);
        }
    }
    // The opponent must be able to fight from the first turn on.
    EXPECT_GE(w.generalCount[9], 1);
}

TEST_F(ShippedMap, EverySeedFillsExactlyItsOwnCountry)
{
    const WorldState& w = *world;
    const int width = image.width();
    const int height = image.height();
    EXPECT_GE(height, 700);
    EXPECT_LE(height, 800);  // the main window must fit a 1080-pixel screen

    std::map<QRgb, int> pixelsOfColour;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ++pixelsOfColour[at(x, y)];

    const QRgb sea = at(width - 1, height - 1);
    std::map<QRgb, int> countryOfColour;
    for (int i = 1; i <= w.countryCount; ++i) {
        SCOPED_TRACE(w.countryName[i]);
        ASSERT_GE(w.fillX[i], 0);
        ASSERT_GE(w.fillY[i], 0);
        ASSERT_LT(w.fillX[i], width);
        ASSERT_LT(w.fillY[i], height);
        const QRgb colour = at(w.fillX[i], w.fillY[i]);
        // The game paints the player red and the opponent green.
        EXPECT_NE(colour, qRgb(255, 0, 0) & 0xFFFFFF);
        EXPECT_NE(colour, qRgb(0, 255, 0) & 0xFFFFFF);
        EXPECT_NE(colour, sea);
        const auto [it, fresh] = countryOfColour.emplace(colour, i);
        EXPECT_TRUE(fresh) << "same colour as " << w.countryName[it->second];

        // The fill reaches every pixel of the colour and no other: one
        // connected area that no other country shares.
        const std::vector<int> area = fillArea(w.fillX[i], w.fillY[i]);
        EXPECT_EQ(static_cast<int>(area.size()), pixelsOfColour[colour]);
        EXPECT_GE(area.size(), 80u) << "too small to see";
    }
}

TEST_F(ShippedMap, EveryCountryCanBeClickedThroughTheGrid)
{
    const WorldState& w = *world;
    EXPECT_LE(w.gridColumns, MaxGridSize);
    EXPECT_LE(w.gridRows, MaxGridSize);
    EXPECT_GE(w.gridColumns * GridCellPixels, image.width());
    EXPECT_GE(w.gridRows * GridCellPixels, image.height());

    std::vector<int> cells(static_cast<std::size_t>(w.countryCount) + 1, 0);
    for (int row = 1; row <= w.gridRows; ++row) {
        for (int col = 1; col <= w.gridColumns; ++col) {
            const int country = codeToCountry(w, cellCode(w, col, row));
            if (country == 0)
                continue;
            ++cells[static_cast<std::size_t>(country)];
            // A click there must land on or next to the country itself.
            const QRgb colour = at(w.fillX[country], w.fillY[country]);
            int inside = 0;
            for (int y = (row - 1) * GridCellPixels; y < row * GridCellPixels && y < image.height(); ++y)
                for (int x = (col - 1) * GridCellPixels; x < col * GridCellPixels && x < image.width(); ++x)
                    inside += at(x, y) == colour;
            EXPECT_GT(inside, 0) << w.countryName[country] << " at cell " << col << "," << row;
        }
    }
    for (int i = 1; i <= w.countryCount; ++i)
        EXPECT_GE(cells[static_cast<std::size_t>(i)], 1) << w.countryName[i] << " cannot be clicked";

    // A click on the open sea names no country.
    EXPECT_EQ(codeToCountry(w, cellCode(w, w.gridColumns, w.gridRows)), 0);
}

TEST_F(ShippedMap, NeighboursAreMutualAndConnectEveryCountry)
{
    const WorldState& w = *world;
    std::vector<std::set<int>> links(static_cast<std::size_t>(w.countryCount) + 1);
    for (int i = 1; i <= w.countryCount; ++i) {
        SCOPED_TRACE(w.countryName[i]);
        EXPECT_GE(w.neighbourCount[i], 1);
        EXPECT_LE(w.neighbourCount[i], MaxNeighbours);
        for (int k = 1; k <= w.neighbourCount[i]; ++k) {
            const int j = countryIndexByName(w, w.neighbourName[i][k]);
            ASSERT_NE(j, 0) << "unknown neighbour " << w.neighbourName[i][k];
            EXPECT_NE(j, i);
            EXPECT_TRUE(links[static_cast<std::size_t>(i)].insert(j).second) << "listed twice";
        }
    }
    for (int i = 1; i <= w.countryCount; ++i)
        for (const int j : links[static_cast<std::size_t>(i)])
            EXPECT_TRUE(links[static_cast<std::size_t>(j)].count(i))
                << w.countryName[i] << " lists " << w.countryName[j] << " but not the other way round";

    std::vector<char> reached(links.size(), 0);
    std::queue<int> todo;
    todo.push(1);
    reached[1] = 1;
    while (!todo.empty()) {
        const int i = todo.front();
        todo.pop();
        for (const int j : links[static_cast<std::size_t>(i)])
            if (!reached[static_cast<std::size_t>(j)]) {
                reached[static_cast<std::size_t>(j)] = 1;
                todo.push(j);
            }
    }
    for (int i = 1; i <= w.countryCount; ++i)
        EXPECT_TRUE(reached[static_cast<std::size_t>(i)]) << w.countryName[i] << " cannot be reached";

    // Borders the data gets wrong, fixed by the generator.
    const auto linked = [&](const char* a, const char* b) {
        const int i = countryIndexByName(w, a);
        const int j = countryIndexByName(w, b);
        return i != 0 && j != 0 && links[static_cast<std::size_t>(i)].count(j) > 0;
    };
    EXPECT_TRUE(linked("Sambia", "Botsuana"));
    EXPECT_FALSE(linked("Namibia", "Simbabwe"));
    EXPECT_TRUE(linked("Somalia", "Dschibuti"));
    EXPECT_TRUE(linked("Westsahara", "Marokko"));
    EXPECT_FALSE(linked("Marokko", "Mauretanien"));
    EXPECT_FALSE(linked("Angola", "Republik Kongo"));
}

}  // namespace
}  // namespace stratagon
