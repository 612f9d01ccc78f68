#pragma once
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "core/image.h"
#include "core/message.h"

namespace wrk7::testing {

// The texts of some fields of a slot joined by '|', to compare in one line.
template <class Fields = std::initializer_list<int>>
std::string Texts(const SlotFields& slot, const Fields& fields) {
    std::string out, separator;
    for (int f : fields) out += std::exchange(separator, "|") + slot.Text(f);
    return out;
}

// A message as wrk7 prints it; "" for none.
inline std::string EnglishOf(const std::optional<Message>& message) { return message ? message->English() : ""; }

}  // namespace wrk7::testing
