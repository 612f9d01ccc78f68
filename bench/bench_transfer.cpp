// Transfers over a real pseudo-terminal against the receiver emulator.
//
// Paced (38400 baud 8N1 in both directions), the line is the limit; printed
// for Read all and Write all: wall time, wire time, their ratio and the
// client's CPU time as a share of the wall time. Wire time counts, per
// exchange, the first character of the command (nothing can come back
// before it has crossed the line) plus every character the receiver sends
// (echo and answer), at 3840 characters a second.
//
// Paced too: a quick Read all of the demo (the channel blocks of its enabled
// slots only), with the blocks read and its time against the full read's;
// and Read all and Write all again with a serial trace recorded, whose ratio
// to wire time must match the untraced runs'.
//
// Paced behind an emulated USB adapter's latency timer (emulate
// --latency-timer): a full read at 16 ms (an FTDI adapter's default) and at
// 1 ms (what Linux's low latency makes of it), against the read without one
// above; wire time stays the line's, so the ratio shows what the timer costs.
//
// Unpaced, Google Benchmark times Read all in-process and over the pty.
//
//   bench_transfer            the paced runs, then the benchmarks
//   bench_transfer --smoke    a short paced settings read and write (the read also at 16 ms), one
//                             unpaced Read all, full and quick, traced
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <thread>

#include "codecs/new_image.h"
#include "emulator/emulator_port.h"
#include "emulator/memory_image.h"
#include "emulator/pty_server.h"
#include "link/link_operations.h"
#include "link/serial_trace.h"

