#include "world/MapLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace stratagon;

namespace {

const std::string SmallMap = std::string(STRATAGON_FIXTURES) + "/small.mgi";
const std::string LargeMap = std::string(STRATAGON_FIXTURES) + "/large.mgi";

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The fixture's bytes with one piece (given in UTF-8) replaced; the piece
// must occur exactly once, so a changed fixture cannot quietly void a test.
std::string replaced(const std::string& bytes, const std::string& from, const std::string& to)
{
    const std::string raw = utf8ToWindows1252(from);
    const std::size_t at = bytes.find(raw);
    EXPECT_NE(at, std::string::npos) << from;
    EXPECT_EQ(bytes.find(raw, at + 1), std::string::npos) << from;
    if (at == std::string::npos)
        return bytes;
    std::string out = bytes;
    out.replace(at, raw.size(), utf8ToWindows1252(to));
    return out;
}

std::unique_ptr<WorldState> freshWorld() { return std::make_unique<WorldState>(); }

// A world as a running game would have it, so that a failed load has
// something to disturb.
std::unique_ptr<WorldState> worldInPlay()
{
    auto w = freshWorld();
    EXPECT_TRUE(loadMap(*w, SmallMap).ok);
    w->monthInterval = 833;
    w->aiDivisor = 16;
    w->side[0] = 3;
    w->side[1] = 9;
    w->battleCount = 1;
    w->battleCountry[1] = 4;
    w->generalStatus[3][1] = InBattle;
    w->generalStatus[0][4] = Training;
    w->countryOwner[4] = 3;
    w->playing = true;
    w->statusText[1] = "Wird Ausgebildet";
    return w;
}

// The smallest valid map: one country, a 3 x 2 grid; the fields joined by
// `separator`.
std::string oneCountryMap(const std::string& separator, std::vector<std::string> overrides = {})
{
    std::vector<std::string> fields = {
        "1", "x", "x", "1", "3", "2", "Kontinent", "A", "x", "x",        // header
        "Land", "A", "1", "x", "5", "6", "x", "7", "8", "1", "x",        // record 1..11
        "Nachbar", "x", "General", "9", "x",                             // neighbours, generals
        "x", "ABC", "DEF",                                               // grid
    };
    for (std::size_t i = 0; i < overrides.size() && i < fields.size(); ++i)
        if (!overrides[i].empty())
            fields[i] = overrides[i];
    std::string text;
    for (const std::string& f : fields)
        text += f + separator;
    return text;
}

}  // namespace

// ---------------------------------------------------------------------------

TEST(MapLoaderFields, EveryHeaderCountryAndGridFieldLandsInItsTable)
{
    auto w = freshWorld();
    const MapLoadResult result = loadMap(*w, SmallMap);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_TRUE(result.message.empty());

    EXPECT_EQ(w->countryCount, 12);  // quoted " 12 "
    EXPECT_EQ(w->gridColumns, 20);
    EXPECT_EQ(w->gridRows, 8);
    EXPECT_EQ(w->continentName, "Südliches Afrika");
    EXPECT_EQ(w->defaultSideCode, "S");
    EXPECT_EQ(w->mapFileName, SmallMap);

    EXPECT_EQ(w->countryName[1], "Südafrika");
    EXPECT_EQ(w->countryCode[1], "S");
    EXPECT_EQ(w->generalCount[1], 2);
    EXPECT_EQ(w->countryValueA[1], 1500);
    EXPECT_EQ(w->countryValueB[1], -3);
    EXPECT_EQ(w->fillX[1], 120);
    EXPECT_EQ(w->fillY[1], 340);
    EXPECT_EQ(w->neighbourCount[1], 5);
    EXPECT_EQ(w->neighbourName[1][1], "Namibia");
    EXPECT_EQ(w->neighbourName[1][5], "Swasiland");
    EXPECT_EQ(w->generalName[1][1], "Müller, Hans");  // quoted comma kept
    EXPECT_EQ(w->generalEP[1][1], 12);
    EXPECT_EQ(w->generalName[1][2], "Otto Größe");
    EXPECT_EQ(w->generalEP[1][2], -7);

    EXPECT_EQ(w->countryName[6], "Kongo, Republik");
    EXPECT_EQ(w->neighbourName[8][3], "Kongo, Republik");
    EXPECT_EQ(w->generalName[5][1], "Nuñez");
    EXPECT_EQ(w->generalName[6][1], "Léon");
    EXPECT_EQ(w->generalEP[6][1], 95);
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(w->countryOwner[i], i) << i;
    EXPECT_EQ(codeToCountry(*w, "D"), 12);
    EXPECT_EQ(nameToCode(*w, "Südafrika"), "S");
}

