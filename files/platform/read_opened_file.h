// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "files/platform/safe_file.h"

namespace coppia {

// For the systems' sides of the bounded read: reads the regular file they opened into `result`,
// at most `limit` bytes, the same way on every system. `read` reads into a buffer and gives the
// bytes read, 0 at the end, or less on an error, whose reason `failure` then gives.
void ReadOpenedFile(BoundedRead& result, std::size_t limit,
                    const std::function<std::ptrdiff_t(char*, std::size_t)>& read,
                    const std::function<std::string()>& failure);

}  // namespace coppia
