// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ImageStore.h"

namespace stratagon {

ImageStore::ImageStore() : slots_(1) {}

int ImageStore::addImageSlot()
{
    slots_.push_back(slots_.front());
    return imageSlotCount();
}

int ImageStore::loadImageSlot(int slot, const QString& path)
{
    if (slot < 0 || slot >= static_cast<int>(slots_.size()))
        return 0;
    QImage image(path);
    if (image.isNull())
        return 0;
    slots_[slot] = std::move(image);
    return 1;
}

const QImage& ImageStore::imageSlotDC(int slot) const
{
    static const QImage empty;
    if (slot < 0 || slot >= static_cast<int>(slots_.size()))
        return empty;
    return slots_[slot];
}

}  // namespace stratagon
