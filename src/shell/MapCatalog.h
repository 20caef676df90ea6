// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The maps the player can choose from. Checking a map (its file, its picture
// and whether a game can be played on them) takes a while on a large
// picture, so each verdict is kept in a cache file, listed while both files
// keep their size and time, and confirmed by their content when the map is
// chosen: a file changed in place within the same second is seen then.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace stratagon {

class AppPaths;

// A map in one of the folders: its country file and picture side by side.
struct MapEntry {
    QString name;  // the file's base name, "Afrika"
    QString continent;
    int countries = 0;
    QString mapFile;
    QString pictureFile;
    // Why it cannot be chosen (one sentence or two, in the language of the
    // check, which the cache records); empty when it can.
    QString problem;
    // False while the check is still to be made.
    bool checked = true;
    // The SHA-256 of both files' bytes the verdict was made on; empty when
    // not known.
    QByteArray content;

    bool playable() const { return checked && problem.isEmpty(); }
};

class MapCatalog {
public:
    // `cacheFile` empty: no cache, every map is checked.
    MapCatalog(QStringList folders, QString cacheFile);

    // Every *.mgi file in the folders, with what can be said without
    // reading it: a missing picture, a name found in an earlier folder, the
    // cached verdict. Playable maps and those still to check come first by
    // name, then the refused ones.
    void scan();
    int unchecked() const;
    // Checks the first map not yet checked and returns its position; -1 when
    // every map is checked. May run on another thread once scan() is done.
    qsizetype checkNext();
    // Stores the verdicts for the next time.
    void store() const;

    const QList<MapEntry>& maps() const { return maps_; }

private:
    QStringList folders_;
    QString cacheFile_;
    QList<MapEntry> maps_;
    bool changed_ = false;
};

// Checks the map in `entry` (mapFile and pictureFile): fills continent,
// countries, problem and content.
void checkMap(MapEntry& entry);

// Whether the map in `entry` can be played, by a verdict on its files as
// they are now: the verdict in `entry` when it was made on the same bytes,
// else a new check, which `entry` then holds.
bool confirmVerdict(MapEntry& entry);

// Every map in the folders, each one checked (see MapCatalog).
QList<MapEntry> listMaps(const QStringList& folders, const QString& cacheFile = {});

// The files of the map named `name` for a new game: the first folder that
// holds both. Without them (no choice yet, or the map is gone) the shipped
// Afrika, so the set-up reports a missing file as it always has.
MapEntry mapForGame(const AppPaths& paths, const QString& name);

}  // namespace stratagon
