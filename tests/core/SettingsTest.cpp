#include "world/Settings.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

using namespace stratagon;
namespace fs = std::filesystem;

namespace {

// A folder of its own per test, removed afterwards.
class SettingsFile : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "stratagon-settings-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        world->monthInterval = 7, world->aiDivisor = 8;
    }
    void TearDown() override { fs::remove_all(folder); }
    void write(const std::string& bytes) const { std::ofstream(path(), std::ios::binary) << bytes; }
    std::string path() const { return (folder / "game.dat").string(); }
    std::size_t files() const { return std::distance(fs::directory_iterator(folder), fs::directory_iterator()); }

    fs::path folder;
    std::unique_ptr<WorldState> world = std::make_unique<WorldState>();
};

}  // namespace

TEST_F(SettingsFile, ReadsTheFirstTwoWholeNumbersAndRefusesEverythingElseUnchanged)
{
    const std::pair<const char*, std::pair<int, int>> good[] = {
        {" 2500 \r\n 16 \r\n", {2500, 16}}, {"833,64", {833, 64}}, {" 833 , 64 ", {833, 64}},
        {"416\n256\n", {416, 256}}, {"\r\n\r\n  1667 \r\n\r\n 4 ", {1667, 4}},
        {" 5000 \r\n 1 \r\n 99 \r\nirgendwas\r\n", {5000, 1}}, {"1000 3", {1000, 3}}, {"-5,0", {-5, 0}},
    };
    for (const auto& [text, values] : good) {
        write(text);
        const FileResult result = readSettings(*world, path());
        EXPECT_TRUE(result.ok) << testing::PrintToString(std::string(text)) << result.description;
        EXPECT_EQ(std::pair(world->monthInterval, world->aiDivisor), values) << testing::PrintToString(std::string(text));
    }
    world->monthInterval = 7, world->aiDivisor = 8;
    for (const char* text : {" 20000 \r\n", "", " \r\n \r\n", "20000,", "abc 16", "416 x", "4l6,16", "1e3,4",
                             "416,2147483648", "416.5 4"}) {
        write(text);
        const FileResult result = readSettings(*world, path());
        EXPECT_FALSE(result.ok) << testing::PrintToString(std::string(text));
        EXPECT_NE(result.errorNumber, 0) << text;
        EXPECT_FALSE(result.description.empty()) << text;
    }
    EXPECT_FALSE(readSettings(*world, folder.string()).ok);
    fs::remove(path());
    const FileResult missing = readSettings(*world, path());
    EXPECT_EQ(std::pair(missing.errorNumber, missing.description), std::pair(ENOENT, std::string("Datei nicht gefunden.")));
    EXPECT_EQ(std::pair(world->monthInterval, world->aiDivisor), std::pair(7, 8));
}

TEST_F(SettingsFile, WritingReplacesAnExistingFileWithExactlyTwoLinesAndNeverCreatesOne)
{
    const FileResult gone = writeSettings(path(), 2500, 16);
    EXPECT_EQ(std::pair(gone.errorNumber, gone.description), std::pair(ENOENT, std::string("Datei nicht gefunden.")));
    EXPECT_FALSE(writeSettings((folder / "fehlt" / "game.dat").string(), 2500, 16).ok);
    EXPECT_EQ(files(), 0u);

    write(" 416 \r\n 256 \r\n and a longer tail that must go\r\n");
    ASSERT_TRUE(writeSettings(path(), 20000, 1).ok);
    std::ifstream in(path(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), " 20000 \r\n 1 \r\n");
    EXPECT_EQ(files(), 1u);  // no temporary left beside it
    EXPECT_EQ(settingsFileText(416, 16), " 416 \r\n 16 \r\n");
}

TEST(Settings, StatusTextsZeroToTwoAndTheRestEmpty)
{
    auto world = std::make_unique<WorldState>();
    fillStatusTexts(*world);
    EXPECT_EQ(world->statusText[0], "Bereit für den Einsatz");
    EXPECT_EQ(world->statusText[1], "Wird Ausgebildet");
    EXPECT_EQ(world->statusText[2], "Wird im Kampf eingesetzt");
    for (int i = 3; i <= 10; ++i)
        EXPECT_TRUE(world->statusText[i].empty()) << i;
}
