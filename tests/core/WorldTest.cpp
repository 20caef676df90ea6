// SPDX-License-Identifier: GPL-3.0-or-later
// The world's map files and its rank table.

#include "world/MapLoader.h"
#include "world/Ranks.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <fstream>
#include <iterator>
#include <memory>

using namespace stratagon;
using namespace stratagon::test;

namespace {

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const std::string SmallMap = STRATAGON_FIXTURES "/small.mgi";
const std::string Bytes = bytesOf(SmallMap);

// The small map's bytes with one piece (given in UTF-8) replaced; the piece
// must occur exactly once, so that a changed fixture cannot quietly void a test.
std::string replaced(const std::string& from, const std::string& to)
{
    const std::string raw = utf8ToWindows1252(from);
    const std::size_t at = Bytes.find(raw);
    EXPECT_TRUE(at != std::string::npos && Bytes.find(raw, at + 1) == std::string::npos) << from;
    return at == std::string::npos ? Bytes : std::string(Bytes).replace(at, raw.size(), utf8ToWindows1252(to));
}

std::unique_ptr<WorldState> loaded(std::string_view bytes, const std::string& path = "m")
{
    auto w = std::make_unique<WorldState>();
    const MapLoadResult result = loadMapFromBytes(*w, bytes, path);
    EXPECT_TRUE(result.ok && result.message.empty()) << germanText(result.message);
    return w;
}

}  // namespace

TEST(MapLoader, EveryFieldLandsInItsTableHoweverItIsQuotedOrSeparated)
{
    auto w = loaded(Bytes, SmallMap);
    EXPECT_EQ(row(w->countryCount, w->gridColumns, w->gridRows, w->continentName, w->defaultSideCode, w->mapFileName),
              row(12, 20, 8, "Südliches Afrika", "S", SmallMap));  // the count is quoted " 12 "
    EXPECT_EQ(row(w->countryName[1], w->countryCode[1], w->generalCount[1], w->countryValueA[1], w->countryValueB[1],
                  w->fillX[1], w->fillY[1], w->neighbourCount[1], w->neighbourName[1][1], w->neighbourName[1][5],
                  w->generalName[1][1], w->generalEP[1][1], w->generalName[1][2], w->generalEP[1][2]),
              "Südafrika|S|2|1500|-3|120|340|5|Namibia|Swasiland|Müller, Hans|12|Otto Größe|-7");
    // Simbabwe (4) has no generals, Madagaskar (12), the last, neither
    // neighbours nor generals: what follows them stays in step.
    EXPECT_EQ(row(w->generalCount[4], w->neighbourCount[4], w->countryName[5], w->generalEP[5][1], w->generalName[5][1],
                  w->countryName[6], w->generalName[6][1], w->countryName[12], w->neighbourCount[12],
                  w->generalCount[12], w->fillX[12], w->countryOwner[12], codeToCountry(*w, "D")),
              "0|4|Mosambik|55|Nuñez|Kongo, Republik|Léon|Madagaskar|0|0|300|12|12");
    // A short row repeats its last code, an empty one stays empty.
    const std::string rows[] = {"AAAAKKKK~~~~~~~~~~~~", "NNAAAYYYYYTTTTT~~~~~", "NNBBBYYYWWWTTTTTTTTT", "", "",
                                "NNBBBZZZMMMM~~~~~~DD"};
    for (int r = 1; r <= 6; ++r) {
        std::string cells;
        for (int c = 1; c <= MaxGridSize; ++c)
            cells += cellCode(*w, c, r);
        EXPECT_EQ(cells, rows[r - 1]) << r;
    }

    // Fields end at commas and at line breaks of any kind; quotes keep what they hold.
    for (const std::string separator : {"\n", "\r"}) {
        std::string bytes = Bytes;
        for (std::size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos; at += separator.size())
            bytes.replace(at, 2, separator);
        EXPECT_TRUE(*loaded(bytes, SmallMap) == *w) << testing::PrintToString(separator);
    }
    const std::pair<const char*, const char*> names[] = {
        {" \t Mosambik \t", "Mosambik"},       // unquoted: trimmed
        {"\" Mo, sambik \"", " Mo, sambik "},  // quoted: commas and blanks kept
        {"Mo\"sambik", "Mo\"sambik"},          // a mark inside an unquoted field is a character
        {"\"Mosam\"bik", "Mosam"},             // after the closing mark: dropped
    };
    for (const auto& [field, name] : names)
        EXPECT_EQ(loaded(replaced("\"Mosambik\",\"M\"", field + std::string(",\"M\"")))->countryName[5], name);
    const auto u = loaded(replaced("~~SSSSSS", "~~SSSSS" + windows1252ToUtf8("\xFC")));  // no country's code
    EXPECT_EQ(row(codeToCountry(*u, cellCode(*u, 7, 8)), codeToCountry(*u, cellCode(*u, 8, 8))), "1|0");
}

