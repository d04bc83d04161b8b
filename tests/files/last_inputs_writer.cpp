// SPDX-License-Identifier: GPL-3.0-or-later
// Saves two sets of inputs in turn, without end, until it is killed: the other side of the
// kill test, which stops it at random moments and looks at what the file holds.
#include <cstdio>

#include "files/last_inputs_file.h"
#include "tests/files/kill_test_inputs.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    coppia::LastInputsFile file(argv[1]);
    for (;;) {
        file.Write(coppia::kKillTestNewInputs);
        file.Write(coppia::kKillTestOldInputs);
    }
}
