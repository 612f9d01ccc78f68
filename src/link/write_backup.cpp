#include "link/write_backup.h"

#include "codecs/new_image.h"

namespace wrk7::link {

std::string_view PartsReplacedBy(Part part) {
    switch (part) {
        case Part::kSettings: return "the settings and the VFO bands";
        case Part::kMemory:
            return "the memory channels (with the program-scan edges, search-pass and priority entries), "
                   "the bank table and the scan groups";
        case Part::kBank: return "the bank table";
        case Part::kGroups: return "the scan groups";
        case Part::kAll: break;
    }
    return "the settings, the VFO bands, the memory channels (with the program-scan edges, search-pass and "
           "priority entries), the bank table and the scan groups";
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
        std::string said(kMsgNotBackedUp);
        if (!port.ErrorText().empty()) {
            said += "\n" + port.ErrorText();
        } else {
            for (const std::string& message : read.messages)
                if (message != kMsgReadFailed) said += "\n" + message;
        }
        read.messages = {said};
        return read;
    }
    if (std::string why; !keep(held, why)) {
        LinkResult refused;
        refused.messages.push_back("The backup could not be saved (" + why + "); nothing was written.");
        return refused;
    }
    return RunWrite(part, image, port, options);
}

}  // namespace wrk7::link
