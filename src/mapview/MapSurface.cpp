// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/MapSurface.h"

#include "platform/Paths.h"
#include "world/Settings.h"

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cerrno>
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

namespace {

// The largest grid in 32-bit pixels is 11 MB; no map picture is larger.
constexpr std::size_t MaxPictureBytes = std::size_t(64) * 1024 * 1024;

}  // namespace

bool MapSurface::load(const QString& path)
{
    problem_ = {};
    std::string bytes;
    const FileResult read = readRegularFile(QFile::encodeName(path).toStdString(), MaxPictureBytes, bytes);
    if (!read.ok) {
        // A missing picture has its own message; anything else is named.
        if (read.errorNumber != ENOENT)
            problem_ = {"MapSurface",
                        QT_TRANSLATE_NOOP("MapSurface", "Das Kartenbild kann nicht gelesen werden: %1"),
                        {TextArg::joined(read.reason, "")}};
        return false;
    }
    if (bytes.size() > MaxPictureBytes) {
        problem_ = {
            "MapSurface",
            QT_TRANSLATE_NOOP("MapSurface", "Das Kartenbild ist größer als %1 MB; so groß ist kein Kartenbild."),
            {TextArg::num(int64_t(MaxPictureBytes / (1024 * 1024)))}};
        return false;
    }
    return loadFromData(bytes);
}

bool MapSurface::loadFromData(std::string_view bytes)
{
    // Qt draws the missing rows of a cut bitmap black and says nothing.
    problem_ = bitmapFileProblem(bytes);
    if (!problem_.empty())
        return false;
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), qsizetype(bytes.size())))
        return false;
    setBitmap(image);
    return true;
}

Rgb MapSurface::colourAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= bitmap_.width() || y >= bitmap_.height())
        return 0;
    return fromQRgb(bitmap_.pixel(x, y));
}

void MapSurface::setBitmap(const QImage& image)
{
    // One 32-bit layout for both, so that a fill compares whole pixels and a
    // clear is a plain copy.
    bitmap_ = image.convertToFormat(QImage::Format_RGB32);
    surface_ = bitmap_.copy();
    labels_.clear();
    areas_.clear();
    runs_.clear();
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
    for (Area& area : areas_) {
        area.solid = area.bitmapColour;
        area.known = true;
    }
}

void MapSurface::fillCountry(int x, int y, Rgb colour) { paintCountry(x, y, SideStyle{colour}); }

void MapSurface::paintCountry(int x, int y, const SideStyle& style)
{
    if (!paintArea(x, y, style))
        floodFill(x, y, style.colour);
}

int MapSurface::areaAt(int x, int y) const
{
    if (labels_.empty() || x < 0 || y < 0 || x >= bitmap_.width() || y >= bitmap_.height())
        return -1;
    return static_cast<int>(labels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap_.width()) +
                                    static_cast<std::size_t>(x)]) -
           1;
}

int MapSurface::countryAt(int x, int y) const
{
    const int a = areaAt(x, y);
    return a < 0 ? 0 : areas_[static_cast<std::size_t>(a)].country;
}

bool MapSurface::paintArea(int x, int y, const SideStyle& style)
{
    const int a = areaAt(x, y);
    if (a < 0 || surface_.size() != bitmap_.size())
        return false;
    Area& area = areas_[static_cast<std::size_t>(a)];
    // The fill would cover exactly the area only while it shows one colour
    // that the flood would follow: its bitmap colour or a solid paint.
    if (!area.known || area.solid == Striped || surface_.pixel(x, y) != area.solid)
        return false;
    const QRgb paint = toQRgb(style.colour);
    if (!style.striped && paint == area.solid)
        return true;
    const QRgb stripes = toQRgb(style.stripes);
    const int step = std::max(style.stripeStep, 2);
    uchar* const base = surface_.bits();
    const qsizetype stride = surface_.bytesPerLine();
    const Run* const first = runs_.data() + area.firstRun;
    for (const Run* run = first; run != first + area.runCount; ++run) {
        QRgb* const line = reinterpret_cast<QRgb*>(base + static_cast<qsizetype>(run->y) * stride);
        if (!style.striped) {
            std::fill(line + run->left, line + run->right + 1, paint);
            continue;
        }
        // Diagonal stripes, a third of the period wide.
        for (int xx = run->left; xx <= run->right; ++xx)
            line[xx] = (xx + run->y) % step < step / 3 ? stripes : paint;
    }
    area.solid = style.striped ? Striped : paint;
    return true;
}

