#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace wrk7 {

// How a text shows the characters a line or a column could not: some by a
// name of their own, the rest of the control range as their byte in hex.
// The trace, the cable test and the import reports each show them their own
// way, which their readers know.
struct CharEscapes {
    struct Named {
        char c;
        std::string_view shown;
    };
    std::vector<Named> named;     // looked at first
    const char* hexForm;          // printf form of one byte, e.g. "\\x%02X"
    bool bytesAbove7FInHex;       // false where they are UTF-8 text
};

std::string EscapeChars(std::string_view text, const CharEscapes& how);

}  // namespace wrk7