TEST(MapLoaderFields, RecordsWithoutNeighboursOrGeneralsKeepTheFieldsInStep)
{
    auto w = freshWorld();
    ASSERT_TRUE(loadMap(*w, SmallMap).ok);
    // Simbabwe has no generals; the record after it starts at its name.
    EXPECT_EQ(w->generalCount[4], 0);
    EXPECT_EQ(w->neighbourCount[4], 4);
    EXPECT_EQ(w->countryName[5], "Mosambik");
    EXPECT_EQ(w->generalEP[5][1], 55);
    // Madagaskar, the last record, has neither; the grid follows in step.
    EXPECT_EQ(w->countryName[12], "Madagaskar");
    EXPECT_EQ(w->neighbourCount[12], 0);
    EXPECT_EQ(w->generalCount[12], 0);
    EXPECT_EQ(w->fillX[12], 300);
    EXPECT_EQ(w->gridRowText[1], "AAAAKKKK~~~~~~~~~~~~");
}

TEST(MapLoaderFields, QuotedAndUnquotedVersionOneBothLoad)
{
    auto w = freshWorld();
    EXPECT_TRUE(loadMap(*w, SmallMap).ok);  // "1"
    EXPECT_TRUE(loadMap(*w, LargeMap).ok);  // 1
    const std::string bytes = readBytes(SmallMap);
    EXPECT_TRUE(loadMapFromBytes(*w, replaced(bytes, "\"1\",\"Stratagon", " 1 ,\"Stratagon"), "m").ok);
    EXPECT_TRUE(loadMapFromBytes(*w, replaced(bytes, "\"1\",\"Stratagon", "\" 1\",\"Stratagon"), "m").ok);
}

TEST(MapLoaderFields, SeparatorsAreCommasCrLfLfOrALoneCr)
{
    auto reference = freshWorld();
    ASSERT_TRUE(loadMapFromBytes(*reference, oneCountryMap(","), "m").ok);
    EXPECT_EQ(reference->generalName[1][1], "General");
    EXPECT_EQ(reference->gridRowText[2], "DEF");
    for (const char* separator : {"\r\n", "\n", "\r", " ,\t", "\t\r\n  "}) {
        auto w = freshWorld();
        const MapLoadResult result = loadMapFromBytes(*w, oneCountryMap(separator), "m");
        ASSERT_TRUE(result.ok) << result.message;
        EXPECT_TRUE(*w == *reference) << "separator bytes: " << testing::PrintToString(std::string(separator));
    }
}

TEST(MapLoaderFields, QuotesTrimmingAndStrayMarks)
{
    auto w = freshWorld();
    std::vector<std::string> o(29);
    o[6] = "\" Kontinent, mit Komma \"";  // quoted: commas and blanks kept
    o[10] = "  \t Land mit Blanks \t ";    // unquoted: trimmed
    o[21] = "Ab\"c";                       // a mark inside an unquoted field is a character
    o[23] = "\"Gen\"eral";                 // after the closing mark: dropped
    o[27] = "\"A,B\r\nC\"";               // a quoted row may even hold a line break
    const MapLoadResult result = loadMapFromBytes(*w, oneCountryMap("\r\n", o), "m");
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(w->continentName, " Kontinent, mit Komma ");
    EXPECT_EQ(w->countryName[1], "Land mit Blanks");
    EXPECT_EQ(w->neighbourName[1][1], "Ab\"c");
    EXPECT_EQ(w->generalName[1][1], "Gen");
    EXPECT_EQ(w->gridRowText[1], "A,B\r\nC");
    EXPECT_EQ(w->gridRowText[2], "DEF");
}

// ---------------------------------------------------------------------------

