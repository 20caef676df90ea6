// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace stratagon {

// Writes a cache (the save index, the map verdicts) through the one atomic
// writer, making its folder first. A cache only spares work next time, so a
// failure is not worth a word: the next start rebuilds it.
void writeCacheFile(const QString& file, const QByteArray& bytes);

}  // namespace stratagon
