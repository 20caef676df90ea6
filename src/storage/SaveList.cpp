// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SaveList.h"

#include "session/FileText.h"
#include "storage/CacheFile.h"
#include "world/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>

namespace stratagon {

namespace {

const QLatin1String IndexFormat("stratagon-save-index");
// 2: the game date as month and year, so that it follows the language.
constexpr int IndexVersion = 2;
// Ten thousand saves take about 2 MB; a larger index is damage. An entry
// holds a file name (at most 255 bytes) and eight values.
constexpr std::size_t LargestIndex = std::size_t(16) * 1024 * 1024;
constexpr JsonLimits IndexLimits{
    .depth = 4, .longestText = 2048, .allText = 16 * 1024 * 1024, .values = 1'500'000, .containers = 200'000};

// What the list shows of a save beside its name: a country and a map.
constexpr qsizetype LongestShownName = 100;

// A text of an index entry; false when it is none or longer than a save's
// own could be, and the entry is not used.
bool indexText(const QJsonArray& a, int i, qsizetype longest, QString& out)
{
    if (!a.at(i).isString())
        return false;
    out = a.at(i).toString();
    return out.size() <= longest;
}

struct Folder {
    explicit Folder(DIR* d) : handle(d) {}
    ~Folder()
    {
        if (handle)
            ::closedir(handle);
    }
    DIR* handle;
};

}  // namespace

SaveBytes readSaveBytes(const QString& path)
{
    SaveBytes result;
    // Straight into the array: a copy would double the largest save's cost.
    QByteArray& bytes = result.bytes;
    const FileResult read =
        readRegularFile(QFile::encodeName(path).toStdString(), std::size_t(LargestSaveBytes), [&bytes](std::size_t n) {
            bytes.resize(qsizetype(n));
            return bytes.data();
        });
    if (!read.ok) {
        bytes.clear();
        result.message = QCoreApplication::translate("FileErrors", "Der Spielstand „%1“ kann nicht gelesen werden: %2")
                             .arg(QDir::toNativeSeparators(path), gametext::reason(read));
        return result;
    }
    if (qint64(bytes.size()) > LargestSaveBytes) {
        bytes.clear();
        result.message = damagedSave(QCoreApplication::translate("FileErrors", "die Datei ist zu groß."));
        return result;
    }
    result.ok = true;
    return result;
}

SaveSummary summariseSave(const QString& file, const QByteArray& bytes)
{
    SaveSummary s;
    s.file = file;
    s.name = QFileInfo(file).completeBaseName();
    const QJsonObject top = parseSave(bytes).document.object();
    if (top.value(QStringLiteral("format")).toString() != QLatin1String(SaveFormatName) ||
        !top.value(QStringLiteral("name")).isString())
        return s;
    const QJsonObject game = top.value(QStringLiteral("game")).toObject();
    s.readable = true;
    // Cut as the full read cuts them, before any list lays them out.
    s.name = cutText(top.value(QStringLiteral("name")).toString(), LongestSaveName);
    const QDateTime at =
        QDateTime::fromString(cutText(top.value(QStringLiteral("savedAt")).toString(), LongestShownName), Qt::ISODate);
    if (at.isValid())
        s.savedAt = at.toUTC();
    const int player = game.value(QStringLiteral("side")).toArray().at(0).toInt();
    s.country = cutText(game.value(QStringLiteral("countryName")).toArray().at(player).toString(), LongestShownName);
    s.month = game.value(QStringLiteral("month")).toInt();
    s.year = game.value(QStringLiteral("year")).toInt();
    s.map = cutText(QFileInfo(game.value(QStringLiteral("map")).toObject().value(QStringLiteral("file")).toString())
                        .completeBaseName(),
                    LongestShownName);
    return s;
}

SaveIndex::SaveIndex(QString folder, QString indexFile) : folder_(std::move(folder)), indexFile_(std::move(indexFile))
{
}

void SaveIndex::readIndex()
{
    indexed_.clear();
    if (indexFile_.isEmpty())
        return;
    // The game's own cache: a link put in its place is not followed.
    const QByteArray bytes = readCacheFile(indexFile_, LargestIndex);
    // A damaged index is only a slower start: it is ignored and made anew.
    const QJsonObject top = readJson(bytes, IndexLimits).document.object();
    if (top.value(QStringLiteral("format")).toString() != IndexFormat ||
        top.value(QStringLiteral("version")).toInt() != IndexVersion)
        return;
    const QJsonObject saves = top.value(QStringLiteral("saves")).toObject();
    for (auto it = saves.begin(); it != saves.end(); ++it) {
        const QJsonArray a = it.value().toArray();
        // Only what the game itself stores: a save the index calls damaged
        // is read again, so no index can spoil a good save's entry.
        if (a.size() != 8 || !a.at(0).isDouble() || !a.at(1).isDouble() || !a.at(4).isArray() ||
            a.at(7) != QJsonValue(true) || !a.at(6).isDouble())
            continue;
        Entry e;
        e.size = qint64(a.at(0).toDouble());
        e.modified = qint64(a.at(1).toDouble());
        if (!indexText(a, 2, LongestSaveName, e.summary.name) ||
            !indexText(a, 3, LongestShownName, e.summary.country) || !indexText(a, 5, LongestShownName, e.summary.map))
            continue;
        const QJsonArray date = a.at(4).toArray();
        e.summary.month = date.at(0).toInt();
        e.summary.year = date.at(1).toInt();
        e.summary.savedAt = QDateTime::fromMSecsSinceEpoch(qint64(a.at(6).toDouble()), Qt::UTC);
        e.summary.readable = true;
        indexed_.insert(it.key(), e);
    }
}

void SaveIndex::scan()
{
    readIndex();
    entries_.clear();
    unread_.clear();
    changed_ = false;
    qsizetype stillThere = 0;
    // One stat per entry, straight from the folder: with ten thousand saves
    // every call counts. Links and special files are listed too, so that the
    // player sees them and can delete them; they are never opened here.
    Folder dir(::opendir(QFile::encodeName(folder_).constData()));
    if (!dir.handle)
        return;
    const QDir base(folder_);
    while (const dirent* found = ::readdir(dir.handle)) {
        const char* raw = found->d_name;
        const std::size_t length = std::strlen(raw);
        if (raw[0] == '.' || length < 5 || std::strcmp(raw + length - 5, ".json") != 0)
            continue;
        struct stat st {};
        const bool exists = ::fstatat(::dirfd(dir.handle), raw, &st, 0) == 0;
        struct stat own {};
        if (!exists || !S_ISREG(st.st_mode)) {
            // A folder of that name is no save; a link to one is listed.
            if (::fstatat(::dirfd(dir.handle), raw, &own, AT_SYMLINK_NOFOLLOW) != 0 || S_ISDIR(own.st_mode))
                continue;
        }
        const QString name = QFile::decodeName(raw);
        Entry e;
        e.summary.file = base.absoluteFilePath(name);
        e.summary.name = name.chopped(5);
        if (!exists || !S_ISREG(st.st_mode)) {
            // A dangling link, a pipe, a device, a folder: nothing to read.
            const struct stat& times = exists ? st : own;
            e.summary.savedAt = QDateTime::fromMSecsSinceEpoch(
                qint64(times.st_mtim.tv_sec) * 1000 + times.st_mtim.tv_nsec / 1000000, Qt::UTC);
            entries_.append(e);
            continue;
        }
        e.size = qint64(st.st_size);
        e.modified = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
        const auto known = indexed_.constFind(name);
        if (known != indexed_.constEnd()) {
            ++stillThere;
            if (known->size == e.size && known->modified == e.modified) {
                const QString file = e.summary.file;
                e.summary = known->summary;
                e.summary.file = file;
                if (!e.summary.savedAt.isValid())
                    e.summary.savedAt = QDateTime::fromMSecsSinceEpoch(e.modified, Qt::UTC);
                entries_.append(e);
                continue;
            }
        }
        unread_.append(entries_.size());
        entries_.append(e);
    }
    // Saves deleted or replaced since: the index is stored again.
    changed_ = stillThere != indexed_.size() || !unread_.isEmpty();
}

void SaveIndex::readRest()
{
    for (const qsizetype i : std::as_const(unread_)) {
        // The program is quitting: what is unread stays so, nothing is stored.
        if (QThread::currentThread()->isInterruptionRequested())
            return;
        Entry& e = entries_[i];
        const QString file = e.summary.file;
        const SaveBytes read = readSaveBytes(file);
        if (read.ok) {
            e.summary = summariseSave(file, read.bytes);
        } else {
            e.summary = SaveSummary();
            e.summary.file = file;
            e.summary.name = QFileInfo(file).completeBaseName();
        }
        if (!e.summary.savedAt.isValid())
            e.summary.savedAt = QDateTime::fromMSecsSinceEpoch(e.modified, Qt::UTC);
    }
    unread_.clear();
    if (changed_)
        writeIndex();
    changed_ = false;
}

void SaveIndex::writeIndex() const
{
    if (indexFile_.isEmpty())
        return;
    QJsonObject saves;
    for (const Entry& e : entries_) {
        // A damaged save is read anew each time: the index never says so.
        if (e.size < 0 || !e.summary.readable)
            continue;
        const SaveSummary& s = e.summary;
        saves.insert(
            QFileInfo(s.file).fileName(),
            QJsonArray{double(e.size), double(e.modified), s.name, s.country, QJsonArray{s.month, s.year}, s.map,
                       s.savedAt.isValid() ? QJsonValue(double(s.savedAt.toMSecsSinceEpoch())) : QJsonValue(), true});
    }
    const QByteArray bytes = QJsonDocument(QJsonObject{{QStringLiteral("format"), IndexFormat},
                                                       {QStringLiteral("version"), IndexVersion},
                                                       {QStringLiteral("saves"), saves}})
                                 .toJson(QJsonDocument::Compact);
    writeCacheFile(indexFile_, bytes);
}

QList<SaveSummary> SaveIndex::saves() const
{
    QList<SaveSummary> saves;
    saves.reserve(entries_.size());
    for (const Entry& e : entries_)
        saves.append(e.summary);
    std::stable_sort(saves.begin(), saves.end(), [](const SaveSummary& a, const SaveSummary& b) {
        const bool autoA = a.readable && a.name == QLatin1String(AutosaveName);
        const bool autoB = b.readable && b.name == QLatin1String(AutosaveName);
        if (autoA != autoB)
            return autoA;
        if (a.readable != b.readable)
            return a.readable;
        if (a.savedAt != b.savedAt)
            return a.savedAt > b.savedAt;
        return a.file < b.file;
    });
    return saves;
}

QList<SaveSummary> listSaves(const QString& folder, const QString& indexFile)
{
    SaveIndex index(folder, indexFile);
    index.scan();
    index.readRest();
    return index.saves();
}

}  // namespace stratagon
