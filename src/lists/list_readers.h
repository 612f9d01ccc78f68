#pragma once
#include <string>
#include <string_view>

#include "lists/channel_list.h"

namespace wrk7::list_readers {

// The readers of ReadChannelList, one per kind of text, each given a text
// without its byte order mark and known to be neither empty nor binary.

// CHIRP's generic CSV: each row's Location and columns kept as written.
ChannelList ReadChirp(std::string_view text);
// The frequency database's and the repeater directory's CSV exports.
ChannelList ReadHeadedCsv(std::string_view text, ListFormat format);
ChannelList ReadGqrx(std::string_view text);
ChannelList ReadSdrSharp(std::string_view text);
ChannelList ReadSdrPlusPlus(std::string_view text);

// What DetectListFormat looks at: gqrx's "# Frequency ;" heading line, and
// the root of an XML or JSON text (a JSON text cut short: whether it names
// "lists" or "bookmarks").
bool HasGqrxHeading(std::string_view text);
bool IsSdrSharpXml(std::string_view text);
bool IsSdrPlusPlusJson(std::string_view text);

// ASCII letters lower-cased, the blanks around trimmed: headings compare so.
std::string HeadingKey(std::string_view text);

}  // namespace wrk7::list_readers
