// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes a smaller copy of the map picture by averaging the area every target
// pixel covers, so that one-pixel border lines stay visible (a nearest-pixel
// copy would drop whole rows). Only the source rows the caller names as
// changed are worked out again, which on a tick is little more than the date.

#include <QImage>
#include <QSize>
#include <cstdint>
#include <vector>

namespace stratagon {

class AreaScaler {
public:
    // The source (Format_RGB32) scaled down to `size`; a size not smaller
    // than the source in both directions gives the source. changedRows flags
    // the source rows that changed since the last call (all of them when
    // empty, on the first call or after a change of size).
    const QImage& scaled(const QImage& source, QSize size, const std::vector<uint8_t>& changedRows = {});
    // The next call works out every row.
    void invalidate() { fresh_ = true; }

private:
    struct Taps {
        std::vector<int> first;     // first source index per target index
        std::vector<int> count;     // how many source indices it covers
        std::vector<uint32_t> weight;  // count[i] weights per target, summing to 256
        std::vector<int> offset;    // where target i's weights start
    };
    static Taps makeTaps(int from, int to);
    void horizontalRow(const QRgb* in, QRgb* out) const;
    void verticalRow(int targetRow);

    Taps xTaps_;
    Taps yTaps_;
    QSize from_;
    QSize to_;
    bool fresh_ = true;
    std::vector<QRgb> rows_;   // the source rows scaled across, target width each
    QImage result_;
};

}  // namespace stratagon
