// CHECK for the fuzz targets: stops the run with the property that broke, so
// a crash report names it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define CHECK(condition)                                                                           \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s (line %d)\n", #condition, __LINE__);         \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
