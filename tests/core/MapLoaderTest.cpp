#include "world/MapLoader.h"

#include "WholeGameSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

using namespace stratagon;
using stratagon::test::row;

namespace {

const std::string SmallMap = STRATAGON_FIXTURES "/small.mgi";
const std::string LargeMap = STRATAGON_FIXTURES "/large.mgi";

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The bytes with one piece (given in UTF-8) replaced; the piece must occur
// exactly once, so that a changed fixture cannot quietly void a test.
std::string replaced(const std::string& bytes, const std::string& from, const std::string& to)
{
    const std::string raw = utf8ToWindows1252(from);
    const std::size_t at = bytes.find(raw);
    EXPECT_TRUE(at != std::string::npos && bytes.find(raw, at + 1) == std::string::npos) << from;
    return at == std::string::npos ? bytes : std::string(bytes).replace(at, raw.size(), utf8ToWindows1252(to));
}

std::unique_ptr<WorldState> loaded(const std::string& path)
{
    auto w = std::make_unique<WorldState>();
    const MapLoadResult result = loadMap(*w, path);
    EXPECT_TRUE(result.ok && result.message.empty()) << result.message;
    return w;
}

// The smallest map: one country, a 3 x 2 grid, the fields joined by
// `separator`, any non-empty override replacing its field.
std::string oneCountryMap(const std::string& separator, std::vector<std::string> overrides = {})
{
    std::vector<std::string> fields = {"1", "x", "x", "1", "3", "2", "Kontinent", "A", "x", "x",  // header
                                       "Land", "A", "1", "x", "5", "6", "x", "7", "8", "1", "x", "Nachbar", "x",
                                       "General", "9", "x", "x", "ABC", "DEF"};
    overrides.resize(fields.size());
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i)
        text += (overrides[i].empty() ? fields[i] : overrides[i]) + separator;
    return text;
}

}  // namespace

TEST(MapLoader, EveryFieldLandsInItsTableAlsoAfterEmptyLists)
{
    auto w = loaded(SmallMap);
    EXPECT_EQ(row(w->countryCount, w->gridColumns, w->gridRows, w->continentName, w->defaultSideCode, w->mapFileName),
              row(12, 20, 8, "Südliches Afrika", "S", SmallMap));  // the count is quoted " 12 "
    EXPECT_EQ(row(w->countryName[1], w->countryCode[1], w->generalCount[1], w->countryValueA[1], w->countryValueB[1],
                  w->fillX[1], w->fillY[1], w->neighbourCount[1], w->neighbourName[1][1], w->neighbourName[1][5]),
              "Südafrika|S|2|1500|-3|120|340|5|Namibia|Swasiland");
    EXPECT_EQ(row(w->generalName[1][1], w->generalEP[1][1], w->generalName[1][2], w->generalEP[1][2]),
              "Müller, Hans|12|Otto Größe|-7");
    EXPECT_EQ(row(w->countryName[6], w->neighbourName[8][3], w->generalName[5][1], w->generalName[6][1], w->generalEP[6][1]),
              "Kongo, Republik|Kongo, Republik|Nuñez|Léon|95");
    // Simbabwe has no generals, Madagaskar, the last, neither neighbours
    // nor generals: what follows stays in step.
    EXPECT_EQ(row(w->generalCount[4], w->neighbourCount[4], w->countryName[5], w->generalEP[5][1]), "0|4|Mosambik|55");
    EXPECT_EQ(row(w->countryName[12], w->neighbourCount[12], w->generalCount[12], w->fillX[12], w->gridRowText[1]),
              "Madagaskar|0|0|300|AAAAKKKK~~~~~~~~~~~~");
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(w->countryOwner[i], i) << i;
    EXPECT_EQ(row(codeToCountry(*w, "D"), nameToCode(*w, "Südafrika")), "12|S");
}