TEST(MapLoaderGrid, ShortRowsRepeatTheirLastCharacterAndEmptyRowsAreEmpty)
{
    auto w = freshWorld();
    ASSERT_TRUE(loadMap(*w, SmallMap).ok);
    EXPECT_EQ(cellCode(*w, 1, 1), "A");
    EXPECT_EQ(cellCode(*w, 5, 1), "K");
    EXPECT_EQ(cellCode(*w, 20, 1), "~");
    // Row 3 "NNBBBYYYWWWTT" has 13 characters: T to the right edge.
    EXPECT_EQ(cellCode(*w, 13, 3), "T");
    for (int col = 14; col <= 20; ++col)
        EXPECT_EQ(cellCode(*w, col, 3), "T") << col;
    // Row 4 is an empty line, row 5 a quoted empty field.
    for (int row : {4, 5}) {
        EXPECT_EQ(w->gridRowText[row], "") << row;
        for (int col = 1; col <= 20; ++col)
            EXPECT_EQ(cellCode(*w, col, row), "") << col << "," << row;
    }
    EXPECT_EQ(cellCode(*w, 1, 7), "~");
    EXPECT_EQ(codeToCountry(*w, cellCode(*w, 2, 7)), 1);
    EXPECT_EQ(cellCode(*w, 20, 8), "~");
}

TEST(MapLoaderGrid, CharactersBeyondTheColumnsAreIgnored)
{
    auto w = freshWorld();
    ASSERT_TRUE(loadMap(*w, SmallMap).ok);
    EXPECT_EQ(w->gridRowText[6], "NNBBBZZZMMMM~~~~~~DD~~~~XXXX");
    EXPECT_EQ(cellCode(*w, 19, 6), "D");
    EXPECT_EQ(cellCode(*w, 20, 6), "D");
    for (int col = 21; col <= MaxGridSize; ++col)
        EXPECT_EQ(w->gridCell[col][6], '\0') << col;
}

TEST(MapLoaderGrid, NonAsciiGridBytesMatchNoCountry)
{
    auto w = freshWorld();
    std::vector<std::string> o(29);
    o[27] = utf8ToWindows1252("Aü");
    ASSERT_TRUE(loadMapFromBytes(*w, oneCountryMap(",", o), "m").ok);
    EXPECT_EQ(w->gridRowText[1], "Aü");
    EXPECT_EQ(codeToCountry(*w, cellCode(*w, 1, 1)), 1);
    EXPECT_EQ(codeToCountry(*w, cellCode(*w, 2, 1)), 0);
    EXPECT_EQ(codeToCountry(*w, cellCode(*w, 3, 1)), 0);
}

TEST(MapLoaderGrid, TheLimitsThemselvesLoad)
{
    auto w = freshWorld();
    const MapLoadResult result = loadMap(*w, LargeMap);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(w->countryCount, 100);
    EXPECT_EQ(w->gridColumns, 99);
    EXPECT_EQ(w->gridRows, 99);
    EXPECT_EQ(w->continentName, "Großkontinent");
    EXPECT_EQ(w->neighbourCount[1], 10);
    EXPECT_EQ(w->neighbourName[1][10], "Land 11");
    EXPECT_EQ(w->generalCount[100], 99);
    EXPECT_EQ(w->generalName[100][99], "General 100-99");
    EXPECT_EQ(w->generalEP[100][99], 199);
    EXPECT_EQ(w->countryOwner[100], 100);
    EXPECT_NE(w->gridCell[99][99], '\0');
}

// ---------------------------------------------------------------------------

TEST(MapLoaderReload, ASmallerMapLeavesTheHigherEntriesOfTheLargerOne)
{
    auto w = freshWorld();
    ASSERT_TRUE(loadMap(*w, LargeMap).ok);
    const auto large = std::make_unique<WorldState>(*w);
    ASSERT_TRUE(loadMap(*w, SmallMap).ok);

    EXPECT_EQ(w->countryCount, 12);
    for (int i = 13; i <= 100; ++i) {
        EXPECT_EQ(w->countryName[i], large->countryName[i]) << i;
        EXPECT_EQ(w->generalCount[i], large->generalCount[i]) << i;
        EXPECT_EQ(w->generalName[i], large->generalName[i]) << i;
    }
    // Südafrika lists 5 neighbours; Land 1 had 10.
    EXPECT_EQ(w->neighbourName[1][5], "Swasiland");
    EXPECT_EQ(w->neighbourName[1][6], large->neighbourName[1][6]);
    EXPECT_EQ(w->neighbourName[1][10], "Land 11");
    EXPECT_EQ(w->generalName[1][3], large->generalName[1][3]);
    // Rows 9..99 and columns 21..99 of the grid stay, the long row included.
    EXPECT_EQ(w->gridRowText[9], large->gridRowText[9]);
    EXPECT_EQ(w->gridCell[21][6], large->gridCell[21][6]);
    EXPECT_EQ(w->gridCell[99][1], large->gridCell[99][1]);
    EXPECT_EQ(w->gridCell[5][50], large->gridCell[5][50]);
    EXPECT_EQ(cellCode(*w, 20, 6), "D");
}

