// SPDX-License-Identifier: GPL-3.0-or-later
// The one atomic writer behind saves, game.dat, stratagon.ini and pictures:
// each failing step named by its cause with the old file kept byte for byte,
// links and modes kept, and a real full filesystem.

#include "storage/AtomicFile.h"
#include "storage/Preferences.h"
#include "storage/SaveGame.h"
#include "storage/SettingsFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace stratagon;
namespace fs = std::filesystem;

namespace {

std::string bytesOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string put(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

std::size_t entries(const fs::path& folder) { return std::size_t(std::distance(fs::directory_iterator(folder), {})); }

// Fails the one call named, with the errno given; everything else is real.
struct FailingOps : FileOps {
    std::string failing;
    int number = 0;
    int create(const std::string& path, int mode, int& fd) override
    {
        return failing == "create" ? number : FileOps::create(path, mode, fd);
    }
    int write(int fd, std::string_view bytes) override
    {
        // A full disk takes part of the text before it refuses.
        if (failing == "write")
            return FileOps::write(fd, bytes.substr(0, 3)), number;
        return FileOps::write(fd, bytes);
    }
    int sync(int fd) override { return failing == "sync" ? number : FileOps::sync(fd); }
    int close(int fd) override
    {
        const int closed = FileOps::close(fd);
        return failing == "close" ? number : closed;
    }
    int rename(const std::string& from, const std::string& to) override
    {
        return failing == "rename" ? number : FileOps::rename(from, to);
    }
};

// A small tmpfs, filled up to the last byte: a real full disk. Needs root.
struct FullDisk {
    QTemporaryDir dir;
    fs::path path = QFile::encodeName(dir.path()).toStdString();
    bool mounted = ::mount("tmpfs", path.c_str(), "tmpfs", 0, "size=256k") == 0;
    ~FullDisk()
    {
        if (mounted)
            ::umount2(path.c_str(), MNT_DETACH);
    }
    void fill() const
    {
        std::ofstream filler(path / "filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), std::streamsize(block.size())) && filler.flush()) {
        }
    }
};

}  // namespace

// Every failing step is reported by its own cause, the old file stays byte
// for byte and nothing is left beside it. A file that cannot be made names
// the folder: for a linked game.dat it is the target's folder.
TEST(AtomicWrite, AFailedWriteNamesItsCauseAndLeavesTheOldFile)
{
    const std::string old = " 416 \r\n 256 \r\n";
    const struct {
        const char* step;
        int number;
        const char* description;
    } cases[] = {
        {"write", ENOSPC, "Kein Platz mehr auf dem Datenträger."},
        {"write", EDQUOT, "Dein Speicherkontingent auf dem Datenträger ist erschöpft."},
        {"sync", EIO, "Ein-/Ausgabefehler."},
        {"close", ENOSPC, "Kein Platz mehr auf dem Datenträger."},
        {"rename", EROFS, "Der Datenträger ist schreibgeschützt."},
    };
    QTemporaryDir dir;
    const fs::path folder = QFile::encodeName(dir.path()).toStdString();
    for (const auto& c : cases) {
        const std::string path = put(folder / "game.dat", old);
        FailingOps ops;
        ops.failing = c.step, ops.number = c.number;
        const FileResult result = writeSettings(path, 20000, 1, ops);
        EXPECT_FALSE(result.ok) << c.step;
        EXPECT_EQ(result.errorNumber, c.number) << c.step;
        EXPECT_EQ(result.description, c.description) << c.step;
        EXPECT_EQ(bytesOf(path), old) << c.step;
        EXPECT_EQ(entries(folder), 1u) << c.step;
    }

    fs::create_directory(folder / "echt");
    put(folder / "echt" / "game.dat", old);
    fs::remove(folder / "game.dat");
    fs::create_symlink("echt/game.dat", folder / "game.dat");
    FailingOps ops;
    ops.failing = "create", ops.number = EACCES;
    const FileResult result = writeSettings((folder / "game.dat").string(), 20000, 1, ops);
    EXPECT_EQ(result.errorNumber, EACCES);
    EXPECT_EQ(result.description,
              "Im Ordner „" + (folder / "echt").string() + "“ kann keine Datei angelegt werden: Zugriff verweigert.");
    EXPECT_EQ(bytesOf(folder / "echt" / "game.dat"), old);
}

// A link keeps pointing at its target, which gets the values; the target's
// mode survives. A file without any write bit is refused whoever runs the
// game; a missing game.dat is never made, a missing save is.
TEST(AtomicWrite, FollowsLinksKeepsTheModeAndRespectsReadOnlyFiles)
{
    QTemporaryDir dir;
    const fs::path folder = QFile::encodeName(dir.path()).toStdString();
    const std::string target = put(folder / "echt.dat", " 416 \r\n 256 \r\n and a longer tail\r\n");
    fs::permissions(target, fs::perms(0640));
    const fs::path link = folder / "game.dat";
    fs::create_symlink("echt.dat", link);
    ASSERT_TRUE(writeSettings(link.string(), 5000, 4).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(bytesOf(target), " 5000 \r\n 4 \r\n");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
    EXPECT_EQ(entries(folder), 2u);

    fs::permissions(target, fs::perms(0444));
    const FileResult refused = writeSettings(link.string(), 20000, 1);
    EXPECT_EQ(refused.errorNumber, EACCES);
    EXPECT_EQ(bytesOf(target), " 5000 \r\n 4 \r\n");

    fs::remove(target);  // the link now names nothing: game.dat is not made anew
    EXPECT_EQ(writeSettings(link.string(), 20000, 1).errorNumber, ENOENT);
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(writeFileAtomically((folder / "neu.json").string(), "{}").ok);
    EXPECT_EQ(bytesOf(folder / "neu.json"), "{}");
}

// On a really full filesystem a save, game.dat and stratagon.ini keep their
// earlier content, and the save's message names the file and the reason.
TEST(AtomicWrite, AFullDiskKeepsEveryEarlierFile)
{
    FullDisk disk;
    if (!disk.mounted)
        GTEST_SKIP() << "needs root to mount a small tmpfs";
    const QString saves = QString::fromStdString(disk.path.string());
    const QString save = saves + "/Spiel.json";
    ASSERT_TRUE(writeSaveFile(save, "first").ok);
    const std::string gameDat = put(disk.path / "game.dat", " 2500 \r\n 16 \r\n");
    const QString ini = saves + "/stratagon.ini";
    Preferences preferences(ini);
    ASSERT_TRUE(preferences.setValue("game/map", "Afrika"));
    const std::string iniBefore = bytesOf(ini.toStdString());
    disk.fill();

    const SaveWriteResult written = writeSaveFile(save, QByteArray(64 * 1024, 'x'));
    EXPECT_FALSE(written.ok);
    EXPECT_TRUE(written.message.contains(save) && written.message.contains("Kein Platz mehr auf dem Datenträger."))
        << written.message.toStdString();
    EXPECT_EQ(bytesOf(save.toStdString()), "first");

    // game.dat is a few bytes: the last free block may still take them.
    const FileResult settings = writeSettings(gameDat, 20000, 1);
    EXPECT_EQ(bytesOf(gameDat), settings.ok ? " 20000 \r\n 1 \r\n" : " 2500 \r\n 16 \r\n");

    QStringList told;
    preferences.onWriteFailure([&](const QString& m) { told << m; });
    EXPECT_FALSE(preferences.setValue("display/geometry", QString(64 * 1024, 'g')));
    EXPECT_EQ(bytesOf(ini.toStdString()), iniBefore);
    EXPECT_EQ(told.size(), 1);
    for (const char* name : {"Spiel.json.neu", "game.dat.neu", "stratagon.ini.neu"})
        EXPECT_FALSE(fs::exists(disk.path / name)) << name;
}

// A read-only stratagon.ini is told once; the choices hold for the session
// and reach the file as soon as it can take them.
TEST(AtomicWrite, AReadOnlyIniIsToldOnceAndKeepsTheChoices)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("stratagon.ini");
    Preferences preferences(ini);
    preferences.setOpponentCount(2);
    QStringList told;
    preferences.onWriteFailure([&](const QString& m) { told << m; });
    QFile::setPermissions(ini, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const std::string before = bytesOf(ini.toStdString());

    preferences.setOpponentCount(4);
    preferences.setMapName("Europa");
    EXPECT_EQ(preferences.opponentCount(), 4);
    EXPECT_EQ(preferences.mapName(), "Europa");
    EXPECT_EQ(bytesOf(ini.toStdString()), before);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(QDir::toNativeSeparators(ini)) && told[0].contains("Zugriff verweigert."))
        << told[0].toStdString();

    QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner);
    preferences.setZoomPercent(150);
    EXPECT_EQ(Preferences(ini).opponentCount(), 4);
    EXPECT_EQ(Preferences(ini).mapName(), "Europa");
    EXPECT_EQ(Preferences(ini).zoomPercent(), 150);
    EXPECT_EQ(told.size(), 1);
}

