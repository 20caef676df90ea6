// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Saved games: one JSON document (UTF-8) per save. The top level holds
// "format", "version", "program", "name" and "savedAt"; "game" holds the map's
// identity and every field of the world state a running game uses. Reading
// checks everything and stages into a fresh world, so a refused file leaves
// the running game exactly as it was.

#include "storage/JsonShape.h"
#include "session/ViewState.h"
#include "simulation/Trail.h"
#include "world/WorldState.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>

namespace stratagon {

extern const char* const SaveFormatName;  // "stratagon-save"
constexpr int SaveFormatVersion = 3;
extern const char* const AutosaveName;  // "Automatisch gespeichert"

// The save's own name: the menu takes no more characters, a longer one read
// is cut.
constexpr int LongestSaveName = 80;
// A save keeps the last 5,000 game years of the month-by-month records; a
// game played longer loses its earliest months when saved. More in a file is
// damage: reading a save stays cheap (JsonShape.h).
constexpr qsizetype LongestSavedMonths = 60'000;

// "Der Spielstand ist beschädigt: " and what is wrong with the file.
QString damagedSave(const QString& detail);

// What the load window lists about a save, read without the full check.
struct SaveSummary {
    QString file;     // full path
    QString name;     // the save's own name; the file's name when unreadable
    QString country;  // the player's country
    int month = 0;    // the game date as saved: the window names it in its language
    int year = 0;
    QString map;        // "Afrika"
    QDateTime savedAt;  // UTC; the file's time when unreadable
    bool readable = false;
};

// The document for `world` and what the player looked at; the bitmap's
// SHA-256 (raw bytes) ties the save to the picture the game was played on.
// The game's trail goes with it when it keeps one (not for a game longer
// than the records a save keeps).
QByteArray saveDocument(const WorldState& world, const QString& name, const QDateTime& savedAt,
                        const QByteArray& bitmapSha256, const ViewState& view = {}, const GameTrail* trail = nullptr);

struct SaveReadResult {
    bool ok = false;
    QString message;  // for the message box, in the current language; empty when ok
    QString name;
    QDateTime savedAt;
    // Read from an older format; readSaveFile writes it back in the current one.
    bool upgraded = false;
    QByteArray bitmapSha256;
    // The game loads, but its trail was refused: why, for the player.
    QString trailMessage;
};

// The JSON document of a save, looked over first: a file of the largest size
// a save may have (LargestSaveBytes, 64 MB) is read with at most some 110 MB
// more and well within a second, or refused unread. The limits leave twice
// the room the largest game needs: lists and objects 200,000 (the records
// take two a month), values 2,000,000, all texts 16 MB, one text 64 KB (the
// grid, a 99 × 99 text, written with escapes), 16 levels deep.
JsonRead parseSave(const QByteArray& bytes);

// Finds a map's bitmap by its file name ("Afrika.bmp"); empty when missing.
using BitmapLocator = std::function<QString(const QString& bitmapFile)>;

// Whether the game read can be played on the bitmap at `bitmapPath`: empty
// when it can, else the first fault, a sentence with its full stop. The picture needs
// Qt's image reader, which the storage layer does not use.
using PictureCheck = std::function<QString(const WorldState& game, const QString& bitmapPath)>;

// Reads a save into `world`: on any failure (damaged, a number outside what
// a game can reach, newer version, bitmap missing or changed, map and picture
// that do not belong together) the world is left exactly as it was.
// mapFileName becomes the map file beside the bitmap found. The view saved
// with the game goes to `view` when one is given, likewise only on success.
// The game's trail goes to `trail`: only when it is whole and, computed
// again, leads to the game saved; else it stays empty, and the game loads
// from its state all the same.
SaveReadResult readSaveDocument(const QByteArray& bytes, WorldState& world, const BitmapLocator& locate,
                                const PictureCheck& checkPicture = {}, ViewState* view = nullptr,
                                GameTrail* trail = nullptr);

// The same from a file.
SaveReadResult readSaveFile(const QString& path, WorldState& world, const BitmapLocator& locate,
                            const PictureCheck& checkPicture = {}, ViewState* view = nullptr,
                            GameTrail* trail = nullptr);

// SHA-256 of a file's bytes; empty when it cannot be read or is no regular file.
QByteArray fileSha256(const QString& path);

// Writes atomically: on failure the previous file is left as it was and the
// result's message names the file.
struct SaveWriteResult {
    bool ok = false;
    QString message;
};
SaveWriteResult writeSaveFile(const QString& path, const QByteArray& document);

// The file of a save name inside `folder`: the name with anything a file name
// cannot hold (and '%') percent-encoded, ".json" appended.
QString saveFilePath(const QString& folder, const QString& name);

}  // namespace stratagon
