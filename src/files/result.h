#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/message.h"

namespace wrk7 {

// What a file operation did, with the messages the desktop program shows
// in its boxes (titled kErrorTitle, critical icon), in order. The command-line tool
// prints the same messages in English.
struct FileResult {
    bool ok = true;
    std::vector<Message> messages;
    // Why, where a failure can tell ("not a regular file", "it has 12 lines;
    // a clone file has 2643"): the desktop program shows it under the message
    // with the file's name; the messages themselves stay as they are.
    std::optional<Message> detail = {};
    // A load that succeeded after repairs: one line per repaired record
    // ("line 18: ...; slot 00-000 is left empty"), for one warning box.
    std::vector<Message> repairs = {};

    static FileResult Success() { return {}; }
    static FileResult Failure(Message message, std::optional<Message> detail = {}) {
        return {false, {std::move(message)}, std::move(detail)};
    }
    static FileResult Failure(MessageId message, std::optional<Message> detail = {}) {
        return Failure(Say(message), std::move(detail));
    }
};

inline constexpr std::string_view kFileOpenError = "File Open Error";
inline constexpr std::string_view kDataError = "Data Error";

}  // namespace wrk7
