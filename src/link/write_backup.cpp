#include "link/write_backup.h"

#include "codecs/new_image.h"

namespace wrk7::link {

MessageId PartsReplacedBy(Part part) {
    switch (part) {
        case Part::kSettings: return MessageId::kReplacesSettings;
        case Part::kMemory: return MessageId::kReplacesMemory;
        case Part::kBank: return MessageId::kReplacesBank;
        case Part::kGroups: return MessageId::kReplacesGroups;
        case Part::kAll: break;
    }
    return MessageId::kReplacesEverything;
}

LinkResult RunWriteAfterBackup(Part part, const CloneImage& image, SerialPort& port, const LinkOptions& options,
                               const KeepBackup& keep) {
    // A blank image of the model: only what the receiver holds goes into the
    // backup, nothing of the image about to be written.
    CloneImage held;
    held.model = image.model;
    NewCloneImage(held);
    LinkOptions quick = options;
    quick.quickRead = true;
    LinkResult read = RunRead(Part::kAll, held, port, quick);
    if (read.cancelled) {
        // Stopped by the user before anything was written: nothing failed.
        read.messages.clear();
        return read;
    }
    if (!read.ok()) {
        // One message for the whole failure, with what stopped the read under
        // it: the read's own words ("Read Failed...") would misname a write.
        Message said = Say(kMsgNotBackedUp);
        if (!port.ErrorText().empty()) {
            said = Say(MessageId::kLines, std::move(said), port.ErrorText());
        } else {
            for (const Message& message : read.messages)
                if (message.id != kMsgReadFailed) said = Say(MessageId::kLines, std::move(said), message);
        }
        read.messages = {said};
        return read;
    }
    if (std::string why; !keep(held, why)) {
        LinkResult refused;
        refused.messages.push_back(Say(MessageId::kBackupNotSaved, why));
        return refused;
    }
    return RunWrite(part, image, port, options);
}

}  // namespace wrk7::link
