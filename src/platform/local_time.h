#pragma once
#include <ctime>

namespace wrk7::platform {

// The local calendar time of t; std::localtime's shared result is not safe
// beside a worker thread.
std::tm LocalTime(std::time_t t);

}  // namespace wrk7::platform
