// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SaveGame.h"

#include "storage/SaveList.h"
#include "storage/JsonFields.h"
#include "storage/SaveUpgrade.h"
#include "storage/SaveFields.h"
#include "storage/SaveTrail.h"

#include "session/FileText.h"
#include "storage/AtomicFile.h"
#include "world/MapLoader.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace stratagon {

const char* const SaveFormatName = "stratagon-save";
const char* const AutosaveName = "Automatisch gespeichert";

QString damagedSave(const QString& detail)
{
    return QCoreApplication::translate("FileErrors", "Der Spielstand ist beschädigt: %1").arg(detail);
}

namespace {

#ifndef STRATAGON_VERSION
#define STRATAGON_VERSION "1.0"
#endif

using namespace json;

QString inconsistency(const WorldState& w, const ViewState& view)
{
    if (const QString wrong = savedWorldFault(w); !wrong.isEmpty())
        return wrong;
    if (view.shownCountry > w.countryCount)
        return QCoreApplication::translate("FileErrors", "das angezeigte Land %1 gibt es nicht.").arg(view.shownCountry);
    return {};
}

QByteArray compact(const QJsonValue& value)
{
    // QJsonDocument writes only arrays and objects: one element, brackets off.
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

QString savedAtText(const QDateTime& at) { return at.toUTC().toString(Qt::ISODate); }

SaveReadResult refused(const QString& message)
{
    SaveReadResult r;
    r.message = message;
    return r;
}

}  // namespace

JsonRead parseSave(const QByteArray& bytes)
{
    static constexpr JsonLimits limits{
        .depth = 16, .longestText = 64 * 1024, .allText = 16 * 1024 * 1024, .values = 2'000'000, .containers = 200'000};
    return readJson(bytes, limits);
}

QByteArray saveDocument(const WorldState& world, const QString& name, const QDateTime& savedAt,
                        const QByteArray& bitmapSha256, const ViewState& view, const GameTrail* trail)
{
    QJsonObject game = encode(world).toObject();
    const bool cut = world.records.months.size() > std::size_t(LongestSavedMonths);
    if (trail && trail->kept() && !cut)
        game.insert(QStringLiteral("trail"), trailObject(*trail, game));
    if (cut) {
        GameRecords kept = world.records;
        kept.months.erase(kept.months.begin(), kept.months.end() - LongestSavedMonths);
        game.insert(QStringLiteral("records"), encode(kept));
    }
    const QJsonObject shown = encode(view).toObject();
    for (auto field = shown.begin(); field != shown.end(); ++field)
        game.insert(field.key(), field.value());
    // Only a guided game carries its guidance: the saves of all other games stay as they were.
    if (world.guideStep == 0) {
        game.remove(QStringLiteral("guideStep"));
        game.remove(QStringLiteral("guideConquered"));
    }
    // So do the opponents' characters, the countries' former holders and the
    // reasons of the opponents' attacks while there is nothing to keep.
    const auto none = [](const auto& table) {
        return std::all_of(table.begin(), table.end(), [](auto v) { return v == 0; });
    };
    if (none(world.opponentCharacter))
        game.remove(QStringLiteral("opponentCharacter"));
    if (none(world.previousOwner))
        game.remove(QStringLiteral("previousOwner"));
    if (none(world.records.opponentStrikes)) {
        QJsonObject records = game.value(QStringLiteral("records")).toObject();
        records.remove(QStringLiteral("opponentStrikes"));
        game.insert(QStringLiteral("records"), records);
    }
    game.insert(QStringLiteral("map"),
                QJsonObject{{QStringLiteral("file"), QFileInfo(QString::fromStdString(world.mapFileName)).fileName()},
                            {QStringLiteral("bitmap"), QString::fromStdString(mapPictureName(world.mapFileName))},
                            {QStringLiteral("bitmapSha256"), QString::fromLatin1(bitmapSha256.toHex())}});
    // The header in reading order; the game's own keys come sorted.
    QByteArray out = "{\"format\":" + compact(QString::fromLatin1(SaveFormatName));
    out += ",\"version\":" + compact(SaveFormatVersion);
    out += ",\"program\":" + compact(QStringLiteral(STRATAGON_VERSION));
    out += ",\"name\":" + compact(name);
    out += ",\"savedAt\":" + compact(savedAtText(savedAt));
    out += ",\"game\":" + QJsonDocument(game).toJson(QJsonDocument::Compact);
    out += "}\n";
    return out;
}

SaveReadResult readSaveDocument(const QByteArray& bytes, WorldState& world, const BitmapLocator& locate,
                                const PictureCheck& checkPicture, ViewState* view, GameTrail* trail)
{
    const JsonRead read = parseSave(bytes);
    if (read.document.isNull())
        return refused(damagedSave(read.fault));
    const QJsonDocument& doc = read.document;
    const QJsonObject top = doc.object();
    if (!doc.isObject() || top.value(QStringLiteral("format")).toString() != QLatin1String(SaveFormatName))
        return refused(
            damagedSave(QCoreApplication::translate("FileErrors", "die Datei ist kein Spielstand von Stratagon.")));
    const QJsonValue version = top.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != std::trunc(version.toDouble()) || version.toDouble() < 1)
        return refused(
            damagedSave(QCoreApplication::translate("FileErrors", "die Formatversion fehlt oder ist ungültig.")));
    if (version.toDouble() > SaveFormatVersion)
        return refused(QCoreApplication::translate(
                           "FileErrors", "Dieser Spielstand stammt aus einer neueren Version von Stratagon "
                                         "(Format %1, diese Version kennt Format %2) und kann nicht geladen werden.")
                           .arg(version.toDouble())
                           .arg(SaveFormatVersion));

    SaveReadResult result;
    const QJsonValue name = top.value(QStringLiteral("name"));
    const QJsonValue savedAt = top.value(QStringLiteral("savedAt"));
    if (!name.isString() || !savedAt.isString())
        return refused(
            damagedSave(QCoreApplication::translate("FileErrors", "Name oder Zeitpunkt des Spielstands fehlen.")));
    result.name = cutText(name.toString(), LongestSaveName);
    result.savedAt = QDateTime::fromString(savedAt.toString(), Qt::ISODate).toLocalTime();

    QJsonObject game = top.value(QStringLiteral("game")).toObject();
    const int fromVersion = int(version.toDouble());
    if (fromVersion < SaveFormatVersion)
        if (const QString wrong = upgradeSavedGame(game, fromVersion); !wrong.isEmpty())
            return refused(damagedSave(wrong));
    result.upgraded = fromVersion < SaveFormatVersion;
    const QJsonObject map = game.value(QStringLiteral("map")).toObject();
    const QString mapFile = map.value(QStringLiteral("file")).toString();
    const QString bitmap = map.value(QStringLiteral("bitmap")).toString();
    const QByteArray sha = QByteArray::fromHex(map.value(QStringLiteral("bitmapSha256")).toString().toLatin1());
    if (mapFile.isEmpty() || bitmap.isEmpty() || sha.size() != 32 || bitmap.contains(QLatin1Char('/')) ||
        mapFile.contains(QLatin1Char('/')))
        return refused(damagedSave(
            QCoreApplication::translate("FileErrors", "die Angaben zur Karte fehlen oder sind ungültig.")));
    result.bitmapSha256 = sha;

    // Staged in a fresh world: nothing of the running game is touched
    // before every check has passed.
    auto staged = std::make_unique<WorldState>();
    ViewState stagedView;
    Context context;
    context.push("game");
    if (!decode(QJsonValue(game), *staged, Any, context) || !decode(QJsonValue(game), stagedView, Any, context))
        return refused(damagedSave(context.error));
    if (const QString wrong = inconsistency(*staged, stagedView); !wrong.isEmpty())
        return refused(damagedSave(wrong));

    const QString bitmapPath = locate ? locate(bitmap) : QString();
    if (bitmapPath.isEmpty())
        return refused(QCoreApplication::translate("FileErrors",
                                                   "Das Kartenbild „%1“ dieses Spielstands fehlt. Der Spielstand kann "
                                                   "nicht geladen werden.")
                           .arg(bitmap));
    if (fileSha256(bitmapPath) != sha)
        return refused(QCoreApplication::translate(
                           "FileErrors", "Das Kartenbild „%1“ hat sich geändert, seit das Spiel gespeichert "
                                         "wurde. Der Spielstand passt nicht mehr dazu und kann nicht geladen werden.")
                           .arg(bitmap));
    // The game is played on the picture of its own map: Europe's countries
    // filled on Africa's picture would flood the sea.
    const QString notTogether =
        QCoreApplication::translate("FileErrors", "Die Karte „%1“ und das Kartenbild „%2“ dieses Spielstands gehören "
                                                  "nicht zusammen.%3 Der Spielstand kann nicht geladen werden.");
    if (QFileInfo(mapFile).completeBaseName() != QFileInfo(bitmap).completeBaseName())
        return refused(notTogether.arg(mapFile, bitmap, QString()));
    if (checkPicture)
        if (const QString fault = checkPicture(*staged, bitmapPath); !fault.isEmpty())
            return refused(notTogether.arg(mapFile, bitmap, QLatin1Char(' ') + fault));
    staged->mapFileName = QDir(QFileInfo(bitmapPath).absolutePath()).filePath(mapFile).toStdString();
    GameTrail kept;
    if (const QJsonValue value = game.value(QStringLiteral("trail")); trail && !value.isUndefined())
        if (const QString wrong = readTrail(value, game, *staged, kept); !wrong.isEmpty()) {
            kept = GameTrail{};
            result.trailMessage = QCoreApplication::translate(
                                      "FileErrors", "Der Spielverlauf in diesem Spielstand ist beschädigt: %1. Das "
                                                    "Spiel geht von seinem gespeicherten Stand aus weiter; was davor "
                                                    "war, lässt sich nicht noch einmal spielen.")
                                      .arg(wrong);
        }

    world = std::move(*staged);
    if (trail)
        *trail = std::move(kept);
    if (view)
        *view = stagedView;
    result.ok = true;
    return result;
}

SaveReadResult readSaveFile(const QString& path, WorldState& world, const BitmapLocator& locate,
                            const PictureCheck& checkPicture, ViewState* view, GameTrail* trail)
{
    // Only a regular file of bounded size: a link to a pipe or a device
    // would block or never end.
    const SaveBytes read = readSaveBytes(path);
    if (!read.ok)
        return refused(read.message);
    ViewState shown;
    SaveReadResult result = readSaveDocument(read.bytes, world, locate, checkPicture, &shown, trail);
    if (result.ok && view)
        *view = shown;
    // An older format is upgraded once: the file is written back in the
    // current one. Should that fail, the game is loaded all the same and the
    // next load upgrades again. Older formats predate the trail: there is
    // none to write back (a format after this one must carry it over).
    if (result.ok && result.upgraded)
        writeSaveFile(path, saveDocument(world, result.name, result.savedAt, result.bitmapSha256, shown));
    return result;
}

QByteArray fileSha256(const QString& path)
{
    // A pipe or a device would never end.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return {};
    return hash.result();
}

SaveWriteResult writeSaveFile(const QString& path, const QByteArray& document)
{
    const QString shown = QDir::toNativeSeparators(path);
    const auto failed = [&](const QString& reason) {
        return SaveWriteResult{false, QCoreApplication::translate(
                                          "FileErrors", "Der Spielstand konnte nicht in die Datei „%1“ geschrieben "
                                                        "werden: %2\nEin früherer Spielstand unter diesem Namen "
                                                        "bleibt unverändert.")
                                          .arg(shown, reason)};
    };
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return failed(QCoreApplication::translate("FileErrors", "Der Ordner „%1“ kann nicht angelegt werden.")
                          .arg(QDir::toNativeSeparators(info.absolutePath())));
    const FileResult written = writeFileAtomically(QFile::encodeName(path).toStdString(),
                                                   std::string_view(document.data(), std::size_t(document.size())));
    if (!written.ok)
        return failed(gametext::reason(written));
    return {true, {}};
}

QString saveFilePath(const QString& folder, const QString& name)
{
    QString file;
    const QByteArray keep = " ,.-_()!+";
    for (const QChar ch : name) {
        const bool plain = ch.isLetterOrNumber() || (ch.unicode() < 128 && keep.contains(char(ch.unicode())));
        if (plain && !(file.isEmpty() && ch == QLatin1Char('.')))
            file += ch;
        else
            for (const char byte : QString(ch).toUtf8())
                file += QStringLiteral("%%1").arg(uchar(byte), 2, 16, QLatin1Char('0')).toUpper();
    }
    return QDir(folder).filePath(file + QStringLiteral(".json"));
}

}  // namespace stratagon
