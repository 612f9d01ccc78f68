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
#include "write_stop_points.h"

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

// Every stop point of a Write All (every step-th in a smoke run) by fault;
// true when every one recovered both ways.
bool StopPoints(bool smoke) {
    bool all = true;
    for (const soak::StopFigures& f : soak::WalkWriteStopPoints(smoke ? 16 : 1)) {
        for (const std::string& failure : f.failures) std::printf("%s\n", failure.c_str());
        std::printf("stop points (%s): %d of %d commands of a Write All tried, %d recovered (write again %d, restore %d)\n",
                    f.fault, f.tried, f.commands, f.recovered, f.rewritten, f.restored);
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
