// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/AreaScaler.h"

#include <algorithm>
#include <cmath>

namespace stratagon {

AreaScaler::Taps AreaScaler::makeTaps(int from, int to)
{
    Taps taps;
    const double ratio = static_cast<double>(from) / to;  // source pixels per target pixel
    for (int i = 0; i < to; ++i) {
        const double start = i * ratio;
        const double end = (i + 1) * ratio;
        const int first = static_cast<int>(std::floor(start));
        const int last = std::min(static_cast<int>(std::ceil(end)) - 1, from - 1);
        taps.first.push_back(first);
        taps.count.push_back(last - first + 1);
        taps.offset.push_back(static_cast<int>(taps.weight.size()));
        uint32_t total = 0;
        for (int s = first; s <= last; ++s) {
            const double cover = std::min<double>(s + 1, end) - std::max<double>(s, start);
            const auto w = static_cast<uint32_t>(std::lround(cover / ratio * 256.0));
            taps.weight.push_back(w);
            total += w;
        }
        // Rounding must not brighten or darken: the weights sum to exactly 256.
        uint32_t& biggest = *std::max_element(taps.weight.begin() + taps.offset.back(), taps.weight.end());
        biggest = biggest + 256u - total;
    }
    return taps;
}

namespace {

// Two channels at once: red and blue in one word, green in another; with
// weights summing to 256 no channel runs into the next.
inline void add(uint32_t& rb, uint32_t& g, QRgb p, uint32_t w)
{
    rb += (p & 0x00FF00FFu) * w;
    g += (p & 0x0000FF00u) * w;
}

inline QRgb pack(uint32_t rb, uint32_t g)
{
    rb += 0x00800080u;
    g += 0x00008000u;
    return 0xFF000000u | ((rb >> 8) & 0x00FF00FFu) | ((g >> 8) & 0x0000FF00u);
}

}  // namespace

void AreaScaler::horizontalRow(const QRgb* in, QRgb* out) const
{
    const int width = to_.width();
    for (int i = 0; i < width; ++i) {
        const QRgb* p = in + xTaps_.first[static_cast<std::size_t>(i)];
        const uint32_t* w = xTaps_.weight.data() + xTaps_.offset[static_cast<std::size_t>(i)];
        uint32_t rb = 0;
        uint32_t g = 0;
        for (int k = xTaps_.count[static_cast<std::size_t>(i)]; k > 0; --k)
            add(rb, g, *p++, *w++);
        out[i] = pack(rb, g);
    }
}

void AreaScaler::verticalRow(int targetRow)
{
    const auto row = static_cast<std::size_t>(targetRow);
    const int first = yTaps_.first[row];
    const int count = yTaps_.count[row];
    const uint32_t* weights = yTaps_.weight.data() + yTaps_.offset[row];
    const int width = to_.width();
    auto* out = reinterpret_cast<QRgb*>(result_.scanLine(targetRow));
    for (int i = 0; i < width; ++i) {
        uint32_t rb = 0;
        uint32_t g = 0;
        for (int k = 0; k < count; ++k)
            add(rb, g, rows_[static_cast<std::size_t>(first + k) * static_cast<std::size_t>(width) +
                             static_cast<std::size_t>(i)],
                weights[k]);
        out[i] = pack(rb, g);
    }
}

const QImage& AreaScaler::scaled(const QImage& source, QSize size, const std::vector<uint8_t>& changedRows)
{
    if (source.isNull() || size.isEmpty() || size.width() >= source.width() || size.height() >= source.height() ||
        source.format() != QImage::Format_RGB32) {
        fresh_ = true;
        return source;
    }
    const bool all = fresh_ || from_ != source.size() || to_ != size ||
                     changedRows.size() != static_cast<std::size_t>(source.height());
    if (fresh_ || from_ != source.size() || to_ != size) {
        from_ = source.size();
        to_ = size;
        xTaps_ = makeTaps(from_.width(), to_.width());
        yTaps_ = makeTaps(from_.height(), to_.height());
        rows_.assign(static_cast<std::size_t>(from_.height()) * static_cast<std::size_t>(to_.width()), 0);
        result_ = QImage(to_, QImage::Format_RGB32);
        fresh_ = false;
    }
    // Source rows scaled across; then every target row that covers one of them.
    const auto changed = [&](int y) { return all || changedRows[static_cast<std::size_t>(y)] != 0; };
    for (int y = 0; y < from_.height(); ++y)
        if (changed(y))
            horizontalRow(reinterpret_cast<const QRgb*>(source.constScanLine(y)),
                          rows_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(to_.width()));
    for (int t = 0; t < to_.height(); ++t) {
        const auto row = static_cast<std::size_t>(t);
        bool any = false;
        for (int y = yTaps_.first[row]; !any && y < yTaps_.first[row] + yTaps_.count[row]; ++y)
            any = changed(y);
        if (any)
            verticalRow(t);
    }
    return result_;
}

}  // namespace stratagon
