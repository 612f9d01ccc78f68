#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace wrk7 {

// What a file operation did, with the message texts the desktop program shows
// in its boxes (titled kErrorTitle, critical icon), in order. The command-line tool
// prints the same texts.
struct FileResult {
    bool ok = true;
    std::vector<std::string> messages;
    // Why, in words, where a failure can tell ("not a regular file", "it has
    // 12 lines; a clone file has 2643"): the desktop program shows it under
    // the message with the file's name; the messages themselves stay as they
    // are.
    std::string detail = {};
    // A load that succeeded after repairs: one line per repaired record
    // ("line 18: ...; slot 00-000 is left empty"), for one warning box.
    std::vector<std::string> repairs = {};

    static FileResult Success() { return {}; }
    static FileResult Failure(std::string_view message, std::string detail = {}) {
        return {false, {std::string(message)}, std::move(detail)};
    }
};

inline constexpr std::string_view kFileOpenError = "File Open Error";
inline constexpr std::string_view kDataError = "Data Error";

}  // namespace wrk7
