#include <gtest/gtest.h>

#include "emulator/emulator_port.h"
#include "link/port_names.h"
#include "ports/port_factory.h"

namespace wrk7::ports {
namespace {

TEST(PortFactory, EmulatorNameGivesTheDemoReceiverOfTheModel) {
    for (const char* text : {"emulator", "Emulator"}) {
        auto port = MakePortFor(text, 2);
        auto* emulator = dynamic_cast<emu::EmulatorPort*>(port.get());
        ASSERT_NE(emulator, nullptr) << text;
        EXPECT_EQ(emulator->WithReceiver([](emu::Receiver& r) { return r.Model(); }), 2);
        EXPECT_FALSE(port->IsOpen()) << "nothing opened before the transfer";
        ASSERT_TRUE(port->Open());
        ASSERT_TRUE(port->Write("KV~WR-K70T\r"));
        port->WaitForData(link::Clock::now() + std::chrono::seconds(1));
        EXPECT_EQ(port->ReadAvailable(), "KV~WR-K70T\r\r\nOK\r\n") << "its own model is accepted";
    }
}

TEST(PortFactory, OtherNamesGiveDevicesThatFailOnlyWhenOpened) {
    auto path = MakePortFor("/dev/wrk7-test-no-such-port", 0);
    EXPECT_EQ(path->Name(), "/dev/wrk7-test-no-such-port");
    EXPECT_EQ(dynamic_cast<emu::EmulatorPort*>(path.get()), nullptr);
    EXPECT_FALSE(path->Open());
    EXPECT_FALSE(path->ErrorText().empty());
    auto empty = MakePortFor("", 0);
    EXPECT_FALSE(empty->Open()) << "no port chosen is a port fault, not a crash";
    EXPECT_EQ(empty->Name(), "no port chosen");

    // A COM number without a device keeps its name for the trace's heading.
    int number = kLastComPort;
    while (number >= kFirstComPort && link::DeviceForComNumber(number)) --number;
    if (number < kFirstComPort) GTEST_SKIP() << "every COM number has a device here";
    const std::string com = "COM" + std::to_string(number);
    EXPECT_EQ(MakePortFor(com, 0)->Name(), com + " (no device)");
}

}  // namespace
}  // namespace wrk7::ports
