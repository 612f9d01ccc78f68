// Single exchanges on a scripted port: command texts, how replies are
// classified and retried; port names and adapters' stable names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "link/port_names.h"
#include "link/serial_by_id.h"
#include "link_support.h"

namespace wrk7::link {
namespace {

using namespace test;
using Kind = ReadReply::Kind;
namespace fs = std::filesystem;

const std::string kRead = "KV~F00A00R\r";
const std::string kFrame = "\r\n" + std::string(64, 'A') + "\r\n";

TEST(Commands, TextsAreExact) {
    EXPECT_EQ(ReadCommand(0x0A00) + ReadCommand(0xAC60), "KV~F00A00R\rKV~F0AC60R\r");
    EXPECT_EQ(WriteCommand(0x100, "6400") + ChannelWriteCommand("52", "005", "AB"), "KV~F00100W6400\rKV~BC52005WAB\r");
    // A number past the table: its last row.
    EXPECT_EQ(IdentificationCommand(0) + IdentificationCommand(9), "KV~WR-K7J\rKV~WR-K70K\r");
}

TEST(ReadExchange, ClassifiesWhatArrived) {
    struct Case { std::string answer; ReadReply expected; };
    const std::vector<Case> cases = {
        {kRead + kFrame, {Kind::kData, kFrame}},                       // echo then frame
        {"\x01zz" + kRead + kFrame, {Kind::kData, kFrame}},            // stray characters first
        {kFrame.substr(0, 60) + "\r\n", {Kind::kTimeout, ""}},         // short even though it ends in CR LF
        {"", {Kind::kTimeout, ""}},                                    // nothing
        {kRead + kFrame.substr(0, 50), {Kind::kTimeout, ""}},           // the rest never came
        {kRead + "\r\n" + std::string(64, 'A') + "\n\r", {Kind::kBadReply, ""}},
        {kRead + "??" + std::string(64, 'A') + "\r\n", {Kind::kBadReply, ""}},
        {kRead + "\r\n" + std::string(63, 'A') + "g\r\n", {Kind::kBadReply, ""}},  // garbled digit
    };
    for (const auto& c : cases) {
        ScriptedPort port({c.answer});
        EXPECT_EQ(LinkExchange(port, Quick()).SendRead(kRead), c.expected) << testing::PrintToString(c.answer);
        EXPECT_EQ(port.written, std::vector<std::string>{kRead});
    }
    // Characters left from an earlier exchange are discarded.
    std::string leftOver(70, 'A');
    leftOver += "\r\n";  // appended: gcc 12 warns falsely on a temporary + here
    ScriptedPort stale({kRead + kFrame}, leftOver);
    EXPECT_EQ(LinkExchange(stale, Quick()).SendRead(kRead), (ReadReply{Kind::kData, kFrame}));
}

// Pieces arriving one by one are collected in the transfer tests (the split fault).
TEST(WriteExchange, Replies) {
    using Reply = WriteReply;
    const std::string cmd = "KV~F00100W00\r";
    struct Case { std::string answer; Reply expected; } cases[] = {
        {cmd + "\r\nOK\r\n", Reply::kAccepted}, {"junk" + cmd + "\r\nOK\r\n", Reply::kAccepted},
        {cmd + "\r\nRE\r\n", Reply::kRefused},  {cmd + "\r\nNG\r\n", Reply::kBadReply},
        {"\r\nOK\r\n", Reply::kNoReply},        {cmd, Reply::kNoReply},
        {"", Reply::kNoReply},
    };
    for (const auto& c : cases) {
        ScriptedPort port({c.answer});
        EXPECT_EQ(LinkExchange(port, Quick()).SendWrite(cmd), c.expected) << testing::PrintToString(c.answer);
    }
    ScriptedPort dead;
    dead.failOpen = true;
    LinkExchange s1(dead, Quick());
    EXPECT_EQ(s1.SendWrite(cmd), Reply::kPortFault);
    EXPECT_EQ(s1.SendRead(kRead).kind, Kind::kPortFault);
}

TEST(RetryRule, TenTriesOnlyForTimeoutsAndBadReplies) {
    CloneImage image;
    auto tries = [&](std::string answer) {
        ScriptedPort port(std::vector<std::string>(20, answer));
        LinkSession session(image, port, Quick());
        session.SendImCommand();
        return std::make_pair(port.written.size(), session.Messages());
    };
    const std::string im = "KV~IM\r";
    EXPECT_EQ(tries("").first, 10u) << "timeouts";
    EXPECT_EQ(tries(im + "\r\nXX\r\n").first, 10u) << "bad letters";
    EXPECT_EQ(tries(im + "\r\nRE\r\n").first, 1u) << "a refusal is not retried";
    EXPECT_TRUE(tries("").second.empty()) << "KV~IM shows no message of its own";

    ScriptedPort dead;
    dead.failWrite = true;
    EXPECT_EQ(LinkSession(image, dead, Quick()).SendFinish(), StepResult::kFailed);
    EXPECT_EQ(dead.written.size(), 1u) << "no retry on a port fault";
}

TEST(PortNames, ComOrderTablesAndChoices) {
    EXPECT_EQ(SortComOrder({"/dev/ttyS1", "/dev/ttyUSB10", "/dev/ttyS0", "/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyS10",
                            "/dev/ttyS2"}),
              (std::vector<std::string>{"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS0", "/dev/ttyS1",
                                        "/dev/ttyS2", "/dev/ttyS10"}));
    EXPECT_EQ(ComCaption(5) + "|" + ComCaption(16), "COM  5|COM 16");
    EXPECT_EQ(ResolvePortName("emulator").kind, PortChoice::Kind::kEmulator);
    const ComTable system = SystemComTable();
#ifndef _WIN32
    // Beyond COM16 and COM 0: no port (Windows counts on: port_names_tests).
    for (const auto& [name, device] : {std::pair<std::string, std::string>{"/dev/pts/7", "/dev/pts/7"}, {"com1", system[0]}, {"COM17", ""}, {"COM0", ""}})
        EXPECT_EQ(ResolvePortName(name).device, device) << name;
#endif
    EXPECT_FALSE(DeviceForComNumber(0).has_value());
    EXPECT_EQ(DeviceForComNumber(16).value_or(""), system[15]);
    // The numbers that name a port, each with its device.
    const auto used = [](const ComTable& table) {
        std::string out;
        for (std::size_t i = 0; i < table.size(); ++i)
            if (!table[i].empty()) out += std::to_string(i + 1) + "=" + table[i] + " ";
        return out;
    };
    EXPECT_EQ(used(ComTableInOrder({"/dev/ttyS0", "/dev/ttyUSB1", "/dev/ttyUSB0", "/dev/ttyS0"})),
              "1=/dev/ttyUSB0 2=/dev/ttyUSB1 3=/dev/ttyS0 ");
    std::vector<std::string> many;
    for (int i = 0; i < 20; ++i) many.push_back("/dev/ttyS" + std::to_string(i));
    EXPECT_EQ(ComTableInOrder(many).back(), "/dev/ttyS15") << "beyond COM 16 nothing is numbered";
}

TEST(SerialById, FindsTheLinkThatResolvesToTheDevice) {
#ifdef _WIN32
    GTEST_SKIP() << "stable names are the links of Linux's /dev/serial/by-id; Windows names ports COMn";
#endif
    const fs::path root = fs::temp_directory_path() / ("wrk7-by-id-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "by-id");
    for (const char* device : {"ttyUSB0", "ttyUSB1"}) std::ofstream(root / device).put('x');
    // udev makes relative links; a pulled adapter can leave one dangling.
    fs::create_symlink("../ttyUSB1", root / "by-id" / "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    fs::create_symlink("../ttyUSB9", root / "by-id" / "usb-Prolific_gone-if00-port0");
    fs::create_symlink(root / "ttyUSB1", root / "alias");
    const std::string folder = (root / "by-id").string();
    const std::string ftdi = (root / "by-id" / "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0").string();

    // The device named directly, through a link or by its own by-id path; no link to it, no such device.
    for (const auto& [device, stable] : {std::pair{root / "ttyUSB1", ftdi}, {root / "alias", ftdi}, {fs::path(ftdi), ftdi},
                                         {root / "ttyUSB0", ""}, {root / "ttyUSB9", ""}, {fs::path(), ""}})
        EXPECT_EQ(StableNameForDevice(device.string(), folder), stable) << device;
    EXPECT_EQ(StableNameForDevice((root / "ttyUSB1").string(), (root / "none").string()), "") << "no by-id folder";
    fs::remove_all(root);
}

}  // namespace
}  // namespace wrk7::link