TEST(MapLoaderReload, StatusesResetOverAllCountriesAndSlotsButNothingElseChanges)
{
    auto w = worldInPlay();
    w->generalStatus[100][99] = InBattle;
    w->generalStatus[5][0] = InBattle;
    const auto before = std::make_unique<WorldState>(*w);
    ASSERT_TRUE(loadMap(*w, SmallMap).ok);

    for (int c = 1; c <= 100; ++c)
        for (int s = 1; s <= 99; ++s)
            ASSERT_EQ(w->generalStatus[c][s], Ready) << c << "," << s;
    EXPECT_EQ(w->generalStatus[0][4], Training);  // country 0 and slot 0 stay
    EXPECT_EQ(w->generalStatus[5][0], InBattle);
    EXPECT_EQ(w->countryOwner[4], 4);

    // Settings, sides, battles and the main window's members are not the
    // loader's: with the loader's own tables put back, nothing differs.
    w->generalStatus = before->generalStatus;
    w->countryOwner = before->countryOwner;
    EXPECT_TRUE(*w == *before);
}

// ---------------------------------------------------------------------------

class MapLoaderFailure : public testing::Test {
protected:
    void SetUp() override
    {
        world = worldInPlay();
        before = std::make_unique<WorldState>(*world);
        bytes = readBytes(SmallMap);
    }

    // Loads the bytes, expects a refusal whose message contains `expected`
    // and a world exactly as before.
    void expectRefused(const std::string& input, const std::string& expected)
    {
        const MapLoadResult result = loadMapFromBytes(*world, input, "kaputt.mgi");
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.title, "Fehler !");
        EXPECT_NE(result.message.find(expected), std::string::npos)
            << "message: " << result.message << "\nexpected to contain: " << expected;
        EXPECT_TRUE(*world == *before) << "the world changed; message: " << result.message;
    }

    std::unique_ptr<WorldState> world;
    std::unique_ptr<WorldState> before;
    std::string bytes;
};

TEST_F(MapLoaderFailure, WrongVersionGivesTheVersionMessage)
{
    for (const char* version : {"\"2\"", "0", "\"\"", "Version 1", "1.0", "\"1x\""}) {
        SCOPED_TRACE(version);
        const std::string input = replaced(bytes, "\"1\",\"Stratagon", std::string(version) + ",\"Stratagon");
        const MapLoadResult result = loadMapFromBytes(*world, input, "m");
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, WrongMapVersionMessage);
        EXPECT_EQ(result.title, "Fehler !");
        EXPECT_TRUE(*world == *before);
    }
    EXPECT_STREQ(WrongMapVersionMessage,
                 "Entweder handelt es sich um keine Stratagonkarte oder die Version der Karte ist "
                 "nicht kompatibel mit dieser Version");
}

TEST_F(MapLoaderFailure, AFileThatCannotBeOpened)
{
    const MapLoadResult missing = loadMap(*world, std::string(STRATAGON_FIXTURES) + "/fehlt.mgi");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.title, "Fehler !");
    EXPECT_NE(missing.message.find("nicht geöffnet"), std::string::npos) << missing.message;
    EXPECT_NE(missing.message.find("Datei nicht gefunden"), std::string::npos) << missing.message;

    const MapLoadResult folder = loadMap(*world, STRATAGON_FIXTURES);
    EXPECT_FALSE(folder.ok);
    EXPECT_FALSE(folder.message.empty());
    EXPECT_TRUE(*world == *before);
}

