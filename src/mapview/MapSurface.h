// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The map picture as the game paints it: the loaded bitmap and one drawing
// surface over it. A clear copies the bitmap back. Countries are painted by
// flood fill, or, once the areas are known, by writing the area's rows that
// the same fill found in the plain bitmap. Qt GUI only, no widgets: the main
// window shows surface().

#include "world/Palette.h"
#include "world/Playability.h"
#include "world/WorldState.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace stratagon {

class MapSurface : public MapPicture {
public:
    MapSurface() = default;

    // Loads the bitmap file; false (and nothing changed) when it cannot be
    // read, is no picture, or is cut short (problem() then says how).
    bool load(const QString& path);
    // The same from the file's bytes.
    bool loadFromData(std::string_view bytes);
    // Takes the picture as the bitmap; the surface starts as a copy of it.
    void setBitmap(const QImage& image);

    bool isNull() const { return bitmap_.isNull(); }
    int width() const override { return bitmap_.width(); }
    int height() const override { return bitmap_.height(); }
    // The bitmap's colour, whatever is painted over it.
    Rgb colourAt(int x, int y) const override;
    Text problem() const override { return problem_; }
    const QImage& bitmap() const { return bitmap_; }
    const QImage& surface() const { return surface_; }

    // Every pixel back to the bitmap.
    void clear();
    // Paints the area of the colour found at (x, y), 4-connected, in `colour`
    // (0x00BBGGRR): paintCountry in a plain style. A seed outside the picture
    // paints nothing.
    void fillCountry(int x, int y, Rgb colour);
    // Text with its top-left corner at (x, y).
    void drawText(int x, int y, const QString& text, int pointSize, Rgb colour);

    // The mark of a country fought over, centred on (x, y).
    void drawBattleMark(int x, int y);

    // Colour of a surface pixel as 0x00BBGGRR; 0 outside the picture.
    Rgb pixel(int x, int y) const;

    // The countries' areas: the region that a fill from each seed covers in
    // the plain bitmap (seeds[k] is the seed of country k + 1). Made once
    // per map; afterwards a fill from inside an area that still shows its
    // bitmap colour, or one solid colour, writes the area's spans.
    void buildAreas(const std::vector<QPoint>& seeds);
    bool hasAreas() const { return !labels_.empty(); }
    // The country whose area holds the pixel; 0 for a border, the sea, a
    // pixel outside the picture or an area that two seeds share.
    int countryAt(int x, int y) const;
    // As fillCountry, with stripes when the style asks for them.
    void paintCountry(int x, int y, const SideStyle& style);

    static QRgb toQRgb(Rgb colour);
    static Rgb fromQRgb(QRgb colour);

private:
    struct Span {
        int y;
        int left;
        int right;
        int dy;
    };

    struct Run {
        int y;
        int left;
        int right;
    };
    struct Area {
        int firstRun = 0;
        int runCount = 0;
        int country = 0;   // 0 when two seeds share it
        QRgb bitmapColour = 0;
        QRgb solid = 0;    // the one colour it shows now
        bool known = true; // false once a flood fill has run through it
    };
    static constexpr QRgb Striped = 0xFFFFFFFFu;  // not a colour of an RGB32 picture

    int areaAt(int x, int y) const;
    bool paintArea(int x, int y, const SideStyle& style);
    void floodFill(int x, int y, Rgb colour);

    QImage bitmap_;
    QImage surface_;
    std::vector<uint8_t> labels_;  // area number + 1 per pixel, 0 for none
    std::vector<Area> areas_;
    std::vector<Run> runs_;
    Text problem_;
    std::vector<Span> stack_;  // kept between fills so that a fill allocates nothing
    QFont textFont_;
    int textPointSize_ = 0;
    int textAscent_ = 0;
};

}  // namespace stratagon
