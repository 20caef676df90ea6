// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/Preferences.h"

#include "session/FileText.h"
#include "storage/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cerrno>
#include <sys/stat.h>

namespace stratagon {

ColourScheme Preferences::colourScheme() const
{
    return value(QStringLiteral("display/colours")) == QStringLiteral("Farbenblind") ? ColourScheme::ColourBlind
                                                                                     : ColourScheme::Standard;
}

void Preferences::setColourScheme(ColourScheme scheme)
{
    setValue(QStringLiteral("display/colours"),
             scheme == ColourScheme::ColourBlind ? QStringLiteral("Farbenblind") : QStringLiteral("Standard"));
}

int Preferences::zoomPercent() const
{
    bool ok = false;
    const int percent = value(QStringLiteral("display/zoom")).toInt(&ok);
    return ok && percent >= 20 && percent <= 200 ? percent : 0;
}

void Preferences::setZoomPercent(int percent)
{
    setValue(QStringLiteral("display/zoom"), QString::number(std::clamp(percent, 20, 200)));
}

int Preferences::textSizePercent() const
{
    bool ok = false;
    const int percent = value(QStringLiteral("display/textsize")).toInt(&ok);
    return ok ? std::clamp(percent, 100, 200) : 100;
}

void Preferences::setTextSizePercent(int percent)
{
    setValue(QStringLiteral("display/textsize"), QString::number(std::clamp(percent, 100, 200)));
}

QByteArray Preferences::mainWindowGeometry() const
{
    return QByteArray::fromBase64(value(QStringLiteral("display/geometry")).toLatin1());
}

void Preferences::setMainWindowGeometry(const QByteArray& geometry)
{
    setValue(QStringLiteral("display/geometry"), QString::fromLatin1(geometry.toBase64()));
}

QString Preferences::mapName() const { return value(QStringLiteral("game/map")); }

void Preferences::setMapName(const QString& name) { setValue(QStringLiteral("game/map"), name); }

int Preferences::opponentCount() const
{
    bool ok = false;
    const int count = value(QStringLiteral("game/opponents")).toInt(&ok);
    return ok ? std::clamp(count, 1, 5) : 1;
}

void Preferences::setOpponentCount(int count)
{
    setValue(QStringLiteral("game/opponents"), QString::number(std::clamp(count, 1, 5)));
}

RuleSet Preferences::ruleSet() const { return ruleSetFromKey(value(QStringLiteral("game/rules")).toStdString()); }

void Preferences::setRuleSet(RuleSet rules)
{
    const std::string_view key = ruleTable(rules).key;
    setValue(QStringLiteral("game/rules"), QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
}

namespace {

QString characterKey(RuleSet rules)
{
    const std::string_view key = ruleTable(rules).key;
    return QStringLiteral("game/characters/") + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

CharacterChoice Preferences::characterChoice(RuleSet rules) const
{
    CharacterChoice choice = defaultCharacterChoice(rules);
    CharacterChoice::fromKey(value(characterKey(rules)).toStdString(), choice);
    return choice;
}

void Preferences::setCharacterChoice(RuleSet rules, const CharacterChoice& choice)
{
    setValue(characterKey(rules), QString::fromStdString(choice.key()));
}

namespace {

constexpr std::array<const char*, 3> announceKeys{{"aus", "wichtige", "alle"}};

}  // namespace

AnnounceLevel Preferences::announceLevel() const
{
    const QString kept = value(QStringLiteral("access/announcements"));
    for (std::size_t i = 0; i < announceKeys.size(); ++i)
        if (kept == QLatin1String(announceKeys[i]))
            return static_cast<AnnounceLevel>(i);
    return AnnounceLevel::Important;
}

void Preferences::setAnnounceLevel(AnnounceLevel level)
{
    const auto at = std::clamp<std::size_t>(static_cast<std::size_t>(level), 0, announceKeys.size() - 1);
    setValue(QStringLiteral("access/announcements"), QLatin1String(announceKeys[at]));
}

bool Preferences::pauseOnAttack() const { return value(QStringLiteral("access/pause-on-attack")) == QStringLiteral("true"); }

void Preferences::setPauseOnAttack(bool pause)
{
    setValue(QStringLiteral("access/pause-on-attack"), pause ? QStringLiteral("true") : QStringLiteral("false"));
}

bool Preferences::soundEnabled() const { return value(QStringLiteral("sound/enabled")) != QStringLiteral("false"); }

void Preferences::setSoundEnabled(bool enabled)
{
    setValue(QStringLiteral("sound/enabled"), enabled ? QStringLiteral("true") : QStringLiteral("false"));
}

int Preferences::soundVolume() const
{
    bool ok = false;
    const int percent = value(QStringLiteral("sound/volume")).toInt(&ok);
    return ok ? std::clamp(percent, 0, 100) : 60;
}

void Preferences::setSoundVolume(int percent)
{
    setValue(QStringLiteral("sound/volume"), QString::number(std::clamp(percent, 0, 100)));
}

QString Preferences::value(const QString& key, const QString& fallback) const
{
    if (const auto kept = unsaved_.constFind(key); kept != unsaved_.constEnd())
        return *kept;
    // Without a file (no home folder) every preference has its default, and
    // so without one that can be read whole: QSettings opens whatever is at
    // its path, and a pipe would hold the start for ever.
    if (file_.isEmpty() || !readable(file_))
        return fallback;
    // An explicit INI path: no organisation name is ever involved.
    const QSettings settings(file_, QSettings::IniFormat);
    // A value with commas written by hand reads as a list: the text as written.
    const QVariant kept = settings.value(key, fallback);
    return kept.typeId() == QMetaType::QStringList ? kept.toStringList().join(QLatin1Char(',')) : kept.toString();
}

bool Preferences::readable(const QString& file)
{
    struct stat st {};
    return ::stat(QFile::encodeName(file).constData(), &st) == 0 && S_ISREG(st.st_mode) &&
           std::size_t(st.st_size) <= LargestPreferences;
}

namespace {

// The bytes of the preferences file, whole, or `reason` set: one larger than
// preferences ever get is not cut, it is left as it is.
std::string wholeIni(const QString& file, QString& reason)
{
    std::string bytes;
    const FileResult read = readRegularFile(QFile::encodeName(file).toStdString(), LargestPreferences, bytes);
    if (!read.ok && read.errorNumber != ENOENT)
        reason = gametext::reason(read);
    else if (bytes.size() > LargestPreferences)
        reason = QCoreApplication::translate("FileErrors", "Die Datei ist größer als %1 KB; so groß sind "
                                                           "Einstellungen nie, darum bleibt sie, wie sie ist.")
                     .arg(LargestPreferences / 1024);
    return reason.isEmpty() ? bytes : std::string();
}

// The file with `changes` applied, in QSettings' own INI form: QSettings
// writes a copy in a private folder, which is read back and checked, so the
// player's file itself is only ever replaced whole by the atomic writer.
// Empty with `reason` set on failure.
QByteArray updatedIni(const QString& file, const QMap<QString, QString>& changes, QString& reason)
{
    const std::string old = wholeIni(file, reason);
    if (!reason.isEmpty())
        return {};
    const QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("stratagon.ini"));
    QFile out(copy);
    if (!scratch.isValid() || !out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        out.write(old.data(), qint64(old.size())) != qint64(old.size())) {
        reason = QCoreApplication::translate("FileErrors", "Im Ordner für vorläufige Dateien ist kein Platz.");
        return {};
    }
    out.close();
    {
        QSettings settings(copy, QSettings::IniFormat);
        for (auto it = changes.cbegin(); it != changes.cend(); ++it)
            settings.setValue(it.key(), *it);
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            reason = QCoreApplication::translate("FileErrors", "Die Einstellungen lassen sich nicht zusammenstellen.");
            return {};
        }
    }
    // Qt's writer can lose a failed last write unnoticed: what came out is read back.
    const QSettings check(copy, QSettings::IniFormat);
    for (auto it = changes.cbegin(); it != changes.cend(); ++it)
        if (check.value(it.key()).toString() != *it) {
            reason = QCoreApplication::translate("FileErrors", "Im Ordner für vorläufige Dateien ist kein Platz.");
            return {};
        }
    // Read whole again, or not written: a file cut here would lose the rest.
    const std::string bytes = wholeIni(copy, reason);
    if (!reason.isEmpty())
        return {};
    return QByteArray::fromStdString(bytes);
}

}  // namespace

bool Preferences::setValue(const QString& key, const QString& value)
{
    QMap<QString, QString> changes = unsaved_;
    changes.insert(key, value);
    // Without a file (no home folder, already told) a choice lasts the session.
    if (file_.isEmpty()) {
        unsaved_ = changes;
        return false;
    }
    QString reason;
    const QByteArray bytes = updatedIni(file_, changes, reason);
    if (reason.isEmpty()) {
        const FileResult written = writeFileAtomically(QFile::encodeName(file_).toStdString(),
                                                       std::string_view(bytes.constData(), std::size_t(bytes.size())));
        if (written.ok) {
            unsaved_.clear();
            return true;
        }
        reason = gametext::reason(written);
    }
    unsaved_ = changes;
    if (!reported_ && report_) {
        reported_ = true;
        report_(QCoreApplication::translate(
                    "FileErrors", "Deine Einstellungen können nicht in der Datei „%1“ gespeichert werden: %2\n"
                                  "Was du wählst, gilt, bis du Stratagon beendest.")
                    .arg(QDir::toNativeSeparators(file_), reason));
    }
    return false;
}

}  // namespace stratagon
