// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/Settings.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace stratagon {

namespace {

// The reader's own failure: the file holds fewer than two numbers.
constexpr int ReadPastEndNumber = ENODATA;
// A field that is not a whole number.
constexpr int NotANumber = EINVAL;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A text of the settings file or another file the game reads or writes.
Text fileText(const char* german, std::vector<TextArg> args = {})
{
    return Text(FileErrorsContext, german, std::move(args));
}

}  // namespace

Text describeError(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
        return fileText(QT_TRANSLATE_NOOP("FileErrors", "Datei nicht gefunden."));
    case EACCES:
    case EPERM:
        return fileText(QT_TRANSLATE_NOOP("FileErrors", "Zugriff verweigert."));
    case EISDIR:
        return fileText(QT_TRANSLATE_NOOP("FileErrors", "Der Pfad ist ein Ordner, keine Datei."));
    case ENOSPC:
        return fileText(QT_TRANSLATE_NOOP("FileErrors", "Kein Platz mehr auf dem Datenträger."));
    case EDQUOT:
        return fileText(QT_TRANSLATE_NOOP("FileErrors", "Dein Speicherkontingent auf dem Datenträger ist erschöpft."));
    case EROFS:
        return fileText(QT_TRANSLATE_NOOP("FileErrors", "Der Datenträger ist schreibgeschützt."));
    case EIO:
        return fileText(QT_TRANSLATE_NOOP("FileErrors", "Ein-/Ausgabefehler."));
    case ReadPastEndNumber:
        return fileText(QT_TRANSLATE_NOOP("FileErrors", "Die Datei enthält weniger als zwei Zahlen."));
    case NotANumber:
        return fileText(QT_TRANSLATE_NOOP("FileErrors", "Ein Eintrag der Datei ist keine ganze Zahl."));
    default:
        // The system's own words for the rest.
        return fileText(QT_TRANSLATE_NOOP("FileErrors", "Dateifehler (%1)."),
                        {TextArg::plain(std::strerror(errorNumber))});
    }
}

FileResult fileFailure(int number, std::vector<Text> reason)
{
    FileResult failed{false, number, std::move(reason), {}, {}};
    failed.description = germanText(failed.reason);
    return failed;
}

FileResult fileFailure(int number) { return fileFailure(number, {describeError(number)}); }

// Refuses what is not a regular file: reading a pipe would wait for a writer
// for ever, a device like /dev/zero never ends.
FileResult requireRegularFile(unsigned mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return fileFailure(EISDIR);
    if (S_ISFIFO(mode))
        return fileFailure(
            ESPIPE, {fileText(QT_TRANSLATE_NOOP("FileErrors", "Die Datei ist eine Pipe, keine gewöhnliche Datei."))});
    if (S_ISSOCK(mode))
        return fileFailure(
            ESPIPE, {fileText(QT_TRANSLATE_NOOP("FileErrors", "Die Datei ist ein Socket, keine gewöhnliche Datei."))});
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return fileFailure(
            ENODEV, {fileText(QT_TRANSLATE_NOOP("FileErrors", "Die Datei ist ein Gerät, keine gewöhnliche Datei."))});
    return fileFailure(ENODEV, {fileText(QT_TRANSLATE_NOOP("FileErrors", "Die Datei ist keine gewöhnliche Datei."))});
}

namespace {

bool isDelimiter(char c) { return isSpace(c) || c == ','; }

// What stat or fstat found: success only for a regular file.
FileResult regularFileStat(int statResult, const struct stat& st)
{
    return statResult != 0 ? fileFailure(errno) : requireRegularFile(st.st_mode);
}

struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

}  // namespace

FileResult readRegularFile(const std::string& path, std::size_t limit, std::string& bytes)
{
    return readRegularFile(path, limit, [&bytes](std::size_t size) {
        bytes.resize(size);
        return bytes.data();
    });
}

FileResult readRegularFile(const std::string& path, std::size_t limit,
                           const std::function<char*(std::size_t size)>& resize, Links links)
{
    // Look before opening: opening a pipe or a device may already block or
    // act; a link is followed to what it names unless links are refused.
    const bool follow = links == Links::Follow;
    struct stat st {};
    if (FileResult looked = regularFileStat(follow ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st), st);
        !looked.ok)
        return looked;
    Descriptor file;
    file.fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (follow ? 0 : O_NOFOLLOW));
    if (file.fd < 0)
        return fileFailure(errno);
    // The name may have been swapped for something else since the look.
    if (FileResult opened = regularFileStat(::fstat(file.fd, &st), st); !opened.ok)
        return opened;

    const std::size_t wanted = limit + 1;
    std::size_t size = std::min<std::size_t>(wanted, std::size_t(std::max<off_t>(st.st_size, 0)) + 1);
    char* data = resize(size);
    std::size_t got = 0;
    while (got < wanted) {
        if (got == size) {
            size = std::min(wanted, size * 2);
            data = resize(size);
        }
        const ssize_t n = ::read(file.fd, data + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fileFailure(errno);
        if (n == 0)
            break;
        got += std::size_t(n);
    }
    resize(got);
    return {};
}

