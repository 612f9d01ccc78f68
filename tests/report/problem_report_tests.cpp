// A problem report's ZIP: every part named goes in, and with names and notes
// left out none of them is left in any clone file or trace it holds.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtEndian>
#include <map>

#include "../files/rich_image.h"
#include "emulator/emulator_port.h"
#include "files/clone_file.h"
#include "link/serial_trace.h"
#include "report/problem_report.h"
#include "report/redaction.h"
#include "report/zip_archive.h"

namespace wrk7::report {
namespace {

// What an unzip finds in bytes: name -> contents, each checked against its CRC.
std::map<QString, QByteArray> Unzipped(const QByteArray& zip) {
    std::map<QString, QByteArray> files;
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(zip.constData() + at); };
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(zip.constData() + at); };
    for (qsizetype at = 0; at + 30 <= zip.size() && u32(at) == 0x04034B50;) {
        const quint32 packed = u32(at + 18), size = u32(at + 22);
        const QString name = QString::fromUtf8(zip.mid(at + 30, u16(at + 26)));
        EXPECT_EQ(u16(at + 8), 0) << "stored";
        const QByteArray data = zip.mid(at + 30 + u16(at + 26) + u16(at + 28), packed);
        EXPECT_EQ(ZipCrc32(data), u32(at + 14)) << name.toStdString();
        EXPECT_EQ(static_cast<quint32>(data.size()), size) << name.toStdString();
        files[name] = data;
        at += 30 + u16(at + 26) + u16(at + 28) + packed;
    }
    return files;
}

std::string TracedWrite(const CloneImage& image) {
    link::SerialTrace trace;
    const auto port = emu::MakeDemoEmulatorPort(0);
    link::RunTraced("write all", *port, trace, {}, [&](link::SerialPort& p, const link::LinkOptions& o) {
        return link::WriteAll(image, p, o);
    });
    link::SerialTrace read;
    CloneImage back = testing::NewImage();
    link::RunTraced("read all", *port, read, {}, [&](link::SerialPort& p, const link::LinkOptions& o) {
        return link::ReadAll(back, p, o);
    });
    return trace.Text() + read.Text();
}

TEST(ProblemReport, HoldsEveryPartAndWithoutNamesNoneOfThem) {
    QTemporaryDir dir;
    const CloneImage rich = testing::RichImage();
    QDir().mkpath(dir.filePath("traces"));
    QDir().mkpath(dir.filePath("backups"));
    QFile trace(dir.filePath("traces/trace-20261209-101010-000.txt"));
    ASSERT_TRUE(trace.open(QIODevice::WriteOnly));
    trace.write(QByteArray::fromStdString(TracedWrite(rich)));
    trace.close();
    ASSERT_TRUE(SaveCloneFile(rich, dir.filePath("backups/read-20261209-101010-000.WK7")).ok);
    QFile log(dir.filePath("wrk7.log"));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write("2026-12-09 10:10:10.000 info wrk7.link: read all started on /dev/ttyUSB0\n");
    log.close();
    QSettings(dir.filePath("s.ini"), QSettings::IniFormat).setValue("Settings/DevicePath", "/dev/ttyUSB7");

    ReportSources sources{dir.filePath("traces"), dir.filePath("backups"), {dir.filePath("wrk7.log")}, dir.filePath("s.ini"), 3,
                          [] { return diagnostics::PortReport{true, {}}; }};
    const QDateTime now(QDate(2026, 12, 9), QTime(10, 11));
    const QByteArray nameHex = "4348313030";  // "CH100", the start of every name of the rich image
    const QByteArray note = "Tower, north side";
    for (const bool withoutNames : {false, true}) {
        const QString zipPath = dir.filePath(withoutNames ? "without.zip" : "with.zip");
        const ReportOutcome outcome = SaveProblemReport(sources, withoutNames, zipPath, now);
        ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
        QFile zip(zipPath);
        ASSERT_TRUE(zip.open(QIODevice::ReadOnly));
        const std::map<QString, QByteArray> files = Unzipped(zip.readAll());
        ASSERT_EQ(static_cast<int>(files.size()), outcome.files);
        for (const char* part : {"about.txt", "port-doctor.txt", "settings.txt", "logs/wrk7.log",
                                 "traces/trace-20261209-101010-000.txt", "backups/read-20261209-101010-000.WK7"})
            EXPECT_EQ(files.count(QString::fromLatin1(part)), 1u) << part;
        EXPECT_TRUE(files.at("settings.txt").contains("port file: COM3"));
        EXPECT_TRUE(files.at("settings.txt").contains("/dev/ttyUSB7"));
        const QByteArray& traced = files.at("traces/trace-20261209-101010-000.txt");
        const QByteArray& backup = files.at("backups/read-20261209-101010-000.WK7");
        EXPECT_EQ(traced.contains(nameHex), !withoutNames);
        EXPECT_EQ(backup.contains(note), !withoutNames);
        if (!withoutNames) continue;
        QFile copy(dir.filePath("copy.WK7"));
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
        copy.write(backup);
        copy.close();
        CloneImage loaded, expected;
        ASSERT_TRUE(LoadCloneFile(loaded, copy.fileName(), {}).ok);
        ASSERT_TRUE(LoadCloneFile(expected, dir.filePath("backups/read-20261209-101010-000.WK7"), {}).ok);
        LeaveOutNamesAndNotes(expected);
        // A blank name comes back from a clone file as blanks.
        for (SlotFields& slot : loaded.memory.slot) {
            EXPECT_EQ(QString::fromStdString(slot.Text(kName)).trimmed(), QString());
            slot.SetText(kName, {});
        }
        EXPECT_EQ(loaded, expected) << "nothing but the names and notes goes";
    }
}

TEST(ProblemReport, ATraceKeepsAllButItsNames) {
    const std::string trace =
        "# wrk7 serial trace: write memory\n"
        "       1.000 > KV~BC00000W0040BE08000000000000000000000000000000000000000000004348414E3120\\r\n"
        "       3.000 < KV~BC00000W0040BE08000000000000000000000000000000000000000000004348414E3120\\r\\r\\nOK\\r\\n\n"
        "       4.000 > KV~F00A00R\\r\n"
        "       5.000 < KV~F00A00R\\r\\r\\n0040BE080000000000000000\n"
        "     505.000 ! deadline: 25 characters since the command\n"
        "     506.000 < 00000000000000000000000000004348414E3220\\r\\n\n"
        "     507.000 > KV~F00300R\\r\n"
        "     508.000 < KV~F00300R\\r\\r\\n0040BE08000000000000000000000000000000000000000000004348414E3320\\r\\n\n";
    const std::string out = LeaveOutNamesInTrace(trace);
    EXPECT_EQ(out.find("4348414E31"), std::string::npos) << out;  // the write and its echo
    EXPECT_EQ(out.find("4348414E32"), std::string::npos) << "a channel read's answer, split by a deadline\n" << out;
    EXPECT_NE(out.find("4348414E33"), std::string::npos) << "a VFO block holds no name";
    EXPECT_EQ(out.size(), trace.size());
    EXPECT_NE(out.find("505.000 ! deadline"), std::string::npos);
}

}  // namespace
}  // namespace wrk7::report
