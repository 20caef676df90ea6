// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace stratagon {

class AppPaths;

// A map that can be played: its country file and picture side by side.
struct MapEntry {
    QString name;  // the file's base name, "Afrika"
    QString continent;
    int countries = 0;
    QString mapFile;
    QString pictureFile;
};

// Every map in the folders that the loader accepts, whose picture lies
// beside it and which passes the playability check on that picture, by
// name; a name already found in an earlier folder is not listed again. A
// file that cannot be read or is refused is skipped.
QList<MapEntry> listMaps(const QStringList& folders);

// The files of the map named `name` for a new game: the first folder that
// holds both. Without them (no choice yet, or the map is gone) the shipped
// Afrika, so the set-up reports a missing file as it always has.
MapEntry mapForGame(const AppPaths& paths, const QString& name);

}  // namespace stratagon
