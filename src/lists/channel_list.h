#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/message.h"
#include "lists/chirp_map.h"
#include "lists/list_formats.h"

namespace wrk7 {

// The lists listeners find their channels in, read into one form: CHIRP's
// generic CSV, a frequency database's county/agency export (current and older layout), a
// repeater directory's export, and the bookmarks of three SDR programs.
// Columns are found by heading, in any order and case, never by position.

// Recognised from the content alone: the headings of the CSV layouts, the
// XML root, the JSON keys, gqrx's "# Frequency ;" heading. nullopt for
// anything else (an empty, binary or unknown text). This program's CSV is
// told too, though its own importer reads it.
std::optional<ListFileType> DetectListFile(std::string_view text);
// The list ReadChannelList reads that text is, if it is one.
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
    // CHIRP's: the row's Location without the blanks around it, and every
    // column its mapping reads (MapChirpRow). nullopt for the other lists.
    std::optional<std::string> location;
    std::optional<ChirpRow> chirp;
    // A row that cannot be read as the heading says (its columns shifted by
    // an unescaped comma, a field missing): left out with this reason.
    std::optional<Message> unreadable;
};

struct ChannelList {
    ListFormat format = ListFormat::kRadioReference;
    std::vector<ListRow> rows;  // in file order
    // Why the text is no list of that format (no heading, XML or JSON not
    // well formed, not the expected root): nothing is imported.
    std::optional<Message> failure;
};

// The rows of text read as format (DetectListFile's when not given). This
// program's CSV, whose rows hold whole slots, is imported by its own reader
// and refused here with a failure.
ChannelList ReadChannelList(std::string_view text, std::optional<ListFormat> format = std::nullopt);

}  // namespace wrk7
