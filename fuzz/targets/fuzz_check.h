#pragma once

#include <cstdio>
#include <cstdlib>

// A property every input must keep; a broken one stops the run so that the
// fuzzer saves the input.
#define FUZZ_CHECK(condition)                                                            \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                \
        }                                                                                \
    } while (0)
