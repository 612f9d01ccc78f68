#pragma once
#include <QString>
#include <string>
#include <string_view>

#include "core/image.h"
#include "files/result.h"
#include "lists/channel_list.h"

namespace wrk7 {

// The memory channels as bookmarks of the SDR programs: each enabled slot
// 0..999 that holds a channel, with its name (without the record's blank
// padding), frequency (Hz) and mode (FM as the programs' narrow FM), its
// bank as the gqrx tag or SDR# group; SDR++ gets the one list its Import
// button reads. Read back by ReadChannelList they give the same frequencies,
// modes and names.


// format: kGqrx, kSdrSharp or kSdrPlusPlus.
std::string SdrBookmarksText(const CloneImage& image, ListFormat format);
// Written atomically ("File Open Error" on failure, the old file intact).
FileResult ExportSdrBookmarks(const CloneImage& image, ListFormat format, const QString& path);

}  // namespace wrk7
