#pragma once

#include <cstdio>
#include <cstdlib>

namespace lc::fuzz {

// Stops the run on a broken property, naming it, so that libFuzzer keeps the input that broke it.
[[noreturn]] inline void Broken(const char* property) {
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

inline void Require(bool holds, const char* property) {
    if (!holds) {
        Broken(property);
    }
}

}  // namespace lc::fuzz
