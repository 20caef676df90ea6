// SPDX-License-Identifier: GPL-3.0-or-later
// A map picture from anyone: the loader either refuses it or gives a picture
// that is whole (never one cut short), the size rule agrees with the grid it
// was made for, and a fill and a clear work on it as on any picture.
#include "mapview/MapSurface.h"
#include "world/Playability.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <string_view>

using namespace stratagon;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    MapSurface surface;
    const bool loaded = surface.loadFromData(bytes);
    const std::string problem = germanText(bitmapFileProblem(bytes));
    // A cut bitmap is never loaded, and the surface says why.
    if (!problem.empty() && (loaded || germanText(surface.problem()) != problem))
        std::abort();
    if (!loaded)
        return 0;
    const int w = surface.width(), h = surface.height();
    if (w <= 0 || h <= 0)
        std::abort();
    // A header may ask for millions of pixels; the rules below are the same
    // on small pictures and cost a fill of every pixel.
    if (qint64(w) * h > 256 * 256)
        return 0;

    // The grid this picture fits, and one a cell too wide: the size rule
    // takes the first and names the second.
    static auto world = std::make_unique<WorldState>();
    const int columns = (w + GridCellPixels - 1) / GridCellPixels;
    const int rows = (h + GridCellPixels - 1) / GridCellPixels;
    if (columns < MaxGridSize && rows <= MaxGridSize) {
        world->countryCount = 1, world->countryCode[1] = "A", world->countryName[1] = "A";
        world->defaultSideCode = "A", world->fillX[1] = 0, world->fillY[1] = 0;
        world->gridColumns = columns, world->gridRows = rows;
        for (int row = 1; row <= rows; ++row)
            for (int col = 1; col <= columns; ++col)
                world->gridCell[col][row] = 'A';
        const auto sizeFindings = [&] {
            int found = 0;
            for (const Text& f : checkMapPicture(*world, surface))
                found += germanText(f).rfind("Das Kartenbild ist ", 0) == 0;
            return found;
        };
        if (sizeFindings() != 0)
            std::abort();
        world->gridColumns = columns + 1;
        if (sizeFindings() != 1)
            std::abort();
    }

    // A fill paints only pixels of the seed's colour; the clear takes it back.
    const int x = size ? data[size - 1] % w : 0;
    const int y = size > 1 ? data[size - 2] % h : 0;
    const Rgb before = surface.pixel(x, y);
    surface.fillCountry(x, y, PlayerColour);
    if (surface.pixel(x, y) != PlayerColour)
        std::abort();
    for (int yy = 0; yy < h; yy += 7)
        for (int xx = 0; xx < w; xx += 7)
            if (surface.pixel(xx, yy) != surface.colourAt(xx, yy) &&
                (surface.pixel(xx, yy) != PlayerColour || surface.colourAt(xx, yy) != before))
                std::abort();
    surface.clear();
    if (surface.surface() != surface.bitmap())
        std::abort();
    return 0;
}
