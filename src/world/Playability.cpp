// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/Playability.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace stratagon {

namespace {

Text mapError(const char* source, std::vector<TextArg> values = {})
{
    return {MapErrorsContext, source, std::move(values)};
}

std::string colourText(Rgb colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", unsigned(colour & 0xFF), unsigned((colour >> 8) & 0xFF),
                  unsigned((colour >> 16) & 0xFF));
    return text;
}

// The number of cells of 17 pixels that a side of `pixels` makes, the last one
// possibly cut.
int cellsFor(int pixels) { return (pixels + GridCellPixels - 1) / GridCellPixels; }

int countries(const WorldState& w) { return std::clamp(w.countryCount, 0, MaxCountries); }

// The country whose code a cell carries, as the game finds it (the last of
// equal codes); 0 for none.
std::array<int, 256> countryByCode(const WorldState& w)
{
    std::array<int, 256> byCode{};
    for (int i = 1; i <= countries(w); ++i)
        if (w.countryCode[i].size() == 1)
            byCode[static_cast<unsigned char>(w.countryCode[i][0])] = i;
    return byCode;
}

uint32_t little(std::string_view b, std::size_t at, int bytes)
{
    uint32_t value = 0;
    for (int k = bytes - 1; k >= 0; --k)
        value = value << 8 | static_cast<unsigned char>(b[at + std::size_t(k)]);
    return value;
}

bool inside(const WorldState& w, const MapPicture& picture, int i)
{
    return w.fillX[i] >= 0 && w.fillY[i] >= 0 && w.fillX[i] < picture.width() && w.fillY[i] < picture.height();
}

Text outsideText(const WorldState& w, const MapPicture& picture, int i)
{
    return mapError(
        QT_TRANSLATE_NOOP("MapErrors", "Der Startpunkt (%1, %2) von „%3“ liegt außerhalb des Kartenbilds (%4 × %5)."),
        {TextArg::num(w.fillX[i]), TextArg::num(w.fillY[i]), TextArg::name(w.countryName[i]),
         TextArg::num(picture.width()), TextArg::num(picture.height())});
}

