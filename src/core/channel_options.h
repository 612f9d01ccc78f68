#pragma once
#include <array>
#include <optional>
#include <string_view>

#include "core/models.h"

namespace wrk7 {

// The options of a channel, by their codes (OptionName). Codes from
// kOptionSkipBit up are the same options with the skip mark of a CSV row.
enum class ChannelOption : int { kOff = 0, kTrain = 1, kTone = 2, kReverse = 3, kSecret = 4 };
inline constexpr int kChannelOptionCount = 5;

// The channel editor's names for them, in code order.
inline constexpr std::array<std::string_view, kChannelOptionCount> OptionCaption{"None", "Train", "Tone", "Reverse",
                                                                                 "Secret"};

// The option a code names; nullopt for any other code (a skip-marked one
// included).
constexpr std::optional<ChannelOption> OptionOfCode(int code) {
    if (code < 0 || code >= kChannelOptionCount) return std::nullopt;
    return static_cast<ChannelOption>(code);
}

// Whether the model has the option. One it lacks is written to the
// receiver, shown and offered as OFF.
bool OffersOption(const ModelInfo& model, ChannelOption option);

}  // namespace wrk7
