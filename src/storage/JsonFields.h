// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The saved game's fields as JSON: one encode/decode overload per kind of
// value, records described by a list of their members (Members<S>::list)
// with the allowed range of their numbers. Reading reports where a value
// sits when it is refused ("game.battles[1].attackerScore").

#include "world/MapLoader.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

namespace stratagon::json {

// ---------------------------------------------------------------------------
// Where a value sits in the document, formatted only for a message.

class Context {
public:
    struct Step {
        const char* key = nullptr;
        int index = 0;
    };

    void push(const char* key) { steps_.push_back({key, 0}); }
    void push(int index) { steps_.push_back({nullptr, index}); }
    void pop() { steps_.pop_back(); }

    bool fail(const QString& what)
    {
        if (error.isEmpty())
            error = QCoreApplication::translate("FileErrors", "„%1“ %2").arg(where(), what);
        return false;
    }

    QString where() const
    {
        QString text;
        for (const Step& s : steps_) {
            if (s.key)
                text += (text.isEmpty() ? QString() : QStringLiteral(".")) + QString::fromUtf8(s.key);
            else
                text += QStringLiteral("[%1]").arg(s.index);
        }
        return text;
    }

    QString error;

private:
    std::vector<Step> steps_;
};

// The allowed values of a field: its whole numbers from low to high; its
// texts of at most `longest` characters (a longer one is cut: the rest of the
// game is still worth loading), its lists of at most `longest` entries (more
// are damage). 0: the default of its kind, LongestName or LongestList.
struct Range {
    int64_t low = std::numeric_limits<int64_t>::min();
    int64_t high = std::numeric_limits<int64_t>::max();
    qsizetype longest = 0;
};
constexpr Range Any{};

// A name of the game: a country, a neighbour, a continent, a general. A map
// allows 100 characters, and so does the roster for a recruit's name.
constexpr qsizetype LongestName = qsizetype(MaxMapTextLength);
// A message of the game: its German source, or the sentence an older save
// kept, names and all.
constexpr qsizetype LongestMessage = 1000;

// The years a game can reach: it starts in 2000, and at the fastest pace a
// year takes five seconds, so a million years are some two months of play.
constexpr int32_t FirstYear = 2000;
constexpr int32_t LastYear = 1'000'000;
constexpr Range Year{FirstYear, LastYear};
constexpr Range Score{0, 100};

enum Presence { Required, Optional };  // Optional: a field added after version 1

// ---------------------------------------------------------------------------
// Encoding and decoding, one overload per kind of value. Tables are written
// up to their last entry that is not the default; reading pads with defaults.

template <typename S>
struct Members {
};  // the fields of a record type: Members<S>::list

template <typename S>
concept Record = requires
{
    Members<S>::list;
};

template <typename I>
concept Integer = std::is_integral_v<I> && !std::is_same_v<I, bool> && !std::is_same_v<I, char>;

template <typename E>
concept Enum = std::is_enum_v<E>;

// Lists that grow with the game (std::vector, std::deque).
template <typename L>
concept Sequence = requires(L list, typename L::value_type item)
{
    list.push_back(item);
    list.assign(std::size_t{1}, item);
}
&&!std::is_same_v<L, std::string>;

// Declared first: table and record overloads call each other.
template <std::size_t N>
QJsonValue encode(const std::array<char, N>& cells);
template <typename T, std::size_t N>
QJsonValue encode(const std::array<T, N>& table);
template <Sequence L>
QJsonValue encode(const L& list);
template <Record S>
QJsonValue encode(const S& record);
template <std::size_t N>
bool decode(const QJsonValue& v, std::array<char, N>& cells, const Range&, Context& c);
template <typename T, std::size_t N>
bool decode(const QJsonValue& v, std::array<T, N>& table, const Range& range, Context& c);
template <Sequence L>
bool decode(const QJsonValue& v, L& list, const Range& range, Context& c);
template <Record S>
bool decode(const QJsonValue& v, S& record, const Range&, Context& c);

template <Integer I>
QJsonValue encode(I value)
{
    return QJsonValue(static_cast<qint64>(value));
}
inline QJsonValue encode(bool value) { return QJsonValue(value); }
template <Enum E>
QJsonValue encode(E value)
{
    return encode(static_cast<std::underlying_type_t<E>>(value));
}
inline QJsonValue encode(const std::string& value) { return QJsonValue(QString::fromStdString(value)); }

// Grid cells: bytes of the map file, written as their Windows-1252 text.
template <std::size_t N>
QJsonValue encode(const std::array<char, N>& cells)
{
    std::size_t used = N;
    while (used > 0 && cells[used - 1] == 0)
        --used;
    return QJsonValue(QString::fromStdString(windows1252ToUtf8(std::string_view(cells.data(), used))));
}

template <typename T, std::size_t N>
QJsonValue encode(const std::array<T, N>& table)
{
    std::size_t used = N;
    while (used > 0 && table[used - 1] == T{})
        --used;
    QJsonArray array;
    for (std::size_t i = 0; i < used; ++i)
        array.append(encode(table[i]));
    return array;
}

template <Sequence L>
QJsonValue encode(const L& list)
{
    QJsonArray array;
    for (const auto& item : list)
        array.append(encode(item));
    return array;
}

template <Record S>
QJsonValue encode(const S& record)
{
    QJsonObject object;
    for (const auto& m : Members<S>::list)
        object.insert(QLatin1String(m.key), m.write(record));
    return object;
}

template <Integer I>
bool decode(const QJsonValue& v, I& out, const Range& range, Context& c)
{
    if (!v.isDouble())
        return c.fail(QCoreApplication::translate("FileErrors", "ist keine Zahl."));
    const double d = v.toDouble();
    const auto low = std::max<double>(double(range.low), double(std::numeric_limits<I>::min()));
    // Beyond 2^53 a double is no exact whole number, and 2^63 does not fit an int64_t.
    const auto high = std::min({double(range.high), double(std::numeric_limits<I>::max()), 9007199254740992.0});
    if (d != std::trunc(d))
        return c.fail(QCoreApplication::translate("FileErrors", "ist %1, erwartet wird eine ganze Zahl.").arg(d));
    if (d < low || d > high)
        return c.fail(
            QCoreApplication::translate("FileErrors", "ist %1, erlaubt ist %2 bis %3.")
                .arg(QString::number(d, 'g', 20), QString::number(qint64(low)), QString::number(qint64(high))));
    out = static_cast<I>(d);
    return true;
}

template <Enum E>
bool decode(const QJsonValue& v, E& out, const Range& range, Context& c)
{
    std::underlying_type_t<E> value{};
    if (!decode(v, value, range, c))
        return false;
    out = static_cast<E>(value);
    return true;
}

inline bool decode(const QJsonValue& v, bool& out, const Range&, Context& c)
{
    if (!v.isBool())
        return c.fail(QCoreApplication::translate("FileErrors", "ist kein Wahrheitswert."));
    out = v.toBool();
    return true;
}

inline bool decodeText(const QJsonValue& v, QString& out, Context& c)
{
    if (!v.isString())
        return c.fail(QCoreApplication::translate("FileErrors", "ist kein Text."));
    out = v.toString();
    // A lone surrogate from a \u escape is no character of any text.
    if (!out.isValidUtf16())
        return c.fail(QCoreApplication::translate("FileErrors", "ist kein gültiger Text."));
    return true;
}

inline bool decode(const QJsonValue& v, std::string& out, const Range& range, Context& c)
{
    QString text;
    if (!decodeText(v, text, c))
        return false;
    const qsizetype longest = range.longest > 0 ? range.longest : LongestName;
    if (text.size() > longest) {
        // Never between the two halves of a character.
        text.truncate(text.at(longest - 1).isHighSurrogate() ? longest - 1 : longest);
    }
    out = text.toStdString();
    return true;
}

template <std::size_t N>
bool decode(const QJsonValue& v, std::array<char, N>& cells, const Range&, Context& c)
{
    QString text;
    if (!decodeText(v, text, c))
        return false;
    const std::string utf8 = text.toStdString();
    const std::string bytes = utf8ToWindows1252(utf8);
    if (windows1252ToUtf8(bytes) != utf8)
        return c.fail(QCoreApplication::translate("FileErrors", "enthält Zeichen, die kein Rasterfeld sein können."));
    if (bytes.size() > N)
        return c.fail(QCoreApplication::translate("FileErrors", "hat %1 Felder, erlaubt sind höchstens %2.")
                          .arg(bytes.size())
                          .arg(N));
    cells.fill(0);
    std::copy(bytes.begin(), bytes.end(), cells.begin());
    return true;
}

template <typename T, std::size_t N>
bool decode(const QJsonValue& v, std::array<T, N>& table, const Range& range, Context& c)
{
    if (!v.isArray())
        return c.fail(QCoreApplication::translate("FileErrors", "ist keine Liste."));
    const QJsonArray array = v.toArray();
    if (array.size() > qsizetype(N))
        return c.fail(QCoreApplication::translate("FileErrors", "hat %1 Einträge, erlaubt sind höchstens %2.")
                          .arg(array.size())
                          .arg(N));
    std::fill(table.begin(), table.end(), T{});
    for (qsizetype i = 0; i < array.size(); ++i) {
        c.push(int(i));
        if (!decode(array.at(i), table[std::size_t(i)], range, c))
            return false;
        c.pop();
    }
    return true;
}

// Lists grow with the game; far beyond any game, a list is damage.
constexpr qsizetype LongestList = 1'000'000;

template <Sequence L>
bool decode(const QJsonValue& v, L& list, const Range& range, Context& c)
{
    if (!v.isArray())
        return c.fail(QCoreApplication::translate("FileErrors", "ist keine Liste."));
    const QJsonArray array = v.toArray();
    const qsizetype longest = range.longest > 0 ? range.longest : LongestList;
    if (array.size() > longest)
        return c.fail(QCoreApplication::translate("FileErrors", "hat %1 Einträge, erlaubt sind höchstens %2.")
                          .arg(array.size())
                          .arg(longest));
    list.assign(std::size_t(array.size()), typename L::value_type{});
    for (qsizetype i = 0; i < array.size(); ++i) {
        c.push(int(i));
        if (!decode(array.at(i), list[std::size_t(i)], range, c))
            return false;
        c.pop();
    }
    return true;
}

template <Record S>
bool decode(const QJsonValue& v, S& record, const Range&, Context& c)
{
    if (!v.isObject())
        return c.fail(QCoreApplication::translate("FileErrors", "ist kein Objekt."));
    const QJsonObject object = v.toObject();
    for (const auto& m : Members<S>::list) {
        const auto found = object.constFind(QLatin1String(m.key));
        c.push(m.key);
        if (found == object.constEnd()) {
            if (m.presence == Required)
                return c.fail(QCoreApplication::translate("FileErrors", "fehlt."));
        } else if (!m.read(*found, record, m.range, c)) {
            return false;
        }
        c.pop();
    }
    return true;
}

// One field of a record: its key, the range of its numbers, and whether a
// file of version 1 may lack it.
template <typename S>
struct Member {
    const char* key;
    Range range;
    Presence presence;
    QJsonValue (*write)(const S&);
    bool (*read)(const QJsonValue&, S&, const Range&, Context&);
};

template <auto Field, typename S>
constexpr Member<S> member(const char* key, Range range = Any, Presence presence = Required)
{
    return {key, range, presence, [](const S& s) { return encode(s.*Field); },
            [](const QJsonValue& v, S& s, const Range& r, Context& c) { return decode(v, s.*Field, r, c); }};
}

#define FIELD(Type, name, ...) member<&Type::name, Type>(#name __VA_OPT__(, ) __VA_ARGS__)

}  // namespace stratagon::json
