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
        path = (folder / "game.dat").string();
        world = std::make_unique<WorldState>();
        world->monthInterval = 7;
        world->aiDivisor = 8;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }

    void write(const std::string& bytes) const
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string contents() const
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> filesInFolder() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        return names;
    }

    fs::path folder;
    std::string path;
    std::unique_ptr<WorldState> world;
};

}  // namespace

TEST_F(SettingsFile, ReadsTheFirstTwoNumbersInTheirUsualAndLooserForms)
{
    const std::pair<const char*, std::pair<int, int>> cases[] = {
        {" 2500 \r\n 16 \r\n", {2500, 16}},                 // as written
        {"833,64", {833, 64}},                               // one line, comma
        {" 833 , 64 ", {833, 64}},                           // blanks around the comma
        {"416\n256\n", {416, 256}},                          // LF only
        {"\r\n\r\n  1667 \r\n\r\n 4 ", {1667, 4}},           // blank lines before
        {" 5000 \r\n 1 \r\n 99 \r\nirgendwas\r\n", {5000, 1}},  // extra lines ignored
        {"1000 3", {1000, 3}},                               // values off the lists kept
        {"-5,0", {-5, 0}},
    };
    for (const auto& [text, values] : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(text)));
        write(text);
        const FileResult result = readSettings(*world, path);
        ASSERT_TRUE(result.ok) << result.description;
        EXPECT_EQ(world->monthInterval, values.first);
        EXPECT_EQ(world->aiDivisor, values.second);
    }
}

TEST_F(SettingsFile, FewerThanTwoNumbersOrNoFileFailsAndChangesNothing)
{
    const FileResult missing = readSettings(*world, path);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.errorNumber, ENOENT);
    EXPECT_EQ(missing.description, "Datei nicht gefunden.");

    for (const char* text : {" 20000 \r\n", "", " \r\n \r\n", "20000,"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(text)));
        write(text);
        const FileResult result = readSettings(*world, path);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.errorNumber, 0);
        EXPECT_FALSE(result.description.empty());
    }

    const FileResult folderInstead = readSettings(*world, folder.string());
    EXPECT_FALSE(folderInstead.ok);
    EXPECT_NE(folderInstead.errorNumber, 0);

    EXPECT_EQ(world->monthInterval, 7);
    EXPECT_EQ(world->aiDivisor, 8);
}

TEST_F(SettingsFile, AnEntryThatIsNoWholeNumberIsRefused)
{
    for (const char* text : {"abc 16", "416 x", "4l6,16", "1e3,4", "416,2147483648", "416.5 4"}) {
        SCOPED_TRACE(text);
        write(text);
        const FileResult result = readSettings(*world, path);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.errorNumber, 0);
        EXPECT_FALSE(result.description.empty());
    }
    EXPECT_EQ(world->monthInterval, 7);
    EXPECT_EQ(world->aiDivisor, 8);
}

TEST_F(SettingsFile, WritingReplacesTheFileWithExactlyTwoLines)
{
    write(" 416 \r\n 256 \r\n and a longer tail that must go\r\n");
    const FileResult result = writeSettings(path, 20000, 1);
    ASSERT_TRUE(result.ok) << result.description;
    EXPECT_EQ(contents(), " 20000 \r\n 1 \r\n");
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"game.dat"});  // no temporary left

    ASSERT_TRUE(readSettings(*world, path).ok);
    EXPECT_EQ(world->monthInterval, 20000);
    EXPECT_EQ(world->aiDivisor, 1);
    EXPECT_EQ(settingsFileText(416, 16), " 416 \r\n 16 \r\n");
}

TEST_F(SettingsFile, WritingFailsWhenTheFileIsGoneAndCreatesNothing)
{
    const FileResult result = writeSettings(path, 2500, 16);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.errorNumber, ENOENT);
    EXPECT_EQ(result.description, "Datei nicht gefunden.");
    EXPECT_TRUE(filesInFolder().empty());
}

TEST_F(SettingsFile, WritingIntoAMissingFolderFailsCleanly)
{
    const FileResult result = writeSettings((folder / "fehlt" / "game.dat").string(), 2500, 16);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(filesInFolder().empty());
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
