// SPDX-License-Identifier: GPL-3.0-or-later
// The map's flood fill against the plainest fill there is: a small random
// picture of few colours, random seeds (some outside), every pixel compared
// after every fill, and a clear that gives the picture back.
#include "mapview/MapSurface.h"

#include <QGuiApplication>
#include <cstdlib>
#include <vector>

using namespace stratagon;

namespace {

// 4-connected fill, one pixel at a time from a stack.
void plainFill(std::vector<Rgb>& pixels, int w, int h, int x, int y, Rgb colour)
{
    if (x < 0 || y < 0 || x >= w || y >= h)
        return;
    const Rgb target = pixels[std::size_t(y * w + x)];
    if (target == colour)
        return;
    std::vector<std::pair<int, int>> stack{{x, y}};
    while (!stack.empty()) {
        const auto [px, py] = stack.back();
        stack.pop_back();
        if (px < 0 || py < 0 || px >= w || py >= h || pixels[std::size_t(py * w + px)] != target)
            continue;
        pixels[std::size_t(py * w + px)] = colour;
        stack.insert(stack.end(), {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}});
    }
}

struct Bytes {
    const uint8_t* data;
    size_t size;
    size_t pos = 0;
    uint8_t next() { return pos < size ? data[pos++] : 0; }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Bytes in{data, size};
    const int w = 1 + in.next() % 48;
    const int h = 1 + in.next() % 48;
    // Few colours, so that areas are large and wind around each other; red
    // and green among them, as on a painted map.
    const Rgb palette[4] = {0x123456, PlayerColour, OpponentColour, 0x000000};
    std::vector<Rgb> reference(std::size_t(w * h));
    QImage image(w, h, QImage::Format_RGB32);
    uint8_t bits = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            // Two bits a pixel, four pixels a byte.
            const int k = y * w + x;
            if (k % 4 == 0)
                bits = in.next();
            const Rgb c = palette[(bits >> (2 * (k % 4))) & 3];
            reference[std::size_t(y * w + x)] = c;
            image.setPixel(x, y, MapSurface::toQRgb(c));
        }
    const std::vector<Rgb> original = reference;
    MapSurface surface;
    surface.setBitmap(image);

    const auto same = [&] {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (surface.pixel(x, y) != reference[std::size_t(y * w + x)])
                    return false;
        return true;
    };
    const int fills = 1 + in.next() % 8;
    for (int k = 0; k < fills; ++k) {
        // Seeds reach two pixels past every edge.
        const int x = int(in.next() % (w + 4)) - 2;
        const int y = int(in.next() % (h + 4)) - 2;
        const Rgb colour = palette[in.next() & 3];
        surface.fillCountry(x, y, colour);
        plainFill(reference, w, h, x, y, colour);
        if (!same())
            std::abort();
    }
    surface.clear();
    reference = original;
    if (!same() || surface.surface() != surface.bitmap())
        std::abort();
    return 0;
}
