// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SaveGame.h"

#include "storage/SaveList.h"

#include "simulation/Pace.h"
#include "storage/AtomicFile.h"
#include "world/MapLoader.h"
#include "world/Rules.h"
#include "world/Settings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <limits>
#include <memory>
#include <span>
#include <vector>

namespace stratagon {

const char* const SaveFormatName = "stratagon-save";
const char* const AutosaveName = "Automatisch gespeichert";

namespace {

#ifndef STRATAGON_VERSION
#define STRATAGON_VERSION "1.0"
#endif

const QString Damaged = QStringLiteral("Der Spielstand ist beschädigt: ");

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
            error = QStringLiteral("„%1“ %2").arg(where(), what);
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

// The allowed values of a field's whole numbers.
struct Range {
    int64_t low = std::numeric_limits<int64_t>::min();
    int64_t high = std::numeric_limits<int64_t>::max();
};
constexpr Range Any{};

// The years a game can reach: it starts in 2000, and at the fastest pace a
// year takes five seconds, so a million years are some two months of play.
constexpr int32_t FirstYear = 2000;
constexpr int32_t LastYear = 1'000'000;
constexpr Range Year{FirstYear, LastYear};
constexpr Range Score{0, 100};
// The grid cell under the mouse, as the main window computes it.
constexpr Range CellIndex{0, 1001};

enum Presence { Required, Optional };  // Optional: a field added after version 1

// ---------------------------------------------------------------------------
// Encoding and decoding, one overload per kind of value. Tables are written
// up to their last entry that is not the default; reading pads with defaults.

template <typename S>
struct Members {};  // the fields of a record type: Members<S>::list

template <typename S>
concept Record = requires { Members<S>::list; };

template <typename I>
concept Integer = std::is_integral_v<I> && !std::is_same_v<I, bool> && !std::is_same_v<I, char>;

template <typename E>
concept Enum = std::is_enum_v<E>;

// Lists that grow with the game (std::vector, std::deque).
template <typename L>
concept Sequence = requires(L list, typename L::value_type item) {
    list.push_back(item);
    list.assign(std::size_t{1}, item);
} && !std::is_same_v<L, std::string>;

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
        return c.fail(QStringLiteral("ist keine Zahl."));
    const double d = v.toDouble();
    const auto low = std::max<double>(double(range.low), double(std::numeric_limits<I>::min()));
    // Beyond 2^53 a double is no exact whole number, and 2^63 does not fit an int64_t.
    const auto high = std::min({double(range.high), double(std::numeric_limits<I>::max()), 9007199254740992.0});
    if (d != std::trunc(d))
        return c.fail(QStringLiteral("ist %1, erwartet wird eine ganze Zahl.").arg(d));
    if (d < low || d > high)
        return c.fail(QStringLiteral("ist %1, erlaubt ist %2 bis %3.")
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
        return c.fail(QStringLiteral("ist kein Wahrheitswert."));
    out = v.toBool();
    return true;
}

bool decodeText(const QJsonValue& v, QString& out, Context& c)
{
    if (!v.isString())
        return c.fail(QStringLiteral("ist kein Text."));
    out = v.toString();
    // A lone surrogate from a \u escape is no character of any text.
    if (!out.isValidUtf16())
        return c.fail(QStringLiteral("ist kein gültiger Text."));
    return true;
}

inline bool decode(const QJsonValue& v, std::string& out, const Range&, Context& c)
{
    QString text;
    if (!decodeText(v, text, c))
        return false;
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
        return c.fail(QStringLiteral("enthält Zeichen, die kein Rasterfeld sein können."));
    if (bytes.size() > N)
        return c.fail(QStringLiteral("hat %1 Felder, erlaubt sind höchstens %2.").arg(bytes.size()).arg(N));
    cells.fill(0);
    std::copy(bytes.begin(), bytes.end(), cells.begin());
    return true;
}

template <typename T, std::size_t N>
bool decode(const QJsonValue& v, std::array<T, N>& table, const Range& range, Context& c)
{
    if (!v.isArray())
        return c.fail(QStringLiteral("ist keine Liste."));
    const QJsonArray array = v.toArray();
    if (array.size() > qsizetype(N))
        return c.fail(QStringLiteral("hat %1 Einträge, erlaubt sind höchstens %2.").arg(array.size()).arg(N));
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
        return c.fail(QStringLiteral("ist keine Liste."));
    const QJsonArray array = v.toArray();
    if (array.size() > LongestList)
        return c.fail(QStringLiteral("hat %1 Einträge, erlaubt sind höchstens %2.").arg(array.size()).arg(LongestList));
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
        return c.fail(QStringLiteral("ist kein Objekt."));
    const QJsonObject object = v.toObject();
    for (const auto& m : Members<S>::list) {
        const auto found = object.constFind(QLatin1String(m.key));
        c.push(m.key);
        if (found == object.constEnd()) {
            if (m.presence == Required)
                return c.fail(QStringLiteral("fehlt."));
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

template <>
struct Members<PlayerBattleEntry> {
    static constexpr std::array list = {
        FIELD(PlayerBattleEntry, country),       FIELD(PlayerBattleEntry, attackerSide),
        FIELD(PlayerBattleEntry, attackerScore, Score), FIELD(PlayerBattleEntry, attackerGeneral),
        FIELD(PlayerBattleEntry, attackerEP),    FIELD(PlayerBattleEntry, defenderSide),
        FIELD(PlayerBattleEntry, defenderScore, Score), FIELD(PlayerBattleEntry, defenderGeneral),
        FIELD(PlayerBattleEntry, defenderEP),
    };
};

template <>
struct Members<GameEvent> {
    static constexpr std::array list = {
        FIELD(GameEvent, kind, Range{0, int(EventKind::Promotion)}),
        FIELD(GameEvent, year, Year),
        FIELD(GameEvent, month, Range{0, 12}),
        FIELD(GameEvent, text),
    };
};

template <>
struct Members<GameDate> {
    static constexpr std::array list = {FIELD(GameDate, year, Range{0, LastYear}), FIELD(GameDate, month, Range{0, 12})};
};

template <>
struct Members<MonthSample> {
    static constexpr std::array list = {
        FIELD(MonthSample, year, Year),
        FIELD(MonthSample, month, Range{1, 12}),
        FIELD(MonthSample, passive, Range{0, MaxCountries}),
        FIELD(MonthSample, held, Range{0, MaxCountries}),
    };
};

// A counter far beyond any game, yet one the rules can still count up from.
constexpr Range Counter{0, 1'000'000'000};

template <>
struct Members<GameRecords> {
    static constexpr std::array list = {
        FIELD(GameRecords, months),
        FIELD(GameRecords, battlesOpened, Counter),
        FIELD(GameRecords, battlesWon, Counter),
        FIELD(GameRecords, battlesLost, Counter),
        FIELD(GameRecords, attacksSuffered, Counter),
        FIELD(GameRecords, countriesTaken, Counter),
        FIELD(GameRecords, countriesLost, Counter),
        FIELD(GameRecords, generalsRecruited, Counter),
        FIELD(GameRecords, generalsDismissed, Counter),
        FIELD(GameRecords, highestRank, Range{-1, 19}),
        FIELD(GameRecords, highestRankDate),
        FIELD(GameRecords, largestEmpire, Range{0, MaxCountries}),
        FIELD(GameRecords, largestEmpireDate),
        // Whole milliseconds stay exact in a JSON number up to 2^53.
        FIELD(GameRecords, playedMs, Range{0, int64_t{1} << 53}),
        FIELD(GameRecords, sessionMs, Range{0, int64_t{1} << 53}, Optional),
    };
};

// Every field of the world a running game uses, one line each, with the
// range of its numbers. A field added later is one more line here, marked
// Optional (older files lack it and read as its default), plus its relation
// to other fields in inconsistency() below when it has one. mapFileName is
// not saved: it is where the map lies when the save is read.
#define W(name, ...) FIELD(WorldState, name __VA_OPT__(, ) __VA_ARGS__)
template <>
struct Members<WorldState> {
    static constexpr std::array list = {
        W(monthInterval, Range{ShortestMonth, LongestMonth}),
        W(aiDivisor, Range{MostActiveOpponent, LeastActiveOpponent}),
        W(countryCount, Range{1, MaxCountries}),
        W(gridColumns, Range{1, MaxGridSize}),
        W(gridRows, Range{1, MaxGridSize}),
        W(continentName),
        W(defaultSideCode),
        W(countryName),
        W(countryCode),
        W(countryOwner, Range{0, MaxCountries}),
        W(countryKind, Range{KindPlayer, KindOpponent}),
        W(fillX, Range{0, MaxGridSize * GridCellPixels - 1}),
        W(fillY, Range{0, MaxGridSize * GridCellPixels - 1}),
        W(countryValueA),
        W(countryValueB),
        W(neighbourCount, Range{0, MaxNeighbours}),
        W(neighbourName),
        W(generalCount, Range{0, MaxGenerals}),
        W(generalName),
        W(generalEP),
        W(generalStatus, Range{Ready, InBattle}),
        W(statusText),
        W(side, Range{0, MaxCountries}),
        W(sideMax, Range{0, 9}),
        W(battleCount, Range{0, MaxBattles}),
        W(battleCountry, Range{0, MaxCountries}),
        W(battleAttacker, Range{0, MaxCountries}),
        W(battleDefender, Range{0, MaxCountries}),
        W(battleAttackerGeneral, Range{0, MaxGenerals}),
        W(battleDefenderGeneral, Range{0, MaxGenerals}),
        W(battleAttackerScore, Score),
        W(battleDefenderScore, Score),
        W(gridRowText),
        W(gridCell),
        W(playing),
        W(r, Range{0, 1}),
        W(kl, Range{0, MaxCountries + 1}),
        W(jk, Range{0, MaxCountries + 1}),
        W(hh, CellIndex),
        W(bb, CellIndex),
        W(Kontinent),
        W(Genralmenge, Range{0, MaxGenerals}),
        W(land),
        W(sideMenuClosed),
        W(battleMode),
        W(shownCountry, Range{0, MaxCountries}),
        W(panelGeneralName),
        W(panelGeneralEP),
        W(month, Range{0, 12}),
        W(year, Year),
        W(monthName),
        W(tickCount, Range{0, 3}),
        W(playerBattleCount, Range{0, MaxPlayerBattles}),
        W(playerBattleList),
        W(records, Any, Optional),
        W(events, Any, Optional),
        W(paceStep, Range{0, int(PaceSteps.size()) - 1}, Optional),
        // Saves from before the second rule set: Klassisch, battles counted from now.
        W(ruleSet, Range{RulesKlassisch, RulesZuegig}, Optional),
        W(battleTicks, Counter, Optional),
    };
};
#undef W

// What the ranges alone cannot say: indices that must name countries and
// generals that exist, and battles whose scores add up to 100.
QString inconsistency(const WorldState& w)
{
    const int n = w.countryCount;
    const auto country = [n](int i) { return i >= 1 && i <= n; };
    if (!w.playing)
        return QStringLiteral("er enthält kein laufendes Spiel.");
    for (int i = 1; i <= n; ++i)
        if (!country(w.countryOwner[i]))
            return QStringLiteral("Land %1 gehört dem Land %2, die Karte hat %3 Länder.")
                .arg(i).arg(w.countryOwner[i]).arg(n);
    if (!country(w.side[0]))
        return QStringLiteral("das Land des Spielers (%1) gibt es nicht.").arg(w.side[0]);
    if (w.gridColumns > MaxGridSize || w.gridRows > MaxGridSize)
        return QStringLiteral("das Raster ist zu groß.");
    // The picture has the grid's size (the last cells may be cut), and the
    // game starts only when every seed point lies inside it.
    for (int i = 1; i <= n; ++i)
        if (w.fillX[i] >= w.gridColumns * GridCellPixels || w.fillY[i] >= w.gridRows * GridCellPixels)
            return QStringLiteral("der Startpunkt (%1, %2) von Land %3 liegt außerhalb des Kartenbilds (%4 × %5).")
                .arg(w.fillX[i]).arg(w.fillY[i]).arg(i)
                .arg(w.gridColumns * GridCellPixels).arg(w.gridRows * GridCellPixels);
    for (int k = 1; k <= w.battleCount; ++k) {
        const int attacker = w.battles[k].attacker;
        const int defender = w.battles[k].defender;
        if (!country(w.battles[k].country) || !country(attacker) || !country(defender))
            return QStringLiteral("Schlacht %1 nennt ein Land, das es nicht gibt.").arg(k);
        // Slot 0 is the stand-in for a general dismissed during the battle.
        if (w.battles[k].attackerGeneral > w.generalCount[attacker] ||
            w.battles[k].defenderGeneral > w.generalCount[defender])
            return QStringLiteral("Schlacht %1 nennt einen General, den es nicht gibt.").arg(k);
        if (w.battles[k].attackerScore + w.battles[k].defenderScore != 100)
            return QStringLiteral("in Schlacht %1 ergeben die Punkte %2 und %3 nicht 100.")
                .arg(k).arg(w.battles[k].attackerScore).arg(w.battles[k].defenderScore);
    }
    if (w.events.size() > MaxEvents)
        return QStringLiteral("es sind %1 Meldungen, höchstens %2 werden aufbewahrt.").arg(w.events.size()).arg(MaxEvents);
    const std::vector<MonthSample>& months = w.records.months;
    for (std::size_t i = 1; i < months.size(); ++i)
        if (int64_t{months[i].year} * 12 + months[i].month != int64_t{months[i - 1].year} * 12 + months[i - 1].month + 1)
            return QStringLiteral("die Monate der Spielbilanz folgen nicht aufeinander (Eintrag %1).").arg(i);
    if (w.shownCountry > n)
        return QStringLiteral("das angezeigte Land %1 gibt es nicht.").arg(w.shownCountry);
    return {};
}

QByteArray compact(const QJsonValue& value)
{
    // QJsonDocument writes only arrays and objects: one element, brackets off.
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

QString mapBaseName(const WorldState& world)
{
    return QFileInfo(QString::fromStdString(world.mapFileName)).completeBaseName();
}

QString savedAtText(const QDateTime& at)
{
    return at.toUTC().toString(Qt::ISODate);
}

SaveReadResult refused(const QString& message)
{
    SaveReadResult r;
    r.message = message;
    return r;
}

}  // namespace

QByteArray saveDocument(const WorldState& world, const QString& name, const QDateTime& savedAt,
                        const QByteArray& bitmapSha256)
{
    QJsonObject game = encode(world).toObject();
    const QString mapName = mapBaseName(world);
    game.insert(QStringLiteral("map"),
                QJsonObject{{QStringLiteral("file"), QFileInfo(QString::fromStdString(world.mapFileName)).fileName()},
                            {QStringLiteral("bitmap"), mapName + QStringLiteral(".bmp")},
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
                                const PictureCheck& checkPicture)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
    if (doc.isNull())
        return refused(Damaged + QStringLiteral("kein gültiges JSON (%1 bei Byte %2).")
                                     .arg(parseError.errorString())
                                     .arg(parseError.offset));
    const QJsonObject top = doc.object();
    if (!doc.isObject() || top.value(QStringLiteral("format")).toString() != QLatin1String(SaveFormatName))
        return refused(Damaged + QStringLiteral("die Datei ist kein Spielstand von Stratagon."));
    const QJsonValue version = top.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != std::trunc(version.toDouble()) || version.toDouble() < 1)
        return refused(Damaged + QStringLiteral("die Formatversion fehlt oder ist ungültig."));
    if (version.toDouble() > SaveFormatVersion)
        return refused(QStringLiteral("Dieser Spielstand stammt aus einer neueren Version von Stratagon "
                                      "(Format %1, diese Version kennt Format %2) und kann nicht geladen werden.")
                           .arg(version.toDouble())
                           .arg(SaveFormatVersion));

    SaveReadResult result;
    const QJsonValue name = top.value(QStringLiteral("name"));
    const QJsonValue savedAt = top.value(QStringLiteral("savedAt"));
    if (!name.isString() || !savedAt.isString())
        return refused(Damaged + QStringLiteral("Name oder Zeitpunkt des Spielstands fehlen."));
    result.name = name.toString();
    result.savedAt = QDateTime::fromString(savedAt.toString(), Qt::ISODate).toLocalTime();

    const QJsonObject game = top.value(QStringLiteral("game")).toObject();
    const QJsonObject map = game.value(QStringLiteral("map")).toObject();
    const QString mapFile = map.value(QStringLiteral("file")).toString();
    const QString bitmap = map.value(QStringLiteral("bitmap")).toString();
    const QByteArray sha = QByteArray::fromHex(map.value(QStringLiteral("bitmapSha256")).toString().toLatin1());
    if (mapFile.isEmpty() || bitmap.isEmpty() || sha.size() != 32 || bitmap.contains(QLatin1Char('/')) ||
        mapFile.contains(QLatin1Char('/')))
        return refused(Damaged + QStringLiteral("die Angaben zur Karte fehlen oder sind ungültig."));

    // Staged in a fresh world: nothing of the running game is touched
    // before every check has passed.
    auto staged = std::make_unique<WorldState>();
    Context context;
    context.push("game");
    if (!decode(QJsonValue(game), *staged, Any, context))
        return refused(Damaged + context.error);
    if (const QString wrong = inconsistency(*staged); !wrong.isEmpty())
        return refused(Damaged + wrong);

    const QString bitmapPath = locate ? locate(bitmap) : QString();
    if (bitmapPath.isEmpty())
        return refused(QStringLiteral("Das Kartenbild „%1“ dieses Spielstands fehlt. Der Spielstand kann "
                                      "nicht geladen werden.")
                           .arg(bitmap));
    if (fileSha256(bitmapPath) != sha)
        return refused(QStringLiteral("Das Kartenbild „%1“ hat sich geändert, seit das Spiel gespeichert "
                                      "wurde. Der Spielstand passt nicht mehr dazu und kann nicht geladen werden.")
                           .arg(bitmap));
    // The game is played on the picture of its own map: Europe's countries
    // filled on Africa's picture would flood the sea.
    const QString notTogether = QStringLiteral("Die Karte „%1“ und das Kartenbild „%2“ dieses Spielstands gehören "
                                               "nicht zusammen.%3 Der Spielstand kann nicht geladen werden.");
    if (QFileInfo(mapFile).completeBaseName() != QFileInfo(bitmap).completeBaseName())
        return refused(notTogether.arg(mapFile, bitmap, QString()));
    if (checkPicture)
        if (const QString fault = checkPicture(*staged, bitmapPath); !fault.isEmpty())
            return refused(notTogether.arg(mapFile, bitmap, QLatin1Char(' ') + fault));
    staged->mapFileName = QDir(QFileInfo(bitmapPath).absolutePath()).filePath(mapFile).toStdString();

    world = std::move(*staged);
    result.ok = true;
    return result;
}

SaveReadResult readSaveFile(const QString& path, WorldState& world, const BitmapLocator& locate,
                            const PictureCheck& checkPicture)
{
    // Only a regular file of bounded size: a link to a pipe or a device
    // would block or never end.
    const SaveBytes read = readSaveBytes(path);
    if (!read.ok)
        return refused(read.message);
    return readSaveDocument(read.bytes, world, locate, checkPicture);
}

QByteArray fileSha256(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
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
        return SaveWriteResult{false, QStringLiteral("Der Spielstand konnte nicht in die Datei „%1“ geschrieben "
                                                     "werden: %2\nEin früherer Spielstand unter diesem Namen "
                                                     "bleibt unverändert.")
                                          .arg(shown, reason)};
    };
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return failed(QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.")
                          .arg(QDir::toNativeSeparators(info.absolutePath())));
    const FileResult written =
        writeFileAtomically(QFile::encodeName(path).toStdString(), std::string_view(document.data(), std::size_t(document.size())));
    if (!written.ok)
        return failed(QString::fromStdString(written.description));
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
