#include <gtest/gtest.h>

#include <thread>

#include "emulator/pty_server.h"
#include "files/rich_image.h"
#include "platform/pseudo_terminal.h"
#include "link_support.h"

namespace wrk7::link {
namespace {

using Strings = std::vector<std::string>;
using wrk7::testing::NewImage;

// The emulator on a real pseudo-terminal, served from a thread, and the
// link on the termios device port.
struct PtyBench {
    emu::Receiver receiver;
    emu::PtyServer server;
    std::atomic<bool> stop{false};
    std::thread serving;

    explicit PtyBench(emu::FaultPlan faults = {}) : receiver(0), server(receiver, {}) {
        emu::StoreImage(receiver.Mem(), emu::DemoImage(0));
        receiver.LatchBankTable();
        receiver.SetFaults(std::move(faults));
        std::string error;
        EXPECT_TRUE(server.Open(error)) << error;
        serving = std::thread([this] { server.Serve(stop); });
    }
    ~PtyBench() {
        stop = true;
        if (serving.joinable()) serving.join();
    }
};

TEST(PtyLink, ReadAndWriteThroughTheDevicePort) {
    PtyBench bench;
    auto port = MakeDevicePort(bench.server.DevicePath());
    CloneImage image = NewImage();
    const LinkResult read = ReadAll(image, *port, test::Quick());
    EXPECT_EQ(English(read.messages), Strings{"Successed!!"}) << port->ErrorText();
#ifdef __linux__
    EXPECT_EQ(port->LineNotes(), "low latency: not offered by the driver") << "a pseudo-terminal has no serial flags";
#endif

    // A second opener of the same device is refused while the first holds it.
    auto second = MakeDevicePort(bench.server.DevicePath());
    EXPECT_FALSE(second->Open());
    EXPECT_NE(second->ErrorText().find("in use"), std::string::npos) << second->ErrorText();

    image.memory.slot[3].Set(kFreq, 150.5);
    image.memory.enabled[3] = true;
    EXPECT_EQ(English(WriteAll(image, *port, test::Quick()).messages), Strings{"Successed!!"});
    port->Close();
    EXPECT_EQ(bench.receiver.Mem()[BlockAddress(Area::kChannelRecords, 3) + 3], 0x08) << "150.5 MHz = 0x08F872A0, top byte last";
}

// With VMIN raised a tty hands over one chunk per read: one ReadAvailable
// must still take all that waits, or an answer complete at its deadline
// reads as cut short.
TEST(PtyLink, OneReadTakesEverythingWaiting) {
    platform::PseudoTerminal far;
    std::string error;
    ASSERT_TRUE(far.Open({}, error)) << error;
    auto port = MakeDevicePort(far.DevicePath());
    ASSERT_TRUE(port->Open()) << port->ErrorText();
    const std::string sent(600, 'K');
    ASSERT_EQ(far.Write(sent), sent.size());
    port->ExpectAtLeast(sent.size());
    ASSERT_EQ(port->WaitForData(Clock::now() + std::chrono::seconds(5)), SerialPort::Wait::kData);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // all of it in the line discipline
    EXPECT_EQ(port->ReadAvailable().size(), sent.size());
}

TEST(PtyLink, HangUpIsAPortFaultNotAHang) {
    PtyBench bench(test::Faults({"hangup-after=25"}));
    auto port = MakeDevicePort(bench.server.DevicePath());
    CloneImage image = NewImage();
    const LinkResult r = ReadMemorySequence(image, *port, test::Quick());
    EXPECT_EQ(English(r.messages), (Strings{"COM Port Error", "Read Failed..."}));
    EXPECT_TRUE(port->HasFault());
    EXPECT_FALSE(port->IsOpen()) << "closed at once, so a dead line cannot wake it again";
    EXPECT_EQ(bench.receiver.CommandCount(), 25);
    bench.serving.join();  // the server returns by itself after the hang-up
    EXPECT_TRUE(bench.server.HungUp());
}

}  // namespace
}  // namespace wrk7::link
