#include "mapview/MapSurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace stratagon {

QRgb MapSurface::toQRgb(Rgb colour)
{
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

Rgb MapSurface::fromQRgb(QRgb colour)
{
    return static_cast<Rgb>(qRed(colour)) | static_cast<Rgb>(qGreen(colour)) << 8 |
           static_cast<Rgb>(qBlue(colour)) << 16;
}

bool MapSurface::load(const QString& path)
{
    QImage image;
    if (!image.load(path))
        return false;
    setBitmap(image);
    return true;
}

void MapSurface::setBitmap(const QImage& image)
{
    // One 32-bit layout for both, so that a fill compares whole pixels and a
    // clear is a plain copy.
    bitmap_ = image.convertToFormat(QImage::Format_RGB32);
    surface_ = bitmap_.copy();
}

void MapSurface::clear()
{
    if (bitmap_.isNull())
        return;
    if (surface_.size() != bitmap_.size() || surface_.format() != bitmap_.format()) {
        surface_ = bitmap_.copy();
        return;
    }
    // Copy into the surface's own memory: no new image per tick.
    const qsizetype bytes = std::min(bitmap_.sizeInBytes(), surface_.sizeInBytes());
    std::memcpy(surface_.bits(), bitmap_.constBits(), static_cast<std::size_t>(bytes));
}

void MapSurface::fillCountry(int x, int y, Rgb colour)
{
    const int w = surface_.width();
    const int h = surface_.height();
    if (x < 0 || y < 0 || x >= w || y >= h)
        return;
    uchar* const base = surface_.bits();
    const qsizetype stride = surface_.bytesPerLine();
    const auto row = [base, stride](int yy) {
        return reinterpret_cast<QRgb*>(base + static_cast<qsizetype>(yy) * stride);
    };
    const QRgb target = row(y)[x];
    const QRgb paint = toQRgb(colour);
    if (target == paint)
        return;

    // Scanline fill: each popped seed fills its whole run on its row, then
    // leaves one seed per run of the target colour on the rows above and below.
    stack_.clear();
    stack_.push_back({x, y});
    while (!stack_.empty()) {
        const Seed seed = stack_.back();
        stack_.pop_back();
        QRgb* const line = row(seed.y);
        if (line[seed.x] != target)
            continue;
        int left = seed.x;
        while (left > 0 && line[left - 1] == target)
            --left;
        int right = seed.x;
        while (right < w - 1 && line[right + 1] == target)
            ++right;
        std::fill(line + left, line + right + 1, paint);
        for (const int ny : {seed.y - 1, seed.y + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            const QRgb* const next = row(ny);
            bool inRun = false;
            for (int i = left; i <= right; ++i) {
                if (next[i] == target) {
                    if (!inRun)
                        stack_.push_back({i, ny});
                    inRun = true;
                } else {
                    inRun = false;
                }
            }
        }
    }
}

void MapSurface::drawText(int x, int y, const QString& text, int pointSize, Rgb colour)
{
    if (surface_.isNull())
        return;
    QPainter painter(&surface_);
    QFont font = painter.font();
    font.setPointSize(pointSize);
    painter.setFont(font);
    painter.setPen(QColor(toQRgb(colour)));
    painter.drawText(QPoint(x, y + QFontMetrics(font, &surface_).ascent()), text);
}

Rgb MapSurface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= surface_.width() || y >= surface_.height())
        return 0;
    return fromQRgb(surface_.pixel(x, y));
}

}  // namespace stratagon