TEST(MapLoader, SmallerMapAfterTheLargestKeepsTheHigherEntriesAndResetsStatuses)
{
    auto w = loaded(bytesOf(STRATAGON_FIXTURES "/large.mgi"));  // every limit itself loads
    EXPECT_EQ(row(w->countryCount, w->gridColumns, w->gridRows, w->neighbourName[1][10], w->generalCount[100],
                  w->generalName[100][99], w->gridCell[99][99] != 0),
              "100|99|99|Land 11|99|General 100-99|1");
    w->generalStatus[100][99] = w->generalStatus[5][0] = InBattle, w->generalStatus[0][4] = Training;
    w->countryOwner[4] = 3, w->battleCount = 1, w->side[0] = 3, w->aiDivisor = 16, w->playing = true;
    const auto before = std::make_unique<WorldState>(*w);
    ASSERT_TRUE(loadMapFromBytes(*w, Bytes, "m").ok);
    for (int c = 1; c <= 100; ++c)  // every slot but slot 0, also of countries beyond the new count
        EXPECT_EQ(std::count(w->generalStatus[c].begin() + 1, w->generalStatus[c].end(), int(Ready)), 99) << c;
    EXPECT_EQ(row(w->generalStatus[0][4], w->generalStatus[5][0], w->countryOwner[4], w->battleCount, w->side[0],
                  w->aiDivisor, w->playing, w->neighbourName[1][5], w->neighbourName[1][10]),
              row(Training, InBattle, 4, 1, 3, 16, 1, "Swasiland", "Land 11"));
    EXPECT_TRUE(w->countryName[13] == before->countryName[13] && w->generalName[100] == before->generalName[100] &&
                w->generalName[1][3] == before->generalName[1][3] && w->gridCell[21][6] == before->gridCell[21][6] &&
                w->gridCell[5][50] == before->gridCell[5][50]);
}

TEST(MapLoader, EveryClassOfFaultIsNamedAndLeavesTheWorldAlone)
{
    auto world = loaded(Bytes);
    world->side[0] = 3, world->battleCount = 1, world->generalStatus[3][1] = InBattle, world->playing = true;
    const auto before = std::make_unique<WorldState>(*world);
    const auto expectRefused = [&](std::string_view input, const std::string& expected) {
        const MapLoadResult result = loadMapFromBytes(*world, input, "kaputt.mgi");
        const std::string message = germanText(result.message);
        EXPECT_TRUE(!result.ok && germanText(result.title) == "Fehler !" &&
                    message.find(expected) != std::string::npos && *world == *before)
            << message << " / " << expected;
    };
    for (const char* version : {"\"2\"", "0", "\"\"", "Version 1", "1.0", "\"1x\""})
        expectRefused(replaced("\"1\",\"Stratagon", version + std::string(",\"Stratagon")), WrongMapVersionMessage);
    const std::size_t lastRow = Bytes.find("~~SSSSSS");
    const std::pair<std::string, std::string> cases[] = {
        {Bytes.substr(0, lastRow), "Rasterzeile 8"},
        {Bytes.substr(0, Bytes.find("\"Raster\"")), "Kennung des Rasters"},
        {Bytes.substr(0, Bytes.find("\"Otto")), "Land 1, Name des Generals 2"},
        {Bytes.substr(0, lastRow) + "\"~~SS", "Anführungszeichen"},
        {replaced("\" 12 \"", "\"zwölf\""), "Anzahl der Länder"},
        {replaced("\" 12 \"", "101"), "Anzahl der Länder ist 101, erlaubt ist 1 bis 100"},
        {replaced(",20,8,", ",100,8,"), "Spalten des Rasters ist 100"},
        {replaced("\"S\",2,0,1500", "\"S\",100,0,1500"), "Land 1, Anzahl der Generäle ist 100"},
        {replaced("120,340", "12O,340"), "Land 1, Startpunkt x"},
        {replaced("340,5,0", "340,11,0"), "Land 1, Anzahl der Nachbarn ist 11"},
        {replaced("\"Nyerere\",65", "\"Nyerere\",2147483648"), "Land 10, EP des Generals 1"},
        {replaced("\"Südafrika\",\"S\"", "\"Südafrika\",\"SA\""), "Land 1, Kürzel"},
        {replaced("\"Madagaskar\",\"D\"", "\"Madagaskar\",\"Ü\""), "Land 12, Kürzel"},
        // Texts beyond any real name, rows beyond the grid's width.
        {replaced("~~SSSSSS~~~~~~~~~~~~", "~~SSSSSS~~~~~~~~~~~~~"),
         "Rasterzeile 8 ist 21 Zeichen lang, erlaubt sind höchstens 20"},
        {replaced("\"Südliches Afrika\"", std::string(101, 'x')), "Name des Kontinents ist 101 Zeichen lang"},
        {replaced("\"Sambia\",\"Y\"", std::string(101, 'y') + ",\"Y\""), "Land 7, Name ist 101 Zeichen lang"},
        {replaced("\"Kämpfer\"", std::string(101, 'k')), "Land 2, Name des Generals 1 ist 101 Zeichen lang"},
        {replaced("\"Angola\"\r\n0\r\n\"Léon\"", std::string(101, 'a') + "\r\n0\r\n\"Léon\""),
         "Land 6, Nachbar 1 ist 101 Zeichen lang"},
        {replaced(",\"S\",0,0\r\n", "," + std::string(101, 's') + ",0,0\r\n"),
         "Kürzel des Startlandes ist 101 Zeichen lang"},
    };
    for (const auto& [input, expected] : cases)
        expectRefused(input, expected);
    EXPECT_EQ(loaded(replaced("\"Südliches Afrika\"", std::string(100, 'x')))->continentName, std::string(100, 'x'));
    // Any cut before the last row starts lacks a field (a cut inside it only
    // shortens the row).
    for (std::size_t length = 0; length <= lastRow; ++length)
        expectRefused(std::string_view(Bytes).substr(0, length), "");
    const MapLoadResult missing = loadMap(*world, STRATAGON_FIXTURES "/fehlt.mgi");
    EXPECT_EQ(row(missing.ok, germanText(missing.title),
                  germanText(missing.message).find("Datei nicht gefunden") != std::string::npos),
              "0|Fehler !|1");
    EXPECT_TRUE(!loadMap(*world, STRATAGON_FIXTURES).ok && *world == *before);
}

