// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The list of saved games for the load window. What it shows of a save is
// kept in an index beside the player's files, checked against each file's
// size and time, so a large folder opens without reading every save again.
// Only regular files (or links to them) are read, and only up to the size a
// save can have; anything else in the folder is listed as damaged, unread.

#include "storage/SaveGame.h"

#include <QHash>
#include <QList>
#include <QString>

namespace stratagon {

// Far more than any save needs; a larger file is not read into memory.
constexpr qint64 LargestSaveBytes = qint64(64) * 1024 * 1024;

struct SaveBytes {
    bool ok = false;
    QString message;  // in the current language, names the file; empty when ok
    QByteArray bytes;
};

// The bytes of the save in `path`: a regular file (a link is followed) of at
// most LargestSaveBytes. A pipe, a device or a folder is refused unopened.
SaveBytes readSaveBytes(const QString& path);

class SaveIndex {
public:
    // `indexFile` empty: no index, every save is read.
    SaveIndex(QString folder, QString indexFile);

    // Looks at the folder: every *.json entry, taken from the index where
    // size and time still match, else marked for reading. Reads no save.
    void scan();
    // How many saves scan() left to read.
    int unread() const { return int(unread_.size()); }
    // Reads them and stores the index again when it changed. May run on
    // another thread once scan() is done; an interruption requested on that
    // thread stops it, and then nothing is stored.
    void readRest();

    // The saves: the autosave first, then readable ones newest first, then
    // the damaged ones.
    QList<SaveSummary> saves() const;

private:
    struct Entry {
        SaveSummary summary;
        qint64 size = -1;
        qint64 modified = 0;  // ms since the epoch
    };
    void readIndex();
    void writeIndex() const;

    QString folder_;
    QString indexFile_;
    QHash<QString, Entry> indexed_;  // by file name, as last stored
    QList<Entry> entries_;
    QList<qsizetype> unread_;  // positions in entries_
    bool changed_ = false;
};

// What the list shows of the save in `bytes` (the whole file); unreadable
// when it is no save.
SaveSummary summariseSave(const QString& file, const QByteArray& bytes);

// The saves in `folder` as SaveIndex gives them, every one read.
QList<SaveSummary> listSaves(const QString& folder, const QString& indexFile = {});

}  // namespace stratagon
