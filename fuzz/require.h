#pragma once

#include <cstdio>
#include <cstdlib>

// Aborts with the broken invariant's name, so that libFuzzer keeps the input as a finding.
inline void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}
