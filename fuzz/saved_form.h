#pragma once
#include <string>
#include <vector>

#include "core/image.h"

namespace wrk7::fuzz {

// Checks that image saves as a well-formed clone file: 2643 lines, framed,
// each record line of its exact length in upper-case hex. Returns the lines.
std::vector<std::string> RequireWellFormedSave(const CloneImage& image);

// The lines of a second save after reopening first (taking every slot) into
// a fresh image of model.
std::vector<std::string> SaveAfterReopen(const std::vector<std::string>& first, int model);

// Two saves that must agree; channel names compare as the record gives them
// back, since a name shorter than six characters is written with 00 padding
// the first time and with blanks after a reopen.
void RequireSameSave(const std::vector<std::string>& first, const std::vector<std::string>& second);

// A fresh image of model, as File > New leaves it.
CloneImage FreshImage(int model);

// A fresh image of model with channels in and out of the range an import
// writes (memory slots, a scan edge, a search pass, a priority entry), so a
// stray write shows. Made once per model.
const CloneImage& ChannelsInEveryArea(int model);

}  // namespace wrk7::fuzz
