#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "edit/channel_paste.h"

namespace wrk7 {

// Copied channels exactly as the image holds them (every number, note, name,
// skip flag and enable flag), for a paste into this window or another running
// one. It travels on the clipboard under its own MIME type beside the
// tab-separated text, which keeps only what the grid shows.
inline constexpr std::string_view kChannelRecordsMimeType = "application/x-wrk7-channels";

std::string EncodeChannelRecords(const std::vector<PasteRecord>& records);
// nullopt for anything EncodeChannelRecords did not write. A record whose
// code no channel record keeps (RecordKeepsCode: a tone of 828, a shift of
// 1e300) carries the reason in PasteRecord::unreadable, so the paste refuses
// that row.
std::optional<std::vector<PasteRecord>> DecodeChannelRecords(std::string_view text);

}  // namespace wrk7
