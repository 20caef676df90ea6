#pragma once

// The map picture as the game paints it: the loaded bitmap and one drawing
// surface over it. Countries are painted by flood fill; a clear copies the
// bitmap back. Qt GUI only, no widgets: the main window shows surface().

#include "world/WorldState.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <vector>

namespace stratagon {

class MapSurface {
public:
    MapSurface() = default;

    // Loads the bitmap file; false (and nothing changed) when it cannot be read.
    bool load(const QString& path);
    // Takes the picture as the bitmap; the surface starts as a copy of it.
    void setBitmap(const QImage& image);

    bool isNull() const { return bitmap_.isNull(); }
    int width() const { return bitmap_.width(); }
    int height() const { return bitmap_.height(); }
    const QImage& bitmap() const { return bitmap_; }
    const QImage& surface() const { return surface_; }

    // Every pixel back to the bitmap.
    void clear();
    // Paints the area of the colour found at (x, y), 4-connected, in `colour`
    // (0x00BBGGRR). A seed outside the picture paints nothing.
    void fillCountry(int x, int y, Rgb colour);
    // Text with its top-left corner at (x, y).
    void drawText(int x, int y, const QString& text, int pointSize, Rgb colour);

    // Colour of a surface pixel as 0x00BBGGRR; 0 outside the picture.
    Rgb pixel(int x, int y) const;

    static QRgb toQRgb(Rgb colour);
    static Rgb fromQRgb(QRgb colour);

private:
    struct Span {
        int y;
        int left;
        int right;
        int dy;
    };

    QImage bitmap_;
    QImage surface_;
    std::vector<Span> stack_;  // kept between fills so that a fill allocates nothing
    QFont textFont_;
    int textPointSize_ = 0;
    int textAscent_ = 0;
};

}  // namespace stratagon
