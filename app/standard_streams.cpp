// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace coppia {

void KeepStandardStreamsOpen() {
    for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
        if (fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        // open() takes the lowest free number: the stream that is missing.
        const int opened = open("/dev/null", O_RDWR);
        if (opened >= 0 && opened != stream)
            close(opened);
    }
}

}  // namespace coppia
