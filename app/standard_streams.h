// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace coppia {

// Opens /dev/null in place of any of standard input, output and error that the program was
// started without. Otherwise the next file the program opens, a save's temporary file, say,
// would take that number, and a warning written to standard error would land in the file.
void KeepStandardStreamsOpen();

}  // namespace coppia