namespace {

using namespace wrk7;
using Clock = std::chrono::steady_clock;

double ThreadCpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_THREAD, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

CloneImage NewImage() {
    CloneImage image;
    NewCloneImage(image);
    return image;
}

// The demo with every memory channel in use, so a write sends 1000 channels.
CloneImage FullImage() {
    CloneImage image = emu::DemoImage(0);
    for (int slot = 0; slot < kChannelCount; ++slot) {
        if (!image.memory.slot[slot].IsEmpty()) continue;
        image.memory.slot[slot].Set(kFreq, 140.0 + 0.0125 * slot);
        image.memory.slot[slot].SetText(kName, "CH" + std::to_string(slot));
        image.memory.enabled[slot] = true;
    }
    return image;
}

struct Figures {
    bool ok = false;
    double wall = 0, wire = 0, cpu = 0;
    std::size_t exchanges = 0, characters = 0, blockReads = 0;
    std::size_t traceBytes = 0;  // when traced
};

// Runs op against the emulator served on a pty from a second thread.
Figures OverPty(bool paced, const std::function<link::LinkResult(link::SerialPort&)>& op,
                std::chrono::milliseconds latencyTimer = {}) {
    emu::Receiver receiver(0);
    emu::StoreImage(receiver.Mem(), emu::DemoImage(0));
    receiver.LatchBankTable();
    emu::PtyOptions options;
    options.paced = paced;
    options.latencyTimer = latencyTimer;
    emu::PtyServer server(receiver, options);
    std::string error;
    Figures f;
    if (!server.Open(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return f;
    }
    std::atomic<bool> stop{false};
    std::thread serving([&] { server.Serve(stop); });
    auto port = link::MakeDevicePort(server.DevicePath());
    const double cpu0 = ThreadCpuSeconds();
    const auto t0 = Clock::now();
    const link::LinkResult r = op(*port);
    f.wall = std::chrono::duration<double>(Clock::now() - t0).count();
    f.cpu = ThreadCpuSeconds() - cpu0;
    port->Close();
    stop = true;
    serving.join();
    f.ok = r.ok();
    if (!f.ok)
        for (const auto& m : r.messages) std::fprintf(stderr, "%s\n", m.English().c_str());
    f.exchanges = static_cast<std::size_t>(receiver.CommandCount());
    for (const std::string& command : receiver.CommandLog())
        if (command.size() == 10 && command.rfind("KV~F", 0) == 0 && command.back() == 'R') ++f.blockReads;
    f.characters = server.CharactersSent();
    f.wire = static_cast<double>(f.characters + f.exchanges) * std::chrono::duration<double>(emu::kCharacterTime).count();
    return f;
}

void Print(const char* what, const Figures& f) {
    std::printf("%-22s %s  exchanges %5zu  chars back %6zu  wall %7.3f s  wire %7.3f s  ratio %.4f  client CPU %.2f %%\n",
                what, f.ok ? "ok    " : "FAILED", f.exchanges, f.characters, f.wall, f.wire,
                f.wire > 0 ? f.wall / f.wire : 0.0, f.wall > 0 ? 100.0 * f.cpu / f.wall : 0.0);
    std::fflush(stdout);
}

link::LinkOptions Normal() { return {}; }

link::LinkOptions QuickRead() {
    link::LinkOptions options;
    options.quickRead = true;
    return options;
}

// op with a serial trace recorded, as every transfer of the window records one.
Figures Traced(bool paced, const char* title, const std::function<link::LinkResult(link::SerialPort&, const link::LinkOptions&)>& op) {
    std::size_t bytes = 0;
    Figures f = OverPty(paced, [&](link::SerialPort& port) {
        link::SerialTrace trace;
        const link::LinkResult r = link::RunTraced(title, port, trace, Normal(), op);
        bytes = trace.Text().size();
        return r;
    });
    f.traceBytes = bytes;
    return f;
}

void PrintBlocks(const char* what, const Figures& f, const Figures& reference) {
    std::printf("%-22s blocks read %zu of %zu, wall %.1f %% of the full read's\n", what, f.blockReads,
                reference.blockReads, reference.wall > 0 ? 100.0 * f.wall / reference.wall : 0.0);
    std::fflush(stdout);
}

void PrintTrace(const char* what, const Figures& f) {
    std::printf("%-22s trace %zu bytes\n", what, f.traceBytes);
    std::fflush(stdout);
}

void BM_ReadAllInProcess(benchmark::State& state) {
    for (auto _ : state) {
        auto port = emu::MakeDemoEmulatorPort(0);
        CloneImage image = NewImage();
        const auto r = link::ReadAll(image, *port, Normal());
        if (!r.ok()) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_ReadAllInProcess)->Unit(benchmark::kMillisecond);

void BM_ReadAllPtyUnpaced(benchmark::State& state) {
    for (auto _ : state) {
        CloneImage image = NewImage();
        const Figures f = OverPty(false, [&](link::SerialPort& p) { return link::ReadAll(image, p, Normal()); });
        if (!f.ok) state.SkipWithError("read failed");
        state.counters["exchanges"] = static_cast<double>(f.exchanges);
    }
}
BENCHMARK(BM_ReadAllPtyUnpaced)->Unit(benchmark::kMillisecond);

void BM_WriteAllPtyUnpaced(benchmark::State& state) {
    const CloneImage full = FullImage();
    for (auto _ : state) {
        CloneImage image = full;
        const Figures f = OverPty(false, [&](link::SerialPort& p) { return link::WriteAll(image, p, Normal()); });
        if (!f.ok) state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_WriteAllPtyUnpaced)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    bool smoke = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--smoke") == 0) smoke = true;
    bool ok = true;
    if (smoke) {
        CloneImage image = NewImage();
        const Figures paced =
            OverPty(true, [&](link::SerialPort& p) { return link::ReadSettingsSequence(image, p, Normal()); });
        Print("paced Read Settings", paced);
        CloneImage held = NewImage();
        const Figures latency = OverPty(
            true, [&](link::SerialPort& p) { return link::ReadSettingsSequence(held, p, Normal()); }, std::chrono::milliseconds(16));
        Print("  behind 16 ms latency", latency);
        CloneImage demo = emu::DemoImage(0);
        const Figures pacedWrite =
            OverPty(true, [&](link::SerialPort& p) { return link::WriteSettingsSequence(demo, p, Normal()); });
        Print("paced Write Settings", pacedWrite);
        CloneImage all = NewImage();
        const Figures fast = OverPty(false, [&](link::SerialPort& p) { return link::ReadAll(all, p, Normal()); });
        Print("unpaced Read all", fast);
        CloneImage sparse = NewImage();
        const Figures quickTraced = Traced(false, "read all (quick)", [&](link::SerialPort& p, const link::LinkOptions& o) {
            link::LinkOptions quick = o;
            quick.quickRead = true;
            return link::ReadAll(sparse, p, quick);
        });
        Print("unpaced quick, traced", quickTraced);
        PrintBlocks("unpaced quick, traced", quickTraced, fast);
        PrintTrace("unpaced quick, traced", quickTraced);
        return paced.ok && latency.ok && pacedWrite.ok && fast.ok && quickTraced.ok ? 0 : 1;
    }
    CloneImage image = NewImage();
    const Figures read = OverPty(true, [&](link::SerialPort& p) { return link::ReadAll(image, p, Normal()); });
    Print("paced Read all", read);
    bool latencyOk = true;
    for (const int ms : {16, 1}) {
        CloneImage held = NewImage();
        const Figures f = OverPty(
            true, [&](link::SerialPort& p) { return link::ReadAll(held, p, Normal()); }, std::chrono::milliseconds(ms));
        Print(ms == 16 ? "  behind 16 ms latency" : "  behind 1 ms latency", f);
        latencyOk = latencyOk && f.ok;
    }
    CloneImage sparse = NewImage();
    const Figures quick = OverPty(true, [&](link::SerialPort& p) { return link::ReadAll(sparse, p, QuickRead()); });
    Print("paced quick Read all", quick);
    PrintBlocks("paced quick Read all", quick, read);
    CloneImage full = FullImage();
    const Figures write = OverPty(true, [&](link::SerialPort& p) { return link::WriteAll(full, p, Normal()); });
    Print("paced Write all", write);
    CloneImage tracedImage = NewImage();
    const Figures tracedRead = Traced(true, "read all", [&](link::SerialPort& p, const link::LinkOptions& o) {
        return link::ReadAll(tracedImage, p, o);
    });
    Print("paced Read all, traced", tracedRead);
    PrintTrace("paced Read all, traced", tracedRead);
    CloneImage tracedFull = FullImage();
    const Figures tracedWrite = Traced(true, "write all", [&](link::SerialPort& p, const link::LinkOptions& o) {
        return link::WriteAll(tracedFull, p, o);
    });
    Print("paced Write all, traced", tracedWrite);
    PrintTrace("paced Write all, traced", tracedWrite);
    ok = read.ok && latencyOk && quick.ok && write.ok && tracedRead.ok && tracedWrite.ok;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
