// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "files/save_result.h"

namespace coppia {

// The program's small files, read and written so that nothing at their path can block the
// program, fill its memory or be damaged. Paths are bytes, as the system names files.

struct BoundedRead {
    std::string bytes;
    bool complete = true;  // false when the file goes on beyond the limit, or a read failed
};

// At most `limit` bytes of the regular file at `path`. It is opened without blocking and its
// type checked on what was opened, so that a FIFO or a device there returns at once. Empty
// when nothing regular can be opened there.
std::optional<BoundedRead> ReadRegularFile(const std::string& path, std::size_t limit);

// Writes a temporary file beside the file, makes sure every byte reached the disk, then
// renames it over the file: the file holds the old bytes or the new bytes, never a part.
// Only a regular file is replaced (through a symbolic link that leads to one, which stays) or
// a missing one created, with its missing folders; anything else at the path is left alone,
// as is a file the user may not write. A successful save also removes the temporary files
// that an interrupted one left.
SaveResult ReplaceFile(const std::string& path, const std::string& bytes);

}  // namespace coppia
