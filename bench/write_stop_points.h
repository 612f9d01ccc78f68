#pragma once
// A Write All stopped at each of its commands in turn, by a hang-up and by a
// silent line, then both remedies the program offers after a write that
// stopped (write again; restore the backup read before it) on the receiver
// as the stop left it, which is then read and compared with the image, or
// the backup. The soak benchmark walks every point; the link tests, which
// also run under Wine, a sample.
#include <memory>
#include <string>
#include <vector>

#include "codecs/new_image.h"
#include "edit/image_diff.h"
#include "emulator/emulator_port.h"
#include "emulator/memory_image.h"
#include "link/link_operations.h"

namespace wrk7::soak {

// A receiver as a stop left it: its memory, on a fresh line (replugged,
// switched off and on) with faults of its own.
inline std::unique_ptr<emu::EmulatorPort> PortHolding(const emu::Memory& memory, const emu::FaultPlan& faults = {}) {
    auto receiver = std::make_shared<emu::Receiver>(0);
    receiver->Mem() = memory;
    receiver->LatchBankTable();
    receiver->SetFaults(faults);
    return std::make_unique<emu::EmulatorPort>(receiver);
}

inline emu::Memory MemoryOf(emu::EmulatorPort& port) {
    return port.WithReceiver([](emu::Receiver& r) { return r.Mem(); });
}

inline CloneImage Blank() {
    CloneImage image;
    NewCloneImage(image);
    return image;
}

// What a receiver holding memory reads as.
inline CloneImage ReadBack(const emu::Memory& memory) {
    CloneImage image = Blank();
    auto port = PortHolding(memory);
    link::ReadAll(image, *port);
    return image;
}

// The image the stopped writes send: the demo with channels, settings and a
// band changed, so that neither remedy can pass by leaving things as they were.
inline CloneImage ChangedDemo() {
    CloneImage image = emu::DemoImage(0);
    image.settings.values.afVolume = 7;
    image.vfo.bands[0].Set(kFreq, image.vfo.bands[0].Value(kFreq) + 0.005);
    for (int slot = 0; slot < kSlotCount; slot += 97) {
        image.memory.slot[static_cast<std::size_t>(slot)].Set(kFreq, 433.0 + slot / 1000.0);
        image.memory.enabled[static_cast<std::size_t>(slot)] = true;
    }
    return image;
}

struct StopFigures {
    const char* fault = "";
    int commands = 0, tried = 0, recovered = 0, rewritten = 0, restored = 0;
    std::vector<std::string> failures;  // a line for each point that did not recover
};

// Every step-th stop point of a Write All, by a hang-up and by a silent
// line, each followed by both remedies on the receiver as the stop left it.
inline std::vector<StopFigures> WalkWriteStopPoints(int step) {
    const CloneImage image = ChangedDemo();
    emu::Memory held{};
    emu::StoreImage(held, emu::DemoImage(0));
    // The backup as the write takes it: a quick read of the whole receiver.
    CloneImage backup = Blank();
    link::LinkOptions quick;
    quick.quickRead = true;
    link::ReadAll(backup, *PortHolding(held), quick);
    auto clean = PortHolding(held);
    std::vector<StopFigures> out;
    if (!link::WriteAll(image, *clean).ok()) return out;
    const int commands = clean->WithReceiver([](emu::Receiver& r) { return r.CommandCount(); });
    const CloneImage written = ReadBack(MemoryOf(*clean)), heldBefore = ReadBack(held);
    // A stop is seen at once: a silent command costs its deadlines only.
    link::LinkOptions stopping;
    stopping.replyDeadline = std::chrono::milliseconds(2);
    stopping.maxTries = 2;
    for (const bool hangUp : {true, false}) {
        StopFigures f;
        f.fault = hangUp ? "hang-up" : "silence";
        f.commands = commands;
        for (int point = 0; point < commands; point += step) {
            emu::FaultPlan plan;
            (hangUp ? plan.hangupAfter : plan.silentAfter) = point;
            auto stopped = PortHolding(held, plan);
            const bool stoppedThere = !link::WriteAll(image, *stopped, stopping).ok();
            const emu::Memory left = MemoryOf(*stopped);
            auto again = PortHolding(left);
            const bool rewritten = link::WriteAll(image, *again).ok() && DiffImages(written, ReadBack(MemoryOf(*again))).empty();
            auto restore = PortHolding(left);
            const bool restored = link::WriteAll(backup, *restore).ok() && DiffImages(heldBefore, ReadBack(MemoryOf(*restore))).empty();
            ++f.tried;
            f.rewritten += rewritten;
            f.restored += restored;
            f.recovered += stoppedThere && rewritten && restored;
            if (!(stoppedThere && rewritten && restored))
                f.failures.push_back("stop at command " + std::to_string(point) + " of " + std::to_string(commands) + " (" + f.fault +
                                     "): " + (stoppedThere ? "stopped" : "NOT STOPPED") + ", write again " +
                                     (rewritten ? "ok" : "FAILED") + ", restore " + (restored ? "ok" : "FAILED"));
        }
        out.push_back(std::move(f));
    }
    return out;
}

}  // namespace wrk7::soak
