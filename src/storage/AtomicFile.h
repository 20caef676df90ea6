// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one way the game writes a file: the bytes go to a temporary file beside
// the target, which is written, synced and closed, each step checked, and only
// then renamed over it. A failure at any step leaves the earlier file byte for
// byte and says why. Plain POSIX underneath: Qt's buffered writers
// can lose a failed final flush (a full disk) and still rename an empty file.

#include "world/Settings.h"

#include <string>
#include <string_view>

namespace stratagon {

// The system calls the writer makes, so that a test can make each one fail.
// Each returns 0 or the errno of its failure.
class FileOps {
public:
    virtual ~FileOps() = default;
    // A new file, never an old one; mode < 0: the usual mode under the umask.
    virtual int create(const std::string& path, int mode, int& fd);
    virtual int write(int fd, std::string_view bytes);  // all of them
    virtual int sync(int fd);
    virtual int close(int fd);
    virtual int rename(const std::string& from, const std::string& to);
};

enum class Replace {
    OrCreate,  // a missing file is made
    Only,      // a missing file is an error (game.dat is never made anew)
    // A file only the game reads (a cache): whatever stands at the name, a
    // link, a pipe or a file, is replaced by a new regular file and never
    // followed or opened; a folder there is left alone.
    Entry,
};

// Writes `bytes` to `path`. A symbolic link is followed, so its target gets
// the bytes and the link stays (a player may link his settings elsewhere);
// the target's mode and owner are kept. A file without any write bit is
// refused (the superuser passes every access check, the player's own
// protection counts), as is anything that is not a regular file. Replace::Entry
// does none of this. When no file can be made in the target's folder, the
// description names that folder.
FileResult writeFileAtomically(const std::string& path, std::string_view bytes, Replace replace, FileOps& ops);
FileResult writeFileAtomically(const std::string& path, std::string_view bytes, Replace replace = Replace::OrCreate);

}  // namespace stratagon
