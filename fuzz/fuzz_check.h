// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>

// A failed property: says which, then aborts so that libFuzzer keeps and prints the input.
#define FUZZ_CHECK(condition, what)                                               \
    do {                                                                          \
        if (!(condition)) {                                                       \
            std::fprintf(stderr, "property failed: %s (%s)\n", what, #condition); \
            std::abort();                                                         \
        }                                                                         \
    } while (false)
