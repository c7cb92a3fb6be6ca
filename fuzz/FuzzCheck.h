#pragma once

#include <cstdio>
#include <cstdlib>

// A property a user relies on failed: report it and stop, so that libFuzzer keeps the input.
#define QUORVANE_FUZZ_CHECK(condition)                                                                       \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
