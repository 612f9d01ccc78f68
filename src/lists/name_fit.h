#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/message.h"

namespace wrk7 {

// The one rule every import fits a list's names by, so that the receiver's
// six-character display never shows two different names as one.

struct FittedName {
    // What the slot keeps: at most kNameLength name characters, upper case,
    // no blank at either end (the record pads with blanks, so "ATLAS" and
    // "ATLAS " are one name on the receiver).
    std::string stored;
    // The report line when stored is not what was written, upper-casing and
    // the blanks around it aside: "name "X" shortened to "Y"" or "name "X"
    // stored as "Y"".
    std::optional<Message> change;
};

// The names of one list, in its order. Names written alike (case, the
// blanks around them and line breaks aside) are one name and stay one;
// names written differently stay different once fitted: a name that fits
// keeps itself, one cut or with characters the display lacks keeps what
// tells it from the others ("KDR444 1" ... "KDR444 8" become "KDR441" ...
// "KDR448"), and a number at the end parts those still alike. A name with
// no character the display can show is stored empty.
std::vector<FittedName> FitListNames(const std::vector<std::string>& written);

// A text with each control character (a TAB, an escape, ...) as a blank,
// line breaks included; nullopt when it has none.
std::optional<std::string> WithoutControlCharacters(std::string_view text);
// The text with its control characters written out ("\t", "\x1B"), so a
// report quotes it on one line without moving its columns.
std::string ShownWithControls(std::string_view text);

}  // namespace wrk7