TEST(MapLoader, FieldsAreQuotedOrTrimmedAndEndAtCommasOrLineBreaks)
{
    const std::string bytes = readBytes(SmallMap);
    for (const char* version : {"\"1\"", " 1 ", "\" 1\""}) {
        auto w = std::make_unique<WorldState>();
        EXPECT_TRUE(loadMapFromBytes(*w, replaced(bytes, "\"1\",\"Stratagon", version + std::string(",\"Stratagon")), "m").ok) << version;
    }
    auto reference = std::make_unique<WorldState>();
    ASSERT_TRUE(loadMapFromBytes(*reference, oneCountryMap(","), "m").ok);
    EXPECT_EQ(row(reference->generalName[1][1], reference->gridRowText[2]), "General|DEF");
    for (const char* separator : {"\r\n", "\n", "\r", " ,\t", "\t\r\n  "}) {
        auto w = std::make_unique<WorldState>();
        ASSERT_TRUE(loadMapFromBytes(*w, oneCountryMap(separator), "m").ok);
        EXPECT_TRUE(*w == *reference) << testing::PrintToString(std::string(separator));
    }
    std::vector<std::string> o(29);
    o[6] = "\" Kontinent, mit Komma \"";  // quoted: commas and blanks kept
    o[10] = "  \t Land mit Blanks \t ";    // unquoted: trimmed
    o[21] = "Ab\"c";                       // a mark inside an unquoted field is a character
    o[23] = "\"Gen\"eral";                 // after the closing mark: dropped
    o[27] = "\"A,B\r\nC\"";               // a quoted row may hold a line break
    auto w = std::make_unique<WorldState>();
    ASSERT_TRUE(loadMapFromBytes(*w, oneCountryMap("\r\n", o), "m").ok);
    EXPECT_EQ(row(w->continentName, w->countryName[1], w->neighbourName[1][1], w->generalName[1][1], w->gridRowText[1]),
              row(" Kontinent, mit Komma ", "Land mit Blanks", "Ab\"c", "Gen", "A,B\r\nC"));
}

TEST(MapLoader, ShortRowsRepeatTheirLastCodeEmptyRowsAreEmptyLongRowsAreCut)
{
    auto w = loaded(SmallMap);
    const std::string rows[] = {"AAAAKKKK~~~~~~~~~~~~", "NNAAAYYYYYTTTTT~~~~~", "NNBBBYYYWWWTTTTTTTTT", "", "",
                                "NNBBBZZZMMMM~~~~~~DD"};
    for (int r = 1; r <= 6; ++r) {
        std::string cells;
        for (int c = 1; c <= 20; ++c)
            cells += cellCode(*w, c, r);
        EXPECT_EQ(cells, rows[r - 1]) << r;
    }
    EXPECT_EQ(w->gridRowText[6], "NNBBBZZZMMMM~~~~~~DD~~~~XXXX");
    for (int col = 21; col <= MaxGridSize; ++col)
        EXPECT_EQ(w->gridCell[col][6], '\0') << col;
    EXPECT_EQ(codeToCountry(*w, cellCode(*w, 2, 7)), 1);

    std::vector<std::string> o(29);
    o[27] = utf8ToWindows1252("Aü");
    auto one = std::make_unique<WorldState>();
    ASSERT_TRUE(loadMapFromBytes(*one, oneCountryMap(",", o), "m").ok);
    EXPECT_EQ(row(codeToCountry(*one, cellCode(*one, 1, 1)), codeToCountry(*one, cellCode(*one, 2, 1))), "1|0");

    auto large = loaded(LargeMap);  // every limit itself loads
    EXPECT_EQ(row(large->countryCount, large->gridColumns, large->gridRows, large->neighbourCount[1],
                  large->neighbourName[1][10], large->generalCount[100], large->generalName[100][99]),
              "100|99|99|10|Land 11|99|General 100-99");
    EXPECT_NE(large->gridCell[99][99], '\0');
}