// The area a fill from each seed paints (4-connected, one colour), judged by
// the cells it covers: it must reach a cell of its own country, stay among
// that country's cells and the cells around them (a seed on a border line or
// in the sea paints far beyond), and hold no other country's seed (the two
// would always be painted together). Findings per country go to `findings`,
// shared areas to `shared`.
void checkSeedAreas(const WorldState& w, const MapPicture& picture, std::vector<Text>& findings,
                    std::vector<Text>& shared)
{
    const int width = picture.width(), height = picture.height();
    const int columns = w.gridColumns, rows = w.gridRows;
    const int n = countries(w);
    const std::array<int, 256> byCode = countryByCode(w);
    const auto owner = [&](int col, int row) {  // cells from 0
        return byCode[static_cast<unsigned char>(w.gridCell[col + 1][row + 1])];
    };

    std::vector<int> label(std::size_t(width) * std::size_t(height), 0);
    std::vector<std::vector<bool>> covered;  // per area: the cells it touches
    std::vector<std::vector<int>> seeds;     // per area: the countries whose seed lies in it
    std::vector<int> areaOf(std::size_t(n) + 1, 0);
    std::vector<std::pair<int, int>> stack;
    for (int i = 1; i <= n; ++i) {
        if (!inside(w, picture, i)) {
            findings.push_back(outsideText(w, picture, i));
            continue;
        }
        const std::size_t at = std::size_t(w.fillY[i]) * std::size_t(width) + std::size_t(w.fillX[i]);
        if (label[at] == 0) {
            const int area = int(covered.size()) + 1;
            covered.emplace_back(std::size_t(columns) * std::size_t(rows), false);
            seeds.emplace_back();
            std::vector<bool>& cells = covered.back();
            const Rgb colour = picture.colourAt(w.fillX[i], w.fillY[i]);
            label[at] = area;
            stack.assign(1, {w.fillX[i], w.fillY[i]});
            while (!stack.empty()) {
                const auto [x, y] = stack.back();
                stack.pop_back();
                cells[std::size_t(y / GridCellPixels) * std::size_t(columns) + std::size_t(x / GridCellPixels)] = true;
                const std::pair<int, int> next[] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
                for (const auto& [nx, ny] : next) {
                    if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                        continue;
                    int& l = label[std::size_t(ny) * std::size_t(width) + std::size_t(nx)];
                    if (l == 0 && picture.colourAt(nx, ny) == colour) {
                        l = area;
                        stack.push_back({nx, ny});
                    }
                }
            }
        }
        areaOf[std::size_t(i)] = label[at];
        seeds[std::size_t(label[at] - 1)].push_back(i);
    }

    std::vector<bool> ownsCell(std::size_t(n) + 1, false);
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < columns; ++col)
            ownsCell[std::size_t(owner(col, row))] = true;
    for (int i = 1; i <= n; ++i) {
        // A country without a cell is named by the rules on the file.
        if (areaOf[std::size_t(i)] == 0 || !ownsCell[std::size_t(i)])
            continue;
        const std::vector<bool>& cells = covered[std::size_t(areaOf[std::size_t(i)] - 1)];
        bool reachesOwn = false;
        int touched = 0, nearOwn = 0;
        for (int row = 0; row < rows; ++row)
            for (int col = 0; col < columns; ++col) {
                if (!cells[std::size_t(row) * std::size_t(columns) + std::size_t(col)])
                    continue;
                reachesOwn = reachesOwn || owner(col, row) == i;
                bool near = false;
                for (int r = std::max(row - 1, 0); r <= std::min(row + 1, rows - 1) && !near; ++r)
                    for (int c = std::max(col - 1, 0); c <= std::min(col + 1, columns - 1) && !near; ++c)
                        near = owner(c, r) == i;
                ++touched;
                nearOwn += near;
            }
        // Thin parts of a country may run through cells of its neighbours;
        // a border network or a sea reaches far more cells than it owns.
        const bool staysNear = 2 * nearOwn >= touched;
        std::vector<TextArg> seed = {TextArg::num(w.fillX[i]), TextArg::num(w.fillY[i]),
                                     TextArg::name(w.countryName[i]),
                                     TextArg::plain(colourText(picture.colourAt(w.fillX[i], w.fillY[i])))};
        if (!reachesOwn)
            findings.push_back(mapError(QT_TRANSLATE_NOOP("MapErrors", "Der Startpunkt (%1, %2) von „%3“ liegt auf "
                                                                       "einer Fläche (Farbe %4), die kein Feld des "
                                                                       "Landes im Raster berührt."),
                                        std::move(seed)));
        else if (!staysNear)
            findings.push_back(mapError(QT_TRANSLATE_NOOP("MapErrors", "Der Startpunkt (%1, %2) von „%3“ liegt auf "
                                                                       "einer Fläche (Farbe %4), die weit über das "
                                                                       "Land hinausreicht: eine Grenzlinie oder das "
                                                                       "Meer?"),
                                        std::move(seed)));
    }
    for (const std::vector<int>& together : seeds)
        if (together.size() > 1) {
            std::vector<Text> first;
            for (std::size_t k = 0; k + 1 < together.size(); ++k)
                first.push_back(
                    mapError(QT_TRANSLATE_NOOP("MapErrors", "„%1“"), {TextArg::name(w.countryName[together[k]])}));
            shared.push_back(
                mapError(QT_TRANSLATE_NOOP("MapErrors", "Die Startpunkte von %1 und „%2“ liegen auf "
                                                        "derselben Fläche; diese Länder würden immer "
                                                        "zusammen eingefärbt."),
                         {TextArg::joined(std::move(first), ", "), TextArg::name(w.countryName[together.back()])}));
        }
}
}  // namespace

