// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one place that decides where every file of the program lives. Nothing
// else builds a path by hand.
//
// In place (a build folder: cards/ lies beside the program) everything is
// beside the program, game.dat included. Installed, the read-only files are in
// ../share/stratagon/ relative to the program, the player's game.dat and
// preferences in $XDG_CONFIG_HOME/stratagon/, his saves and own maps in
// $XDG_DATA_HOME/stratagon/. Without a home folder (HOME unset, no user
// database entry, no XDG_* variables) there are no per-user folders: the game
// runs on the shipped settings and keeps nothing.

#include <QString>
#include <QStringList>

namespace stratagon {

class AppPaths {
public:
    // Decides the mode from the program's folder.
    explicit AppPaths(QString programFolder);

    // Sets an unset or empty HOME from the user database, so that the per-user
    // folders and the file dialogs start in the player's home instead of at
    // the filesystem root. Call before the first thread starts (it changes
    // the environment). Returns false when there is no home to be found.
    static bool completeHome();

    // Whether the player's settings, preferences and saves can be kept.
    bool hasUserFolders() const { return !configFolder_.isEmpty(); }

    bool installed() const { return installed_; }
    QString programFolder() const { return programFolder_; }

    // The folder of the read-only files (cards/, data/, sounds/, the default game.dat).
    QString dataFolder() const { return dataFolder_; }
    // A read-only file below dataFolder() given as "cards/Afrika.mgi" or
    // "Data/Info.ico"; each part is matched without regard to case when the
    // exact name is absent.
    QString resource(const QString& relative) const;

    // A sound effect of the program ("attack.wav"), in sounds/.
    QString soundFile(const QString& name) const;

    // The game.dat in use, and the one shipped with the program. The
    // per-user files and folders are empty without hasUserFolders().
    QString settingsFile() const;
    // The game.dat read at the start: settingsFile(), or, installed, the
    // shipped one when the player's copy could not be made.
    QString settingsFileToRead() const;
    QString defaultSettingsFile() const;
    // The INI file of the preferences that are not part of game.dat, beside
    // the game.dat in use.
    QString preferencesFile() const;
    // Where saved games go.
    QString savesFolder() const;
    // Where maps are looked for: the shipped cards/ first, then (installed)
    // the player's own.
    QStringList mapFolders() const;
    // A file of what the program can always make again from the folders
    // (the index of the saves, the verdicts on the maps): below the player's
    // cache folder, in place in cache/ beside the program.
    QString cacheFile(const QString& name) const;
    // Where a picture the player saves is offered first: his pictures
    // folder, else his home.
    QString pictureFile(const QString& name) const;

    // Creates the per-user folders and copies the default game.dat when the
    // player has none yet. Returns the German messages for folders that could
    // not be created or written (each names the folder); empty when all is well.
    QStringList prepare() const;

private:
    QString programFolder_;
    QString dataFolder_;
    QString configFolder_;
    QString userDataFolder_;
    QString cacheFolder_;
    bool installed_ = false;
};

}  // namespace stratagon