TEST(MapLoader, SmallerMapAfterALargerOneKeepsTheHigherEntriesAndResetsStatuses)
{
    auto w = loaded(LargeMap);
    w->generalStatus[100][99] = w->generalStatus[5][0] = InBattle;
    w->generalStatus[0][4] = Training;
    w->countryOwner[4] = 3, w->battleCount = 1, w->side[0] = 3, w->aiDivisor = 16, w->playing = true;
    const auto before = std::make_unique<WorldState>(*w);
    ASSERT_TRUE(loadMap(*w, SmallMap).ok);
    for (int c = 1; c <= 100; ++c)
        for (int s = 1; s <= 99; ++s)
            ASSERT_EQ(w->generalStatus[c][s], Ready) << c << "," << s;
    EXPECT_EQ(row(w->generalStatus[0][4], w->generalStatus[5][0], w->countryOwner[4]), row(Training, InBattle, 4));
    EXPECT_EQ(w->countryName[13], before->countryName[13]);
    EXPECT_EQ(w->generalName[100], before->generalName[100]);
    EXPECT_EQ(row(w->neighbourName[1][5], w->neighbourName[1][10], w->generalName[1][3]),
              row("Swasiland", "Land 11", before->generalName[1][3]));
    EXPECT_EQ(row(w->gridRowText[9], w->gridCell[21][6], w->gridCell[5][50]),
              row(before->gridRowText[9], before->gridCell[21][6], before->gridCell[5][50]));
    // Battles, sides, settings and the game's members are not the loader's.
    EXPECT_EQ(row(w->battleCount, w->side[0], w->aiDivisor, w->playing), "1|3|16|1");
}

class MapLoaderFailure : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(loadMap(*world, SmallMap).ok);
        world->side[0] = 3, world->battleCount = 1, world->generalStatus[3][1] = InBattle, world->playing = true;
        before = std::make_unique<WorldState>(*world);
    }
    // A refusal titled "Fehler !" whose message holds `expected`, and the world as before.
    void expectRefused(const std::string& input, const std::string& expected)
    {
        const MapLoadResult result = loadMapFromBytes(*world, input, "kaputt.mgi");
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.title, "Fehler !");
        EXPECT_NE(result.message.find(expected), std::string::npos) << result.message << " / " << expected;
        EXPECT_TRUE(*world == *before) << result.message;
    }
    std::unique_ptr<WorldState> world = std::make_unique<WorldState>();
    std::unique_ptr<WorldState> before;
    const std::string bytes = readBytes(SmallMap);
};

TEST_F(MapLoaderFailure, EveryClassOfFaultIsNamedAndLeavesTheWorldAlone)
{
    EXPECT_STREQ(WrongMapVersionMessage, "Entweder handelt es sich um keine Stratagonkarte oder die Version der "
                                         "Karte ist nicht kompatibel mit dieser Version");
    for (const char* version : {"\"2\"", "0", "\"\"", "Version 1", "1.0", "\"1x\""})
        expectRefused(replaced(bytes, "\"1\",\"Stratagon", version + std::string(",\"Stratagon")), WrongMapVersionMessage);
    const std::size_t row8 = bytes.find("~~SSSSSS");
    const std::pair<std::string, std::string> cases[] = {
        {bytes.substr(0, row8), "Rasterzeile 8"},
        {bytes.substr(0, bytes.find("\"Raster\"")), "Kennung des Rasters"},
        {bytes.substr(0, bytes.find("\"Otto")), "Land 1, Name des Generals 2"},
        {"", "endet zu früh"},
        {bytes.substr(0, row8) + "\"~~SS", "Anführungszeichen"},
        {replaced(bytes, "\" 12 \"", "\"zwölf\""), "Anzahl der Länder"},
        {replaced(bytes, "\" 12 \"", "101"), "Anzahl der Länder ist 101, erlaubt ist 1 bis 100"},
        {replaced(bytes, "\" 12 \"", "0"), "Anzahl der Länder ist 0"},
        {replaced(bytes, ",20,8,", ",20x,8,"), "Spalten des Rasters"},
        {replaced(bytes, ",20,8,", ",100,8,"), "Spalten des Rasters ist 100"},
        {replaced(bytes, ",20,8,", ",20,,"), "Zeilen des Rasters"},
        {replaced(bytes, ",20,8,", ",20,-8,"), "Zeilen des Rasters"},
        {replaced(bytes, "\"S\",2,0,1500", "\"S\",zwei,0,1500"), "Land 1, Anzahl der Generäle"},
        {replaced(bytes, "\"S\",2,0,1500", "\"S\",100,0,1500"), "Land 1, Anzahl der Generäle ist 100"},
        {replaced(bytes, "1500,-3", "1500.5,-3"), "Land 1, Wert A"},
        {replaced(bytes, "1500,-3", "1500,- 3"), "Land 1, Wert B"},
        {replaced(bytes, "120,340", "12O,340"), "Land 1, Startpunkt x"},
        {replaced(bytes, "340,5,0", "340,11,0"), "Land 1, Anzahl der Nachbarn ist 11"},
        {replaced(bytes, "340,5,0", "340,-2,0"), "Anzahl der Nachbarn ist -2"},
        {replaced(bytes, "\"Nyerere\",65", "\"Nyerere\",2147483648"), "Land 10, EP des Generals 1"},
        {replaced(bytes, "\"Nyerere\",65", "\"Nyerere\",0x41"), "ganze Zahl"},
        {replaced(bytes, "\"Südafrika\",\"S\"", "\"Südafrika\",\"SA\""), "Land 1, Kürzel"},
        {replaced(bytes, "\"Madagaskar\",\"D\"", "\"Madagaskar\",\"Ü\""), "Land 12, Kürzel"},
    };
    for (const auto& [input, expected] : cases)
        expectRefused(input, expected);
    for (const std::string path : {STRATAGON_FIXTURES "/fehlt.mgi", STRATAGON_FIXTURES}) {
        const MapLoadResult result = loadMap(*world, path);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.title, "Fehler !");
    }
    const std::string missing = loadMap(*world, STRATAGON_FIXTURES "/fehlt.mgi").message;
    EXPECT_TRUE(missing.find("nicht geöffnet") != missing.npos && missing.find("Datei nicht gefunden") != missing.npos)
        << missing;
    EXPECT_TRUE(*world == *before);
}

