// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SaveGames.h"

#include "generals/DeployWindow.h"
#include "generals/GeneralListWindow.h"
#include "generals/RanksWindow.h"
#include "generals/TaskWindow.h"
#include "mapview/MapSurface.h"
#include "platform/Dialogs.h"
#include "session/GameText.h"
#include "platform/Paths.h"
#include "shell/Program.h"
#include "shell/ReportWindow.h"
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
QString locateBitmap(const Program& program, const QString& name)
{
    for (const QString& folder : program.paths().mapFolders()) {
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

QString saveFileFor(const Program& program, const QString& name)
{
    const QString folder = program.paths().savesFolder();
    return folder.isEmpty() ? QString() : saveFilePath(folder, name);
}

QString askSaveName(const Program& program, QWidget* parent)
{
    const QString title = QCoreApplication::translate("SaveGames", "Spiel speichern");
    const QString name =
        program.dialogs
            .input(parent,
                   QCoreApplication::translate("SaveGames", "Unter welchem Namen willst du das Spiel speichern?"),
                   title, suggestedSaveName(program.world))
            .trimmed()
            .left(80);
    if (name.isEmpty())
        return {};
    if (QFile::exists(saveFileFor(program, name)) &&
        !program.dialogs.question(
            parent,
            QCoreApplication::translate("SaveGames", "Es gibt schon einen Spielstand „%1“. Willst du ihn ersetzen?")
                .arg(name),
            title))
        return {};
    return name;
}

bool saveGame(Program& program, QWidget* parent, const QString& name)
{
    // Loaded again, the game opens paused.
    const WorldState& world = program.world;
    // The picture beside the game's map, the one it is played on.
    const QString bitmap = mapPictureFor(qs(world.mapFileName));
    const QByteArray document = saveDocument(world, name, QDateTime::currentDateTime(), fileSha256(bitmap));
    const QString file = saveFileFor(program, name);
    if (file.isEmpty()) {
        program.dialogs.message(
            parent,
            QCoreApplication::translate("SaveGames", "Ohne Benutzerordner kann das Spiel nicht gespeichert werden."),
            QCoreApplication::translate("SaveGames", "Fehler !"));
        return false;
    }
    const SaveWriteResult written = writeSaveFile(file, document);
    if (!written.ok)
        program.dialogs.message(parent, written.message, QCoreApplication::translate("SaveGames", "Fehler !"));
    return written.ok;
}

void saveAutomatically(Program& program, QWidget* parent)
{
    // Without a saves folder the player was told once, at the start.
    if (program.playing() && program.paths().hasUserFolders())
        saveGame(program, parent, QString::fromUtf8(AutosaveName));
}

bool loadGame(Program& program, QWidget* parent, const QString& file)
{
    const SaveReadResult read = readSaveFile(
        file, program.world, [&program](const QString& name) { return locateBitmap(program, name); },
        checkSavedPicture);
    if (!read.ok) {
        program.dialogs.message(parent, read.message, QCoreApplication::translate("SaveGames", "Fehler !"));
        return false;
    }
    // These windows showed the game given up.
    const QList<QWidget*> stale = {program.generalListWindow(), program.taskWindow(), program.ranksWindow(),
                                   program.deployWindow(), program.reportWindow()};
    for (QWidget* w : stale)
        if (w)
            w->close();
    program.showLoadedGame();
    return true;
}

}  // namespace stratagon
