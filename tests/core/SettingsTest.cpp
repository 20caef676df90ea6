#include "world/Ranks.h"
#include "world/Settings.h"

#include "WholeGameSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <unistd.h>

using namespace stratagon;
using stratagon::test::row;
namespace fs = std::filesystem;

TEST(Settings, ReadsTheFirstTwoWholeNumbersRefusesTheRestAndWritesByReplacingAtomically)
{
    const fs::path folder = fs::path(testing::TempDir()) / ("stratagon-settings-" + std::to_string(getpid()));
    fs::remove_all(folder), fs::create_directories(folder);
    const std::string path = (folder / "game.dat").string();
    const auto write = [&](const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; };
    auto world = std::make_unique<WorldState>();
    const std::pair<const char*, std::pair<int, int>> good[] = {
        {" 2500 \r\n 16 \r\n", {2500, 16}}, {"833,64", {833, 64}}, {" 833 , 64 ", {833, 64}},
        {"416\n256\n", {416, 256}}, {"\r\n\r\n  1667 \r\n\r\n 4 ", {1667, 4}},
        {" 5000 \r\n 1 \r\n 99 \r\nirgendwas\r\n", {5000, 1}}, {"1000 3", {1000, 3}}, {"-5,0", {-5, 0}},
    };
    for (const auto& [text, values] : good) {
        write(text);
        EXPECT_TRUE(readSettings(*world, path).ok && std::pair(world->monthInterval, world->aiDivisor) == values)
            << testing::PrintToString(std::string(text));
    }
    for (const char* text : {" 20000 \r\n", "", " \r\n \r\n", "20000,", "abc 16", "416 x", "4l6,16", "1e3,4",
                             "416,2147483648", "416.5 4"}) {
        write(text);
        const FileResult result = readSettings(*world, path);
        EXPECT_TRUE(!result.ok && result.errorNumber != 0 && !result.description.empty()) << text;
    }
    EXPECT_FALSE(readSettings(*world, folder.string()).ok);
    EXPECT_EQ(std::pair(world->monthInterval, world->aiDivisor), std::pair(-5, 0));  // refusals change nothing

    write(" 416 \r\n 256 \r\n and a longer tail that must go\r\n");
    ASSERT_TRUE(writeSettings(path, 20000, 1).ok);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}), " 20000 \r\n 1 \r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);  // no temporary left beside it
    EXPECT_EQ(settingsFileText(416, 16), " 416 \r\n 16 \r\n");

    // A missing game.dat is never created, neither read.
    fs::remove(path);
    for (const FileResult& result : {readSettings(*world, path), writeSettings(path, 2500, 16)})
        EXPECT_EQ(std::pair(result.errorNumber, result.description), std::pair(ENOENT, std::string("Datei nicht gefunden.")));
    EXPECT_TRUE(!writeSettings((folder / "fehlt" / "game.dat").string(), 2500, 16).ok && fs::is_empty(folder));
    fs::remove_all(folder);

    fillStatusTexts(*world);
    std::string texts;
    for (const std::string& text : world->statusText)
        texts += text + "|";
    EXPECT_EQ(texts, "Bereit für den Einsatz|Wird Ausgebildet|Wird im Kampf eingesetzt|||||||||");
}

TEST(Ranks, LadderTextsAndRankNameAtEveryBoundary)
{
    std::string ladder;
    for (const RankRow& rank : RankLadder)
        ladder += row(rank.name, rank.range) + ";";
    EXPECT_EQ(ladder, "Panzergrenadier|(-40)-(-31);Gefreiter|(-30)-(-21);Obergefreiter|(-20)-(-11);Stabsgefreiter|(-10)-"
                      "(-1);Unteroffizier|0 - 4;Stabsunteroffizier|5 - 9;Feldwebel|10 - 14;Oberfeldwebel|15 - 19;"
                      "Stabsfeldwebel|20 - 24;Oberstabsfeldwebel|25 - 29;Leutnamt|30 - 34;Oberleutnamt|35 - 39;"
                      "Hauptmann|40 - 44;Major|45 - 49;Oberstleutnamt|50 - 54;Oberst|55 - 64;Brigadegeneral|65 - 74;"
                      "Generalmajor|75 - 84;Generalleutnamt|85 - 94;General|95 - 100;");
    // From "Unteroffizier" on, rankName gives each name at both ends of its range.
    for (std::size_t i = 4; i < RankLadder.size(); ++i) {
        int low = 0, high = 0;
        ASSERT_EQ(std::sscanf(std::string(RankLadder[i].range).c_str(), "%d - %d", &low, &high), 2);
        EXPECT_EQ(row(rankName(low), rankName(high)), row(RankLadder[i].name, RankLadder[i].name));
    }
    for (const int ep : {-1, -35, INT_MIN})
        EXPECT_EQ(rankName(ep), "Unteroffizier") << ep;
    for (const int ep : {101, 1000, INT_MAX})
        EXPECT_EQ(rankName(ep), "General") << ep;
}
