// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A numbered set of picture slots that live as long as the program; a slot
// hands out its picture to copy from.

#include <QImage>
#include <QString>
#include <vector>

namespace stratagon {

class ImageStore {
public:
    ImageStore();
    // A new empty slot; returns its number (1, 2, ...).
    int addImageSlot();
    // Loads a picture file into the slot; 1 when it gave a picture, else 0
    // and the slot keeps what it had.
    int loadImageSlot(int slot, const QString& path);
    // The slot's picture to copy from; a null image for an empty slot.
    const QImage& imageSlotDC(int slot) const;
    int imageSlotCount() const { return static_cast<int>(slots_.size()) - 1; }

private:
    std::vector<QImage> slots_;  // slot 0 is the empty pattern
};

}  // namespace stratagon