TEST_F(MapLoaderFailure, EveryCutBeforeTheLastRowEndsEarly)
{
    // Cut anywhere before the last grid row starts: a field is missing. A
    // cut inside the last row leaves a shorter row, which is a valid map.
    const std::size_t lastRow = bytes.find("~~SSSSSS");
    ASSERT_NE(lastRow, std::string::npos);
    for (std::size_t length = 0; length <= lastRow; ++length) {
        const MapLoadResult result = loadMapFromBytes(*world, std::string_view(bytes).substr(0, length), "m");
        ASSERT_FALSE(result.ok) << length;
        ASSERT_FALSE(result.message.empty()) << length;
        ASSERT_TRUE(*world == *before) << "cut at " << length << ": " << result.message;
    }
    EXPECT_TRUE(loadMapFromBytes(*world, std::string_view(bytes).substr(0, lastRow + 1), "m").ok);
    EXPECT_EQ(world->gridRowText[8], "~");
}

TEST_F(MapLoaderFailure, AnEarlyEndNamesTheMissingField)
{
    const std::size_t row8 = bytes.find("~~SSSSSS");
    expectRefused(bytes.substr(0, row8), "Rasterzeile 8");
    expectRefused(bytes.substr(0, bytes.find("\"Raster\"")), "Kennung des Rasters");
    expectRefused(bytes.substr(0, bytes.find("\"Otto")), "Land 1, Name des Generals 2");
    expectRefused("", "endet zu früh");
}

TEST_F(MapLoaderFailure, NonNumbersWhereNumbersBelong)
{
    expectRefused(replaced(bytes, "\" 12 \"", "\"zwölf\""), "Anzahl der Länder");
    expectRefused(replaced(bytes, ",20,8,", ",20x,8,"), "Spalten des Rasters");
    expectRefused(replaced(bytes, ",20,8,", ",20,,"), "Zeilen des Rasters");
    expectRefused(replaced(bytes, "\"S\",2,0,1500", "\"S\",zwei,0,1500"), "Land 1, Anzahl der Generäle");
    expectRefused(replaced(bytes, "1500,-3", "1500.5,-3"), "Land 1, Wert A");
    expectRefused(replaced(bytes, "1500,-3", "1500,- 3"), "Land 1, Wert B");
    expectRefused(replaced(bytes, "120,340", "12O,340"), "Land 1, Startpunkt x");
    expectRefused(replaced(bytes, "120,340", "120,"), "Land 1, Startpunkt y");
    expectRefused(replaced(bytes, "340,5,0", "340,fünf,0"), "Land 1, Anzahl der Nachbarn");
    expectRefused(replaced(bytes, "Hans\",12,", "Hans\",zwölf,"), "Land 1, EP des Generals 1");
    expectRefused(replaced(bytes, "\"Nyerere\",65", "\"Nyerere\",2147483648"), "Land 10, EP des Generals 1");
    expectRefused(replaced(bytes, "\"Nyerere\",65", "\"Nyerere\",0x41"), "ganze Zahl");
}

TEST_F(MapLoaderFailure, LimitsOfTheTables)
{
    expectRefused(replaced(bytes, "\" 12 \"", "101"), "Anzahl der Länder ist 101, erlaubt ist 1 bis 100");
    expectRefused(replaced(bytes, "\" 12 \"", "0"), "Anzahl der Länder ist 0");
    expectRefused(replaced(bytes, "\" 12 \"", "-1"), "Anzahl der Länder");
    expectRefused(replaced(bytes, ",20,8,", ",100,8,"), "Spalten des Rasters ist 100");
    expectRefused(replaced(bytes, ",20,8,", ",0,8,"), "Spalten des Rasters ist 0");
    expectRefused(replaced(bytes, ",20,8,", ",20,100,"), "Zeilen des Rasters ist 100");
    expectRefused(replaced(bytes, ",20,8,", ",20,-8,"), "Zeilen des Rasters");
    expectRefused(replaced(bytes, "\"S\",2,0,1500", "\"S\",100,0,1500"), "Land 1, Anzahl der Generäle ist 100");
    expectRefused(replaced(bytes, "\"S\",2,0,1500", "\"S\",-1,0,1500"), "Anzahl der Generäle ist -1");
    expectRefused(replaced(bytes, "340,5,0", "340,11,0"), "Land 1, Anzahl der Nachbarn ist 11");
    expectRefused(replaced(bytes, "340,5,0", "340,-2,0"), "Anzahl der Nachbarn ist -2");
    expectRefused(replaced(bytes, "\"Madagaskar\",\"D\",0,0,0,0,0,300,200,0",
                           "\"Madagaskar\",\"D\",0,0,0,0,0,300,200,99999999999"),
                  "Land 12, Anzahl der Nachbarn");
}

