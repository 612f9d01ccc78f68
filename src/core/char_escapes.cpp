#include "core/char_escapes.h"

#include <cstdio>

namespace wrk7 {

std::string EscapeChars(std::string_view text, const CharEscapes& how) {
    std::string out;
    out.reserve(text.size() + 8);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        bool done = false;
        for (const auto& named : how.named) {
            if (named.c != c) continue;
            out += named.shown;
            done = true;
            break;
        }
        if (done) continue;
        if (byte < 0x20 || byte == 0x7F || (how.bytesAbove7FInHex && byte > 0x7F)) {
            char hex[8];
            std::snprintf(hex, sizeof hex, how.hexForm, byte);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace wrk7