// A stratagon.ini that cannot be read whole, one larger than preferences
// ever get or a pipe, is neither read (a pipe would hold the start for ever)
// nor rewritten; the player is told why, and his choices hold for the session.
TEST(AtomicWrite, AnIniThatCannotBeReadWholeIsNeverRewritten)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("stratagon.ini");
    std::string large = "[game]\nopponents=3\n";
    while (large.size() <= LargestPreferences)
        large += "; " + std::string(98, 'x') + "\n";
    put(ini.toStdString(), large);
    Preferences preferences(ini);
    QStringList told;
    preferences.onWriteFailure([&](const QString& m) { told << m; });
    EXPECT_EQ(preferences.opponentCount(), 1);  // not read: the default
    preferences.setOpponentCount(4);
    EXPECT_EQ(preferences.opponentCount(), 4);
    EXPECT_EQ(bytesOf(ini.toStdString()), large);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains("Die Datei ist größer als 1024 KB; so groß sind Einstellungen nie, darum bleibt sie, "
                                 "wie sie ist."))
        << told[0].toStdString();

    QFile::remove(ini);
    ASSERT_EQ(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
    Preferences piped(ini);
    told.clear();
    piped.onWriteFailure([&](const QString& m) { told << m; });
    EXPECT_EQ(piped.mapName(), "");
    piped.setMapName("Europa");
    EXPECT_EQ(piped.mapName(), "Europa");
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains("Die Datei ist eine Pipe, keine gewöhnliche Datei.")) << told[0].toStdString();
    EXPECT_EQ(fs::status(ini.toStdString()).type(), fs::file_type::fifo);
}
