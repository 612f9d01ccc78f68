// Every verb's usage errors and failures in-process; the file verbs (new,
// check, export, import, listing, diff) in-process, and the built tool as a
// user runs it.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "cli/verb.h"
#include "cli_support.h"
#include "files/clone_file.h"
#include "files/rich_image.h"
#include "lists/clone_file_load.h"
#include "lists/csv.h"

namespace wrk7::cli {
namespace {

using namespace test;
using namespace wrk7::testing;

std::string Args(const QStringList& args) { return args.join(' ').toStdString(); }

// A device that reads without end on POSIX; Windows has only its empty one.
#ifdef _WIN32
const QString kDevice = QStringLiteral("NUL");
#else
const QString kDevice = QStringLiteral("/dev/zero");
#endif

// A folder holding a.WK7, a save of the rich image.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        CloneImage image = RichImage();
        ASSERT_TRUE(SaveCloneFile(image, Path("a.WK7")).ok);
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
    const QString current = QStringLiteral(WRK7_TEST_DATA_DIR "/chirp_current.csv");
    const QString legacy = QStringLiteral(WRK7_TEST_DATA_DIR "/chirp_legacy.csv");
    const QString county = QStringLiteral(WRK7_TEST_DATA_DIR "/lists/county_current.csv");
};

TEST(CliModel, NamesAndUsage) {
    const std::pair<const char*, std::optional<int>> models[] = {{"WR-K7J", 0},  {"wr-k70e", 1}, {"WR-K70T", 2},
                                                                 {"WR-K70K", 3}, {"WR-K70", {}}, {"", {}}};
    for (const auto& [name, model] : models) EXPECT_EQ(ParseModel(name), model) << name;

    const Ran help = InProcess({"--help"});
    EXPECT_TRUE(help.code == kExitOk && help.err.isEmpty());
    // Every verb once, its synopsis whole however it breaks to fit 80 columns.
    const QString joined = help.out.join(' ').simplified();
    for (const auto& v : AllVerbs()) {
        EXPECT_EQ(help.out.filter(QRegularExpression(QString("^  %1( |$)").arg(v.name))).size(), 1) << v.name;
        EXPECT_TRUE(joined.contains(QString::fromUtf8(v.synopsis).simplified())) << v.name;
        const Ran verbHelp = InProcess({v.name, "--help"});
        EXPECT_TRUE(verbHelp.out.join(' ').simplified().startsWith("Usage: wrk7 " + QString(v.synopsis).simplified()))
            << v.name;
        for (const QString& line : help.out + verbHelp.out) EXPECT_LE(line.size(), 80) << line.toStdString();
    }
    EXPECT_EQ(InProcess({"--version"}).out, QStringList{"wrk7 1.0.0"});
    EXPECT_EQ(InProcess({"import", "--help"}).out.filter(QRegularExpression("^  --at ROW ")).size(), 1);
}

TEST_F(CliTest, UsageErrorsGiveTheMessageAndTheHelpLine) {
    ASSERT_TRUE(WriteAll(Path("own.csv"), "\"MODEL\",\"BANK\"\r\n"));
    using L = QStringList;
    for (const L& bad : {L{}, L{"frobnicate"}, L{"new"}, L{"new", "--model", "WR-K9", "x"}, L{"check", "a", "b"},
                         L{"export", "--bogus", "a", "b"}, L{"listing", "--sections", "vfo,extra", "a"},
                         L{"import", "--at", "02-650", Path("a.WK7"), legacy, Path("b.WK7")},
                         L{"import", "--at", "1000", Path("a.WK7"), legacy, Path("b.WK7")},
                         L{"import", "--at", "0", Path("a.WK7"), Path("own.csv"), Path("b.WK7")},
                         L{"export", "--format", "xls", Path("a.WK7"), Path("x.csv")}, L{"diff", Path("a.WK7")},
                         L{"read", "--port", "emulator", "--part", "vfo", Path("b.WK7")}, L{"read", Path("b.WK7")},
                         L{"emulate", "--fault", "explode"},
                         L{"emulate", "--latency-timer", "256"}, L{"emulate", "--latency-timer", "1x"},
                         L{"import", "--at", "0", "--bank", "2", Path("a.WK7"), county, Path("b.WK7")},
                         L{"import", "--grow", Path("a.WK7"), county, Path("b.WK7")},
                         L{"import", "--bank", "50", Path("a.WK7"), county, Path("b.WK7")},
                         L{"import", "--duplicates", "merge", Path("a.WK7"), county, Path("b.WK7")},
                         L{"import", "--format", "kml", Path("a.WK7"), county, Path("b.WK7")},
                         L{"import", "--bank", "2", Path("a.WK7"), current, Path("b.WK7")}}) {
        const Ran r = InProcess(bad);
        EXPECT_EQ(r.code, kExitUsage) << Args(bad);
        ASSERT_EQ(r.err.size(), 2) << Args(bad);
        EXPECT_TRUE(r.err[1].startsWith("Usage: wrk7") || r.err[1] == "Try 'wrk7 --help'.") << Args(bad);
    }
    EXPECT_FALSE(QFile::exists(Path("b.WK7")));
}

TEST_F(CliTest, NewExportImportAndListing) {
    ASSERT_EQ(InProcess({"new", "--model", "WR-K70T", Path("n.WK7")}).code, kExitOk);
    ASSERT_TRUE(SaveCloneFile(NewImage(2), Path("new70t.WK7")).ok);
    EXPECT_EQ(ReadAll(Path("n.WK7")), ReadAll(Path("new70t.WK7")));

    EXPECT_EQ(Told(InProcess({"export", Path("a.WK7"), Path("r.csv")})), std::pair(kExitOk, QStringList{}));
    EXPECT_TRUE(ReadAll(Path("r.csv")).startsWith("\"MODEL\""));
    // Apply the rich channels to the new image, writing the result over it.
    EXPECT_EQ(Told(InProcess({"import", Path("n.WK7"), Path("r.csv"), Path("n.WK7")})), std::pair(kExitOk, QStringList{}));
    CloneImage merged;
    ASSERT_TRUE(LoadCloneFile(merged, Path("n.WK7")).ok);
    EXPECT_EQ(merged.memory.slot[1299].Text(kNote), "LAST PRIORITY");
    EXPECT_TRUE(merged.memory.slot[1210].Value(kFreq) == RichImage().memory.slot[1210].Value(kFreq) &&
                merged.banks.counts[0] == 100);  // the CSV carries no bank table

    // The sections chosen and the listing's heading: BinaryEndToEndWithoutADisplay.
    const Ran settings = InProcess({"listing", "--sections", "settings", "--model", "WR-K70E", Path("a.WK7")});
    EXPECT_TRUE(settings.code == kExitOk && settings.out.contains("Model = WR-K70E"));
}

TEST_F(CliTest, FailuresPrintTheMessageTextsAndWriteNothing) {
    ASSERT_TRUE(WriteAll(Path("bad.WK7"), "Korvan WR-K7 Clone File Start\r\n" + QByteArray(2700 * 2, '\n')));
    ASSERT_TRUE(WriteAll(Path("empty.csv"), ""));
    // Our heading, and a row no receiver can hold: nothing taken.
    ASSERT_TRUE(WriteAll(Path("far.csv"), QByteArray::fromStdString(CsvExportLines(CloneImage())[0]) + "\r\n" +
                                              "\"WR-K7\",\"MEMORY\",\"5\",\"5000\",\"FM\",\"5KHz\",\"OFF\",\"0\","
                                              "\"JR\",\"67.0Hz\",\"OFF\",\"0\",\"\",\"\",#FALSE#,#TRUE#\r\n"));
    const QByteArray before = ReadAll(Path("a.WK7"));
    const std::pair<QStringList, QStringList> cases[] = {
        {{"export", Path("bad.WK7"), Path("o.csv")}, {"Data Error"}},
        {{"listing", Path("bad.WK7")}, {"Data Error"}},
        {{"export", Path("missing.WK7"), Path("o.csv")}, {"File Open Error"}},
        {{"import", Path("a.WK7"), Path("missing.csv"), Path("a.WK7")}, {"File Open Error"}},
        {{"import", Path("a.WK7"), kDevice, Path("c.WK7")}, {"File Open Error"}},  // a device, refused unread
        {{"import", Path("a.WK7"), Path("empty.csv"), Path("c.WK7")}, {"No channel rows were found in empty.csv.", "The file is empty."}},
        {{"import", Path("a.WK7"), Path("far.csv"), Path("c.WK7")},
         {"line 2: MEMORY 5: frequency 5000.000000 MHz is outside 0.1-1299.995 MHz",
          "No channel rows were found in far.csv.", "Its one row could not be read.",
          "Line 2 (MEMORY 5): frequency 5000.000000 MHz is outside 0.1-1299.995 MHz."}},
        {{"new", Path("no/such/dir/x.WK7")}, {"File Open Error"}},
        {{"write", "--port", "emulator", Path("missing.WK7")}, {"File Open Error"}},
    };
    for (const auto& [args, message] : cases) EXPECT_EQ(Told(InProcess(args)), std::pair(kExitFailure, message)) << Args(args);
    EXPECT_FALSE(QFile::exists(Path("o.csv")) || QFile::exists(Path("c.WK7")));
    EXPECT_EQ(ReadAll(Path("a.WK7")), before);
}

TEST_F(CliTest, ChirpImportNamesEveryRowItCouldNotTakeWhole) {
    const Ran r = InProcess({"import", Path("a.WK7"), current, Path("b.WK7")});
    EXPECT_TRUE(r.code == kExitOk && r.out.isEmpty());
    ASSERT_EQ(r.err.size(), 16);
    EXPECT_EQ(r.err[0], "line 6: Location 2: name \"rptr-up\" shortened to \"RPTR-U\"");

    EXPECT_EQ(Told(InProcess({"import", "--at", "49-048", Path("a.WK7"), legacy, Path("c.WK7")})),
              std::pair(kExitOk, QStringList{"line 4: Location 3: no memory slot left after 999",
                                                  "line 5: Location 4: mode \"USB\" is not available"}));
    const Ran placed = InProcess({"diff", Path("a.WK7"), Path("c.WK7")});
    // One channel more: slot 999 held a channel already.
    EXPECT_EQ(placed.out.filter("\tChannel\t"), QStringList{"Memory 49-048\tChannel\tempty\t162.400000 FM"});
    EXPECT_TRUE(placed.out.contains("Memory 49-049\tName\tCH1004\tWX2"));
}

TEST_F(CliTest, AListWithoutSlotsGoesWhereTheOptionsSayAndNamesWhatItLeftOut) {
    const Ran r = InProcess({"import", "--bank", "2", Path("a.WK7"), county, Path("b.WK7")});
    EXPECT_EQ(r.code, kExitOk);
    // The summary on stdout, each row left out or changed on stderr; 02-000 held a channel.
    EXPECT_EQ(r.out, QStringList{"3 channels into bank 2: 1 replaces a used channel, 1 is left out: digital"});
    EXPECT_EQ(r.err, (QStringList{"line 2: 02-000: name \"FD DISP\" shortened to \"FD DIS\"",
                                  "line 4: mode \"P25\" is digital: the receiver hears FM, AM and WFM only",
                                  "line 5: 02-002: squelch \"023 DPL\" is not a CTCSS tone: imported with carrier squelch only"}));
    const Ran placed = InProcess({"diff", Path("a.WK7"), Path("b.WK7")});
    EXPECT_TRUE(placed.out.contains("Memory 02-000\tFrequency\t145.037500\t154.430000"));
    EXPECT_EQ(placed.out.filter("\tChannel\t"), (QStringList{"Memory 02-001\tChannel\tempty\t155.475000 FM",
                                                         "Memory 02-002\tChannel\tempty\t460.025000 FM"}));
    ASSERT_TRUE(WriteAll(Path("cut.json"), "{\"lists\": {\"A\": {\"bookmarks\": {"));
    EXPECT_EQ(Told(InProcess({"import", Path("a.WK7"), Path("cut.json"), Path("c.WK7")})),
              std::pair(kExitFailure, QStringList{"No channel rows were found in cut.json.",
                                                  "the JSON is not well formed at line 1: unterminated object"}));
    EXPECT_FALSE(QFile::exists(Path("c.WK7")));
}

// A repeater directory's export: every repeater with an analog part comes in.
TEST_F(CliTest, ARepeaterDirectoryExportImportsEveryRowTheReceiverHears) {
    const QString repeaters = QStringLiteral(WRK7_TEST_DATA_DIR "/lists/repeaterbook_export.csv");
    const Ran r = InProcess({"import", "--model", "WR-K70E", Path("a.WK7"), repeaters, Path("b.WK7")});
    EXPECT_EQ(r.code, kExitOk);
    ASSERT_EQ(r.out.size(), 1);
    EXPECT_TRUE(r.out[0].startsWith("11 channels into empty slots from row ")) << r.out[0].toStdString();
    EXPECT_TRUE(r.out[0].endsWith(": 4 are left out: digital")) << r.out[0].toStdString();
    EXPECT_EQ(r.err.filter("is digital").size(), 4);
}

TEST_F(CliTest, ListsExportedInEachFormatImportBackToTheSameChannels) {
    ASSERT_EQ(InProcess({"new", Path("n.WK7")}).code, kExitOk);
    for (const char* format : {"chirp", "gqrx", "sdrsharp", "sdrpp"}) {
        const QString list = Path("list.") + QString::fromLatin1(format);
        ASSERT_EQ(Told(InProcess({"export", "--format", format, Path("a.WK7"), list})), std::pair(kExitOk, QStringList{}));
        const Ran r = InProcess({"import", "--at", "0", Path("n.WK7"), list, Path("back.WK7")});
        EXPECT_EQ(r.code, kExitOk) << format;
        CloneImage back;
        ASSERT_TRUE(LoadCloneFile(back, Path("back.WK7")).ok);
        // The rich image's five memory channels, in slot order, and nothing after them.
        std::vector<std::string> channels;
        for (int slot = 0; slot < 6; ++slot)
            channels.push_back(back.memory.slot[slot].Text(kFreq) + " " + back.memory.slot[slot].Text(kMode));
        EXPECT_EQ(channels, (std::vector<std::string>{"145.000000 FM", "145.012500 AM", "145.025000 WFM",
                                                      "145.037500 FM", "145.050000 AM", " "}))
            << format;
    }
}

TEST_F(CliTest, DiffOfSameChangedAndDamagedFiles) {
    QByteArray bytes = ReadAll(Path("a.WK7"));
    ASSERT_TRUE(WriteAll(Path("lf.WK7"), QByteArray(bytes).replace("\r\n", "\n")));
    const Ran same = InProcess({"diff", Path("a.WK7"), Path("lf.WK7")});
    EXPECT_TRUE(same.code == kExitOk && same.out.isEmpty()) << same.out.join('\n').toStdString();

    CloneImage changed = RichImage();
    changed.memory.slot[1200].Set(kTone, 9);
    changed.settings.values.chkBell = false;
    ASSERT_TRUE(SaveCloneFile(changed, Path("b.WK7")).ok);
    const Ran differ = InProcess({"diff", Path("a.WK7"), Path("b.WK7")});
    EXPECT_EQ(differ.code, 1);
    EXPECT_EQ(differ.out, (QStringList{"Memory Pr0\tTone\t94.8Hz\t91.5Hz", "Settings\tBell\ton\toff"}));

    ASSERT_TRUE(WriteAll(Path("cut.WK7"), bytes.left(500)));
    const Ran damaged = InProcess({"diff", Path("a.WK7"), Path("cut.WK7")});
    EXPECT_TRUE(damaged.code == 2 && damaged.err == QStringList{"File Open Error"});
}

// The merge's exits: a conflict is one line naming the row and field with
// both values; without --prefer OUT stays unwritten, with it the side wins.
TEST_F(CliTest, MergeListsConflictsAndWritesOnlyWhenTheyAreDecided) {
    CloneImage mine = RichImage(), receiver = RichImage();
    mine.memory.slot[1200].Set(kTone, 9);
    receiver.memory.slot[1200].Set(kTone, 5);
    receiver.settings.values.chkBell = false;
    ASSERT_TRUE(SaveCloneFile(mine, Path("m.WK7")).ok && SaveCloneFile(receiver, Path("r.WK7")).ok);
    const QStringList files{Path("a.WK7"), Path("m.WK7"), Path("r.WK7"), Path("o.WK7")};
    const Ran refused = InProcess(QStringList{"merge"} + files);
    const QStringList conflict{"Memory Pr0 Tone: mine 91.5Hz, the receiver's 79.7Hz"};
    EXPECT_TRUE(refused.code == 3 && refused.err == conflict && !QFile::exists(Path("o.WK7"))) << Args(refused.err);
    for (const auto& [side, tone] : {std::pair{"mine", 9}, {"receiver", 5}}) {
        const Ran ran = InProcess(QStringList{"merge", "--prefer", side} + files);
        EXPECT_TRUE(ran.code == kExitOk && ran.err == conflict) << side;
        CloneImage merged;
        ASSERT_TRUE(LoadCloneFile(merged, Path("o.WK7")).ok);
        EXPECT_EQ(merged.memory.slot[1200].Value(kTone), tone) << side;
        EXPECT_FALSE(merged.settings.values.chkBell) << side;
    }
    const Ran clean = InProcess({"merge", Path("a.WK7"), Path("a.WK7"), Path("r.WK7"), Path("o.WK7")});
    EXPECT_TRUE(clean.code == kExitOk && clean.err.isEmpty());
    EXPECT_EQ(ReadAll(Path("o.WK7")), ReadAll(Path("r.WK7")));
}

// OUT "-" is standard output, in every format: the very bytes of the file,
// its CR LF line ends too (Windows writes them in binary mode), and no file "-".
TEST_F(CliTest, ExportToADashWritesTheFilesBytesToStandardOutput) {
    for (const char* format : {"wrk7", "chirp", "gqrx", "sdrsharp", "sdrpp"}) {
        ASSERT_EQ(Binary({"export", "--format", format, Path("a.WK7"), Path("file")}).code, kExitOk) << format;
        QProcess piped;
        piped.setWorkingDirectory(dir.path());
        piped.start(Wrk7Path(), {"export", "--format", format, Path("a.WK7"), "-"});
        ASSERT_TRUE(piped.waitForFinished(60000));
        EXPECT_EQ(piped.exitCode(), kExitOk);
        EXPECT_EQ(piped.readAllStandardOutput(), ReadAll(Path("file"))) << format;
        EXPECT_FALSE(QFile::exists(Path("-")));
    }
}

// The built tool with no display, no runtime folder, and no Qt platform set
// or one that needs a display.
TEST_F(CliTest, BinaryEndToEndWithoutADisplay) {
    EXPECT_EQ(Told(Binary({"new", Path("b.WK7")})), std::pair(kExitOk, QStringList{}));
    EXPECT_EQ(Binary({"check", Path("b.WK7")}).code, kExitOk);
    QByteArray bytes = ReadAll(Path("b.WK7"));
    bytes.replace(bytes.indexOf("\r\n") + 2, 2, "zz");
    ASSERT_TRUE(WriteAll(Path("b.WK7"), bytes));
    EXPECT_EQ(Told(Binary({"check", Path("b.WK7")})),
              std::pair(kExitFailure, QStringList{"line 2: settings block 0 holds characters other than upper-case hex digits"}));
    EXPECT_EQ(Binary({"listing", "--sections", "nope", Path("b.WK7")}).code, kExitUsage);

    const Ran lines = Binary({"listing", "--sections", "vfo", Path("a.WK7")});
    EXPECT_EQ(std::pair(lines.code, lines.out.mid(0, 5)),
              std::pair(kExitOk, QStringList{"Korvan WR-K7 Clone Utility", "", "", "", "VFO Data"}));

#ifdef _WIN32
    // Qt for Windows built here has no offscreen platform plugin, and the
    // windows one needs a window station, which Wine without a display lacks.
    GTEST_SKIP() << "listing --pdf: no headless Qt platform under Wine";
#endif
    const QString pdf = Path("out.pdf");
    const Ran printed = Binary({"listing", "--pdf", pdf, "--sections", "memory", "--model", "WR-K70E", Path("a.WK7")});
    EXPECT_EQ(Told(printed), std::pair(kExitOk, QStringList{}));  // no Qt warning about the runtime folder
    EXPECT_TRUE(printed.out.isEmpty());
    EXPECT_TRUE(ReadAll(pdf).startsWith("%PDF-"));
    const QString text = test::Program(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}).out.join('\n');
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Ch +Frequency +Mode +Step +Option +Secret +Skip"))));
    EXPECT_TRUE(text.contains(QStringLiteral("a.WK7")) && !text.contains(QStringLiteral("VFO Data")));
    for (const char* platform : {"xcb", "wayland"}) {  // a desktop's platform, but no display
        const Ran failed = Binary({"listing", "--pdf", Path("no/dir/x.pdf"), Path("a.WK7")}, platform);
        EXPECT_TRUE(failed.code == kExitFailure && failed.err == QStringList{"File Open Error"}) << platform;
    }
}

}  // namespace
}  // namespace wrk7::cli
