// wrk7 import and export with the other tool's generic CSV, and wrk7 diff.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "cli/verb.h"
#include "files/clone_file.h"
#include "files/rich_image.h"

namespace wrk7::cli {
namespace {

using wrk7::testing::ReadAll;
using wrk7::testing::WriteAll;

struct Result {
    int code = -1;
    QStringList out, err;
};

class ChirpDiffCli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        CloneImage image = wrk7::testing::RichImage();
        ASSERT_TRUE(SaveCloneFile(image, Path("a.WK7")).ok);
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    Result Wrk7(const QStringList& args) const {
        Result r;
        CliIo io{[&r](const QString& l) { r.out << l; }, [&r](const QString& l) { r.err << l; }, false};
        r.code = RunCli(QStringList{"wrk7"} + args, io);
        return r;
    }
    QTemporaryDir dir;
    const QString current = QStringLiteral(WRK7_TEST_DATA_DIR "/chirp_current.csv");
    const QString legacy = QStringLiteral(WRK7_TEST_DATA_DIR "/chirp_legacy.csv");
};

TEST_F(ChirpDiffCli, ImportNamesEveryRowItCouldNotTakeWhole) {
    const Result r = Wrk7({"import", Path("a.WK7"), current, Path("b.WK7")});
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_TRUE(r.out.isEmpty());
    ASSERT_EQ(r.err.size(), 12);
    EXPECT_EQ(r.err[0], "line 9: Location 4: \"DTCS\" squelch: imported with option OFF");
    EXPECT_EQ(r.err[5], "line 16: Location 11: mode \"DV\" is not available");
    EXPECT_EQ(r.err[11], "line 25: Location 1000: Location 1000 is outside 0-999");

    const Result diff = Wrk7({"diff", Path("a.WK7"), Path("b.WK7")});
    EXPECT_EQ(diff.code, 1);
    EXPECT_TRUE(diff.out.contains("Memory 00-000\tName\tCH1000\tTOWER")) << diff.out.join('\n').toStdString();

    const Result unreadable = Wrk7({"import", Path("a.WK7"), Path("missing.csv"), Path("c.WK7")});
    EXPECT_EQ(unreadable.code, kExitFailure);
    EXPECT_EQ(unreadable.err, QStringList{"File Open Error"});
    EXPECT_FALSE(QFile::exists(Path("c.WK7")));
}

TEST_F(ChirpDiffCli, ImportAtARowAndItsUsageErrors) {
    const Result at = Wrk7({"import", "--at", "49-048", Path("a.WK7"), legacy, Path("b.WK7")});
    EXPECT_EQ(at.code, kExitOk);
    EXPECT_EQ(at.err, (QStringList{"line 4: Location 3: no memory slot left after 999",
                                   "line 5: Location 4: mode \"USB\" is not available"}));
    const Result diff = Wrk7({"diff", Path("a.WK7"), Path("b.WK7")});
    EXPECT_EQ(diff.out.filter("\tChannel\t").size(), 1);  // slot 999 held a channel already
    EXPECT_TRUE(diff.out.contains("Memory 49-048\tChannel\tempty\t162.400000 FM"));
    EXPECT_TRUE(diff.out.contains("Memory 49-049\tName\tCH1004\tWX2"));

    const QByteArray own = "\"MODEL\",\"BANK\"\r\n";
    ASSERT_TRUE(WriteAll(Path("own.csv"), own));
    for (const QStringList& bad :
         {QStringList{"import", "--at", "02-650", Path("a.WK7"), legacy, Path("b.WK7")},
          QStringList{"import", "--at", "1000", Path("a.WK7"), legacy, Path("b.WK7")},
          QStringList{"import", "--at", "0", Path("a.WK7"), Path("own.csv"), Path("b.WK7")},
          QStringList{"export", "--format", "xls", Path("a.WK7"), Path("x.csv")}}) {
        const Result r = Wrk7(bad);
        EXPECT_EQ(r.code, kExitUsage) << bad.join(' ').toStdString();
        EXPECT_EQ(r.err.size(), 2);
    }
    EXPECT_EQ(Wrk7({"import", "--help"}).out.filter("  --at ROW ").size(), 1);
}

TEST_F(ChirpDiffCli, ExportInEitherFormat) {
    ASSERT_EQ(Wrk7({"export", "--format", "chirp", Path("a.WK7"), Path("c.csv")}).code, kExitOk);
    const QByteArray chirp = ReadAll(Path("c.csv"));
    EXPECT_TRUE(chirp.startsWith("Location,Name,Frequency,"));
    EXPECT_EQ(chirp.count("\r\n"), 6);
    ASSERT_EQ(Wrk7({"export", Path("a.WK7"), Path("own.csv")}).code, kExitOk);
    EXPECT_TRUE(ReadAll(Path("own.csv")).startsWith("\"MODEL\""));
}

TEST_F(ChirpDiffCli, DiffOfSameChangedAndDamagedFiles) {
    QByteArray bytes = ReadAll(Path("a.WK7"));
    ASSERT_TRUE(WriteAll(Path("lf.WK7"), QByteArray(bytes).replace("\r\n", "\n")));
    const Result same = Wrk7({"diff", Path("a.WK7"), Path("lf.WK7")});
    EXPECT_EQ(same.code, kExitOk);
    EXPECT_TRUE(same.out.isEmpty());

    CloneImage changed = wrk7::testing::RichImage();
    changed.Mem[1200].Set(kTone, 9);
    changed.Settings.chkBell = false;
    ASSERT_TRUE(SaveCloneFile(changed, Path("b.WK7")).ok);
    const Result differ = Wrk7({"diff", Path("a.WK7"), Path("b.WK7")});
    EXPECT_EQ(differ.code, 1);
    EXPECT_EQ(differ.out, (QStringList{"Memory Pr0\tTone\t94.8Hz\t91.5Hz",
                                       "Settings\tBell\ton\toff"}));

    ASSERT_TRUE(WriteAll(Path("cut.WK7"), bytes.left(500)));
    const Result damaged = Wrk7({"diff", Path("a.WK7"), Path("cut.WK7")});
    EXPECT_EQ(damaged.code, 2);
    EXPECT_EQ(damaged.err, QStringList{"File Open Error"});
    EXPECT_EQ(Wrk7({"diff", Path("a.WK7")}).code, 2);
}

}  // namespace
}  // namespace wrk7::cli
