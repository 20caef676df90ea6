// SPDX-License-Identifier: GPL-3.0-or-later
// Save files come from disk and may be damaged or made by hand: any bytes
// must load within the tables or be refused with the world exactly as it was.
#include "storage/SaveGame.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdlib>
#include <memory>

using namespace stratagon;

namespace {

// The seeds name the bitmap "Afrika.bmp"; a stand-in beside the corpus is
// found by its checksum only, so inputs can match it or not.
QString bitmap(const QString& name)
{
    return name == QLatin1String("Afrika.bmp") ? QStringLiteral(STRATAGON_FUZZ_BITMAP) : QString();
}

bool withinTables(const WorldState& w)
{
    if (w.countryCount < 1 || w.countryCount > MaxCountries || w.gridColumns < 1 || w.gridColumns > MaxGridSize ||
        w.gridRows < 1 || w.gridRows > MaxGridSize || w.battleCount < 0 || w.battleCount > MaxBattles)
        return false;
    for (int i = 1; i <= w.countryCount; ++i)
        if (w.countryOwner[i] < 1 || w.countryOwner[i] > w.countryCount || w.generalCount[i] < 0 ||
            w.generalCount[i] > MaxGenerals)
            return false;
    for (int k = 1; k <= w.battleCount; ++k)
        if (w.battleAttackerScore[k] + w.battleDefenderScore[k] != 100)
            return false;
    return w.playing;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static auto world = std::make_unique<WorldState>();
    static auto before = std::make_unique<WorldState>();
    *before = *world;
    const SaveReadResult result =
        readSaveDocument(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)), *world, bitmap);
    if (result.ok) {
        if (!withinTables(*world))
            std::abort();
    } else if (!(*world == *before) || result.message.isEmpty()) {
        std::abort();
    }
    return 0;
}
