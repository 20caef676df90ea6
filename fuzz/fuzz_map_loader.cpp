// SPDX-License-Identifier: GPL-3.0-or-later
// Map files come from anyone: any bytes must load within the tables or be
// refused with the world exactly as it was. What loads keeps its texts byte
// for byte and within their bounds, and the playability check judges it as a
// plain recount of its rules does.
#include "world/MapLoader.h"
#include "world/Playability.h"

#include <cstdlib>
#include <array>
#include <memory>
#include <string>
#include <vector>
#include <string_view>

using namespace stratagon;

namespace {

bool withinTables(const WorldState& w)
{
    if (w.countryCount < 1 || w.countryCount > MaxCountries)
        return false;
    if (w.gridColumns < 1 || w.gridColumns > MaxGridSize || w.gridRows < 1 || w.gridRows > MaxGridSize)
        return false;
    for (int i = 1; i <= w.countryCount; ++i) {
        if (w.generalCount[i] < 0 || w.generalCount[i] > MaxGenerals)
            return false;
        if (w.neighbourCount[i] < 0 || w.neighbourCount[i] > MaxNeighbours)
            return false;
        if (w.countryOwner[i] != i)
            return false;
    }
    return true;
}

// A text of the world came from the file: back in Windows-1252 it is bytes of
// the file, no longer than allowed, and decodes to itself again.
bool keptAsInTheFile(const std::string& text, std::string_view file, std::size_t longest)
{
    const std::string bytes = utf8ToWindows1252(text);
    return bytes.size() <= longest && windows1252ToUtf8(bytes) == text && file.find(bytes) != std::string_view::npos;
}

// Each grid row is a row of the file's bytes, its last code repeated to the
// grid's width; an empty row leaves empty cells.
bool gridKept(const WorldState& w, std::string_view file)
{
    for (int row = 1; row <= w.gridRows; ++row) {
        std::string cells;
        for (int col = 1; col <= w.gridColumns; ++col)
            cells += w.gridCell[col][row];
        if (cells.find_first_not_of('\0') == std::string::npos)
            continue;
        std::size_t end = cells.size();
        while (end > 1 && cells[end - 2] == cells[end - 1])
            --end;
        if (file.find(std::string_view(cells).substr(0, end)) == std::string_view::npos)
            return false;
    }
    return true;
}

bool textsKept(const WorldState& w, std::string_view file)
{
    bool ok = keptAsInTheFile(w.continentName, file, MaxMapTextLength) &&
              keptAsInTheFile(w.defaultSideCode, file, MaxMapTextLength);
    for (int i = 1; i <= w.countryCount; ++i) {
        ok = ok && keptAsInTheFile(w.countryName[i], file, MaxMapTextLength);
        for (int k = 1; k <= w.neighbourCount[i]; ++k)
            ok = ok && keptAsInTheFile(w.neighbourName[i][k], file, MaxMapTextLength);
        for (int j = 1; j <= w.generalCount[i]; ++j)
            ok = ok && keptAsInTheFile(w.generalName[i][j], file, MaxMapTextLength);
    }
    return ok && gridKept(w, file);
}

// A picture of the grid's size whose every cell shows its code as colour.
struct CodePicture : MapPicture {
    const WorldState& w;
    explicit CodePicture(const WorldState& world) : w(world) {}
    int width() const override { return w.gridColumns * GridCellPixels; }
    int height() const override { return w.gridRows * GridCellPixels; }
    Rgb colourAt(int x, int y) const override
    {
        return 0x100 + static_cast<unsigned char>(w.gridCell[x / GridCellPixels + 1][y / GridCellPixels + 1]);
    }
};

// The faults the check must find, counted straight from the rules.
std::size_t expectedFaults(const WorldState& w, bool withPicture)
{
    const int n = w.countryCount;
    std::size_t faults = 0;
    const auto byCode = [&](char code) {
        int found = 0;
        for (int i = 1; i <= n; ++i)
            if (w.countryCode[i][0] == code)
                found = i;
        return found;
    };
    bool sideFound = false;
    for (int i = 1; i <= n; ++i)
        sideFound = sideFound || w.countryCode[i] == w.defaultSideCode;
    faults += !sideFound;
    for (int i = 2; i <= n; ++i) {
        bool twice = false;
        for (int j = 1; j < i; ++j)
            twice = twice || w.countryCode[j] == w.countryCode[i];
        faults += twice;
    }
    for (int i = 1; i <= n; ++i)
        for (int k = 1; k <= w.neighbourCount[i]; ++k) {
            bool named = false;
            for (int j = 1; j <= n; ++j)
                named = named || w.countryName[j] == w.neighbourName[i][k];
            faults += !named;
        }
    for (int i = 1; i <= n; ++i) {
        if (byCode(w.countryCode[i][0]) != i)
            continue;  // an earlier country of a shared code: the grid never names it
        bool hasCell = false;
        for (int row = 1; row <= w.gridRows; ++row)
            for (int col = 1; col <= w.gridColumns; ++col)
                hasCell = hasCell || w.gridCell[col][row] == w.countryCode[i][0];
        faults += !hasCell;
        if (!withPicture)
            continue;
        const int x = w.fillX[i], y = w.fillY[i];
        if (x < 0 || y < 0 || x >= w.gridColumns * GridCellPixels || y >= w.gridRows * GridCellPixels)
            ++faults;
        else if (hasCell && w.gridCell[x / GridCellPixels + 1][y / GridCellPixels + 1] != w.countryCode[i][0])
            ++faults;
    }
    if (!withPicture)
        return faults;
    // Seeds in one area (on this picture: cells of one code, side by side)
    // are one fault per area.
    std::array<std::array<int, MaxGridSize + 2>, MaxGridSize + 2> area{};
    std::vector<int> seedsIn(1, 0);
    for (int i = 1; i <= n; ++i) {
        const int x = w.fillX[i], y = w.fillY[i];
        if (x < 0 || y < 0 || x >= w.gridColumns * GridCellPixels || y >= w.gridRows * GridCellPixels)
            continue;
        const int col = x / GridCellPixels + 1, row = y / GridCellPixels + 1;
        if (area[col][row] == 0) {
            const int id = int(seedsIn.size());
            seedsIn.push_back(0);
            std::vector<std::pair<int, int>> todo{{col, row}};
            area[col][row] = id;
            while (!todo.empty()) {
                const auto [c, r] = todo.back();
                todo.pop_back();
                const std::pair<int, int> next[] = {{c + 1, r}, {c - 1, r}, {c, r + 1}, {c, r - 1}};
                for (const auto& [nc, nr] : next)
                    if (nc >= 1 && nr >= 1 && nc <= w.gridColumns && nr <= w.gridRows && area[nc][nr] == 0 &&
                        w.gridCell[nc][nr] == w.gridCell[col][row])
                        area[nc][nr] = id, todo.push_back({nc, nr});
            }
        }
        ++seedsIn[std::size_t(area[col][row])];
    }
    for (const int seeds : seedsIn)
        faults += seeds > 1;
    // Seeds of the earlier countries of a shared code are checked for being
    // inside the picture only.
    for (int i = 1; i <= n; ++i) {
        const int x = w.fillX[i], y = w.fillY[i];
        if (byCode(w.countryCode[i][0]) != i &&
            (x < 0 || y < 0 || x >= w.gridColumns * GridCellPixels || y >= w.gridRows * GridCellPixels))
            ++faults;
    }
    return faults;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // One world across inputs, so that a load on top of an earlier map is
    // exercised too.
    static auto world = std::make_unique<WorldState>();
    static auto before = std::make_unique<WorldState>();
    *before = *world;
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const MapLoadResult result = loadMapFromBytes(*world, file, "fuzz.mgi");
    if (!result.ok) {
        if (!(*world == *before) || germanText(result.message).empty())
            std::abort();
        return 0;
    }
    if (!withinTables(*world) || !textsKept(*world, file))
        std::abort();
    // The picture's rules on small grids only: a big picture costs a fill of
    // millions of pixels, and the rules are the same on a few hundred cells.
    const bool withPicture = world->gridColumns * world->gridRows <= 400;
    const CodePicture picture(*world);
    const std::vector<Text> findings = checkPlayability(*world, withPicture ? &picture : nullptr);
    if (findings.size() != expectedFaults(*world, withPicture))
        std::abort();
    for (const Text& finding : findings)
        if (germanText(finding).empty())
            std::abort();
    return 0;
}
