#pragma once
#include <string_view>

namespace wrk7 {

// The title of every error box, whichever layer the message comes from.
inline constexpr std::string_view kErrorTitle = "ERROR";

}  // namespace wrk7
