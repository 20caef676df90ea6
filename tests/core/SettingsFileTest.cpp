// SPDX-License-Identifier: GPL-3.0-or-later
// game.dat as the player's file: a bounded read of regular files only and
// values the settings window could give.

#include "world/Settings.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace stratagon;
using namespace stratagon::test;
namespace fs = std::filesystem;

namespace {

struct Folder {
    fs::path path = fs::path(testing::TempDir()) / ("stratagon-game-dat-" + std::to_string(getpid()) + "-" +
                                                    testing::UnitTest::GetInstance()->current_test_info()->name());
    Folder() { fs::remove_all(path), fs::create_directories(path); }
    ~Folder() { fs::remove_all(path); }
    std::string file(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path / name, std::ios::binary) << bytes;
        return (path / name).string();
    }
};

}  // namespace

// Whatever stands at game.dat's place is answered at once: no waiting for a
// pipe's writer, no endless device, no gigabyte read.
TEST(GameDat, ReadsOnlyRegularFilesAndOnlyTheirStart)
{
    Folder folder;
    const fs::path fifo = folder.path / "pipe.dat";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", folder.path / "zero.dat");
    fs::create_symlink(fifo, folder.path / "link-to-pipe.dat");
    const std::string big = folder.file("big.dat", "");
    fs::resize_file(big, std::uintmax_t(1) << 30);  // sparse: a gigabyte of zero bytes
    const std::string bigWithNumbers = folder.file("big-numbers.dat", " 833 \r\n 64 \r\n");
    fs::resize_file(bigWithNumbers, std::uintmax_t(1) << 30);
    const std::string across = folder.file("across.dat", std::string(SettingsReadLimit - 3, ' ') + "2500 16");
    fs::create_symlink(folder.path / "good.dat", folder.path / "link-to-good.dat");
    folder.file("good.dat", " 1250 \r\n 4 \r\n");

    const struct {
        std::string path;
        std::string expected;  // errno|description, or the two values
    } cases[] = {
        {fifo.string(), row(ESPIPE, "Die Datei ist eine Pipe, keine gewöhnliche Datei.")},
        {(folder.path / "link-to-pipe.dat").string(), row(ESPIPE, "Die Datei ist eine Pipe, keine gewöhnliche Datei.")},
        {(folder.path / "zero.dat").string(), row(ENODEV, "Die Datei ist ein Gerät, keine gewöhnliche Datei.")},
        {"/dev/null", row(ENODEV, "Die Datei ist ein Gerät, keine gewöhnliche Datei.")},
        {folder.path.string(), row(EISDIR, germanText(describeError(EISDIR)))},
        {big, row(EFBIG, "Die Datei ist zu groß: in ihren ersten 4096 Bytes stehen keine zwei Zahlen.")},
        {across, row(EFBIG, "Die Datei ist zu groß: in ihren ersten 4096 Bytes stehen keine zwei Zahlen.")},
        {bigWithNumbers, row(833, 64)},
        {(folder.path / "link-to-good.dat").string(), row(1250, 4)},
        {(folder.path / "fehlt.dat").string(), row(ENOENT, "Datei nicht gefunden.")},
    };
    for (const auto& c : cases) {
        auto world = std::make_unique<WorldState>();
        const FileResult result = readSettings(*world, c.path);
        EXPECT_EQ(result.ok ? row(world->monthInterval, world->aiDivisor) : row(result.errorNumber, result.description),
                  c.expected)
            << c.path;
    }
}

// The first two whole numbers count, however separated; values the window
// cannot give are moved to the nearest one it offers and the notice names
// each; values inside the ranges are kept, between the window's steps too.
TEST(GameDat, TheFirstTwoWholeNumbersCountMovedIntoTheWindowsRanges)
{
    const struct {
        const char* text;
        int month, divisor;
        bool noticed;
    } cases[] = {
        {" 2500 \r\n 16 \r\n", 2500, 16, false},
        {" 833 , 64 ", 833, 64, false},
        {"416\n256\n", 416, 256, false},
        {"\r\n\r\n  1667 \r\n\r\n 4 ", 1667, 4, false},
        {" 5000 \r\n 1 \r\n 99 \r\nirgendwas\r\n", 5000, 1, false},
        {"1000 3", 1000, 3, false},
        {"20000 1", 20000, 1, false},
        {"0 0", 416, 1, true},
        {"-2147483648,-1", 416, 1, true},
        {"2147483647 16", 20000, 16, true},
        {"2500 1000", 2500, 256, true},
        {"415 257", 416, 256, true},
    };
    for (const auto& c : cases) {
        auto world = std::make_unique<WorldState>();
        const FileResult result = parseSettings(*world, c.text);
        EXPECT_EQ(row(result.ok, world->monthInterval, world->aiDivisor, !result.notice.empty()),
                  row(true, c.month, c.divisor, c.noticed))
            << testing::PrintToString(std::string(c.text));
    }
    auto world = std::make_unique<WorldState>();
    for (const char* text : {" 20000 \r\n", "", " \r\n \r\n", "20000,", "abc 16", "416 x", "4l6,16", "1e3,4",
                             "416,2147483648", "416.5 4"}) {
        const FileResult result = parseSettings(*world, text);
        EXPECT_TRUE(!result.ok && result.errorNumber != 0 && !result.description.empty()) << text;
    }
    EXPECT_EQ(std::pair(world->monthInterval, world->aiDivisor), std::pair(0, 0));  // refusals change nothing
    EXPECT_EQ(germanText(parseSettings(*world, "0 300").notice, "\n"),
              "Ein Spielmonat dauert laut game.dat 0 ms; möglich sind 416 bis 20000 ms. Es gilt jetzt 416 ms.\n"
              "Die KI-Einstellung ist laut game.dat 300; möglich sind 1 bis 256. Es gilt jetzt 256.\n"
              "Unter \"Optionen\" kannst du die Einstellungen neu wählen und speichern.");
    EXPECT_EQ(settingsFileText(416, 16), " 416 \r\n 16 \r\n");
}
