#ifdef _WIN32
#include "platform/local_time.h"

namespace wrk7::platform {

std::tm LocalTime(std::time_t t) {
    std::tm local{};
    localtime_s(&local, &t);
    return local;
}

}  // namespace wrk7::platform
#endif  // _WIN32
