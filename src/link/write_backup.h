#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "link/link_operations.h"

namespace wrk7::link {

// What a write of part replaces on the receiver, in words for the question
// before it: "the bank table and the scan groups".
MessageId PartsReplacedBy(Part part);

// Keeps what the backup read brought (saves it); false, with the reason in
// why, when it could not be kept.
using KeepBackup = std::function<bool(const CloneImage& held, std::string& why)>;

inline constexpr MessageId kMsgNotBackedUp = MessageId::kNotBackedUp;

// The write of part, after a quick read of the whole receiver that keep
// stores first, so what the receiver held is never lost to the write. A
// failed read, or a backup keep refuses, writes nothing and says so in one
// message: kMsgNotBackedUp with its cause on the lines under it (the port's
// error text, else the read's block message), or the reason keep gave. A
// read cancelled writes nothing and says nothing.
LinkResult RunWriteAfterBackup(Part part, const CloneImage& image, SerialPort& port, const LinkOptions& options,
                               const KeepBackup& keep);

}  // namespace wrk7::link