FileResult readSettings(WorldState& world, const std::string& path)
{
    std::string bytes;
    if (FileResult read = readRegularFile(path, SettingsReadLimit, bytes); !read.ok)
        return read;
    std::string_view text(bytes.data(), std::min(bytes.size(), SettingsReadLimit));
    const bool cut = bytes.size() > SettingsReadLimit;
    if (cut) {
        // A number standing across the limit must not be read in part.
        const std::size_t last = text.find_last_of(" \t\r\n,");
        text = text.substr(0, last == std::string_view::npos ? 0 : last + 1);
    }
    FileResult result = parseSettings(world, text);
    if (cut && !result.ok && result.errorNumber == ReadPastEndNumber)
        return fileFailure(
            EFBIG,
            {fileText(QT_TRANSLATE_NOOP("FileErrors",
                                        "Die Datei ist zu groß: in ihren ersten %1 Bytes stehen keine zwei Zahlen."),
                      {TextArg::num(int64_t(SettingsReadLimit))})});
    return result;
}

FileResult parseSettings(WorldState& world, std::string_view text)
{
    // Before a number: skip blanks and line ends. A number ends at a blank,
    // a comma or a line end. Whatever follows the second is ignored.
    int32_t values[2] = {0, 0};
    std::size_t pos = 0;
    for (int n = 0; n < 2; ++n) {
        while (pos < text.size() && isSpace(text[pos]))
            ++pos;
        if (pos >= text.size())
            return fileFailure(ReadPastEndNumber);
        const std::size_t start = pos;
        while (pos < text.size() && !isDelimiter(text[pos]))
            ++pos;
        const std::string_view field = text.substr(start, pos - start);
        // "833 , 64": blanks may stand between a number and its comma.
        std::size_t after = pos;
        while (after < text.size() && (text[after] == ' ' || text[after] == '\t'))
            ++after;
        if (after < text.size() && text[after] == ',')
            pos = after + 1;
        // Something that is not a whole number is no setting: the game would
        // run with a clock or an opponent nobody chose.
        std::string_view digits = field;
        if (!digits.empty() && digits.front() == '+')
            digits.remove_prefix(1);
        int32_t value = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size())
            return fileFailure(NotANumber);
        values[n] = value;
    }

    // A value the settings window cannot give makes no game (a clock of 1 ms,
    // one that never ticks); the nearest one it offers does. Values inside the
    // ranges stay as they are, also those between the window's steps.
    FileResult result;
    const int32_t month = std::clamp(values[0], ShortestMonth, LongestMonth);
    const int32_t divisor = std::clamp(values[1], MostActiveOpponent, LeastActiveOpponent);
    if (month != values[0])
        result.notice.push_back(fileText(
            QT_TRANSLATE_NOOP("FileErrors", "Ein Spielmonat dauert laut game.dat %1 ms; möglich sind %2 bis "
                                            "%3 ms. Es gilt jetzt %4 ms."),
            {TextArg::num(values[0]), TextArg::num(ShortestMonth), TextArg::num(LongestMonth), TextArg::num(month)}));
    if (divisor != values[1])
        result.notice.push_back(
            fileText(QT_TRANSLATE_NOOP("FileErrors", "Die KI-Einstellung ist laut game.dat %1; möglich sind %2 bis "
                                                     "%3. Es gilt jetzt %4."),
                     {TextArg::num(values[1]), TextArg::num(MostActiveOpponent), TextArg::num(LeastActiveOpponent),
                      TextArg::num(divisor)}));
    if (!result.notice.empty())
        result.notice.push_back(fileText(QT_TRANSLATE_NOOP(
            "FileErrors", "Unter \"Optionen\" kannst du die Einstellungen neu wählen und speichern.")));
    world.monthInterval = month;
    world.aiDivisor = divisor;
    return result;
}

std::string settingsFileText(int monthInterval, int aiDivisor)
{
    return " " + std::to_string(monthInterval) + " \r\n " + std::to_string(aiDivisor) + " \r\n";
}

}  // namespace stratagon
