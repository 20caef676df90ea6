// SPDX-License-Identifier: GPL-3.0-or-later
// game.dat as the player's file: a bounded read of regular files only, values
// the settings window could give, and a writer that keeps links, modes and
// the old content and names the real cause of a failure.

#include "world/Settings.h"

#include "CoreTestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
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
    fs::path path = fs::path(testing::TempDir()) /
                    ("stratagon-game-dat-" + std::to_string(getpid()) + "-" +
                     testing::UnitTest::GetInstance()->current_test_info()->name());
    Folder() { fs::remove_all(path), fs::create_directories(path); }
    ~Folder() { fs::remove_all(path); }
    std::string file(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path / name, std::ios::binary) << bytes;
        return (path / name).string();
    }
};

std::string bytesOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

// Whatever stands at game.dat's place is answered at once: no waiting for a
// pipe's writer, no endless device, no gigabyte read.
TEST(SettingsFile, ReadsOnlyRegularFilesAndOnlyTheirStart)
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
        {folder.path.string(), row(EISDIR, describeError(EISDIR))},
        {big, row(EFBIG, "Die Datei ist zu groß: in ihren ersten 4096 Bytes stehen keine zwei Zahlen.")},
        {across, row(EFBIG, "Die Datei ist zu groß: in ihren ersten 4096 Bytes stehen keine zwei Zahlen.")},
        {bigWithNumbers, row(833, 64)},
        {(folder.path / "link-to-good.dat").string(), row(1250, 4)},
    };
    for (const auto& c : cases) {
        auto world = std::make_unique<WorldState>();
        const auto start = std::chrono::steady_clock::now();
        const FileResult result = readSettings(*world, c.path);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took, std::chrono::milliseconds(100)) << c.path;
        EXPECT_EQ(result.ok ? row(world->monthInterval, world->aiDivisor) : row(result.errorNumber, result.description),
                  c.expected)
            << c.path;
    }
}

// Values the window cannot give are moved to the nearest one it offers, and
// the notice names each; values inside the ranges are kept, between the
// window's steps too.
TEST(SettingsFile, ValuesOutsideTheWindowsRangesAreMovedToTheNearestEnd)
{
    const struct {
        const char* text;
        int month, divisor;
        bool noticed;
    } cases[] = {
        {"0 0", 416, 1, true},
        {"-2147483648,-1", 416, 1, true},
        {"2147483647 16", 20000, 16, true},
        {"2500 1000", 2500, 256, true},
        {"415 257", 416, 256, true},
        {"416 256", 416, 256, false},
        {"20000 1", 20000, 1, false},
        {"1000 3", 1000, 3, false},
    };
    for (const auto& c : cases) {
        auto world = std::make_unique<WorldState>();
        const FileResult result = parseSettings(*world, c.text);
        EXPECT_EQ(row(result.ok, world->monthInterval, world->aiDivisor, !result.notice.empty()),
                  row(true, c.month, c.divisor, c.noticed))
            << c.text;
    }
    auto world = std::make_unique<WorldState>();
    EXPECT_EQ(parseSettings(*world, "0 300").notice,
              "Ein Spielmonat dauert laut game.dat 0 ms; möglich sind 416 bis 20000 ms. Es gilt jetzt 416 ms.\n"
              "Die KI-Einstellung ist laut game.dat 300; möglich sind 1 bis 256. Es gilt jetzt 256.\n"
              "Unter \"Optionen\" kannst du die Einstellungen neu wählen und speichern.");
}

namespace {

// Fails the one call named, with the errno given; everything else is real.
struct FailingOps : SettingsFileOps {
    std::string failing;
    int number = 0;
    int create(const std::string& path, unsigned mode, int& fd) override
    {
        return failing == "create" ? number : SettingsFileOps::create(path, mode, fd);
    }
    int write(int fd, std::string_view bytes) override
    {
        // A full disk takes part of the text before it refuses.
        if (failing == "write")
            return SettingsFileOps::write(fd, bytes.substr(0, 3)), number;
        return SettingsFileOps::write(fd, bytes);
    }
    int sync(int fd) override { return failing == "sync" ? number : SettingsFileOps::sync(fd); }
    int close(int fd) override
    {
        const int closed = SettingsFileOps::close(fd);
        return failing == "close" ? number : closed;
    }
    int rename(const std::string& from, const std::string& to) override
    {
        return failing == "rename" ? number : SettingsFileOps::rename(from, to);
    }
};

}  // namespace

// Every failing step is reported by its own cause, the old file stays byte
// for byte and nothing is left beside it.
TEST(SettingsFile, AFailedSaveNamesItsCauseAndLeavesTheOldFile)
{
    const std::string old = " 416 \r\n 256 \r\n";
    const struct {
        const char* step;
        int number;
        const char* description;
    } cases[] = {
        {"create", EACCES, "Zugriff verweigert."},
        {"write", ENOSPC, "Kein Platz mehr auf dem Datenträger."},
        {"write", EDQUOT, "Dein Speicherkontingent auf dem Datenträger ist erschöpft."},
        {"sync", EIO, "Ein-/Ausgabefehler."},
        {"close", ENOSPC, "Kein Platz mehr auf dem Datenträger."},
        {"rename", EROFS, "Der Datenträger ist schreibgeschützt."},
    };
    for (const auto& c : cases) {
        Folder folder;
        const std::string path = folder.file("game.dat", old);
        FailingOps ops;
        ops.failing = c.step, ops.number = c.number;
        const FileResult result = writeSettings(path, 20000, 1, ops);
        EXPECT_EQ(row(result.ok, result.errorNumber, result.description), row(false, c.number, c.description))
            << c.step;
        EXPECT_EQ(bytesOf(path), old) << c.step;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), {}), 1) << c.step;
    }
}

// A link keeps pointing at its target, which gets the values; the target's
// mode survives. A file without any write bit is refused whoever runs the
// game: the superuser passes access(), so the mode bits are what counts.
TEST(SettingsFile, SavingFollowsLinksKeepsTheModeAndRespectsReadOnlyFiles)
{
    Folder folder;
    const std::string target = folder.file("echt.dat", " 416 \r\n 256 \r\n");
    fs::permissions(target, fs::perms(0640));
    const fs::path link = folder.path / "game.dat";
    fs::create_symlink("echt.dat", link);
    ASSERT_TRUE(writeSettings(link.string(), 5000, 4).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(bytesOf(target), " 5000 \r\n 4 \r\n");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));

    fs::permissions(target, fs::perms(0444));
    const FileResult refused = writeSettings(link.string(), 20000, 1);
    EXPECT_EQ(row(refused.errorNumber, refused.description), row(EACCES, "Zugriff verweigert."));
    EXPECT_EQ(bytesOf(target), " 5000 \r\n 4 \r\n");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0444));

    fs::remove(target);  // the link now names nothing: nothing is made anew
    EXPECT_EQ(writeSettings(link.string(), 20000, 1).errorNumber, ENOENT);
    EXPECT_FALSE(fs::exists(target));
}
