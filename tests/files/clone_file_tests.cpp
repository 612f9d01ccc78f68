#include <gtest/gtest.h>

#include <optional>

#include "files/clone_file.h"
#include "files/clone_file_fixture.h"
#include "files/text_file.h"
#include "lists/clone_file_load.h"

namespace wrk7 {
namespace {

using namespace wrk7::testing;

TEST_F(CloneFileTest, SaveThenLoadKeepsEveryStoreButLineBreaksInNotesAndBanksPast1000) {
    CloneImage original = RichImage(1);
    original.memory.slot[0].SetText(kNote, "two\r\nlines\nhere");
    original.banks.counts[3] = 400;  // total 1400
    ASSERT_TRUE(SaveCloneFile(original, Path("a.WK7")).ok);
    const QByteArray first = ReadAll(Path("a.WK7"));
    EXPECT_EQ(first.count("\r\n"), kCloneFileLines);
    EXPECT_FALSE(first.contains("\n\n"));

    CloneImage loaded;
    loaded.model = 1;
    ASSERT_TRUE(LoadCloneFile(loaded, Path("a.WK7")).ok);
    // The file keeps its line count, and its bank table is cut at 1000: bank 3
    // to the remainder, the later banks emptied.
    original.memory.slot[0].SetText(kNote, "two lines here");
    original.banks.counts[3] = 50;
    original.banks.counts[49] = 0;
    // Every value and note; the blocks are the file's, which the second save
    // below shows to be what the first one encoded.
    EXPECT_TRUE(loaded.memory == original.memory && loaded.vfo == original.vfo &&
                loaded.banks.counts == original.banks.counts && loaded.groups.members == original.groups.members &&
                loaded.settings.values == original.settings.values);
    ASSERT_TRUE(SaveCloneFile(loaded, Path("b.WK7")).ok);
    EXPECT_EQ(ReadAll(Path("b.WK7")), first);
}

// A failed load says why beside its message, for the window's box.
TEST_F(CloneFileTest, BadFilesLeaveTheImageAlone) {
    const CloneImage before = RichImage(2);
    const QByteArray good = FileWith(0, std::string(FileHeaderLine));
    const std::string header = "its first line is not \"" + std::string(FileHeaderLine) + "\"";
    const std::string footer = "its last line is not \"" + std::string(FileFooterLine) + "\"";
    struct Case {
        const char* name;
        std::optional<QByteArray> bytes;  // none: the folder itself
        std::string_view message;
        std::string detail;
    } cases[] = {
        {"empty", QByteArray(), kFileOpenError, "it has 0 lines; a clone file has 2643"},
        {"short", good.left(good.indexOf("\r\n", 5000)), kFileOpenError, "it has 84 lines; a clone file has 2643"},
        {"single blanks header", FileWith(0, "Korvan WR-K7 Clone File Start"), kDataError, header},
        {"header with trailing blank", FileWith(0, std::string(FileHeaderLine).append(" ")), kDataError, header},
        {"unended", FileWith(kFooterLine, "end"), kDataError, footer},
        {"line inserted", good.left(40) + "extra\r\n" + good.mid(40), kDataError, footer},
        {"binary", QByteArray(300000, '\0'), kFileOpenError, "it has 1 line; a clone file has 2643"},
        {"binary lines", QByteArray(8000, '\n') + QByteArray(100, '\xff'), kDataError, header},
        {"huge first line", QByteArray(3 << 20, 'K') + "\r\n" + good, kDataError, header},
        {"folder", std::nullopt, kFileOpenError, "not a regular file"},
        {"channel list", "# Frequency ; Name ; Modulation ; Bandwidth; Tags\r\n118100000 ; TWR ; AM ; 8000 ; Air\r\n",
         kFileOpenError, "it is a channel list (gqrx bookmarks), not a clone file: import it with File > Import"},
        {"far too large", QByteArray(), kFileOpenError,
         "the file is 11.3 MB; a clone file is never larger than 5.6 MB"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(!c.bytes || WriteAll(Path("bad.WK7"), *c.bytes)) << c.name;
        // Sparse: the size alone must refuse it, so nothing is there to read.
        if (std::string_view(c.name) == "far too large") {
            ASSERT_TRUE(QFile::resize(Path("bad.WK7"), kMaxCloneFileBytes + 1));
        }
        CloneImage image = before;
        const FileResult r = LoadCloneFile(image, c.bytes ? Path("bad.WK7") : dir.path());
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_EQ(English(r.messages), std::vector<std::string>{std::string(c.message)}) << c.name;
        EXPECT_EQ(r.detail ? r.detail->English() : "", c.detail) << c.name;
        EXPECT_EQ(image, before) << c.name;
    }
    CloneImage image = before;
    EXPECT_EQ(English(OpenCloneFile(image, Path("missing.WK7")).messages)[0], kFileOpenError);
    EXPECT_EQ(image, before);
}

// Older files: LF line ends, lines past the footer and CP932 notes. A
// legacy note whose UTF-8 form outgrows the line limit (one CP932 byte of
// half-width katakana is three UTF-8 bytes): the load keeps as much of it as
// a save can write, so the program's own save reopens whole and checks clean.
TEST_F(CloneFileTest, LegacyFilesAndLongLegacyNotesReopenWhole) {
    auto lines = CloneFileLines(RichImage());
    lines[kFirstNoteLine] = std::string(400000, '\xB1');  // 400 kB of "ｱ"
    const QByteArray pair = *Utf8ToCp932("あ");
    lines[kFirstNoteLine + 1] = pair.repeated(600000).toStdString();  // 1.2 MB, cut by the reader
    lines[kFirstNoteLine + 999] = Utf8ToCp932("東京タワー")->toStdString();
    ASSERT_TRUE(WriteAll(Path("long.WK7"), JoinLinesCrLf(lines).replace("\r\n", "\n") + "trailing junk\nmore\n"));

    EXPECT_EQ(CheckCloneFile(Path("long.WK7")),
              (std::vector<std::string>{"a line is longer than 1048576 bytes",
                                        "line 1338: the note is longer than 4096 bytes; a load keeps its first 4096",
                                        "line 1339: the note is longer than 4096 bytes; a load keeps its first 4096"}));
    CloneImage image;
    ASSERT_TRUE(OpenCloneFile(image, Path("long.WK7")).ok);
    // Every slot is taken, the priority entries too.
    EXPECT_TRUE(image.memory.enabled[1299] && !image.memory.slot[1299].IsEmpty());
    EXPECT_EQ(image.memory.slot[1299].Text(kNote) + "|" + image.memory.slot[999].Text(kNote), "last priority|東京タワー");
    const std::string& katakana = image.memory.slot[0].Text(kNote);
    const std::string& hiragana = image.memory.slot[1].Text(kNote);
    EXPECT_EQ(katakana.size(), kMaxTextBytes / 3 * 3);  // whole characters only
    EXPECT_EQ(katakana.find_first_not_of("ｱ"), std::string::npos);
    EXPECT_GT(hiragana.size(), kMaxTextBytes - 3);
    EXPECT_EQ(hiragana.find_first_not_of("あ"), std::string::npos);

    ASSERT_TRUE(SaveCloneFile(image, Path("again.WK7")).ok);
    EXPECT_TRUE(CheckCloneFile(Path("again.WK7")).empty());
    CloneImage reopened;
    ASSERT_TRUE(LoadCloneFile(reopened, Path("again.WK7")).ok);
    EXPECT_EQ(reopened.memory.slot, image.memory.slot);
}

TEST_F(CloneFileTest, ALoadWithBadRecordsStartsFreshAndSaysWhatItRepaired) {
    // The file's own image: slot 0 empty, so a bad record there must leave
    // it empty whatever the image held before.
    CloneImage saved = NewImage();
    saved.memory.slot[1].Set(kFreq, 145.5);
    saved.memory.enabled[1] = true;
    const auto good = CloneFileLines(saved);
    const std::tuple<int, std::string, std::string> cases[] = {  // the line, its text, the repair said
        {kFirstChannelLine + 1, std::string(64, 'G'),
         "line 19: channel record of slot 1 holds characters other than upper-case hex digits; slot 00-001 is "
         "left empty"},
        {kFirstVfoLine + 2, good[kFirstVfoLine + 2].substr(0, 20),
         "line 6: VFO record of band 2 has 20 characters, 30 expected; the band keeps what could be read, its "
         "defaults elsewhere"},
        {kFirstFlagLine, "not hex",
         "line 1318: enable map chunk 0 has 7 characters, 64 expected; what could not be read takes its default"},
    };
    for (const auto& [line, text, repair] : cases) {
        auto lines = good;
        lines[static_cast<std::size_t>(line)] = text;
        CloneImage image = RichImage(0);  // another file open before
        const FileResult r = ApplyCloneFileLines(image, lines);
        ASSERT_TRUE(r.ok) << line;
        EXPECT_TRUE(image.memory.slot[0].IsEmpty() && image.memory.slot[0].Text(kNote).empty()) << line;
        EXPECT_EQ(image.memory.slot[299].Value(kFreq), 0) << line << ": nothing of the previous image stays";
        const auto repairs = English(r.repairs);
        EXPECT_NE(std::find(repairs.begin(), repairs.end(), repair), repairs.end()) << line;
    }
    EXPECT_TRUE(ApplyCloneFileLines(*std::make_unique<CloneImage>(), good).repairs.empty());

    auto hopeless = good;
    for (int l = kFirstVfoLine; l < kFirstFlagLine; ++l) hopeless[static_cast<std::size_t>(l)].assign(1, '?');
    CloneImage untouched = RichImage(0);
    const FileResult refused = ApplyCloneFileLines(untouched, hopeless);
    EXPECT_EQ(English(refused.messages), std::vector<std::string>{"Data Error"});
    EXPECT_EQ(untouched.memory.slot[0].Value(kFreq), RichImage(0).memory.slot[0].Value(kFreq));
}

TEST_F(CloneFileTest, CheckReportsEachProblemWithItsLine) {
    auto lines = CloneFileLines(RichImage());
    lines[kFirstChannelLine + 2] = lines[kFirstChannelLine + 2].substr(0, 60);
    lines[kFirstVfoLine] = "ZZ" + lines[kFirstVfoLine].substr(2);
    lines[kFirstBankLine] = std::string("6400").append(60, '0');  // total 100 + 50
    ASSERT_TRUE(WriteAll(Path("chk.WK7"), JoinLinesCrLf(lines)));
    EXPECT_EQ(CheckCloneFile(Path("chk.WK7")),
              (std::vector<std::string>{"line 4: VFO record of band 0 holds characters other than upper-case hex digits",
                                        "line 20: channel record of slot 2 has 60 characters, 64 expected",
                                        "line 2638: Total CH must be 1000: the bank table adds up to 150"}));

    ASSERT_TRUE(WriteAll(Path("short.WK7"), "Korvan  WR-K7  Clone  File Start\r\n"));
    EXPECT_EQ(CheckCloneFile(Path("short.WK7")),
              std::vector<std::string>{"line 2: File Open Error: the file ends after 1 lines, 2643 are needed"});
    ASSERT_TRUE(QFile::resize(Path("short.WK7"), 300'000'000));
    EXPECT_EQ(CheckCloneFile(Path("short.WK7")),
              std::vector<std::string>{
                  "line 1: File Open Error: the file is 300.0 MB; a clone file is never larger than 5.6 MB"});
}

}  // namespace
}  // namespace wrk7
