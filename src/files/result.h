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

    static FileResult Success() { return {}; }
    static FileResult Failure(std::string_view message) { return {false, {std::string(message)}}; }
};

inline constexpr std::string_view kFileOpenError = "File Open Error";
inline constexpr std::string_view kDataError = "Data Error";

}  // namespace wrk7
