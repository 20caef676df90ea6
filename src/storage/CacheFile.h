// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's caches (the save index, the map verdicts): files only the game
// reads and writes, beside the player's. A cache only spares work next
// time, so no failure is worth a word: the next start rebuilds it.

#include <QByteArray>
#include <QString>

namespace stratagon {

// The cache's bytes: a regular file of at most `limit` bytes; empty for
// anything else. A link in its place is not followed.
QByteArray readCacheFile(const QString& file, qsizetype limit);

// Writes a cache through the one atomic writer, making its folder first.
// Whatever stands in its place (a link, a pipe) is replaced, never followed:
// a link there must not carry the cache into a file of the player's. A
// folder there is left alone.
void writeCacheFile(const QString& file, const QByteArray& bytes);

}  // namespace stratagon
