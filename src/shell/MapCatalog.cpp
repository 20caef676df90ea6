// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MapCatalog.h"

#include "mapview/MapSurface.h"
#include "platform/AppPaths.h"
#include "platform/Paths.h"
#include "world/MapLoader.h"
#include "world/Playability.h"
#include "world/WorldState.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <memory>

namespace stratagon {

namespace {

QString pictureBeside(const QFileInfo& map)
{
    // The picture has the map's base name; its extension may be spelt in capitals.
    const QDir dir = map.dir();
    for (const QString& ext : {QStringLiteral(".bmp"), QStringLiteral(".BMP"), QStringLiteral(".Bmp")}) {
        const QString file = dir.filePath(map.completeBaseName() + ext);
        if (QFileInfo(file).isFile())
            return file;
    }
    return {};
}

}  // namespace

QList<MapEntry> listMaps(const QStringList& folders)
{
    QList<MapEntry> maps;
    QSet<QString> seen;
    auto world = std::make_unique<WorldState>();
    for (const QString& folder : folders) {
        const QFileInfoList files =
            QDir(folder).entryInfoList({QStringLiteral("*.mgi"), QStringLiteral("*.MGI")}, QDir::Files, QDir::Name);
        for (const QFileInfo& file : files) {
            const QString name = file.completeBaseName();
            if (seen.contains(name))
                continue;
            const QString picture = pictureBeside(file);
            if (picture.isEmpty())
                continue;
            *world = WorldState{};
            if (!loadMap(*world, ss(file.filePath())).ok)
                continue;
            MapSurface surface;
            if (!surface.load(picture) || !checkPlayability(*world, &surface).empty())
                continue;
            seen.insert(name);
            maps.append({name, qs(world->continentName), world->countryCount, file.filePath(), picture});
        }
    }
    std::sort(maps.begin(), maps.end(), [](const MapEntry& a, const MapEntry& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    return maps;
}

MapEntry mapForGame(const AppPaths& paths, const QString& name)
{
    if (!name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))) {
        for (const QString& folder : paths.mapFolders()) {
            const QFileInfo file(QDir(folder).filePath(name + QStringLiteral(".mgi")));
            const QString picture = file.isFile() ? pictureBeside(file) : QString();
            if (!picture.isEmpty())
                return {name, {}, 0, file.filePath(), picture};
        }
    }
    return {QStringLiteral("Afrika"), {}, 0, paths.resource(QStringLiteral("cards/Afrika.mgi")),
            paths.resource(QStringLiteral("cards/Afrika.bmp"))};
}

}  // namespace stratagon
