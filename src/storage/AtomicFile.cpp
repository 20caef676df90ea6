// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace stratagon {

int FileOps::create(const std::string& path, int mode, int& fd)
{
    // A leftover of an earlier failed write is taken away; O_EXCL never opens
    // something another program put there instead.
    ::unlink(path.c_str());
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode < 0 ? 0666 : 0600);
    if (fd < 0)
        return errno;
    // The umask must not change the mode the player gave the file.
    if (mode >= 0 && ::fchmod(fd, mode_t(mode)) != 0) {
        const int number = errno;
        ::close(fd);
        ::unlink(path.c_str());
        fd = -1;
        return number;
    }
    return 0;
}

int FileOps::write(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        bytes.remove_prefix(std::size_t(n));
    }
    return 0;
}

int FileOps::sync(int fd) { return ::fsync(fd) == 0 ? 0 : errno; }

int FileOps::close(int fd)
{
    // After a failed close the descriptor is gone on Linux; it is not retried.
    return ::close(fd) == 0 ? 0 : errno;
}

int FileOps::rename(const std::string& from, const std::string& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

FileResult writeFileAtomically(const std::string& path, std::string_view bytes, Replace replace)
{
    FileOps system;
    return writeFileAtomically(path, bytes, replace, system);
}

FileResult writeFileAtomically(const std::string& path, std::string_view bytes, Replace replace, FileOps& ops)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    struct stat st {};
    fs::path target;
    bool exists = false;
    if (replace == Replace::Entry) {
        // Only the name's own entry is looked at; the folder may be a link.
        if (::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            return fileFailure(EISDIR);
        const fs::path own = fs::absolute(path, ec);
        if (!ec)
            target = fs::weakly_canonical(own.parent_path(), ec) / own.filename();
    } else {
        exists = ::stat(path.c_str(), &st) == 0;
        if (!exists && (errno != ENOENT || replace == Replace::Only))
            return fileFailure(errno);
        // A link is followed to the file it names: that file gets the bytes,
        // the link stays. A new file's folder is resolved the same way.
        target = exists ? fs::canonical(path, ec) : fs::weakly_canonical(path, ec);
    }
    if (ec)
        return fileFailure(ec.value());
    int mode = -1;
    if (exists) {
        if (FileResult regular = requireRegularFile(st.st_mode); !regular.ok)
            return regular;
        // Renaming over a file needs only the folder's permission: a read-only
        // file is refused here. The mode bits are looked at too, because the
        // superuser passes every access check.
        if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
            return fileFailure(EACCES);
        mode = int(st.st_mode & 07777);
    }

    const std::string temporary = target.string() + ".neu";
    int fd = -1;
    if (const int number = ops.create(temporary, mode, fd)) {
        return fileFailure(number,
                           {Text(FileErrorsContext,
                                 QT_TRANSLATE_NOOP("FileErrors", "Im Ordner „%1“ kann keine Datei angelegt werden: "),
                                 {TextArg::plain(target.parent_path().string())}),
                            describeError(number)});
    }
    int number = ops.write(fd, bytes);
    if (number == 0)
        number = ops.sync(fd);
    // Closed in any case; its failure counts when nothing failed before.
    const int closed = ops.close(fd);
    if (number == 0)
        number = closed;
    if (number == 0 && exists) {
        // The player keeps owning the file when the superuser writes it; a
        // user who may not give it away keeps it as it comes.
        [[maybe_unused]] const int ignored = ::chown(temporary.c_str(), st.st_uid, st.st_gid);
    }
    if (number == 0)
        number = ops.rename(temporary, target.string());
    if (number != 0) {
        ::unlink(temporary.c_str());
        return fileFailure(number);
    }
    // The rename itself reaches the disk with the folder.
    const int folder = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

}  // namespace stratagon
