// wrk7 ports on the fixture trees of tests/data/ports (symbolic links: not on Windows).
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_support.h"

namespace wrk7::cli {
namespace {

using test::InProcess;

QString Root(const char* fixture) { return QStringLiteral(WRK7_TEST_DATA_DIR "/ports/") + QLatin1String(fixture); }

TEST(PortsVerbTest, TextGivesABlockPerDeviceWithItsTroublesIndented) {
    const test::Ran held = InProcess({"ports", "--root", Root("held")});
    EXPECT_EQ(held.code, kExitOk) << "troubles are no failure";
    ASSERT_GE(held.out.size(), 7);
    EXPECT_EQ(held.out[0], "/dev/ttyUSB0");
    EXPECT_TRUE(held.out.contains("  USB:      10c4:ea60 at 1-1 (Silicon Labs CP2102 USB to UART Bridge Controller)"));
    EXPECT_TRUE(held.out.contains("  chip:     Silicon Labs CP210x"));
    EXPECT_TRUE(held.out.contains("  trouble (busy): Another program holds /dev/ttyUSB0: minicom (pid 4242)."));
    EXPECT_TRUE(held.out.contains("            kill 4242")) << "a remedy's lines under its first";

    const test::Ran adapter = InProcess({"ports", "--root", Root("pl2303-no-port")});
    EXPECT_EQ(adapter.code, kExitOk);
    ASSERT_GE(adapter.out.size(), 3);
    EXPECT_EQ(adapter.out[0], "No serial device found.");
    EXPECT_EQ(adapter.out[2], "USB 1-3: no serial port");

    EXPECT_EQ(InProcess({"ports", "--root", Root("none")}).out, QStringList{"No serial device found."});
    const test::Ran unreadable = InProcess({"ports", "--root", Root("no-such-case")});
    EXPECT_EQ(unreadable.code, kExitFailure);
    EXPECT_TRUE(unreadable.out.isEmpty());
    EXPECT_EQ(InProcess({"ports", "--loopback"}).code, kExitUsage) << "--loopback goes with --test";
}

// A Windows machine as written out: the same block with its driver package,
// serial number, problem code and latency; junk lines named on stderr.
TEST(PortsVerbTest, AWindowsMachineWrittenOutPrintsAlike) {
    const QString windows = QStringLiteral(WRK7_TEST_DATA_DIR "/ports-windows/");
    const test::Ran ftdi = InProcess({"ports", "--root", windows + "ftdi-latency.txt"});
    EXPECT_EQ(ftdi.code, kExitOk);
    for (const char* line : {"  USB:      0403:6001 at FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000 (USB Serial Port (COM3))",
                             "  serial:   A50285BI", "  package:  FTDI 2.12.36.4 (2021-06-03)", "  latency:  16 ms"})
        EXPECT_TRUE(ftdi.out.contains(QLatin1String(line))) << line << '\n' << ftdi.out.join('\n').toStdString();
    EXPECT_TRUE(InProcess({"ports", "--root", windows + "no-driver.txt"}).out.contains("  problem:  code 28"));
    const QJsonObject json = QJsonDocument::fromJson(InProcess({"ports", "--json", "--root", windows + "ftdi-latency.txt"})
                                                         .out.join('\n').toUtf8()).array()[0].toObject();
    EXPECT_EQ(json["serial"].toString() + ' ' + json["driverVersion"].toString() + ' ' + QString::number(json["latencyMs"].toInt()),
              "A50285BI 2.12.36.4 16");
    EXPECT_TRUE(InProcess({"ports", "--root", Root("ftdi")}).out.contains("  latency:  16 ms (1 ms while this program has it open)"));
    const test::Ran junk = InProcess({"ports", "--root", windows + "junk.txt"});
    EXPECT_EQ(junk.code, kExitOk);
    EXPECT_EQ(junk.err.size(), 8);
    EXPECT_TRUE(junk.err.value(0).endsWith("junk.txt: line 1: before the first \"device:\" line: service: before any device"));
}

TEST(PortsVerbTest, JsonCarriesTheSameForScripts) {
    const test::Ran ran = InProcess({"ports", "--json", "--root", Root("ch340-brltty")});
    ASSERT_EQ(ran.code, kExitOk);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(ran.out.join('\n').toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonArray devices = doc.array();
    ASSERT_EQ(devices.size(), 2);
    const QJsonObject ftdi = devices[0].toObject();
    EXPECT_EQ(ftdi["path"].toString(), "/dev/ttyUSB0");
    EXPECT_EQ(ftdi["vendorId"].toString() + ':' + ftdi["productId"].toString(), "0403:6001");
    EXPECT_TRUE(ftdi["troubles"].toArray().isEmpty());
    const QJsonObject ch340 = devices[1].toObject();
    EXPECT_EQ(ch340["path"].toString(), "") << "an adapter without a port";
    EXPECT_EQ(ch340["usb"].toString(), "1-2");
    EXPECT_EQ(ch340["chip"].toString(), "WCH CH340/CH341");
    const QJsonArray troubles = ch340["troubles"].toArray();
    ASSERT_EQ(troubles.size(), 1);
    EXPECT_EQ(troubles[0].toObject()["kind"].toString(), "brltty");
    EXPECT_TRUE(troubles[0].toObject()["remedy"].toString().contains("ENV{PRODUCT}==\"1a86/7523/*\""));
}

}  // namespace
}  // namespace wrk7::cli
