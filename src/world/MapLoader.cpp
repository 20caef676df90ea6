// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/MapLoader.h"

#include "world/Settings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

namespace stratagon {

const char* const WrongMapVersionMessage = QT_TRANSLATE_NOOP(
    "MapErrors", "Entweder handelt es sich um keine Stratagonkarte oder die Version der Karte ist nicht "
                 "kompatibel mit dieser Version");

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A whole decimal number in 32 bits, optional sign, blanks around it allowed.
bool readInt32(std::string_view text, int32_t& value)
{
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return false;
    }
    if (text.empty())
        return false;
    int32_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, 10);
    if (ec != std::errc() || end != text.data() + text.size())
        return false;
    value = v;
    return true;
}

// ---------------------------------------------------------------------------
// Fields

// Fields end at a comma or a line end (CR LF, LF or a lone CR). A field that
// starts with a quotation mark runs to the next one and keeps its commas and
// line ends; anything between the closing mark and the separator is dropped.
// Other fields are taken as they stand, trimmed of blanks; a quotation mark
// inside them is an ordinary character.
class FieldReader {
public:
    enum class Status { Ok, End, OpenQuote };

    explicit FieldReader(std::string_view bytes) : bytes_(bytes) {}

    Status next(std::string_view& field)
    {
        const std::size_t size = bytes_.size();
        if (pos_ >= size)
            return Status::End;
        std::size_t p = pos_;
        while (p < size && isBlank(bytes_[p]))
            ++p;
        if (p < size && bytes_[p] == '"') {
            const std::size_t open = p + 1;
            const std::size_t close = bytes_.find('"', open);
            if (close == std::string_view::npos)
                return Status::OpenQuote;
            field = bytes_.substr(open, close - open);
            p = close + 1;
            while (p < size && bytes_[p] != ',' && !isLineEnd(bytes_[p]))
                ++p;
        } else {
            const std::size_t start = p;
            while (p < size && bytes_[p] != ',' && !isLineEnd(bytes_[p]))
                ++p;
            field = trimBlanks(bytes_.substr(start, p - start));
        }
        pos_ = skipSeparator(p);
        return Status::Ok;
    }

private:
    std::size_t skipSeparator(std::size_t p) const
    {
        if (p >= bytes_.size())
            return p;
        if (bytes_[p] == '\r' && p + 1 < bytes_.size() && bytes_[p + 1] == '\n')
            return p + 2;
        return p + 1;
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// ---------------------------------------------------------------------------
// The map as read, before anything of the world is touched. Texts are views
// into the file's bytes, still in Windows-1252.

struct StagedGeneral {
    std::string_view name;
    int32_t ep = 0;
};

struct StagedCountry {
    std::string_view name;
    char code = 0;
    std::string_view codeText;
    int32_t generalCount = 0;
    int32_t valueA = 0;
    int32_t valueB = 0;
    int32_t fillX = 0;
    int32_t fillY = 0;
    int32_t neighbourCount = 0;
    std::array<std::string_view, MaxNeighbours + 1> neighbour{};
    std::size_t firstGeneral = 0;  // into StagedMap::generals
};

struct StagedMap {
    int32_t countryCount = 0;
    int32_t gridColumns = 0;
    int32_t gridRows = 0;
    std::string_view continentName;
    std::string_view defaultSideCode;
    std::vector<StagedCountry> countries;  // 0 .. countryCount-1
    std::vector<StagedGeneral> generals;
    std::array<std::string_view, MaxGridSize + 1> rows{};
};

Text mapError(const char* source, std::vector<TextArg> values) { return {MapErrorsContext, source, std::move(values)}; }

// What a field means, for the messages; formatted only when something fails.
// `what` is a phrase of its own in the messages' context, with %1 for the
// item when it has one.
struct Where {
    const char* what;
    int country = 0;  // 1.. when the field belongs to a country record
    int item = 0;     // neighbour, general or row number
};

TextArg describe(const Where& where)
{
    Text field = mapError(where.what, where.item > 0 ? std::vector{TextArg::num(where.item)} : std::vector<TextArg>{});
    if (where.country > 0)
        return TextArg::nested(mapError(QT_TRANSLATE_NOOP("MapErrors", "Land %1, %2"),
                                        {TextArg::num(where.country), TextArg::nested(std::move(field))}));
    return TextArg::nested(std::move(field));
}

// A field's text as read, cut to a length a message box can show.
TextArg shown(std::string_view raw)
{
    constexpr std::size_t Longest = 40;
    std::string text = windows1252ToUtf8(raw.substr(0, Longest));
    if (raw.size() > Longest)
        text += "...";
    return TextArg::plain(std::move(text));
}

class Parser {
public:
    explicit Parser(std::string_view bytes) : reader_(bytes) {}

    Text error;
    bool wrongVersion = false;

    bool parse(StagedMap& map)
    {
        std::string_view f;
        if (!field({QT_TRANSLATE_NOOP("MapErrors", "Formatversion")}, f))
            return false;
        int32_t version = 0;
        if (!readInt32(f, version) || version != 1) {
            wrongVersion = true;
            return false;
        }
        if (!skip({QT_TRANSLATE_NOOP("MapErrors", "Kopfzeile, Feld 2")}) ||
            !skip({QT_TRANSLATE_NOOP("MapErrors", "Kopfzeile, Feld 3")}))
            return false;
        if (!number({QT_TRANSLATE_NOOP("MapErrors", "Anzahl der Länder")}, 1, MaxCountries, map.countryCount) ||
            !number({QT_TRANSLATE_NOOP("MapErrors", "Spalten des Rasters")}, 1, MaxGridSize, map.gridColumns) ||
            !number({QT_TRANSLATE_NOOP("MapErrors", "Zeilen des Rasters")}, 1, MaxGridSize, map.gridRows) ||
            !text({QT_TRANSLATE_NOOP("MapErrors", "Name des Kontinents")}, MaxMapTextLength, map.continentName) ||
            !text({QT_TRANSLATE_NOOP("MapErrors", "Kürzel des Startlandes")}, MaxMapTextLength, map.defaultSideCode) ||
            !skip({QT_TRANSLATE_NOOP("MapErrors", "Kopfzeile, Feld 9")}) ||
            !skip({QT_TRANSLATE_NOOP("MapErrors", "Kopfzeile, Feld 10")}))
            return false;

        map.countries.resize(std::size_t(map.countryCount));
        for (int i = 1; i <= map.countryCount; ++i)
            if (!country(i, map.countries[std::size_t(i - 1)], map.generals))
                return false;

        if (!skip({QT_TRANSLATE_NOOP("MapErrors", "Kennung des Rasters")}))
            return false;
        // A row longer than the grid is wide is no row of this map.
        for (int row = 1; row <= map.gridRows; ++row)
            if (!text({QT_TRANSLATE_NOOP("MapErrors", "Rasterzeile %1"), 0, row}, std::size_t(map.gridColumns),
                      map.rows[std::size_t(row)]))
                return false;
        return true;
    }

private:
    bool country(int i, StagedCountry& c, std::vector<StagedGeneral>& generals)
    {
        if (!text({QT_TRANSLATE_NOOP("MapErrors", "Name"), i}, MaxMapTextLength, c.name) ||
            !field({QT_TRANSLATE_NOOP("MapErrors", "Kürzel"), i}, c.codeText))
            return false;
        if (c.codeText.size() != 1 || static_cast<unsigned char>(c.codeText[0]) < 0x20 ||
            static_cast<unsigned char>(c.codeText[0]) > 0x7E) {
            error = mapError(QT_TRANSLATE_NOOP("MapErrors", "Die Karte ist fehlerhaft: %1 ist \"%2\", erwartet wird "
                                                            "ein einzelnes Zeichen (ohne Umlaute)."),
                             {describe({QT_TRANSLATE_NOOP("MapErrors", "Kürzel"), i}), shown(c.codeText)});
            return false;
        }
        c.code = c.codeText[0];
        if (!number({QT_TRANSLATE_NOOP("MapErrors", "Anzahl der Generäle"), i}, 0, MaxGenerals, c.generalCount) ||
            !skip({QT_TRANSLATE_NOOP("MapErrors", "Feld 4"), i}) ||
            !number({QT_TRANSLATE_NOOP("MapErrors", "Wert A"), i}, INT32_MIN, INT32_MAX, c.valueA) ||
            !number({QT_TRANSLATE_NOOP("MapErrors", "Wert B"), i}, INT32_MIN, INT32_MAX, c.valueB) ||
            !skip({QT_TRANSLATE_NOOP("MapErrors", "Feld 7"), i}) ||
            !number({QT_TRANSLATE_NOOP("MapErrors", "Startpunkt x"), i}, INT32_MIN, INT32_MAX, c.fillX) ||
            !number({QT_TRANSLATE_NOOP("MapErrors", "Startpunkt y"), i}, INT32_MIN, INT32_MAX, c.fillY) ||
            !number({QT_TRANSLATE_NOOP("MapErrors", "Anzahl der Nachbarn"), i}, 0, MaxNeighbours, c.neighbourCount) ||
            !skip({QT_TRANSLATE_NOOP("MapErrors", "Feld 11"), i}))
            return false;
        for (int k = 1; k <= c.neighbourCount; ++k)
            if (!text({QT_TRANSLATE_NOOP("MapErrors", "Nachbar %1"), i, k}, MaxMapTextLength,
                      c.neighbour[std::size_t(k)]))
                return false;
        if (!skip({QT_TRANSLATE_NOOP("MapErrors", "Feld 13"), i}))
            return false;
        c.firstGeneral = generals.size();
        for (int j = 1; j <= c.generalCount; ++j) {
            StagedGeneral g;
            if (!text({QT_TRANSLATE_NOOP("MapErrors", "Name des Generals %1"), i, j}, MaxMapTextLength, g.name) ||
                !number({QT_TRANSLATE_NOOP("MapErrors", "EP des Generals %1"), i, j}, INT32_MIN, INT32_MAX, g.ep) ||
                !skip({QT_TRANSLATE_NOOP("MapErrors", "Feld nach den EP des Generals %1"), i, j}))
                return false;
            generals.push_back(g);
        }
        return true;
    }

    bool field(const Where& where, std::string_view& out)
    {
        switch (reader_.next(out)) {
        case FieldReader::Status::Ok:
            return true;
        case FieldReader::Status::End:
            error = mapError(QT_TRANSLATE_NOOP("MapErrors", "Die Kartendatei endet zu früh: es fehlt %1."),
                             {describe(where)});
            return false;
        case FieldReader::Status::OpenQuote:
            error =
                mapError(QT_TRANSLATE_NOOP("MapErrors",
                                           "Die Karte ist fehlerhaft: bei %1 fehlt das schließende Anführungszeichen."),
                         {describe(where)});
            return false;
        }
        return false;
    }

    // A text kept in the world: one byte of the file is one character.
    bool text(const Where& where, std::size_t longest, std::string_view& out)
    {
        if (!field(where, out))
            return false;
        if (out.size() > longest) {
            error = mapError(QT_TRANSLATE_NOOP("MapErrors", "Die Karte ist fehlerhaft: %1 ist %2 Zeichen lang, erlaubt "
                                                            "sind höchstens %3."),
                             {describe(where), TextArg::num(int64_t(out.size())), TextArg::num(int64_t(longest))});
            return false;
        }
        return true;
    }

    bool skip(const Where& where)
    {
        std::string_view ignored;
        return field(where, ignored);
    }

    bool number(const Where& where, int32_t low, int32_t high, int32_t& out)
    {
        std::string_view f;
        if (!field(where, f))
            return false;
        int32_t value = 0;
        if (!readInt32(f, value)) {
            error =
                mapError(QT_TRANSLATE_NOOP("MapErrors",
                                           "Die Karte ist fehlerhaft: %1 ist \"%2\", erwartet wird eine ganze Zahl."),
                         {describe(where), shown(f)});
            return false;
        }
        if (value < low || value > high) {
            error =
                mapError(QT_TRANSLATE_NOOP("MapErrors", "Die Karte ist fehlerhaft: %1 ist %2, erlaubt ist %3 bis %4."),
                         {describe(where), TextArg::num(value), TextArg::num(low), TextArg::num(high)});
            return false;
        }
        out = value;
        return true;
    }

    FieldReader reader_;
};

// Every index below comes from a count the parser has range-checked.
void apply(const StagedMap& map, WorldState& world, const std::string& path)
{
    world.countryCount = map.countryCount;
    world.gridColumns = map.gridColumns;
    world.gridRows = map.gridRows;
    world.continentName = windows1252ToUtf8(map.continentName);
    world.defaultSideCode = windows1252ToUtf8(map.defaultSideCode);

    for (int i = 1; i <= map.countryCount; ++i) {
        const StagedCountry& c = map.countries[std::size_t(i - 1)];
        world.countryName[i] = windows1252ToUtf8(c.name);
        world.countryOwner[i] = i;
        world.countryCode[i].assign(1, c.code);
        world.generalCount[i] = c.generalCount;
        world.countryValueA[i] = c.valueA;
        world.countryValueB[i] = c.valueB;
        world.fillX[i] = c.fillX;
        world.fillY[i] = c.fillY;
        world.neighbourCount[i] = c.neighbourCount;
        for (int k = 1; k <= c.neighbourCount; ++k)
            world.neighbourName[i][k] = windows1252ToUtf8(c.neighbour[std::size_t(k)]);
        for (int j = 1; j <= c.generalCount; ++j) {
            const StagedGeneral& g = map.generals[c.firstGeneral + std::size_t(j - 1)];
            world.generalName[i][j] = windows1252ToUtf8(g.name);
            world.generalEP[i][j] = g.ep;
        }
    }

    // Cells take the row's raw bytes, so positions count characters of the
    // file; a short row repeats its last character, an empty one is empty.
    for (int row = 1; row <= map.gridRows; ++row) {
        const std::string_view text = map.rows[std::size_t(row)];
        for (int col = 1; col <= map.gridColumns; ++col) {
            char cell = 0;
            if (!text.empty())
                cell = text[std::min<std::size_t>(std::size_t(col), text.size()) - 1];
            world.gridCell[col][row] = cell;
        }
    }

    for (int country = 1; country <= MaxCountries; ++country)
        for (int slot = 1; slot <= MaxGenerals; ++slot)
            world.generalStatus[country][slot] = Ready;

    world.mapFileName = path;
}

MapLoadResult failed(Text message)
{
    return {false, std::move(message), mapError(QT_TRANSLATE_NOOP("MapErrors", "Fehler !"), {})};
}

}  // namespace

MapLoadResult loadMapFromBytes(WorldState& world, std::string_view bytes, const std::string& path)
{
    // Parse everything first: a map that fails anywhere leaves the world
    // exactly as it was.
    StagedMap map;
    Parser parser(bytes);
    if (!parser.parse(map))
        return failed(parser.wrongVersion ? mapError(WrongMapVersionMessage, {}) : parser.error);
    apply(map, world, path);
    return {true, {}, {}};
}

MapLoadResult loadMap(WorldState& world, const std::string& path)
{
    // At most one byte more than a map may have: a huge file costs no more
    // than that, and a pipe or a device is refused before it is opened.
    std::string bytes;
    const FileResult read = readRegularFile(path, MaxMapFileBytes, bytes);
    if (!read.ok)
        return failed(mapError(QT_TRANSLATE_NOOP("MapErrors", "Die Kartendatei \"%1\" kann nicht gelesen werden: %2"),
                               {TextArg::plain(path), TextArg::joined(read.reason, "")}));
    if (bytes.size() > MaxMapFileBytes)
        return failed(mapError(
            QT_TRANSLATE_NOOP("MapErrors", "Die Kartendatei \"%1\" ist größer als %2 MB; so groß ist keine Karte."),
            {TextArg::plain(path), TextArg::num(int64_t(MaxMapFileBytes / (1024 * 1024)))}));
    return loadMapFromBytes(world, bytes, path);
}

std::string mapPictureName(std::string_view mapFile)
{
    // The file name without its last extension, as QFileInfo::completeBaseName has it.
    const std::size_t slash = mapFile.rfind('/');
    std::string_view name = slash == std::string_view::npos ? mapFile : mapFile.substr(slash + 1);
    name = name.substr(0, name.rfind('.'));
    return std::string(name) + ".bmp";
}

}  // namespace stratagon