TEST_F(MapLoaderFailure, CountryCodesMustBeOneCharacterTheGridCanHold)
{
    expectRefused(replaced(bytes, "\"Südafrika\",\"S\"", "\"Südafrika\",\"SA\""), "Land 1, Kürzel");
    expectRefused(replaced(bytes, "\"Südafrika\",\"S\"", "\"Südafrika\",\"\""), "Land 1, Kürzel");
    expectRefused(replaced(bytes, "\"Madagaskar\",\"D\"", "\"Madagaskar\",\"Ü\""), "Land 12, Kürzel");
}

TEST_F(MapLoaderFailure, AnUnclosedQuotationMark)
{
    expectRefused(bytes.substr(0, bytes.find("~~SSSSSS")) + "\"~~SS", "Rasterzeile 8");
    expectRefused(bytes.substr(0, bytes.find("~~SSSSSS")) + "\"~~SS", "Anführungszeichen");
    expectRefused("\"1", "Formatversion");
}

TEST_F(MapLoaderFailure, MangledFilesNeverHalfLoad)
{
    // Random damage to the fixture: every outcome is either a full load or
    // a refusal that leaves the world alone.
    std::mt19937 engine(2024);
    const std::string alphabet = "0123456789,\"\r\n -xS~";
    auto loaded = freshWorld();
    for (int round = 0; round < 1500; ++round) {
        std::string input = bytes;
        const int edits = 1 + int(engine() % 4);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = engine() % input.size();
            switch (engine() % 3) {
            case 0: input[at] = alphabet[engine() % alphabet.size()]; break;
            case 1: input.erase(at, 1 + engine() % 8); break;
            default: input.insert(at, 1, char(engine() % 256)); break;
            }
        }
        const MapLoadResult result = loadMapFromBytes(*world, input, "m");
        if (result.ok) {
            ASSERT_GE(world->countryCount, 1);
            ASSERT_LE(world->countryCount, MaxCountries);
            *world = *before;
        } else {
            ASSERT_FALSE(result.message.empty());
            ASSERT_TRUE(*world == *before) << "round " << round << ": " << result.message;
        }
    }
}

// ---------------------------------------------------------------------------

TEST(MapLoaderText, EveryWindows1252ByteDecodesAndComesBack)
{
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, char(b));
        const std::string utf8 = windows1252ToUtf8(byte);
        ASSERT_FALSE(utf8.empty()) << b;
        EXPECT_EQ(utf8ToWindows1252(utf8), byte) << b;
    }
    EXPECT_EQ(windows1252ToUtf8("\x80"), "€");
    EXPECT_EQ(windows1252ToUtf8("\x8A\x9A\x9F"), "ŠšŸ");
    EXPECT_EQ(windows1252ToUtf8("\x84\x93\x94\x96"), "„“”–");
    EXPECT_EQ(windows1252ToUtf8("\x81"), "\xC2\x81");  // undefined: the C1 control
    EXPECT_EQ(windows1252ToUtf8("S\xFC" "dafrika"), "Südafrika");
    EXPECT_EQ(windows1252ToUtf8("\xC4\xD6\xDC\xE4\xF6\xFC\xDF"), "ÄÖÜäöüß");
    EXPECT_EQ(windows1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(MapLoaderText, WhatTheCodePageCannotHoldBecomesAQuestionMark)
{
    EXPECT_EQ(utf8ToWindows1252("Südafrika €"), "S\xFC" "dafrika \x80");
    EXPECT_EQ(utf8ToWindows1252("日本"), "??");
    EXPECT_EQ(utf8ToWindows1252("\xC2\x80"), "?");        // U+0080 has no byte
    EXPECT_EQ(utf8ToWindows1252("a\xC3"), "a?");          // cut sequence
    EXPECT_EQ(utf8ToWindows1252("\xC0\xAF"), "??");       // overlong
    EXPECT_EQ(utf8ToWindows1252("a\xED\xA0\x80" "b"), "a???b");  // surrogate
    EXPECT_EQ(utf8ToWindows1252("\xF0\x9F\x98\x80!"), "?!");
}
