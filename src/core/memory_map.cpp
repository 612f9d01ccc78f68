#include "core/memory_map.h"

#include "core/image.h"

namespace wrk7 {

namespace {

constexpr bool InEnumOrder() {
    for (std::size_t k = 0; k < kMemoryMap.size(); ++k)
        if (static_cast<std::size_t>(kMemoryMap[k].area) != k) return false;
    return true;
}
static_assert(InEnumOrder(), "AreaOf indexes the map by its Area value");
// One block a slot and one a VFO band.
static_assert(AreaOf(Area::kChannelRecords).blocks == kSlotCount);
static_assert(AreaOf(Area::kVfoRecords).blocks == kBandCount);

}  // namespace

}  // namespace wrk7
