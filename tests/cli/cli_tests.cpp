#include <gtest/gtest.h>

#include <QCommandLineParser>
#include <QProcess>
#include <QTemporaryDir>

#include "cli/verb.h"
#include "edit/bank.h"
#include "files/clone_file.h"
#include "files/csv.h"
#include "files/rich_image.h"

namespace wrk7::cli {
namespace {

using wrk7::testing::ReadAll;
using wrk7::testing::RichImage;
using wrk7::testing::WriteAll;

struct Outcome {
    int code = -1;
    QStringList out, err;
};

Outcome InProcess(QStringList args) {
    Outcome r;
    CliIo io;
    io.writeOut = [&r](const QString& l) { r.out << l; };
    io.writeErr = [&r](const QString& l) { r.err << l; };
    args.prepend("wrk7");
    r.code = RunCli(args, io);
    return r;
}

Outcome Binary(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(WRK7_BINARY_DIR "/wrk7"), args);
    Outcome r;
    if (!p.waitForFinished(20000)) return r;
    r.code = p.exitCode();
    auto lines = [](const QByteArray& b) {
        return QString::fromUtf8(b).split('\n', Qt::SkipEmptyParts);
    };
    r.out = lines(p.readAllStandardOutput());
    r.err = lines(p.readAllStandardError());
    return r;
}

class CliTest : public ::testing::Test {
protected:
    QString Path(const char* n) const { return dir.filePath(QString::fromLatin1(n)); }
    QTemporaryDir dir;
};

TEST(CliModel, NamesAndUsage) {
    EXPECT_EQ(ParseModel("WR-K7J"), 0);
    EXPECT_EQ(ParseModel("wr-k70e"), 1);
    EXPECT_EQ(ParseModel("WR-K70T"), 2);
    EXPECT_EQ(ParseModel("WR-K70K"), 3);
    EXPECT_FALSE(ParseModel("WR-K70"));
    EXPECT_FALSE(ParseModel(""));

    const Outcome help = InProcess({"--help"});
    EXPECT_EQ(help.code, kExitOk);
    EXPECT_TRUE(help.err.isEmpty());
    for (const auto& v : AllVerbs())
        EXPECT_EQ(help.out.filter(QString("  ") + v.synopsis).size(), 1) << v.name;
    EXPECT_EQ(InProcess({"--version"}).out, QStringList{"wrk7 1.0.0"});
    for (const QStringList& bad : {QStringList{}, QStringList{"frobnicate"}, QStringList{"new"},
                                   QStringList{"new", "--model", "WR-K9", "x"}, QStringList{"check", "a", "b"},
                                   QStringList{"export", "--bogus", "a", "b"},
                                   QStringList{"listing", "--sections", "vfo,extra", "a"}}) {
        const Outcome r = InProcess(bad);
        EXPECT_EQ(r.code, kExitUsage) << bad.join(' ').toStdString();
        ASSERT_EQ(r.err.size(), 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(r.err[1].startsWith("Usage: wrk7") || r.err[1] == "Try 'wrk7 --help'.");
    }
    EXPECT_EQ(InProcess({"import", "--help"}).out.front(),
              "Usage: wrk7 import [--model MODEL] [--at ROW] FILE.WK7 IN.csv OUT.WK7");
}

TEST_F(CliTest, NewExportImportAndListing) {
    ASSERT_EQ(InProcess({"new", "--model", "WR-K70T", Path("n.WK7")}).code, kExitOk);
    CloneImage fresh;
    fresh.RegionIndex = 2;
    ASSERT_TRUE(LoadCloneFile(fresh, Path("n.WK7")).ok);
    EXPECT_EQ(BankTotal(fresh), 1000);
    EXPECT_EQ(fresh.BankCount[9], 100);
    EXPECT_FALSE(std::any_of(fresh.ChannelEnable.begin(), fresh.ChannelEnable.end(), [](bool e) { return e; }));
    EXPECT_EQ(InProcess({"check", Path("n.WK7")}).code, kExitOk);

    CloneImage rich = RichImage();
    ASSERT_TRUE(SaveCloneFile(rich, Path("r.WK7")).ok);
    const Outcome exported = InProcess({"export", Path("r.WK7"), Path("r.csv")});
    EXPECT_EQ(exported.code, kExitOk);
    EXPECT_TRUE(exported.err.isEmpty());
    // Apply the rich channels to the new image, writing the result over it.
    const Outcome imported = InProcess({"import", Path("n.WK7"), Path("r.csv"), Path("n.WK7")});
    EXPECT_EQ(imported.code, kExitOk);
    EXPECT_TRUE(imported.err.isEmpty());
    CloneImage merged;
    ASSERT_TRUE(LoadCloneFile(merged, Path("n.WK7")).ok);
    EXPECT_EQ(merged.Mem[1299].Text(kNote), "LAST PRIORITY");
    EXPECT_EQ(merged.Mem[1210].Value(kFreq), rich.Mem[1210].Value(kFreq));
    EXPECT_EQ(merged.BankCount[0], 100);  // the CSV carries no bank table

    const Outcome listing = InProcess({"listing", "--sections", "memory", Path("r.WK7")});
    EXPECT_EQ(listing.code, kExitOk);
    EXPECT_EQ(listing.out.front(), "Korvan WR-K7 Clone Utility");
    EXPECT_TRUE(listing.out.contains("Bank49"));
    EXPECT_FALSE(listing.out.contains("Settings"));
    const Outcome settings = InProcess({"listing", "--sections", "settings", "--model", "WR-K70E", Path("r.WK7")});
    EXPECT_TRUE(settings.out.contains("Model = WR-K70E"));
}

TEST_F(CliTest, FailuresPrintTheMessageTexts) {
    ASSERT_TRUE(WriteAll(Path("bad.WK7"), "Korvan WR-K7 Clone File Start\r\n" + QByteArray(2700 * 2, '\n')));
    for (const QStringList& args :
         {QStringList{"export", Path("bad.WK7"), Path("o.csv")}, QStringList{"listing", Path("bad.WK7")}}) {
        const Outcome r = InProcess(args);
        EXPECT_EQ(r.code, kExitFailure);
        EXPECT_EQ(r.err, QStringList{"Data Error"});
    }
    EXPECT_EQ(InProcess({"export", Path("missing.WK7"), Path("o.csv")}).err, QStringList{"File Open Error"});
    EXPECT_FALSE(QFile::exists(Path("o.csv")));

    CloneImage rich = RichImage();
    ASSERT_TRUE(SaveCloneFile(rich, Path("r.WK7")).ok);
    const QByteArray before = ReadAll(Path("r.WK7"));
    ASSERT_TRUE(WriteAll(Path("cut.csv"), "\"WR-K7\",\"MEMORY\",\"5\",\"146.0\""));
    const Outcome cut = InProcess({"import", Path("r.WK7"), Path("cut.csv"), Path("r.WK7")});
    EXPECT_EQ(cut.code, kExitFailure);
    EXPECT_EQ(cut.err, QStringList{"File Open Error"});
    EXPECT_EQ(ReadAll(Path("r.WK7")), before);
    EXPECT_EQ(InProcess({"new", Path("no/such/dir/x.WK7")}).err, QStringList{"File Open Error"});
}

TEST_F(CliTest, BinaryEndToEnd) {
    const Outcome made = Binary({"new", Path("b.WK7")});
    EXPECT_EQ(made.code, kExitOk);
    EXPECT_TRUE(made.err.isEmpty());
    EXPECT_EQ(Binary({"check", Path("b.WK7")}).code, kExitOk);

    QByteArray bytes = ReadAll(Path("b.WK7"));
    bytes.replace(bytes.indexOf("\r\n") + 2, 2, "zz");
    ASSERT_TRUE(WriteAll(Path("b.WK7"), bytes));
    const Outcome checked = Binary({"check", Path("b.WK7")});
    EXPECT_EQ(checked.code, kExitFailure);
    EXPECT_EQ(checked.err,
              QStringList{"line 2: settings block 0 holds characters other than upper-case hex digits"});

    const Outcome listing = Binary({"listing", "--sections", "vfo", Path("b.WK7")});
    EXPECT_EQ(listing.code, kExitOk);
    EXPECT_TRUE(listing.out.contains("VFO Data"));
    EXPECT_EQ(Binary({"listing", "--sections", "nope", Path("b.WK7")}).code, kExitUsage);
    EXPECT_EQ(Binary({"--help"}).code, kExitOk);
}

}  // namespace
}  // namespace wrk7::cli
