// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own JSON files beside the player's: the first look that bounds
// what Qt builds of them, the caches (the saves' index, the map verdicts)
// written only as regular files of the game's and trusted for nothing a
// file itself can say.

#include "ShellTestSupport.h"

#include "shell/MapCatalog.h"
#include "storage/CacheFile.h"
#include "storage/JsonShape.h"
#include "storage/SaveList.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonParseError>
#include <QTemporaryDir>
#include <algorithm>
#include <sys/stat.h>

using namespace stratagon;
using namespace stratagon::test;

namespace {

const QString Fixture = QStringLiteral(STRATAGON_FIXTURES "/save-v1.json");
const QString Shipped = QStringLiteral(STRATAGON_ASSETS "/cards/");

const JsonLimits Small{.depth = 3, .longestText = 10, .allText = 30, .values = 12, .containers = 4};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool regularFile(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

// Within every limit the document is Qt's; beyond one, refused before Qt
// reads a byte, saying which; what is no JSON is named as Qt names it.
TEST(JsonShape, TheFirstLookBoundsWhatQtBuilds)
{
    const QByteArray fine = "\xEF\xBB\xBF {\"a\": [1, -2.5e3, true, null], \"bc\": \"d\\\"e\"}";
    const JsonRead read = readJson(fine, Small);
    EXPECT_TRUE(read.fault.isEmpty()) << read.fault.toStdString();
    EXPECT_EQ(read.document, QJsonDocument::fromJson(fine));

    const std::pair<QByteArray, const char*> beyond[] = {
        {"[[[[1]]]]", "Listen und Objekte stecken mehr als 3 Ebenen tief ineinander (bei Byte 3)."},
        {"[\"0123456789\"]", "ein Text ist länger als 10 Bytes (bei Byte 1)."},
        {"{\"0123456789\":1}", "ein Text ist länger als 10 Bytes (bei Byte 1)."},
        {"[\"12345678\",\"12345678\",\"12345678\",\"1\"]", "die Texte sind zusammen länger als 30 Bytes."},
        {"[1,2,3,4,5,6,7,8,9,10,11,12]", "die Datei enthält mehr als 12 Werte, so viele schreibt das Spiel nie."},
        {"[[],[],[],[]]", "die Datei enthält mehr als 4 Listen und Objekte, so viele schreibt das Spiel nie."},
    };
    for (const auto& [json, fault] : beyond) {
        const JsonRead refused = readJson(json, Small);
        EXPECT_TRUE(refused.document.isNull()) << json.constData();
        EXPECT_EQ(refused.fault, QString::fromUtf8(fault)) << json.constData();
    }
    for (const QByteArray bad : {"[1,", "[1 2]", "{\"a\" 1}", "[1] x", "[tru]", "", "[\"a"}) {
        QJsonParseError error;
        QJsonDocument::fromJson(bad, &error);
        EXPECT_EQ(readJson(bad, Small).fault,
                  QString("kein gültiges JSON (%1 bei Byte %2).").arg(error.errorString()).arg(error.offset))
            << bad.constData();
    }
}

// A link, a pipe or a folder in a cache's place: a link or a pipe is
// replaced by the cache, a folder is left alone; the file a link names is
// never touched, and a link is not read either.
TEST(CacheFiles, ALinkPipeOrFolderInACachesPlaceIsNeverFollowed)
{
    QTemporaryDir dir;
    const QString saves = dir.filePath("saves");
    QDir().mkpath(saves);
    QFile::copy(Fixture, saves + "/a.json");
    const QString mine = dir.filePath("Brief.txt");
    writeFile(mine, "Lieber Freund,");
    const QString index = dir.filePath("saves-index.json");
    const QString verdicts = dir.filePath("map-verdicts.json");

    ASSERT_TRUE(QFile::link(mine, index));
    ASSERT_TRUE(QFile::link(mine, verdicts));
    EXPECT_EQ(listSaves(saves, index).at(0).name, "Südafrika, März 2003");
    EXPECT_EQ(listMaps({Shipped}, verdicts).size(), 4);
    EXPECT_EQ(contents(mine), "Lieber Freund,");
    EXPECT_TRUE(regularFile(index) && regularFile(verdicts));
    EXPECT_TRUE(contents(index).startsWith("{\"format\":\"stratagon-save-index\""));

    // A good index behind a link is not read: the cache is the game's file.
    QFile::rename(index, dir.filePath("elsewhere.json"));
    ASSERT_TRUE(QFile::link(dir.filePath("elsewhere.json"), index));
    SaveIndex linked(saves, index);
    linked.scan();
    EXPECT_EQ(linked.unread(), 1);

    for (const QString& cache : {index, verdicts}) {
        QFile::remove(cache);
        ASSERT_EQ(::mkfifo(QFile::encodeName(cache).constData(), 0600), 0);
    }
    EXPECT_EQ(listSaves(saves, index).size(), 1);
    EXPECT_EQ(listMaps({Shipped}, verdicts).size(), 4);
    EXPECT_TRUE(regularFile(index) && regularFile(verdicts));

    for (const QString& cache : {index, verdicts}) {
        QFile::remove(cache);
        QDir().mkpath(cache);
    }
    EXPECT_EQ(listSaves(saves, index).size(), 1);
    EXPECT_EQ(listMaps({Shipped}, verdicts).size(), 4);
    EXPECT_TRUE(QFileInfo(index).isDir() && QFileInfo(verdicts).isDir());
}

// The index is trusted only for what the game writes into it: an entry that
// calls a good save damaged, or gives it a name longer than a save's, is
// passed over and the save read again.
TEST(CacheFiles, AHostileIndexCannotSpoilAGoodSavesEntry)
{
    QTemporaryDir dir;
    const QString saves = dir.filePath("saves");
    const QString index = dir.filePath("cache/index.json");
    QDir().mkpath(saves);
    QFile::copy(Fixture, saves + "/a.json");
    ASSERT_EQ(listSaves(saves, index).at(0).name, "Südafrika, März 2003");
    const QJsonObject top = QJsonDocument::fromJson(contents(index)).object();
    const QJsonArray entry = top["saves"].toObject()["a.json"].toArray();
    ASSERT_EQ(entry.size(), 8);

    const auto withEntry = [&](int at, const QJsonValue& value) {
        QJsonArray changed = entry;
        changed[at] = value;
        QJsonObject spoiled = top;
        spoiled["saves"] = QJsonObject{{"a.json", changed}};
        return QJsonDocument(spoiled).toJson();
    };
    for (const QByteArray& hostile : {withEntry(7, false), withEntry(2, QString(5000, 'x')), withEntry(3, 7)}) {
        writeFile(index, hostile);
        const QList<SaveSummary> listed = listSaves(saves, index);
        ASSERT_EQ(listed.size(), 1);
        EXPECT_TRUE(listed[0].readable);
        EXPECT_EQ(listed[0].name, "Südafrika, März 2003");
    }
}

// A verdict that says more than the game writes is not believed: the map is
// checked again. A verdict whose reason runs to megabytes is not even read.
TEST(CacheFiles, AVerdictLongerThanTheGameWritesIsCheckedAgain)
{
    QTemporaryDir dir;
    const QString verdicts = dir.filePath("map-verdicts.json");
    ASSERT_EQ(listMaps({Shipped}, verdicts).size(), 4);
    const QByteArray written = contents(verdicts);
    for (const QByteArray& hostile :
         {QByteArray(written).replace(",\"\",\"", ",\"" + QByteArray(1200, 'x') + "\",\""),
          QByteArray(written).replace(",\"\",\"", ",\"" + QByteArray(15 << 20, 'x') + "\",\"")}) {
        ASSERT_NE(hostile.size(), written.size());
        writeFile(verdicts, hostile);
        MapCatalog catalog({Shipped}, verdicts);
        catalog.scan();
        EXPECT_GE(catalog.unchecked(), 1);
        const QList<MapEntry> maps = listMaps({Shipped}, verdicts);
        EXPECT_TRUE(std::all_of(maps.begin(), maps.end(), [](const MapEntry& m) { return m.playable(); }));
    }
    EXPECT_EQ(contents(verdicts).size(), written.size());
}
