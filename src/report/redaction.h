#pragma once
#include <string>
#include <string_view>

#include "core/image.h"

namespace wrk7::report {

// What a user may keep out of a problem report: the names and notes of the
// channels and bands, the one part of a receiver's memory that is personal.

// image with every name and note blanked.
void LeaveOutNamesAndNotes(CloneImage& image);

// A serial trace with the name bytes of every channel record blanked, as an
// empty name is written: in the channel writes sent and their echoes, and in
// the answers to block reads of the channel records. Everything else, the
// line structure and the times included, stays as it was.
std::string LeaveOutNamesInTrace(std::string_view trace);

}  // namespace wrk7::report
