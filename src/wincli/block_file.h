#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/image.h"
#include "link/serial_port.h"

namespace wrk7::wincli {

// The blocks of a full read as the receiver sent them: address -> 64 digits.
// Kept as the wire carries them, the console program needs neither the
// clone file's layout nor Qt to save and load an image.
using Blocks = std::map<int, std::string>;

// Every block address a full read fetches, in address order.
const std::vector<int>& FullReadAddresses();

// A port that passes everything through to inner and keeps in into the
// digits of each well-formed answer to a read command (the last one when a
// command was sent again). inner must outlive it.
std::unique_ptr<link::SerialPort> MakeRecordingPort(link::SerialPort& inner, Blocks& into);

// One line a block, "ADDRESS DIGITS" (five hex digits, a space, 64 digits).
std::string BlocksText(const Blocks& blocks);
// The blocks of such a text; nullopt, with why set, when a line is malformed
// or a block a full read needs is missing.
std::optional<Blocks> ParseBlocksText(std::string_view text, std::string& why);

// Fills image (its model set first) from blocks by running the full read
// against a receiver that answers from them: the image comes out exactly as
// the read that recorded them made it. False when the read fails.
bool ImageFromBlocks(CloneImage& image, const Blocks& blocks);

}  // namespace wrk7::wincli
