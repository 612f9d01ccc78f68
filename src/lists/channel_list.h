#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/message.h"

namespace wrk7 {

// The lists listeners find their channels in, read into one form: the two
// CSV layouts of this program and of the open multi-radio tool, a frequency
// database's county/agency export (current and older layout), a repeater
// directory's export, and the bookmarks of three SDR programs. Columns are
// found by heading, in any order and case, never by position.

enum class ListFormat {
    kWrk7,            // this program's CSV
    kChirp,           // the open multi-radio tool's generic CSV
    kRadioReference,  // frequency-database county/agency export, either layout
    kRepeaterBook,    // repeater directory export
    kGqrx,            // gqrx bookmarks.csv
    kSdrSharp,        // SDR# frequencies.xml
    kSdrPlusPlus,     // SDR++ frequency manager JSON
};

// The name --format takes and reports: "wrk7", "chirp", "radioreference",
// "repeaterbook", "gqrx", "sdrsharp", "sdrpp".
std::string_view FormatName(ListFormat format);
std::optional<ListFormat> FormatNamed(std::string_view name);  // any case
// What the window calls it ("gqrx bookmarks", "SDR# frequency manager", ...).
std::string_view FormatTitle(ListFormat format);

// Recognised from the content alone: the headings of the CSV layouts, the
// XML root, the JSON keys, gqrx's "# Frequency ;" heading. nullopt for
// anything else (an empty, binary or unknown text).
std::optional<ListFormat> DetectListFormat(std::string_view text);

// One row of a list as written, nothing converted yet.
struct ListRow {
    int line = 0;              // 1-based line of the file where it starts (JSON: the bookmark's order, from 1)
    std::string frequency;     // as written
    bool hertz = false;        // frequency in Hz (the SDR programs), else MHz
    std::string mode;          // as written: "FMN", "Narrow FM", "NFM", "1" is already a name ("WFM")
    std::string tone;          // as written: "114.8 PL", "023 DPL", "293 NAC", "CSQ", "88.5", "D125", ""
    std::string name;          // alpha tag, call or bookmark name
    std::string note;          // description; else agency, location, group or tag
    // What the preview filters by; empty where the format has no such field.
    std::string tag, agency, group, county;
    // A row that cannot be read as the heading says (its columns shifted by
    // an unescaped comma, a field missing): left out with this reason.
    std::optional<Message> unreadable;
};

struct ChannelList {
    ListFormat format = ListFormat::kWrk7;
    std::vector<ListRow> rows;  // in file order
    // Why the text is no list of that format (no heading, XML or JSON not
    // well formed, not the expected root): nothing is imported.
    std::optional<Message> failure;
};

// The rows of text read as format (DetectListFormat's when not given). The
// two CSV layouts that have slots of their own (kWrk7, kChirp) are imported
// by their own readers and are refused here with a failure.
ChannelList ReadChannelList(std::string_view text, std::optional<ListFormat> format = std::nullopt);

}  // namespace wrk7
