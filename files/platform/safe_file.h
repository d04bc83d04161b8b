// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

#include "files/platform/save_result.h"

namespace coppia {

// The program's files, read and written so that nothing at their path can block the program,
// fill its memory or be damaged. Paths are bytes, as the system names files.

struct BoundedRead {
    bool opened = false;  // whether a regular file was there and could be opened
    std::string bytes;
    bool complete = true;  // false when the file goes on beyond the limit, or a read failed
    // Why a file that is there could not be read whole: not a regular file, no permission, an
    // error of the disk. Empty when it was, and when there is no file at all.
    std::string problem;
};

// At most `limit` bytes of the regular file at `path`. Nothing but a regular file is opened,
// and its type is checked again on what was opened, so that a FIFO or a device there is
// neither read nor opened. What another program puts at the path between the look and the
// opening is opened without waiting (for a FIFO's writer, say), and then refused.
BoundedRead ReadRegularFile(const std::string& path, std::size_t limit);

// The system calls by which a read reaches its file. ReadRegularFile uses the system's own; a
// test puts others in their place, to put something else at the path between the look at its
// type and the opening, as another program may, or to fail a read.
class ReadCalls {
  public:
    virtual ~ReadCalls() = default;
    virtual int Open(const char* path, int flags);
    virtual ssize_t Read(int fd, void* bytes, std::size_t size);
};

BoundedRead ReadRegularFile(const std::string& path, std::size_t limit, ReadCalls& calls);

// What a read holds up to its last complete line when the bound or an error cut it, so that a
// line cut short is never taken for a shorter one; all of it when it is whole.
std::string_view WholeLines(const BoundedRead& read);

// Writes a temporary file beside the file, makes sure every byte reached the disk, then
// renames it over the file: the file holds the old bytes or the new bytes, never a part.
// Only a regular file is replaced (through a symbolic link that leads to one, which stays) or
// a missing one created, with its missing folders; anything else at the path is left alone,
// as is a file the user may not write. Every failure comes with the reason of the call that
// failed.
SaveResult ReplaceFile(const std::string& path, const std::string& bytes);

// As ReplaceFile, but a folder that is missing is not made: a file the user chose lies in a
// folder they chose, and one removed since is gone on purpose. The save fails with the folder
// named ("la cartella /home/pilota/modelli non esiste più") and folderGone set.
SaveResult ReplaceFileInItsFolder(const std::string& path, const std::string& bytes);

// Why ReplaceFile would refuse the path, found without opening or creating anything there, so
// that it cannot block: empty when the path is a regular file the user may write, a link to
// one, or a new file in a folder that exists and can be written. For writers that have work to
// do before they write, and that create no folders.
std::string ReplaceRefusal(const std::string& path);

// The temporary files are hidden and carry the program's mark: ".Mervanti.ini.coppia-Ab3dE9".
// A successful save removes the ones of its file that a killed save left, but only those
// untouched for this long, which no save still running can own.
inline constexpr std::chrono::minutes kLeftoverAge{15};

// The system calls by which a save reaches the disk. ReplaceFile uses the system's own; a test
// puts others in their place to fail any one of them, or to see their order.
class SaveCalls {
  public:
    virtual ~SaveCalls() = default;
    virtual int Open(const char* path, int flags, mode_t mode);
    virtual ssize_t Write(int fd, const void* bytes, std::size_t size);
    virtual int Fsync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
};

enum class MissingFolders { Make, Refuse };
SaveResult ReplaceFile(const std::string& path, const std::string& bytes, SaveCalls& calls,
                       MissingFolders missing = MissingFolders::Make);

}  // namespace coppia