void MapSurface::buildAreas(const std::vector<QPoint>& seeds)
{
    const int w = bitmap_.width();
    const int h = bitmap_.height();
    labels_.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    areas_.clear();
    runs_.clear();
    if (w == 0 || h == 0)
        return;
    const auto label = [&](int xx, int yy) -> uint8_t& {
        return labels_[static_cast<std::size_t>(yy) * static_cast<std::size_t>(w) + static_cast<std::size_t>(xx)];
    };
    const auto line = [&](int yy) { return reinterpret_cast<const QRgb*>(bitmap_.constScanLine(yy)); };
    std::vector<QPoint> todo;
    for (std::size_t k = 0; k < seeds.size(); ++k) {
        const int country = static_cast<int>(k) + 1;
        const QPoint seed = seeds[k];
        if (seed.x() < 0 || seed.y() < 0 || seed.x() >= w || seed.y() >= h)
            continue;
        if (const uint8_t shared = label(seed.x(), seed.y())) {
            areas_[shared - 1u].country = 0;  // two seeds in one area: the grid decides
            continue;
        }
        if (areas_.size() >= 254)
            break;
        const auto number = static_cast<uint8_t>(areas_.size() + 1);
        Area area;
        area.firstRun = static_cast<int>(runs_.size());
        area.country = country;
        area.bitmapColour = line(seed.y())[seed.x()];
        area.solid = area.bitmapColour;
        const QRgb target = area.bitmapColour;
        // Scanline fill, 4-connected as the flood fill: each popped point
        // grows to its whole run, which then seeds the rows above and below.
        todo.assign(1, seed);
        while (!todo.empty()) {
            const QPoint p = todo.back();
            todo.pop_back();
            const int yy = p.y();
            if (label(p.x(), yy) || line(yy)[p.x()] != target)
                continue;
            int left = p.x();
            int right = p.x();
            while (left > 0 && !label(left - 1, yy) && line(yy)[left - 1] == target)
                --left;
            while (right + 1 < w && !label(right + 1, yy) && line(yy)[right + 1] == target)
                ++right;
            for (int xx = left; xx <= right; ++xx)
                label(xx, yy) = number;
            runs_.push_back({yy, left, right});
            for (const int ny : {yy - 1, yy + 1}) {
                if (ny < 0 || ny >= h)
                    continue;
                for (int xx = left; xx <= right; ++xx)
                    if (!label(xx, ny) && line(ny)[xx] == target &&
                        (xx == left || label(xx - 1, ny) || line(ny)[xx - 1] != target))
                        todo.emplace_back(xx, ny);
            }
        }
        // Rows in order: the paint then walks the picture top to bottom.
        std::sort(runs_.begin() + area.firstRun, runs_.end(),
                  [](const Run& a, const Run& b) { return a.y != b.y ? a.y < b.y : a.left < b.left; });
        area.runCount = static_cast<int>(runs_.size()) - area.firstRun;
        areas_.push_back(area);
    }
    // What the surface shows now may not be the bitmap.
    for (Area& area : areas_)
        area.known = false;
}

void MapSurface::floodFill(int x, int y, Rgb colour)
{
    // A flood may cross into any area: none is known any more until a clear.
    for (Area& area : areas_)
        area.known = false;
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

void MapSurface::drawBattleMark(int x, int y)
{
    if (surface_.isNull())
        return;
    // Small, ringed in black and white so it shows on every colour, and
    // leaving the country's own colour around it.
    QPainter painter(&surface_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(x, y), 6.5, 6.5);
    painter.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(x - 3, y - 3), QPointF(x + 3, y + 3));
    painter.drawLine(QPointF(x - 3, y + 3), QPointF(x + 3, y - 3));
}

Rgb MapSurface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= surface_.width() || y >= surface_.height())
        return 0;
    return fromQRgb(surface_.pixel(x, y));
}

}  // namespace stratagon
