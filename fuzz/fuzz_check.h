// SPDX-License-Identifier: GPL-3.0-or-later
// How the question fuzzer reports a broken invariant: it names the step that
// broke it and aborts, which libFuzzer takes for a crash and keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace fuzz {

// The step being checked, for the report ("Сохранить", "the game's questions" ...).
extern const char* stepName;

}

#define FUZZ_CHECK(condition, what)                                                         \
    do {                                                                                    \
        if (!(condition)) {                                                                 \
            std::fprintf(stderr, "invariant broken after %s: %s\n", fuzz::stepName, what); \
            std::abort();                                                                   \
        }                                                                                   \
    } while (0)
