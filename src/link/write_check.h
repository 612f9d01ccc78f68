#pragma once
#include <chrono>
#include <string>
#include <vector>

#include "edit/image_diff.h"
#include "link/link_operations.h"

namespace wrk7::link {

// A block a write sends, as the receiver should keep it: the digits sent,
// which for a short block leave the rest of its 32 bytes as they were.
struct SentBlock {
    Area area;
    int index;  // within the area: a band of the VFO records, a slot of the channel records
    std::string digits;
    int Address() const { return BlockAddress(area, index); }
};

// What a write of part sends that can be read back, in address order: the
// channel records of the slots it writes only, not the enable flags the
// receiver keeps beside them nor the zero-filled area.
std::vector<SentBlock> BlocksSentBy(Part part, const CloneImage& image);

// How long reading them back keeps the line busy at 38400 baud, the
// identification before them included: what a check adds to a write.
std::chrono::milliseconds CheckLineTime(Part part, const CloneImage& image);

// Each row and field where held (one reply's 64 digits for each sent block)
// differs from what was sent, as `wrk7 diff` lists them; a difference no
// field shows (a byte no control reads) is named by its block's address.
std::vector<DiffLine> HeldOtherwise(const CloneImage& image, const std::vector<SentBlock>& sent,
                                    const std::vector<std::string>& held);

// After a write of part that succeeded: what it sent read back and
// compared. Held as sent keeps "Successed!!" and says so after it; held
// otherwise, or not read back, is a failed write in one message.
LinkResult CheckWrite(LinkResult written, Part part, const CloneImage& image, SerialPort& port,
                      const LinkOptions& options);

}  // namespace wrk7::link
