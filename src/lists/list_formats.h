#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace wrk7 {

// The one table of the list files both programs read and write: the name
// wrk7's --format takes, the title messages give, the suffix File > Import
// looks for and the filter File > Export offers.

// Every kind of list file, in the table's order.
enum class ListFileType {
    kOwnCsv,          // this program's CSV: its rows name their slots
    kChirpCsv,        // the open multi-radio tool's generic CSV: its rows name their Locations
    kRadioReference,  // frequency-database county/agency export, either layout
    kRepeaterBook,    // repeater directory export
    kGqrx,            // gqrx bookmarks.csv
    kSdrSharp,        // SDR# frequencies.xml
    kSdrPlusPlus,     // SDR++ frequency manager JSON
};

// The lists ReadChannelList reads into rows: CHIRP's, whose rows name their
// Locations, and those without slots of their own.
enum class ListFormat {
    kChirp,
    kRadioReference,
    kRepeaterBook,
    kGqrx,
    kSdrSharp,
    kSdrPlusPlus,
};

struct ListFileInfo {
    ListFileType type;
    std::optional<ListFormat> rows;  // what ReadChannelList reads it as; nullopt: its own importer (ours)
    std::string_view name;           // "wrk7", "chirp", "radioreference", ...
    std::string_view title;          // "gqrx bookmarks"; the window translates it
    std::string_view suffix;         // "csv"
    std::string_view exportFilter;   // "gqrx Bookmarks (*.csv)|*.csv"; empty: never written
};

inline constexpr ListFileInfo kListFiles[] = {
    {ListFileType::kOwnCsv, std::nullopt, "wrk7", "this program's CSV", "csv", "CSV Files (*.csv)|*.csv"},
    {ListFileType::kChirpCsv, ListFormat::kChirp, "chirp", "CHIRP CSV", "csv", "CHIRP CSV Files (*.csv)|*.csv"},
    {ListFileType::kRadioReference, ListFormat::kRadioReference, "radioreference", "frequency-database export", "csv", ""},
    {ListFileType::kRepeaterBook, ListFormat::kRepeaterBook, "repeaterbook", "repeater directory export", "csv", ""},
    {ListFileType::kGqrx, ListFormat::kGqrx, "gqrx", "gqrx bookmarks", "csv", "gqrx Bookmarks (*.csv)|*.csv"},
    {ListFileType::kSdrSharp, ListFormat::kSdrSharp, "sdrsharp", "SDR# frequency manager", "xml",
     "SDR# Frequency Manager (*.xml)|*.xml"},
    {ListFileType::kSdrPlusPlus, ListFormat::kSdrPlusPlus, "sdrpp", "SDR++ frequency manager", "json",
     "SDR++ Frequency Manager (*.json)|*.json"},
};

const ListFileInfo& InfoOf(ListFileType type);
const ListFileInfo& InfoOf(ListFormat format);
std::optional<ListFileType> ListFileNamed(std::string_view name);  // any case
bool IsWritten(ListFileType type);

// The names for a message: "wrk7, chirp, gqrx, sdrsharp or sdrpp" (those
// written) or every one.
std::string ListFileNames(bool writtenOnly);
// Every list's title, for a file that is none of them: "this program's CSV,
// CHIRP CSV, ... or SDR++ frequency manager".
std::string ListFileTitles();
// File > Import: every suffix a list has, then CSV files alone, then any file.
std::string ListImportFilter();
// File > Export: the types written in the table's order (this program's CSV,
// the default, first), then any file.
std::string ListExportFilter();

}  // namespace wrk7
