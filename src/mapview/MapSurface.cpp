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

    // Span fill: a stack entry is a run [left, right] of row y that has been
    // painted, and the direction dy of the row still to be scanned beside it.
    // Each scanned row is painted run by run; runs that stick out past the
    // parent run are also scanned back in the other direction.
    const auto push = [this, h](int yy, int left, int right, int dy) {
        if (yy + dy >= 0 && yy + dy < h)
            stack_.push_back({yy, left, right, dy});
    };
    stack_.clear();
    push(y, x, x, 1);
    push(y + 1, x, x, -1);
    while (!stack_.empty()) {
        const Span span = stack_.back();
        stack_.pop_back();
        const int yy = span.y + span.dy;
        const int dy = span.dy;
        const int x1 = span.left;
        const int x2 = span.right;
        QRgb* const line = row(yy);

        int xx = x1;
        while (xx >= 0 && line[xx] == target)
            line[xx--] = paint;
        int left;
        // A run that starts at or left of x1 goes on to the right of it,
        // even past x2.
        bool runAtX1 = xx < x1;
        if (runAtX1) {
            left = xx + 1;
            if (left < x1)
                push(yy, left, x1 - 1, -dy);
            xx = x1 + 1;
        } else {
            // x1 itself is not of the colour: find the first run inside.
            for (++xx; xx <= x2 && line[xx] != target; ++xx) {
            }
            left = xx;
        }
        while (runAtX1 || xx <= x2) {
            runAtX1 = false;
            while (xx < w && line[xx] == target)
                line[xx++] = paint;
            push(yy, left, xx - 1, dy);
            if (xx > x2 + 1)
                push(yy, x2 + 1, xx - 1, -dy);
            for (++xx; xx <= x2 && line[xx] != target; ++xx) {
            }
            left = xx;
        }
    }
}

void MapSurface::drawText(int x, int y, const QString& text, int pointSize, Rgb colour)
{
    if (surface_.isNull())
        return;
    QPainter painter(&surface_);
    // The date is drawn every tick in the same size: its font is made once.
    if (pointSize != textPointSize_) {
        textFont_ = painter.font();
        textFont_.setPointSize(pointSize);
        textAscent_ = QFontMetrics(textFont_, &surface_).ascent();
        textPointSize_ = pointSize;
    }
    painter.setFont(textFont_);
    painter.setPen(QColor(toQRgb(colour)));
    painter.drawText(QPoint(x, y + textAscent_), text);
}

Rgb MapSurface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= surface_.width() || y >= surface_.height())
        return 0;
    return fromQRgb(surface_.pixel(x, y));
}

}  // namespace stratagon
