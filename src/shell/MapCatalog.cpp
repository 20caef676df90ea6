// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MapCatalog.h"

#include "platform/Language.h"

#include "mapview/MapSurface.h"
#include "platform/AppPaths.h"
#include "platform/Paths.h"
#include "session/GameText.h"
#include "storage/CacheFile.h"
#include "storage/JsonShape.h"
#include "storage/SaveGame.h"
#include "world/MapLoader.h"
#include "world/Playability.h"
#include "world/Settings.h"
#include "world/WorldState.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <memory>

namespace stratagon {

namespace {

const QLatin1String CacheFormat("stratagon-map-cache");
// 2: each verdict with the checksum of the bytes it was made on.
constexpr int CacheVersion = 2;
// A thousand maps take some 600 KB. A key is a map's path (at most 4096
// bytes, escapes included a few times that).
constexpr qsizetype LargestCache = qsizetype(4) * 1024 * 1024;
constexpr JsonLimits CacheLimits{
    .depth = 4, .longestText = 32 * 1024, .allText = 4 * 1024 * 1024, .values = 200'000, .containers = 20'000};
// What a verdict says: a continent as a map may name it, a reason of a few
// sentences. A cached one that says more was not written by the game and is
// checked again.
constexpr qsizetype LongestContinent = 100;
constexpr qsizetype LongestReason = 1000;

// Both files' checksums; empty when either cannot be read.
QByteArray contentOf(const MapEntry& e)
{
    const QByteArray map = fileSha256(e.mapFile);
    const QByteArray picture = fileSha256(e.pictureFile);
    return map.isEmpty() || picture.isEmpty() ? QByteArray() : map + picture;
}

// The map's picture; empty when there is none. Anything of that name counts,
// the check says what is wrong with it.
QString pictureBeside(const QFileInfo& map)
{
    const QString file = mapPictureFor(map.filePath());
    return QFileInfo::exists(file) ? file : QString();
}

// What a verdict depends on: both files' size and time.
QJsonArray signature(const MapEntry& e)
{
    const QFileInfo map(e.mapFile);
    const QFileInfo picture(e.pictureFile);
    return {double(map.size()), double(map.lastModified().toMSecsSinceEpoch()), e.pictureFile, double(picture.size()),
            double(picture.lastModified().toMSecsSinceEpoch())};
}

QHash<QString, QJsonArray> readCache(const QString& path)
{
    QHash<QString, QJsonArray> cache;
    // A damaged cache is ignored and made anew; a link in its place is not followed.
    const QJsonObject top = readJson(readCacheFile(path, LargestCache), CacheLimits).document.object();
    // The verdicts are texts in the language they were made in.
    if (top.value(QStringLiteral("format")).toString() != CacheFormat ||
        top.value(QStringLiteral("version")).toInt() != CacheVersion ||
        top.value(QStringLiteral("language")).toString() != currentLanguage())
        return cache;
    const QJsonObject maps = top.value(QStringLiteral("maps")).toObject();
    for (auto it = maps.begin(); it != maps.end(); ++it) {
        const QJsonArray a = it.value().toArray();
        if (a.size() == 9 && a.at(5).isString() && a.at(5).toString().size() <= LongestContinent &&
            a.at(6).isDouble() && a.at(7).isString() && a.at(7).toString().size() <= LongestReason &&
            a.at(8).isString() && a.at(8).toString().size() == 128)
            cache.insert(it.key(), a);
    }
    return cache;
}

bool byName(const MapEntry& a, const MapEntry& b)
{
    const bool refusedA = a.checked && !a.problem.isEmpty();
    const bool refusedB = b.checked && !b.problem.isEmpty();
    if (refusedA != refusedB)
        return refusedB;
    const int order = QString::localeAwareCompare(a.name, b.name);
    return order != 0 ? order < 0 : a.mapFile < b.mapFile;
}

}  // namespace

void checkMap(MapEntry& entry)
{
    // The loader names the whole path; the list shows the file's name.
    const QString shown = QFileInfo(entry.mapFile).fileName();
    auto world = std::make_unique<WorldState>();
    entry.content = contentOf(entry);
    const MapLoadResult loaded = loadMap(*world, ss(entry.mapFile));
    entry.checked = true;
    if (!loaded.ok) {
        entry.problem = gametext::render(loaded.message).replace(entry.mapFile, shown);
        return;
    }
    entry.continent = qs(world->continentName);
    entry.countries = world->countryCount;
    MapSurface surface;
    if (!surface.load(entry.pictureFile)) {
        entry.problem = surface.problem().empty()
                            ? QCoreApplication::translate("MapCatalog", "Das Kartenbild lässt sich nicht lesen.")
                            : gametext::render(surface.problem());
        return;
    }
    const std::vector<Text> findings = checkPlayability(*world, &surface);
    if (findings.empty())
        entry.problem.clear();
    else if (findings.size() == 1)
        entry.problem = gametext::render(findings.front());
    else {
        const int more = static_cast<int>(findings.size()) - 1;
        entry.problem = QCoreApplication::translate("MapCatalog", "%1 (und %n weitere Mängel)", nullptr, more)
                            .arg(gametext::render(findings.front()));
    }
}

bool confirmVerdict(MapEntry& entry)
{
    const QByteArray now = contentOf(entry);
    if (!entry.checked || now.isEmpty() || now != entry.content)
        checkMap(entry);
    return entry.playable();
}

MapCatalog::MapCatalog(QStringList folders, QString cacheFile)
    : folders_(std::move(folders)), cacheFile_(std::move(cacheFile))
{
}

void MapCatalog::scan()
{
    maps_.clear();
    const QHash<QString, QJsonArray> cache = readCache(cacheFile_);
    qsizetype cachedStill = 0;
    QSet<QString> seen;
    for (const QString& folder : folders_) {
        // Links and special files are found too (System) and refused by
        // name; none of them is opened here.
        QDirIterator it(folder, {QStringLiteral("*.mgi"), QStringLiteral("*.MGI")},
                        QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        QList<MapEntry> found;
        while (it.hasNext()) {
            it.next();
            const QFileInfo file = it.fileInfo();
            if (file.isDir() && !file.isSymLink())
                continue;
            MapEntry e;
            e.name = file.completeBaseName();
            e.mapFile = file.absoluteFilePath();
            e.pictureFile = pictureBeside(file);
            found.append(e);
        }
        // Of "Karte.mgi" and "Karte.MGI" the first is the one a game loads.
        std::sort(found.begin(), found.end(), [](const MapEntry& a, const MapEntry& b) {
            const bool exactA = a.mapFile.endsWith(QLatin1String(".mgi"));
            const bool exactB = b.mapFile.endsWith(QLatin1String(".mgi"));
            return a.name != b.name ? a.name < b.name : exactA != exactB ? exactA : a.mapFile < b.mapFile;
        });
        for (MapEntry& e : found) {
            if (seen.contains(e.name)) {
                e.problem = QCoreApplication::translate(
                                "MapCatalog", "Es gibt schon eine Karte „%1“. Benenne diese um, dann kannst du "
                                              "sie wählen.")
                                .arg(e.name);
            } else if (!QFileInfo(e.mapFile).isFile()) {
                e.problem = QCoreApplication::translate("MapCatalog", "Die Kartendatei ist keine gewöhnliche Datei.");
            } else if (e.pictureFile.isEmpty()) {
                e.problem = QCoreApplication::translate("MapCatalog", "Das Kartenbild „%1“ fehlt.")
                                .arg(qs(mapPictureName(ss(e.mapFile))));
            } else {
                seen.insert(e.name);
                const auto known = cache.constFind(e.mapFile);
                if (known != cache.constEnd() && QFileInfo(e.pictureFile).isFile()) {
                    ++cachedStill;
                    const QJsonArray& a = *known;
                    if (signature(e) == QJsonArray{a.at(0), a.at(1), a.at(2), a.at(3), a.at(4)}) {
                        e.continent = a.at(5).toString();
                        e.countries = a.at(6).toInt();
                        e.problem = a.at(7).toString();
                        e.content = QByteArray::fromHex(a.at(8).toString().toLatin1());
                        maps_.append(e);
                        continue;
                    }
                }
                e.checked = false;
            }
            maps_.append(e);
        }
    }
    std::sort(maps_.begin(), maps_.end(), byName);
    changed_ = cachedStill != cache.size() || unchecked() > 0;
}

int MapCatalog::unchecked() const
{
    return int(std::count_if(maps_.begin(), maps_.end(), [](const MapEntry& e) { return !e.checked; }));
}

qsizetype MapCatalog::checkNext()
{
    for (qsizetype i = 0; i < maps_.size(); ++i) {
        if (!maps_[i].checked) {
            checkMap(maps_[i]);
            changed_ = true;
            return i;
        }
    }
    return -1;
}

void MapCatalog::store() const
{
    if (cacheFile_.isEmpty() || !changed_)
        return;
    QJsonObject maps;
    for (const MapEntry& e : maps_) {
        // Only verdicts of a check: the rest is seen again at every scan.
        if (!e.checked || e.pictureFile.isEmpty() || e.content.isEmpty() || !QFileInfo(e.mapFile).isFile())
            continue;
        QJsonArray a = signature(e);
        a.append(e.continent);
        a.append(e.countries);
        a.append(e.problem);
        a.append(QString::fromLatin1(e.content.toHex()));
        maps.insert(e.mapFile, a);
    }
    const QByteArray bytes = QJsonDocument(QJsonObject{{QStringLiteral("format"), CacheFormat},
                                                       {QStringLiteral("version"), CacheVersion},
                                                       {QStringLiteral("language"), currentLanguage()},
                                                       {QStringLiteral("maps"), maps}})
                                 .toJson(QJsonDocument::Compact);
    writeCacheFile(cacheFile_, bytes);
}

QList<MapEntry> listMaps(const QStringList& folders, const QString& cacheFile)
{
    MapCatalog catalog(folders, cacheFile);
    catalog.scan();
    while (catalog.checkNext() >= 0) {
    }
    catalog.store();
    // Checked, the refused ones go to the end.
    QList<MapEntry> maps = catalog.maps();
    std::sort(maps.begin(), maps.end(), byName);
    return maps;
}

MapEntry mapForGame(const AppPaths& paths, const QString& name)
{
    if (!name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))) {
        for (const QString& folder : paths.mapFolders()) {
            // "Karte.MGI" is listed as "Karte" too.
            const QFileInfo file(resolvePath(folder, name + QStringLiteral(".mgi")));
            const QString picture = file.isFile() ? pictureBeside(file) : QString();
            if (!picture.isEmpty() && QFileInfo(picture).isFile())
                return {name, {}, 0, file.filePath(), picture, {}, true, {}};
        }
    }
    return {QStringLiteral("Afrika"),
            {},
            0,
            paths.resource(QStringLiteral("cards/Afrika.mgi")),
            paths.resource(QStringLiteral("cards/Afrika.bmp")),
            {},
            true,
            {}};
}

}  // namespace stratagon
