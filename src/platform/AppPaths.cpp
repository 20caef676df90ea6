// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppPaths.h"

#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <pwd.h>
#include <unistd.h>

#ifndef STRATAGON_DATA_FROM_PROGRAM
#define STRATAGON_DATA_FROM_PROGRAM "../share/stratagon"
#endif

namespace stratagon {

namespace {

// The per-user base folder ($XDG_CONFIG_HOME or ~/.config and the like),
// with the program's own folder below it; empty when neither the variable nor
// HOME says where (Qt would take the filesystem root).
QString userFolder(QStandardPaths::StandardLocation base, const char* variable)
{
    if (qEnvironmentVariableIsEmpty("HOME") && qEnvironmentVariableIsEmpty(variable))
        return {};
    return QDir(QStandardPaths::writableLocation(base)).filePath(QStringLiteral("stratagon"));
}

// A folder is writable when a file can really be made in it: permission bits
// say nothing about a read-only mount or a full disk.
bool canWriteIn(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".stratagon-XXXXXX")));
    return probe.open();
}

}  // namespace

AppPaths::AppPaths(QString programFolder) : programFolder_(std::move(programFolder))
{
    // Running in place is recognised by the maps beside the program.
    installed_ = !QFileInfo(resolvePath(programFolder_, QStringLiteral("cards"))).isDir();
    if (!installed_) {
        dataFolder_ = programFolder_;
        configFolder_ = programFolder_;
        userDataFolder_ = programFolder_;
        cacheFolder_ = QDir(programFolder_).filePath(QStringLiteral("cache"));
        return;
    }
    // Relative to the program, so any prefix and a staged DESTDIR copy work.
    dataFolder_ = QDir::cleanPath(QDir(programFolder_).filePath(QStringLiteral(STRATAGON_DATA_FROM_PROGRAM)));
    configFolder_ = userFolder(QStandardPaths::GenericConfigLocation, "XDG_CONFIG_HOME");
    userDataFolder_ = userFolder(QStandardPaths::GenericDataLocation, "XDG_DATA_HOME");
    cacheFolder_ = userFolder(QStandardPaths::GenericCacheLocation, "XDG_CACHE_HOME");
    // One without the other would keep the settings but not the saves, or
    // the reverse: then neither.
    if (configFolder_.isEmpty() || userDataFolder_.isEmpty())
        configFolder_ = userDataFolder_ = cacheFolder_ = QString();
}

bool AppPaths::completeHome()
{
    if (!qEnvironmentVariableIsEmpty("HOME"))
        return true;
    const passwd* entry = getpwuid(getuid());
    if (!entry || !entry->pw_dir || entry->pw_dir[0] != '/')
        return false;
    return qputenv("HOME", entry->pw_dir);
}

QString AppPaths::resource(const QString& relative) const { return resolvePath(dataFolder_, relative); }

QString AppPaths::soundFile(const QString& name) const { return resource(QStringLiteral("sounds/") + name); }

QString AppPaths::settingsFile() const
{
    return hasUserFolders() ? resolvePath(configFolder_, QStringLiteral("game.dat")) : QString();
}

QString AppPaths::settingsFileToRead() const
{
    const QString own = settingsFile();
    // Installed, a player whose own copy could not be made plays with the
    // shipped settings rather than not at all; they are never written.
    if (installed_ && (own.isEmpty() || !QFileInfo::exists(own)) && QFileInfo::exists(defaultSettingsFile()))
        return defaultSettingsFile();
    return own;
}

QString AppPaths::defaultSettingsFile() const { return resource(QStringLiteral("game.dat")); }

QString AppPaths::preferencesFile() const
{
    return hasUserFolders() ? QDir(configFolder_).filePath(QStringLiteral("stratagon.ini")) : QString();
}

QString AppPaths::savesFolder() const
{
    return hasUserFolders() ? QDir(userDataFolder_).filePath(QStringLiteral("saves")) : QString();
}

QStringList AppPaths::mapFolders() const
{
    QStringList folders{resource(QStringLiteral("cards"))};
    if (installed_ && hasUserFolders())
        folders << QDir(userDataFolder_).filePath(QStringLiteral("cards"));
    return folders;
}

QString AppPaths::cacheFile(const QString& name) const
{
    // No cache rather than one in the working folder.
    if (cacheFolder_.isEmpty())
        return {};
    return QDir(cacheFolder_).filePath(name);
}

QString AppPaths::pictureFile(const QString& name) const
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QDir(QDir(pictures).exists() ? pictures : QDir::homePath()).filePath(name);
}

QStringList AppPaths::prepare() const
{
    // In place everything lies beside the program, as it always has.
    if (!installed_)
        return {};
    if (!hasUserFolders())
        return {QCoreApplication::translate(
            "AppPaths", "Es gibt keinen Benutzerordner (HOME ist nicht gesetzt). Das Spiel startet mit den "
                        "mitgelieferten Einstellungen; Einstellungen und Spielstände können nicht "
                        "gespeichert werden.")};
    QStringList problems;
    auto ready = [&problems](const QString& folder, const QString& consequence) {
        if (!QDir().mkpath(folder)) {
            problems << QCoreApplication::translate("AppPaths", "Der Ordner „%1“ lässt sich nicht anlegen. %2")
                            .arg(QDir::toNativeSeparators(folder), consequence);
            return false;
        }
        if (!canWriteIn(folder)) {
            problems << QCoreApplication::translate("AppPaths", "In den Ordner „%1“ kann nicht geschrieben werden. %2")
                            .arg(QDir::toNativeSeparators(folder), consequence);
            return false;
        }
        return true;
    };
    const QString settingsLost = QCoreApplication::translate(
        "AppPaths",
        "Das Spiel startet mit den mitgelieferten Einstellungen, deine Änderungen werden aber nicht gespeichert.");
    if (ready(configFolder_, settingsLost)) {
        const QString own = QDir(configFolder_).filePath(QStringLiteral("game.dat"));
        const QString shipped = defaultSettingsFile();
        if (!QFileInfo::exists(own) && QFileInfo::exists(shipped)) {
            // The shipped copy is read-only; the player's must not be.
            if (QFile::copy(shipped, own))
                QFile::setPermissions(own, QFile::permissions(own) | QFile::WriteOwner | QFile::ReadOwner);
            else
                problems << QCoreApplication::translate("AppPaths", "Die Datei „%1“ lässt sich nicht anlegen. %2")
                                .arg(QDir::toNativeSeparators(own), settingsLost);
        }
    }
    ready(savesFolder(), QCoreApplication::translate("AppPaths", "Spielstände können nicht gespeichert werden."));
    // Only a place to put maps into; without it nothing is lost.
    QDir().mkpath(QDir(userDataFolder_).filePath(QStringLiteral("cards")));
    return problems;
}

}  // namespace stratagon
