// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/GameText.h"

#include "simulation/Character.h"
#include "world/Ranks.h"
#include "world/WorldState.h"

#include <QCoreApplication>
#include <QStringList>

namespace stratagon::gametext {

namespace {

QString translated(const char* context, const std::string& german)
{
    if (german.empty())
        return {};
    return QCoreApplication::translate(context, german.c_str());
}

QString argument(const TextArg& arg)
{
    switch (arg.kind) {
    case TextArg::Kind::Number:
        return QString::number(arg.number);
    case TextArg::Kind::Name:
        return name(arg.text);
    case TextArg::Kind::Rank:
        return rankName(int32_t(arg.number));
    case TextArg::Kind::Month:
        return monthName(int(arg.number));
    case TextArg::Kind::Texts:
        return render(arg.parts, QString::fromStdString(arg.text));
    case TextArg::Kind::Plain:
        break;
    }
    return QString::fromStdString(arg.text);
}

// %1..%9 filled in one pass, so that a value holding "%2" is left as it is.
QString fill(const QString& pattern, const QStringList& values)
{
    QString out;
    out.reserve(pattern.size() + 32);
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('%') && i + 1 < pattern.size() && pattern.at(i + 1) >= QLatin1Char('1') &&
            pattern.at(i + 1) <= QLatin1Char('9')) {
            const qsizetype n = pattern.at(++i).unicode() - '1';
            if (n < values.size())
                out += values.at(n);
            continue;
        }
        out += c;
    }
    return out;
}

}  // namespace

QString render(const Text& text)
{
    if (text.context.empty())
        return QString::fromStdString(text.id);
    QStringList values;
    values.reserve(qsizetype(text.args.size()));
    for (const TextArg& arg : text.args)
        values.append(argument(arg));
    return fill(translated(text.context.c_str(), text.id), values);
}

QString render(const std::vector<Text>& parts, QStringView separator)
{
    QString out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            out += separator;
        out += render(parts[i]);
    }
    return out;
}

QString name(const std::string& german) { return translated(NamesContext, german); }

QString rankName(int32_t ep) { return translated(RanksContext, std::string(stratagon::rankName(ep))); }

QString characterName(int character) { return name(characterInfo(character).name); }

QString characterDescription(int character)
{
    return translated(CharactersContext, characterInfo(character).description);
}

QString mixDescription() { return translated(CharactersContext, MixedDescription); }

QString sideName(const WorldState& world, int side)
{
    if (!validSideIndex(side))
        return {};
    const QString country = name(world.countryName[std::size_t(side)]);
    const int character = characterOf(world, side);
    if (world.countryKind[std::size_t(side)] != KindOpponent || character == CharacterStandard)
        return country;
    return QCoreApplication::translate("GameNames", "%1 (%2)").arg(country, characterName(character));
}

QString rankTitle(int level)
{
    if (level < 0 || level >= int(RankLadder.size()))
        return {};
    return translated(RanksContext, std::string(RankLadder[std::size_t(level)].name));
}

QString monthName(int month) { return translated(MonthsContext, stratagon::monthName(month)); }

QString statusName(int status) { return translated(StatusContext, statusTextOf(status)); }

QString date(int month, int year)
{
    const QString m = monthName(month);
    return m.isEmpty() ? QString::number(year) : m + QLatin1Char(' ') + QString::number(year);
}

QString eventDate(const GameEvent& event) { return date(event.month, event.year); }

}  // namespace stratagon::gametext
