// Transfers over a real pseudo-terminal against the receiver emulator.
//
// Paced (38400 baud 8N1 in both directions), the line is the limit; printed
// for Read all and Write all: wall time, wire time, their ratio and the
// client's CPU time as a share of the wall time. Wire time counts, per
// exchange, the first character of the command (nothing can come back
// before it has crossed the line) plus every character the receiver sends
// (echo and answer), at 3840 characters a second.
//
// Unpaced, Google Benchmark times Read all in-process and over the pty.
//
//   bench_transfer            paced Read all + Write all, then the benchmarks
//   bench_transfer --smoke    a short paced settings read and write, one unpaced Read all
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
        if (!image.Mem[slot].IsEmpty()) continue;
        image.Mem[slot].Set(kFreq, 140.0 + 0.0125 * slot);
        image.Mem[slot].SetText(kName, "CH" + std::to_string(slot));
        image.ChannelEnable[slot] = true;
    }
    return image;
}

struct Figures {
    bool ok = false;
    double wall = 0, wire = 0, cpu = 0;
    std::size_t exchanges = 0, characters = 0;
};

// Runs op against the emulator served on a pty from a second thread.
Figures OverPty(bool paced, const std::function<link::LinkResult(link::SerialPort&)>& op) {
    emu::Receiver receiver(0);
    emu::StoreImage(receiver.Mem(), emu::DemoImage(0));
    receiver.LatchBankTable();
    emu::PtyOptions options;
    options.paced = paced;
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
        for (const auto& m : r.messages) std::fprintf(stderr, "%s\n", m.c_str());
    f.exchanges = static_cast<std::size_t>(receiver.CommandCount());
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
        CloneImage demo = emu::DemoImage(0);
        const Figures pacedWrite =
            OverPty(true, [&](link::SerialPort& p) { return link::WriteSettingsSequence(demo, p, Normal()); });
        Print("paced Write Settings", pacedWrite);
        CloneImage all = NewImage();
        const Figures fast = OverPty(false, [&](link::SerialPort& p) { return link::ReadAll(all, p, Normal()); });
        Print("unpaced Read all", fast);
        return paced.ok && pacedWrite.ok && fast.ok ? 0 : 1;
    }
    CloneImage image = NewImage();
    const Figures read = OverPty(true, [&](link::SerialPort& p) { return link::ReadAll(image, p, Normal()); });
    Print("paced Read all", read);
    CloneImage full = FullImage();
    const Figures write = OverPty(true, [&](link::SerialPort& p) { return link::WriteAll(full, p, Normal()); });
    Print("paced Write all", write);
    ok = read.ok && write.ok;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
