#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/image.h"
#include "edit/channel_paste.h"

namespace wrk7 {

// Channels as tab-separated text: what Copy puts on the clipboard for a
// spreadsheet, and what a paste reads back from one.
//
// The text starts with the grid's heading line (an empty cell over the row
// labels, then the headings of the columns the grid shows: "Frequency" ..
// "Name" on the memory grid, kVfoGridColumns on the VFO grid, column 6 headed
// as the model heads it), followed by one line per row with its label and the
// texts the grid shows in those columns.
// A cell holding a tab, a line break or a leading quote is quoted the way
// spreadsheets quote it.
std::string MemoryRowsAsTsv(const CloneImage& image, const std::vector<int>& slotList);
std::string VfoRowsAsTsv(const CloneImage& image, const std::vector<int>& bands);

// True when the first line names a frequency column, so the text is a
// channel list a paste can read.
bool LooksLikeChannelTsv(std::string_view text);

// The rows under the heading line, one record each, in order. Columns are
// found by their heading, in any order and any case: the grid's headings and
// those of the CSV file (FREQUENCY, SECRET, TRAIN, SHIFT FREQUENCY, NOTES,
// SKIP, ENABLE) are known, other columns are passed over. A column that is
// missing, or a blank cell, takes what the channel editor gives an empty row.
// A row with no cell filled is an empty row; a row whose texts cannot be read
// carries the reason in PasteRecord::unreadable. A line break inside a
// quoted note or name becomes a blank. Trailing blank lines are dropped.
// Skip is on for "*" (and yes, true, #TRUE#, x); Enable is off for no,
// false, #FALSE#, 0. Rows read for the VFO bands take a number under the
// Skip heading as the secret code, as VFO text copied by earlier versions
// holds it there.
enum class TsvRows { kMemory, kVfoBands };
std::vector<PasteRecord> ParseChannelTsv(std::string_view text, TsvRows target = TsvRows::kMemory);

}  // namespace wrk7