std::vector<Text> checkMapRules(const WorldState& w)
{
    std::vector<Text> findings;
    const int n = countries(w);
    if (n < 1) {
        findings.push_back(mapError(QT_TRANSLATE_NOOP("MapErrors", "Die Karte enthält kein Land.")));
        return findings;
    }
    if (codeToCountry(w, w.defaultSideCode) == 0)
        findings.push_back(
            mapError(QT_TRANSLATE_NOOP("MapErrors", "Das Kürzel des Startlandes „%1“ gehört zu keinem Land der Karte."),
                     {TextArg::plain(w.defaultSideCode)}));
    for (int i = 2; i <= n; ++i)
        for (int j = 1; j < i; ++j)
            if (w.countryCode[j] == w.countryCode[i]) {
                findings.push_back(mapError(QT_TRANSLATE_NOOP("MapErrors", "„%1“ und „%2“ haben dasselbe Kürzel „%3“."),
                                            {TextArg::name(w.countryName[j]), TextArg::name(w.countryName[i]),
                                             TextArg::plain(w.countryCode[i])}));
                break;
            }
    for (int i = 1; i <= n; ++i)
        for (int k = 1; k <= std::clamp(w.neighbourCount[i], 0, MaxNeighbours); ++k)
            if (countryIndexByName(w, w.neighbourName[i][k]) == 0)
                findings.push_back(
                    mapError(QT_TRANSLATE_NOOP("MapErrors", "Der Nachbar „%1“ von „%2“ ist kein Land der Karte."),
                             {TextArg::name(w.neighbourName[i][k]), TextArg::name(w.countryName[i])}));

    std::array<bool, MaxCountries + 1> hasCell{};
    const std::array<int, 256> byCode = countryByCode(w);
    for (int row = 1; row <= std::clamp(w.gridRows, 0, MaxGridSize); ++row)
        for (int col = 1; col <= std::clamp(w.gridColumns, 0, MaxGridSize); ++col)
            hasCell[std::size_t(byCode[static_cast<unsigned char>(w.gridCell[col][row])])] = true;
    for (int i = 1; i <= n; ++i)
        if (!hasCell[std::size_t(i)] && codeToCountry(w, w.countryCode[i]) == i)
            findings.push_back(mapError(QT_TRANSLATE_NOOP("MapErrors", "„%1“ hat kein Feld im Raster: du könntest es "
                                                                       "nie anklicken und nie erobern."),
                                        {TextArg::name(w.countryName[i])}));
    return findings;
}

std::vector<Text> checkMapPicture(const WorldState& w, const MapPicture& picture)
{
    std::vector<Text> findings;
    if (Text problem = picture.problem(); !problem.empty()) {
        findings.push_back(problem);
        return findings;
    }
    const int width = picture.width();
    const int height = picture.height();
    const bool fits = width > 0 && height > 0 && cellsFor(width) == w.gridColumns && cellsFor(height) == w.gridRows;
    if (!fits) {
        const auto least = [](int cells) { return TextArg::num((cells - 1) * GridCellPixels + 1); };
        const auto most = [](int cells) { return TextArg::num(cells * GridCellPixels); };
        findings.push_back(
            mapError(QT_TRANSLATE_NOOP("MapErrors", "Das Kartenbild ist %1 × %2 Bildpunkte groß; zum "
                                                    "Raster von %3 × %4 Feldern zu 17 Bildpunkten "
                                                    "passen %5 bis %6 × %7 bis %8."),
                     {TextArg::num(width), TextArg::num(height), TextArg::num(w.gridColumns), TextArg::num(w.gridRows),
                      least(w.gridColumns), most(w.gridColumns), least(w.gridRows), most(w.gridRows)}));
    }

    const int n = countries(w);
    std::vector<Text> shared;
    if (fits)
        checkSeedAreas(w, picture, findings, shared);
    else
        for (int i = 1; i <= n; ++i)
            if (!inside(w, picture, i))
                findings.push_back(outsideText(w, picture, i));
    findings.insert(findings.end(), shared.begin(), shared.end());
    return findings;
}

