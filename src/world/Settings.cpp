#include "world/Settings.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace stratagon {

namespace {

FileResult failure(int number)
{
    return {false, number, describeError(number)};
}

// The reader's own failure: the file holds fewer than two numbers.
constexpr int ReadPastEndNumber = ENODATA;
// A field that is not a whole number.
constexpr int NotANumber = EINVAL;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string describeError(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
        return "Datei nicht gefunden.";
    case EACCES:
    case EPERM:
        return "Zugriff verweigert.";
    case EISDIR:
        return "Der Pfad ist ein Ordner, keine Datei.";
    case ENOSPC:
        return "Kein Platz mehr auf dem Datenträger.";
    case EROFS:
        return "Der Datenträger ist schreibgeschützt.";
    case EIO:
        return "Ein-/Ausgabefehler.";
    case ReadPastEndNumber:
        return "Die Datei enthält weniger als zwei Zahlen.";
    case NotANumber:
        return "Ein Eintrag der Datei ist keine ganze Zahl.";
    default:
        return "Dateifehler (" + std::string(std::strerror(errorNumber)) + ").";
    }
}

FileResult readSettings(WorldState& world, const std::string& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return failure(EISDIR);
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return failure(errno ? errno : ENOENT);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return failure(EIO);

    return parseSettings(world, text);
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
            return failure(ReadPastEndNumber);
        const std::size_t start = pos;
        while (pos < text.size() && !isSpace(text[pos]) && text[pos] != ',')
            ++pos;
        const std::string field(text.substr(start, pos - start));
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
            return failure(NotANumber);
        values[n] = value;
    }
    world.monthInterval = values[0];
    world.aiDivisor = values[1];
    return {};
}

std::string settingsFileText(int monthInterval, int aiDivisor)
{
    return " " + std::to_string(monthInterval) + " \r\n " + std::to_string(aiDivisor) + " \r\n";
}

FileResult writeSettings(const std::string& path, int monthInterval, int aiDivisor)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::exists(path, ec))
        return failure(ec ? ec.value() : ENOENT);
    if (fs::is_directory(path, ec))
        return failure(EISDIR);

    const std::string temporary = path + ".neu";
    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return failure(errno ? errno : EACCES);
        out << settingsFileText(monthInterval, aiDivisor);
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temporary, ec);
            return failure(EIO);
        }
    }
    fs::rename(temporary, path, ec);
    if (ec) {
        const int number = ec.value();
        fs::remove(temporary, ec);
        return failure(number);
    }
    return {};
}

void fillStatusTexts(WorldState& world)
{
    world.statusText[0] = "Bereit für den Einsatz";
    world.statusText[1] = "Wird Ausgebildet";
    world.statusText[2] = "Wird im Kampf eingesetzt";
}

}  // namespace stratagon
