// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/Preferences.h"

#include <QSettings>
#include <algorithm>

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
    return ok && percent >= 50 && percent <= 200 ? percent : 0;
}

void Preferences::setZoomPercent(int percent)
{
    setValue(QStringLiteral("display/zoom"), QString::number(std::clamp(percent, 50, 200)));
}

QByteArray Preferences::mainWindowGeometry() const
{
    return QByteArray::fromBase64(value(QStringLiteral("display/geometry")).toLatin1());
}

void Preferences::setMainWindowGeometry(const QByteArray& geometry)
{
    setValue(QStringLiteral("display/geometry"), QString::fromLatin1(geometry.toBase64()));
}

QString Preferences::mapName() const
{
    return value(QStringLiteral("game/map"));
}

void Preferences::setMapName(const QString& name)
{
    setValue(QStringLiteral("game/map"), name);
}

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

RuleSet Preferences::ruleSet() const
{
    return ruleSetFromKey(value(QStringLiteral("game/rules")).toStdString());
}

void Preferences::setRuleSet(RuleSet rules)
{
    const std::string_view key = ruleTable(rules).key;
    setValue(QStringLiteral("game/rules"), QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
}

QString Preferences::value(const QString& key, const QString& fallback) const
{
    // An explicit INI path: no organisation name is ever involved.
    const QSettings settings(file_, QSettings::IniFormat);
    return settings.value(key, fallback).toString();
}

void Preferences::setValue(const QString& key, const QString& value)
{
    QSettings settings(file_, QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
}

}  // namespace stratagon
