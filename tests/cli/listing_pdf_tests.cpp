// wrk7 listing --pdf, run as a user runs it: no display, no runtime folder,
// no Qt platform set or one that needs a display.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "files/clone_file.h"
#include "files/rich_image.h"

namespace wrk7::cli {
namespace {

struct Finished {
    int code = -1;
    QString out, err;
};

Finished Headless(const QString& program, const QStringList& args, const QString& platform = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!platform.isEmpty()) env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    p.setProcessEnvironment(env);
    p.start(program, args);
    Finished r;
    if (!p.waitForFinished(30000)) return r;
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

TEST(ListingPdfVerb, WritesThePdfWithoutADisplayAndFailsCleanly) {
    QTemporaryDir dir;
    const QString clone = dir.filePath(QStringLiteral("rich.WK7"));
    CloneImage image = wrk7::testing::RichImage(1);
    ASSERT_TRUE(SaveCloneFile(image, clone).ok);
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const QString wrk7 = QStringLiteral(WRK7_BINARY_DIR "/wrk7");

    const Finished made = Headless(wrk7, {"listing", "--pdf", pdf, "--sections", "memory", "--model", "WR-K70E", clone});
    EXPECT_EQ(made.code, 0) << made.err.toStdString();
    EXPECT_TRUE(made.out.isEmpty());
    EXPECT_EQ(made.err, "") << "no Qt warning about the runtime folder";
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
    const Finished text = Headless(QStringLiteral("pdftotext"), {"-layout", pdf, "-"});
    EXPECT_TRUE(text.out.contains(QStringLiteral("Bank49")));
    EXPECT_TRUE(text.out.contains(QRegularExpression(QStringLiteral("Ch +Frequency +Mode +Step +Option +Secret +Skip"))));
    EXPECT_TRUE(text.out.contains(QStringLiteral("rich.WK7")));
    EXPECT_FALSE(text.out.contains(QStringLiteral("VFO Data")));

    for (const char* platform : {"xcb", "wayland"}) {  // a desktop's platform, but no display
        const Finished failed =
            Headless(wrk7, {"listing", "--pdf", dir.filePath(QStringLiteral("no/dir/x.pdf")), clone}, platform);
        EXPECT_EQ(failed.code, 1) << platform;
        EXPECT_EQ(failed.err, "File Open Error\n") << platform;
    }
    // Without --pdf the text lines go to stdout as before.
    const Finished lines = Headless(wrk7, {"listing", "--sections", "vfo", clone});
    EXPECT_EQ(lines.code, 0);
    EXPECT_TRUE(lines.out.startsWith(QStringLiteral("Korvan WR-K7 Clone Utility\n\n\n\nVFO Data\n")));
}

}  // namespace
}  // namespace wrk7::cli
