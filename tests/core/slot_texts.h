#pragma once
#include <initializer_list>
#include <string>
#include <utility>

#include "core/image.h"

namespace wrk7::testing {

// The texts of some fields of a slot joined by '|', to compare in one line.
inline std::string Texts(const SlotFields& slot, std::initializer_list<int> fields) {
    std::string out, separator;
    for (int f : fields) out += std::exchange(separator, "|") + slot.Text(f);
    return out;
}

}  // namespace wrk7::testing