std::vector<Text> checkPlayability(const WorldState& world, const MapPicture* picture)
{
    std::vector<Text> findings = checkMapRules(world);
    if (picture) {
        std::vector<Text> more = checkMapPicture(world, *picture);
        findings.insert(findings.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    }
    return findings;
}

Text playabilityMessage(const std::vector<Text>& findings, std::size_t shown)
{
    if (findings.empty())
        return mapError(QT_TRANSLATE_NOOP("MapErrors", "Auf dieser Karte kann nicht gespielt werden:"));
    shown = std::clamp<std::size_t>(shown, 1, findings.size());
    TextArg listed = TextArg::joined({findings.begin(), findings.begin() + std::ptrdiff_t(shown)}, "\n- ");
    if (shown == findings.size())
        return mapError(QT_TRANSLATE_NOOP("MapErrors", "Auf dieser Karte kann nicht gespielt werden:\n- %1"),
                        {std::move(listed)});
    return mapError(QT_TRANSLATE_NOOP("MapErrors",
                                      "Auf dieser Karte kann nicht gespielt werden:\n- %1\n... und %2 weitere Fehler."),
                    {std::move(listed), TextArg::num(int64_t(findings.size() - shown))});
}

Text bitmapFileProblem(std::string_view b)
{
    if (b.size() < 2 || b[0] != 'B' || b[1] != 'M')
        return {};
    const Text cut = mapError(
        QT_TRANSLATE_NOOP("MapErrors",
                          "Das Kartenbild ist unvollständig: die Datei hat %1 Bytes, zu wenige für ihren Kopf."),
        {TextArg::num(int64_t(b.size()))});
    if (b.size() < 18)
        return cut;
    const uint32_t offset = little(b, 10, 4);
    const uint32_t headerSize = little(b, 14, 4);
    int64_t width = 0, height = 0;
    uint32_t bits = 0, compression = 0, imageSize = 0;
    if (headerSize == 12) {
        if (b.size() < 26)
            return cut;
        width = little(b, 18, 2), height = little(b, 20, 2), bits = little(b, 24, 2);
    } else if (headerSize >= 40) {
        if (b.size() < 54)
            return cut;
        width = int32_t(little(b, 18, 4)), height = int32_t(little(b, 22, 4));
        bits = little(b, 28, 2), compression = little(b, 30, 4), imageSize = little(b, 34, 4);
    } else {
        return {};
    }
    height = std::llabs(height);  // negative: rows top down
    if (width <= 0 || height == 0 || bits == 0)
        return {};
    // Rows of whole 32-bit words; packed pixels say their size in the header.
    unsigned __int128 needed = offset;
    if (compression == 0 || compression == 3 || compression == 6)
        needed += (((unsigned __int128)(width) * bits + 31) / 32) * 4 * (unsigned __int128)(height);
    else
        needed += imageSize;
    if (needed <= b.size())
        return {};
    std::vector<TextArg> sizes = {TextArg::num(int64_t(b.size())), TextArg::num(width), TextArg::num(height)};
    if (needed > INT64_MAX)
        return mapError(QT_TRANSLATE_NOOP("MapErrors", "Das Kartenbild ist unvollständig: die Datei hat %1 Bytes, für "
                                                       "ihre %2 × %3 Bildpunkte braucht sie mehr."),
                        std::move(sizes));
    sizes.push_back(TextArg::num(int64_t(needed)));
    return mapError(QT_TRANSLATE_NOOP("MapErrors", "Das Kartenbild ist unvollständig: die Datei hat %1 Bytes, für "
                                                   "ihre %2 × %3 Bildpunkte braucht sie %4."),
                    std::move(sizes));
}

}  // namespace stratagon
