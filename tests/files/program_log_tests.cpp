// The log file's roll-over and the line form.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include "files/program_log.h"

namespace wrk7 {
namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

TEST(ProgramLog, RollsOverAtItsCapKeepingTheNewestLines) {
    struct Case {
        qint64 cap;
        std::vector<QByteArray> lines;
        QByteArray current, older;
    };
    const Case cases[] = {
        {20, {"a1\n", "b2\n"}, "a1\nb2\n", "(none)"},
        {6, {"a1\n", "b2\n", "c3\n"}, "c3\n", "a1\nb2\n"},
        {6, {"a1\n", "b2\n", "c3\n", "d4\n", "e5\n"}, "e5\n", "c3\nd4\n"},  // the oldest go
        {4, {"a1\n", "a long line\n"}, "a l\n", "a1\n"},                   // cut to the cap
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("logs/wrk7.log"));
        RollingLogFile log(path, c.cap);
        for (const QByteArray& line : c.lines) ASSERT_TRUE(log.Append(line));
        EXPECT_EQ(Contents(path), c.current) << c.cap;
        EXPECT_EQ(Contents(path + QStringLiteral(".1")), c.older) << c.cap;
    }
}

TEST(ProgramLog, OneEventIsOneLine) {
    const QDateTime when(QDate(2026, 12, 9), QTime(15, 41, 33, 123));
    EXPECT_EQ(LogLine(when, QtWarningMsg, "wrk7.link", QStringLiteral("Read Failed...\nCOM Port Error")),
              "2026-12-09 15:41:33.123 warning wrk7.link: Read Failed... | COM Port Error\n");
    EXPECT_EQ(LogLine(when, QtInfoMsg, nullptr, QStringLiteral("x")), "2026-12-09 15:41:33.123 info default: x\n");
}

}  // namespace
}  // namespace wrk7
