#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>

namespace wrk7::fuzz {

// A property the target holds for every input; a violation stops the run
// with a message, and libFuzzer keeps the input as a crash artifact.
inline void Require(bool holds, const char* what, const std::string& detail = {}) {
    if (holds) return;
    std::fprintf(stderr, "property violated: %s %s\n", what, detail.c_str());
    std::abort();
}

// The model an input is tried with: its first byte, so a seed picks it and
// the fuzzer can change it; the rest of the input is the data.
inline int ModelOf(const unsigned char* data, std::size_t size) { return size > 0 ? data[0] % 4 : 0; }

}  // namespace wrk7::fuzz
