// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SaveGames.h"

#include "mapview/MapSurface.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "session/GameSession.h"
#include "session/GameText.h"
#include "simulation/Clock.h"
#include "storage/SaveGame.h"
#include "world/Playability.h"
#include "world/WorldState.h"

#include <QDateTime>
#include <QFile>
#include <QCoreApplication>
#include <QFileInfo>
#include <memory>

namespace stratagon {

namespace {

// The map's bitmap by its file name, in the first map folder that has it.
QString locateBitmap(const AppPaths& paths, const QString& name)
{
    for (const QString& folder : paths.mapFolders()) {
        const QString path = resolvePath(folder, name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

}  // namespace

QString checkSavedPicture(const WorldState& game, const QString& bitmapPath)
{
    MapSurface picture;
    if (!picture.load(bitmapPath))
        return QCoreApplication::translate("SaveGames", "Das Kartenbild lässt sich nicht lesen.");
    const std::vector<Text> faults = checkMapPicture(game, picture);
    return faults.empty() ? QString() : gametext::render(faults.front());
}

QString suggestedSaveName(const WorldState& world)
{
    const QString country = validCountry(world, world.side[0]) ? gametext::name(world.countryName[world.side[0]]) : QString();
    return country + QStringLiteral(", ") + gametext::date(world.month, world.year);
}

QString saveFileFor(const AppPaths& paths, const QString& name)
{
    const QString folder = paths.savesFolder();
    return folder.isEmpty() ? QString() : saveFilePath(folder, name);
}

QString askSaveName(const SaveContext& saves, QWidget* parent)
{
    const QString title = QCoreApplication::translate("SaveGames", "Spiel speichern");
    const QString name =
        saves.dialogs
            .input(parent,
                   QCoreApplication::translate("SaveGames", "Unter welchem Namen willst du das Spiel speichern?"),
                   title, suggestedSaveName(saves.session.world()))
            .trimmed()
            .left(80);
    if (name.isEmpty())
        return {};
    if (QFile::exists(saveFileFor(saves.paths, name)) &&
        !saves.dialogs.question(
            parent,
            QCoreApplication::translate("SaveGames", "Es gibt schon einen Spielstand „%1“. Willst du ihn ersetzen?")
                .arg(name),
            title))
        return {};
    return name;
}

bool saveGame(const SaveContext& saves, QWidget* parent, const QString& name)
{
    // Loaded again, the game opens paused.
    const WorldState& world = saves.session.world();
    // The picture beside the game's map, the one it is played on.
    const QString bitmap = mapPictureFor(qs(world.mapFileName));
    const QByteArray document =
        saveDocument(world, name, QDateTime::currentDateTime(), fileSha256(bitmap), saves.session.view(),
                     &saves.session.trail());
    const QString file = saveFileFor(saves.paths, name);
    if (file.isEmpty()) {
        saves.dialogs.message(
            parent,
            QCoreApplication::translate("SaveGames", "Ohne Benutzerordner kann das Spiel nicht gespeichert werden."),
            QCoreApplication::translate("SaveGames", "Fehler !"));
        return false;
    }
    const SaveWriteResult written = writeSaveFile(file, document);
    if (!written.ok)
        saves.dialogs.message(parent, written.message, QCoreApplication::translate("SaveGames", "Fehler !"));
    return written.ok;
}

void saveAutomatically(const SaveContext& saves, QWidget* parent)
{
    // Without a saves folder the player was told once, at the start.
    if (saves.session.gameRunning() && saves.paths.hasUserFolders())
        saveGame(saves, parent, QString::fromUtf8(AutosaveName));
}

bool loadGame(const SaveContext& saves, QWidget* parent, const QString& file)
{
    const AppPaths& paths = saves.paths;
    GameTrail trail;
    const SaveReadResult read = readSaveFile(
        file, saves.session.world(), [&paths](const QString& name) { return locateBitmap(paths, name); },
        checkSavedPicture, &saves.session.view(), &trail);
    if (!read.ok) {
        saves.dialogs.message(parent, read.message, QCoreApplication::translate("SaveGames", "Fehler !"));
        return false;
    }
    if (!read.trailMessage.isEmpty())
        saves.dialogs.message(parent, read.trailMessage, QCoreApplication::translate("SaveGames", "Spiel laden"));
    saves.session.keepLoadedTrail(std::move(trail));
    return true;
}

}  // namespace stratagon