TEST_F(MapLoaderFailure, CutOrMangledFilesNeverHalfLoad)
{
    // Any cut before the last row starts lacks a field; a cut inside it
    // leaves a shorter row, which is valid.
    const std::size_t lastRow = bytes.find("~~SSSSSS");
    for (std::size_t length = 0; length <= lastRow; ++length) {
        const MapLoadResult result = loadMapFromBytes(*world, std::string_view(bytes).substr(0, length), "m");
        ASSERT_TRUE(!result.ok && !result.message.empty() && *world == *before) << length;
    }
    std::mt19937 engine(2024);
    const std::string alphabet = "0123456789,\"\r\n -xS~";
    for (int round = 0; round < 1500; ++round) {
        std::string input = bytes;
        for (int e = 0, edits = 1 + int(engine() % 4); e < edits; ++e) {
            const std::size_t at = engine() % input.size();
            switch (engine() % 3) {
            case 0: input[at] = alphabet[engine() % alphabet.size()]; break;
            case 1: input.erase(at, 1 + engine() % 8); break;
            default: input.insert(at, 1, char(engine() % 256)); break;
            }
        }
        const MapLoadResult result = loadMapFromBytes(*world, input, "m");
        ASSERT_TRUE(result.ok ? world->countryCount >= 1 && world->countryCount <= MaxCountries
                              : !result.message.empty() && *world == *before)
            << round << ": " << result.message;
        *world = *before;
    }
}

TEST(MapLoaderText, Windows1252DecodesEveryByteAndEncodesWhatItCan)
{
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(std::string(1, char(b)))), std::string(1, char(b))) << b;
    const std::pair<std::string, std::string> decoded[] = {
        {"\x80", "€"}, {"\x8A\x9A\x9F", "ŠšŸ"}, {"\x84\x93\x94\x96", "„“”–"}, {"\x81", "\xC2\x81"},
        {"S\xFC" "dafrika", "Südafrika"}, {"\xC4\xD6\xDC\xE4\xF6\xFC\xDF", "ÄÖÜäöüß"}, {{"a\0b", 3}, {"a\0b", 3}}};
    for (const auto& [bytes, text] : decoded)
        EXPECT_EQ(windows1252ToUtf8(bytes), text);
    // What the code page cannot hold, or is no UTF-8, becomes '?'.
    const std::pair<std::string, std::string> encoded[] = {
        {"日本", "??"}, {"\xC2\x80", "?"}, {"a\xC3", "a?"}, {"\xC0\xAF", "??"}, {"a\xED\xA0\x80" "b", "a???b"},
        {"\xF0\x9F\x98\x80!", "?!"}};
    for (const auto& [text, bytes] : encoded)
        EXPECT_EQ(utf8ToWindows1252(text), bytes) << text;
}
