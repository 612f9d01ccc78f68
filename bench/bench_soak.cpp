// Soak: many Read all + Write all cycles against the receiver emulator, in
// process and over a pseudo-terminal (unpaced), with a fault every tenth
// cycle (silence, hang-up, garbage in turn). Resident memory and open file
// descriptors are printed at cycles 1, 50 and 100 of each series; the goal is
// flat: under 1 MiB of growth and no new descriptors from cycle 1 to the end.
//
//
// Then a Write All is stopped at each of its commands in turn, by a hang-up
// and by a silent line, and both remedies the program offers after a write
// that stopped (write again; restore the backup read before it) run on the
// receiver as the stop left it; the receiver is then read and compared with
// the image, or the backup, every time.
//
//   bench_soak            100 cycles per series, fails when not flat; every stop point
//   bench_soak --smoke    3 cycles per series (one of them faulty), short deadlines; every 16th stop point
#include <dirent.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

#include "codecs/new_image.h"
#include "edit/image_diff.h"
#include "emulator/memory_image.h"
#include "emulator/pty_server.h"
#include "emulator/emulator_port.h"
#include "link/link_operations.h"

namespace {

using namespace wrk7;

enum class Fault { kNone, kSilence, kHangup, kGarbage };

// Where a fault strikes: a command in the middle of the memory read, and one
// among the channel writes.
constexpr int kReadFaultCommand = 300;
constexpr int kWriteFaultCommand = 30;

const char* FaultName(Fault f) {
    switch (f) {
        case Fault::kSilence: return "silence";
        case Fault::kHangup: return "hang-up";
        case Fault::kGarbage: return "garbage";
        case Fault::kNone: break;
    }
    return "none";
}

emu::FaultPlan PlanFor(Fault f, int command) {
    emu::FaultPlan plan;
    if (f == Fault::kSilence) plan.silentAfter = command;
    if (f == Fault::kHangup) plan.hangupAfter = command;
    if (f == Fault::kGarbage) plan.garbage = {command};
    return plan;
}

// Every faultEvery-th cycle is faulty, the three kinds in turn.
Fault FaultOfCycle(int cycle, int faultEvery) {
    if (cycle % faultEvery != 0) return Fault::kNone;
    constexpr Fault kinds[] = {Fault::kSilence, Fault::kHangup, Fault::kGarbage};
    return kinds[(cycle / faultEvery - 1) % 3];
}

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

int OpenDescriptors() {
    DIR* dir = opendir("/proc/self/fd");
    if (!dir) return -1;
    int n = 0;
    while (readdir(dir)) ++n;
    closedir(dir);
    return n - 3;  // ".", ".." and the directory's own descriptor
}

// What one cycle's two operations did.
struct CycleResult {
    bool readOk = false;
    bool writeOk = false;
};

// Runs op on a fresh demo receiver with the fault, in process or over a pty.
link::LinkResult AgainstReceiver(bool pty, const emu::FaultPlan& faults, const link::LinkOptions& options,
                                 const std::function<link::LinkResult(link::SerialPort&, const link::LinkOptions&)>& op) {
    if (!pty) {
        auto port = emu::MakeDemoEmulatorPort(0, faults);
        link::LinkResult r = op(*port, options);
        port->Close();
        return r;
    }
    emu::Receiver receiver(0);
    emu::StoreImage(receiver.Mem(), emu::DemoImage(0));
    receiver.LatchBankTable();
    receiver.SetFaults(faults);
    emu::PtyServer server(receiver, {});
    std::string error;
    if (!server.Open(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return {};
    }
    std::atomic<bool> stop{false};
    std::thread serving([&] { server.Serve(stop); });
    auto port = link::MakeDevicePort(server.DevicePath());
    link::LinkResult r = op(*port, options);
    port->Close();
    stop = true;
    serving.join();
    return r;
}

CycleResult RunCycle(bool pty, Fault fault, CloneImage& image, const link::LinkOptions& options) {
    CycleResult c;
    c.readOk = AgainstReceiver(pty, PlanFor(fault, kReadFaultCommand), options, [&](link::SerialPort& p, const link::LinkOptions& o) {
                   return link::ReadAll(image, p, o);
               }).ok();
    c.writeOk = AgainstReceiver(pty, PlanFor(fault, kWriteFaultCommand), options, [&](link::SerialPort& p, const link::LinkOptions& o) {
                    return link::WriteAll(image, p, o);
                }).ok();
    return c;
}

struct Sample {
    int cycle;
    long rssKiB;
    int fds;
};

// One series; true when every cycle ended as its fault says and, unless
// smoke, memory and descriptors stayed flat.
bool Series(const char* name, bool pty, int cycles, int faultEvery, const link::LinkOptions& options, bool smoke) {
    CloneImage image = emu::DemoImage(0);
    std::vector<Sample> samples;
    bool asExpected = true;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        const Fault fault = FaultOfCycle(cycle, faultEvery);
        const CycleResult r = RunCycle(pty, fault, image, options);
        // Garbage is retried away; silence and a hang-up fail the operation.
        const bool shouldWork = fault == Fault::kNone || fault == Fault::kGarbage;
        if (r.readOk != shouldWork || r.writeOk != shouldWork) {
            std::printf("%-10s cycle %3d (%s): read %s, write %s\n", name, cycle, FaultName(fault),
                        r.readOk ? "ok" : "failed", r.writeOk ? "ok" : "failed");
            asExpected = false;
        }
        if (cycle == 1 || cycle == cycles / 2 || cycle == cycles) samples.push_back({cycle, ResidentKiB(), OpenDescriptors()});
    }
    for (const Sample& s : samples)
        std::printf("%-10s cycle %3d  resident %7ld KiB  descriptors %3d\n", name, s.cycle, s.rssKiB, s.fds);
    const long growth = samples.back().rssKiB - samples.front().rssKiB;
    const int fdGrowth = samples.back().fds - samples.front().fds;
    const bool flat = growth < 1024 && fdGrowth <= 0;
    std::printf("%-10s growth %ld KiB, %d descriptors: %s\n", name, growth, fdGrowth,
                smoke ? "(smoke run, not judged)" : flat ? "flat" : "NOT FLAT");
    std::fflush(stdout);
    return asExpected && (smoke || flat);
}

// A receiver as a stop left it: its memory, on a fresh line (replugged,
// switched off and on) with faults of its own.
std::unique_ptr<emu::EmulatorPort> PortHolding(const emu::Memory& memory, const emu::FaultPlan& faults = {}) {
    auto receiver = std::make_shared<emu::Receiver>(0);
    receiver->Mem() = memory;
    receiver->LatchBankTable();
    receiver->SetFaults(faults);
    return std::make_unique<emu::EmulatorPort>(receiver);
}

emu::Memory MemoryOf(emu::EmulatorPort& port) {
    return port.WithReceiver([](emu::Receiver& r) { return r.Mem(); });
}

CloneImage Blank() {
    CloneImage image;
    NewCloneImage(image);
    return image;
}

// What a receiver holding memory reads as.
CloneImage ReadBack(const emu::Memory& memory) {
    CloneImage image = Blank();
    auto port = PortHolding(memory);
    link::ReadAll(image, *port);
    return image;
}

// The image the stopped writes send: the demo with channels, settings and a
// band changed, so that neither remedy can pass by leaving things as they were.
CloneImage ChangedDemo() {
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
    int tried = 0, recovered = 0, rewritten = 0, restored = 0;
};

// Every stop point of a Write All (every step-th in a smoke run) by fault;
// true when every one recovered both ways.
bool StopPoints(bool smoke) {
    const CloneImage image = ChangedDemo();
    emu::Memory held{};
    emu::StoreImage(held, emu::DemoImage(0));
    // The backup as the write takes it: a quick read of the whole receiver.
    CloneImage backup = Blank();
    link::LinkOptions quick;
    quick.quickRead = true;
    link::ReadAll(backup, *PortHolding(held), quick);
    auto clean = PortHolding(held);
    if (!link::WriteAll(image, *clean).ok()) return false;
    const int commands = clean->WithReceiver([](emu::Receiver& r) { return r.CommandCount(); });
    const CloneImage written = ReadBack(MemoryOf(*clean)), heldBefore = ReadBack(held);
    // A stop is seen at once: a silent command costs its deadlines only.
    link::LinkOptions stopping;
    stopping.replyDeadline = std::chrono::milliseconds(2);
    stopping.maxTries = 2;
    const int step = smoke ? 16 : 1;
    bool all = true;
    for (Fault fault : {Fault::kHangup, Fault::kSilence}) {
        StopFigures f;
        for (int point = 0; point < commands; point += step) {
            auto stopped = PortHolding(held, PlanFor(fault, point));
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
                std::printf("stop at command %d of %d (%s): %s, write again %s, restore %s\n", point, commands, FaultName(fault),
                            stoppedThere ? "stopped" : "NOT STOPPED", rewritten ? "ok" : "FAILED", restored ? "ok" : "FAILED");
        }
        std::printf("stop points (%s): %d of %d commands of a Write All tried, %d recovered (write again %d, restore %d)\n",
                    FaultName(fault), f.tried, commands, f.recovered, f.rewritten, f.restored);
        all = all && f.recovered == f.tried;
    }
    std::fflush(stdout);
    return all;
}

}  // namespace

int main(int argc, char** argv) {
    bool smoke = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--smoke") == 0) smoke = true;
    link::LinkOptions options;
    int cycles = 100, faultEvery = 10;
    if (smoke) {
        // A silent cycle costs every retry's deadline: keep them short.
        options.replyDeadline = std::chrono::milliseconds(50);
        options.maxTries = 2;
        cycles = 3;
        faultEvery = 2;
    }
    const bool inProcess = Series("in-process", false, cycles, faultEvery, options, smoke);
    const bool overPty = Series("pty", true, cycles, faultEvery, options, smoke);
    const bool stops = StopPoints(smoke);
    return inProcess && overPty && stops ? 0 : 1;
}
