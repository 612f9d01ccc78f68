#pragma once
#include <vector>

namespace wrk7::cli {

// One --help line per option (verb_list.cpp).
struct OptionHelp {
    const char* flag;  // "--model MODEL"
    const char* help;
};
const std::vector<OptionHelp>& AllOptionHelp();

}  // namespace wrk7::cli