TEST(MapLoader, Windows1252DecodesEveryByteAndEncodesWhatItCan)
{
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(std::string(1, char(b)))), std::string(1, char(b))) << b;
    EXPECT_EQ(windows1252ToUtf8("\x80\x8A\x9F\x84\x93\x96\x81|S\xFC"
                                "dafrika \xC4\xDF"),
              "€ŠŸ„“–\xC2\x81|Südafrika Äß");  // 0x81 has no character: the C1 control
}

// The rank of an EP value agrees with the ladder the help shows.
TEST(Ranks, RankNameAtEveryBoundaryOfTheLadder)
{
    // From "Unteroffizier" on, rankName gives each name at both ends of its range.
    for (std::size_t i = 4; i < RankLadder.size(); ++i) {
        const RankRow& rank = RankLadder[i];
        EXPECT_EQ(row(rankName(rank.lowest), rankName(rank.highest)), row(rank.name, rank.name));
    }
    // The ranges print as the ranks window shows them.
    EXPECT_EQ(row(RankLadder[0].range(), RankLadder[3].range(), RankLadder[4].range(), RankLadder[19].range()),
              row("(-40)-(-31)", "(-10)-(-1)", "0 - 4", "95 - 100"));
    for (const int ep : {-1, -35, INT_MIN})
        EXPECT_EQ(rankName(ep), "Unteroffizier") << ep;
    for (const int ep : {101, 1000, INT_MAX})
        EXPECT_EQ(rankName(ep), "General") << ep;
}

// The country a message is about: the one taken or attacked, not the side
// that acts; between two sides the last named; none for a message without one.
TEST(World, TheCountryAMessageIsAbout)
{
    auto w = chainWorld(4);
    w->side[0] = 1, w->side[1] = 2, w->sideMax = 1;
    const auto about = [&w](std::vector<TextArg> values) {
        return countryNamedIn(*w, Text(MessagesContext, "%1 %2 %3", std::move(values)));
    };
    EXPECT_EQ(about({TextArg::name("C2"), TextArg::name("C3")}), 3);  // "C2 erobert C3."
    EXPECT_EQ(about({TextArg::name("C3"), TextArg::plain("Anna"), TextArg::name("C2")}), 3);
    EXPECT_EQ(about({TextArg::name("C2"), TextArg::name("C1")}), 1);  // "C2 greift C1 an!"
    EXPECT_EQ(about({TextArg::plain("Anna"), TextArg::rank(12)}), 0);
    EXPECT_EQ(about({TextArg::name("Atlantis")}), 0);
}
