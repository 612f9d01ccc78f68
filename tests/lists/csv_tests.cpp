// Channels as text. The program's own CSV and the other tool's generic CSV:
// records, the row mapping both ways, whole files in each layout, and the
// exports' round trips. What Copy puts on the clipboard and what Paste reads
// back: the exact records, the grid's tab-separated text, and text typed in a
// spreadsheet.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <array>
#include <tuple>

#include "codecs/channel_codec.h"
#include "codecs/grid_text.h"
#include "core/channel_limits.h"
#include "core/slot_texts.h"
#include "edit/channel_paste.h"
#include "edit/channel_rules.h"
#include "files/clone_file.h"
#include "files/rich_image.h"
#include "files/text_file.h"
#include "lists/channel_records_text.h"
#include "lists/channel_tsv.h"
#include "lists/chirp_csv.h"
#include "lists/chirp_map.h"
#include "lists/csv.h"
#include "lists/csv_records.h"
#include "lists/list_map.h"
#include "lists/name_fit.h"

namespace wrk7 {
namespace {

using namespace wrk7::testing;
using Outcome = ChirpMapping::Outcome;

std::string Row(std::string_view area, std::string_view channel, std::string_view rest) {
    return "\"WR-K7\",\"" + std::string(area) + "\",\"" + std::string(channel) + "\"," + std::string(rest) + "\r\n";
}
// Each issue as "line location: reason" (no location: "line reason").
std::vector<std::string> IssueLines(const std::vector<ImportIssue>& issues) {
    std::vector<std::string> lines;
    for (const ImportIssue& i : issues)
        lines.push_back(std::to_string(i.line) + " " + (i.location.empty() ? "" : i.location + ": ") + i.reason.English());
    return lines;
}
constexpr std::string_view kPlain =
    R"("145.500000","FM","12.5KHz","OFF","0","500Hz","88.5Hz","OFF","0.000000","note","NAME","#FALSE#",#TRUE#)";

TEST(CsvLookup, ChannelNames) {
    const struct {
        int (*lookup)(std::string_view);
        const char* text;
        int slot;
    } cases[] = {
        {ProgramScanSlot, "P3B", 1007}, {ProgramScanSlot, "P0A", 1000}, {ProgramScanSlot, "P49B", 1099},
        {ProgramScanSlot, "P50A", -1},  {ProgramScanSlot, "7", 1007},   {ProgramScanSlot, "1050", 1050},
        {ProgramScanSlot, "100", -1},   {ProgramScanSlot, "X3B", -1},   {ProgramScanSlot, "", -1},
        {ProgramScanSlot, "1100", -1},  {SearchPassSlot, "99", 1199},   {SearchPassSlot, "1100", 1100},
        {SearchPassSlot, "S5", -1},     {PrioritySlot, "10", 1210},     {PrioritySlot, "99", 1299},
        {PrioritySlot, "1250", 1250},   {PrioritySlot, "1300", -1},     {PrioritySlot, "100", -1},
        {PrioritySlot, "2.5", 1202},    {PrioritySlot, "3.5", 1204},  // ties to even
    };
    for (const auto& c : cases) EXPECT_EQ(c.lookup(c.text), c.slot) << c.text;
}

TEST(CsvImport, ExportThenImportRestoresChannels) {
    CloneImage original = RichImage(1);
    original.memory.slot[0].Set(kOption, 10);  // the skip-marked options go out by their text
    original.memory.slot[1].Set(kOption, 11);
    original.memory.slot[1099].Set(kSkip, 1);  // SKIP goes out quoted and comes back as the flag it was
    const auto lines = CsvExportLines(original);
    ASSERT_EQ(lines.size(), 1u + 14 + 1300);
    EXPECT_EQ(lines[0].substr(0, 24), R"("MODEL","BANK","CHANNEL")");
    EXPECT_NE(lines[1].find(R"("WR-K7","VFO","0",)"), std::string::npos);
    EXPECT_EQ(lines[1].substr(lines[1].size() - 18), R"("#FALSE#","#TRUE#")");
    EXPECT_NE(lines[15].find(R"("Tower, north side")"), std::string::npos);
    EXPECT_NE(lines[16].find(R"("say ""hello""")"), std::string::npos);
    EXPECT_EQ(lines[15].substr(lines[15].size() - 16), R"("#FALSE#",#TRUE#)");
    EXPECT_NE(lines[15 + 1007].find(R"("PROGRAM SCAN","P3B")"), std::string::npos);
    EXPECT_EQ(lines[15 + 1099].substr(lines[15 + 1099].size() - 15), R"("#TRUE#",#TRUE#)");
    EXPECT_NE(lines[15 + 1299].find(R"("PRIORITY","99")"), std::string::npos);
    EXPECT_EQ(lines[15 + 2].substr(lines[15 + 2].size() - 17), R"("#FALSE#",#FALSE#)");

    QTemporaryDir dir;
    const QString path = dir.filePath("x.csv");
    ASSERT_TRUE(ExportCsv(original, path).ok);
    const QByteArray bytes = ReadAll(path);
    EXPECT_EQ(bytes.count("\r\n"), 1315);
    EXPECT_TRUE(bytes.contains(R"("Tone+Skip","0","300Hz")"));
    EXPECT_EQ(English(ExportCsv(original, dir.path()).messages)[0], kFileOpenError);
    CloneImage image = NewImage(1);
    const CsvImportResult r = ImportCsv(image, path);
    ASSERT_TRUE(r.result.ok);
    EXPECT_EQ(r.rowsStored, 14 + 13);  // empty slots are passed over for their zero frequency
    EXPECT_TRUE(r.issues.empty()) << r.issues.front().reason.English();  // and without a word
    for (int s : {0, 1, 299, 1000, 1007, 1099, 1210, 1299}) {
        for (int f = 0; f <= kSkip; ++f)
            EXPECT_EQ(image.memory.slot[s].Value(f), original.memory.slot[s].Value(f)) << s << " " << f;
        EXPECT_TRUE(image.memory.enabled[s]);
        EXPECT_EQ(image.memory.slot[s].Text(kSkip), s == 1099 ? "True" : "False");
    }
    EXPECT_EQ(image.memory.slot[0].Text(kNote), "TOWER, NORTH SIDE");
    EXPECT_EQ(image.memory.slot[1].Text(kNote), "SAY \"HELLO\"");
    EXPECT_EQ(image.memory.slot[300].Text(kNote), "東京タワー ①");
    EXPECT_EQ(image.vfo.bands[2].Text(kNote), "BAND NOTE, WITH COMMA");
}

TEST(CsvImport, FieldRules) {
    CloneImage image;
    std::string text = "\"MODEL\",\"BANK\"\r\n";
    text += Row("memory", "5", kPlain);                          // area upper-cased
    text += "\"wr-k7\",\"MEMORY\",\"6\"," + std::string(kPlain) + "\r\n";  // model is exact
    text += Row("MEMORY", "9", R"("145.5","am","5khz","tone","3","3100Hz","99.9Hz","-shift","1.5","x","y",#TRUE#,#TRUE#)");
    text += Row("MEMORY", "10", R"("145.5","FM","5KHz","OFF","0","300Hz","100.0","+SHIFT","0","","","#FALSE#",#FALSE#)");
    text += Row("MEMORY", "11", "\"145.5\",\"WFM\",\"5KHz\",\"OFF\",\"0\",\"JR\",\"67\",\"OFF\",\"0\",\"a\r\nb\",\"n\",\"#FALSE#\",#TRUE#");
    text += Row("MEMORY", "12", R"("145.5","FM","5KHz","rev.+skip","0","JR","67","OFF","0","","",#TRUE#,#TRUE#)");
    text += Row("VFO", "13", kPlain);
    // A row as older programs wrote it: CP932 text, a bare LF at its end.
    const QByteArray legacy = QByteArray::fromStdString(Row("MEMORY", "3", kPlain)).replace("note", *Utf8ToCp932("東京"));
    ASSERT_TRUE(ImportCsvBytes(image, QByteArray::fromStdString(text) + legacy.chopped(2) + "\n").result.ok);

    EXPECT_EQ(Texts(image.memory.slot[5], {kFreq, kCarrier, kName}), "145.500000|500Hz|NAME");
    for (int s : {6, 10}) EXPECT_TRUE(image.memory.slot[s].IsEmpty()) << s;  // 10: ENABLE false, wiped by the refresh
    // SKIP given as the yes/no value joins the option; an unknown tone is left.
    EXPECT_EQ(Texts(image.memory.slot[9], {kMode, kOption, kCarrier, kTone, kShift, kSkip}), "AM|Tone+Skip|JR|88.5Hz|-Shift|True");
    // The skip bit is not added twice to an option that holds it.
    EXPECT_EQ(std::pair(image.memory.slot[9].Value(kOption), image.memory.slot[12].Value(kOption)), std::pair(10.0, 11.0));
    EXPECT_EQ(Texts(image.memory.slot[11], {kNote, kTone}), "A B|67.0Hz");
    EXPECT_EQ(image.memory.slot[3].Text(kNote), "東京");
    EXPECT_EQ(image.vfo.bands[13].Text(kFreq), "145.500000");
}

// A spreadsheet that quotes every text cell writes ENABLE as "#TRUE#": the
// value counts, quoted or not, and a field that is neither is said.
TEST(CsvImport, YesNoFieldsReadTheirValueQuotedOrNot) {
    const std::string channel = R"("145.5","FM","5KHz","OFF","0","JR","67","OFF","0","","NAME",)";
    const struct {
        std::string skip, enable;
        bool used;   // the slot holds the row's channel afterwards
        int skip11;  // the skip flag then (-1: as the slot had it, 1)
        int option;  // the option then
        const char* issue;
    } cases[] = {
        {R"("#FALSE#")", R"("#TRUE#")", true, 0, 0, ""},
        {R"("#TRUE#")", R"("#TRUE#")", true, 1, 0, ""},
        {"#TRUE#", "#TRUE#", true, -1, 8, ""},  // the yes/no value joins the option, as it always has
        {R"( "#TRUE#" )", "#TRUE#", true, 1, 0, ""},
        {R"("#FALSE#")", R"("#FALSE#")", false, 0, 0, ""},
        {R"("#FALSE#")", "TRUE", true, -1, 0, "ENABLE \"TRUE\" is neither #TRUE# nor #FALSE#: the slot keeps what it holds"},
        {R"("#FALSE#")", R"("")", true, -1, 0, "ENABLE \"\" is neither #TRUE# nor #FALSE#: the slot keeps what it holds"},
        {"yes", R"("#TRUE#")", true, 0, 0, "SKIP \"yes\" is neither #TRUE# nor #FALSE#: imported without skip"},
    };
    CloneImage image = NewImage(0);
    std::string text;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SlotFields& held = image.memory.slot[i];
        held.Set(kFreq, 150.0);
        held.Set(kSkip, 1);
        image.memory.enabled[i] = true;
        text += Row("MEMORY", std::to_string(i), channel + cases[i].skip + "," + cases[i].enable);
    }
    const CsvImportResult r = ImportCsvText(image, text);
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        const SlotFields& slot = image.memory.slot[i];
        if (*c.issue) expected.push_back(std::to_string(i + 1) + " MEMORY " + std::to_string(i) + ": " + c.issue);
        EXPECT_EQ(!slot.IsEmpty(), c.used) << c.skip << " " << c.enable;
        if (!c.used) continue;
        // A row passed over leaves the slot as it was: 150 MHz.
        EXPECT_EQ(slot.Text(kFreq), *c.issue && c.issue[0] == 'E' ? "150.000000" : "145.500000") << c.enable;
        EXPECT_EQ(slot.Value(kSkip), c.skip11 < 0 ? 1 : c.skip11) << c.skip;
        EXPECT_EQ(slot.Value(kOption), c.option) << c.skip;
    }
    EXPECT_EQ(IssueLines(r.issues), expected);
    EXPECT_EQ(std::pair(r.rowsStored, r.rowsRejected), std::pair(6, 2));
}

// A file that gives no channel: nothing changes (not a
// disabled slot's record) and the messages say why. Damaged text (a row or a
// quote cut short by the end, stray quotes, binary bytes) is no crash.
TEST(CsvImport, AFileWithoutChannelRowsChangesNothingAndSaysWhy) {
    QTemporaryDir dir;
    const std::string usb =
        Row("MEMORY", "8", R"("145.5","USB","12.5KHz","OFF","0","500Hz","88.5Hz","OFF","0","","","#FALSE#",#TRUE#)");
    const std::string heading = CsvExportLines(CloneImage())[0] + "\r\n";
    const std::string none = "No channel rows were found in list.csv.";
    const std::string unknown =
        "Its header is none of the lists this program reads: this program's CSV, CHIRP CSV, frequency-database "
        "export, repeater directory export, gqrx bookmarks, SDR# frequency manager or SDR++ frequency manager.";
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"", {none, "The file is empty."}},
        {std::string("\x01\x02 random\xff bytes", 17), {none, "It is not a CSV file."}},
        {heading, {none, "It holds a header line alone."}},
        {"a,b\r\n1,2\r\n", {none, unknown}},
        {usb, {none, "Its one row could not be taken."}},
        {usb + usb, {none, "None of its 2 rows could be taken."}},
        // Our heading: the rows were meant as ours, so the first one's reason.
        {heading + usb, {none, "Its one row could not be read.", "Line 2 (MEMORY 8): mode \"USB\" is not available."}},
        {heading + "a,b\r\n\r\n1,2\r\n" + usb,
         {none, "None of its 3 rows could be read.", "Line 2: model \"a\" is not WR-K7."}},
        {Row("MEMORY", "50", kPlain) + "\"WR-K7\",\"MEMORY\",\"51\",\"146\"", {std::string(kFileOpenError)}},
        {"\"WR-K7\",\"MEMORY\",\"" + std::string(500, '9'), {std::string(kFileOpenError)}},
        {std::string("\"\0\xff,,\"WR-K7\",\"\r\n\"", 16) + "\r\n" + Row("MEMORY", "60", kPlain),
         {none, unknown}},
    };
    const QString path = dir.filePath(QStringLiteral("list.csv"));
    for (const auto& [text, messages] : cases) {
        ASSERT_TRUE(WriteAll(path, QByteArray::fromStdString(text)));
        CloneImage image = RichImage();
        image.memory.slot[3].Set(kFreq, 150.0);
        const CloneImage before = image;
        EXPECT_EQ(English(ImportCsv(image, path).result.messages), messages);
        EXPECT_EQ(image, before) << messages.back();
    }
}

// Each row passed over is named by its line and why; a row of an empty slot,
// as the export writes it, is passed over without a word. A row cut short
// ends at its line: the next row is read whole (inputs of the import fuzzer).
TEST(CsvImport, RowsPassedOverAreReportedWithTheirLineAndReason) {
    const std::string tail = R"("FM","5KHz","OFF","0","JR","67.0Hz","OFF","0","","",#FALSE#,#TRUE#)";
    const auto freq = [&](std::string_view mhz) { return "\"" + std::string(mhz) + "\"," + tail; };
    const struct {
        std::string row;
        const char* issue;  // "" for none
    } cases[] = {
        {Row("MEMORY", "1", freq("145.5")), ""},
        {"\"WR-K9\",\"MEMORY\",\"2\"," + freq("145.5") + "\r\n", "model \"WR-K9\" is not WR-K7"},
        {Row("BANKS", "3", freq("145.5")), "BANKS: bank \"BANKS\" is not VFO, MEMORY, PROGRAM SCAN, SEARCH PASS or PRIORITY"},
        {Row("priority", "100", freq("145.5")), "priority 100: PRIORITY has no channel \"100\""},
        {Row("VFO", "14", freq("145.5")), "VFO 14: VFO has no channel \"14\""},
        {Row("MEMORY", "4", freq("0")), "MEMORY 4: frequency \"0\" is outside 0.1-1299.995 MHz"},
        {Row("MEMORY", "5", freq("abc")), "MEMORY 5: frequency \"ABC\" is not a number"},
        {Row("MEMORY", "6", R"("145.5","XM","5KHz","OFF","0","JR","67","OFF","0","","",#FALSE#,#TRUE#)"),
         "MEMORY 6: mode \"XM\" is not available"},
        {Row("MEMORY", "7", R"("145.5","FM","7KHz","OFF","0","JR","67","OFF","0","","",#FALSE#,#TRUE#)"),
         "MEMORY 7: step \"7KHZ\" is not available"},
        {Row("VFO", "3", freq("-1")), "VFO 3: frequency -1.000000 MHz is outside 0.1-1299.995 MHz"},
        {Row("SEARCH PASS", "9", freq("835")),
         "SEARCH PASS 9: frequency 835.000000 MHz: It is a frequency of the cellular phone. It is not possible to set it."},
        {Row("MEMORY", "10", R"("145.5","FM")"), "MEMORY 10: the row ends after 5 of 16 fields"},
        {Row("MEMORY", "14", freq("145.5")), ""},
        {Row("MEMORY", "15", freq("145.5").substr(0, freq("145.5").rfind(','))), "MEMORY 15: the row ends after 15 of 16 fields"},
        {Row("MEMORY", "16", freq("145.5")), ""},
        {Row("MEMORY", "11", R"("","","","","","","","","","","","#FALSE#",#FALSE#)"), ""},  // an empty slot's, as exported
        {"\r\n", ""},
        {Row("MEMORY", "12", R"("145.5","FM","5KHz","OFF","0","JR","67","OFF","0","two
lines","",#FALSE#,#TRUE#)"), ""},
        {Row("MEMORY", "13", freq("1300")), "MEMORY 13: frequency 1300.000000 MHz is outside 0.1-1299.995 MHz"},
    };
    std::string text = CsvExportLines(CloneImage())[0] + "\r\n";
    std::vector<std::string> expected;
    int line = 2;
    for (const auto& c : cases) {
        if (*c.issue) expected.push_back(std::to_string(line) + " " + c.issue);
        text += c.row;
        line += static_cast<int>(std::count(c.row.begin(), c.row.end(), '\n'));
    }
    CloneImage image = NewImage(2);  // WR-K70T: the cellular ranges are refused
    const CsvImportResult r = ImportCsvText(image, text);
    ASSERT_TRUE(r.result.ok);
    EXPECT_EQ(IssueLines(r.issues), expected);
    EXPECT_EQ(std::tuple(r.rowsStored, r.rowsRejected, r.otherLines, r.ownHeading), std::tuple(4, 13, 1, true));
    EXPECT_EQ(image.memory.slot[12].Text(kNote), "TWO LINES");
    for (int s : {4, 1109, 13, 10, 15}) EXPECT_TRUE(image.memory.slot[s].IsEmpty()) << s;
    for (int s : {1, 14, 16}) EXPECT_TRUE(image.memory.enabled[s]) << s;
}

// A name is stored as the record keeps it (six display characters) and a
// note as the editor takes it (30 characters); each one fitted is listed.
TEST(CsvImport, NamesAndNotesAreFittedAsTheEditorTakesThem) {
    const std::string note30(30, 'n'), longNote = "a note that is far longer than thirty characters";
    const struct {
        std::string name, note;
        const char* storedName;
        std::string storedNote;
        std::vector<std::string> lost;
    } cases[] = {
        {"abc", note30, "ABC", std::string(30, 'N'), {}},
        {"LONGNAME", "", "LONGNA", "", {"name \"LONGNAME\" shortened to \"LONGNA\""}},
        {"AB    ", "", "AB    ", "", {}},  // trailing blanks cut off lose nothing
        {"ötower", "", "TOWER", "", {"name \"ötower\" stored as \"TOWER\""}},
        {" FD 1", "", " FD 1", "", {}},  // a name that fits keeps its blanks: our own lists come back whole
        {"東京タワー", longNote, "", "A NOTE THAT IS FAR LONGER THAN",
         {"name \"東京タワー\" stored as \"\"",
          "note \"A NOTE THAT IS FAR LONGER THAN THIRTY CHARACTERS\" shortened to \"A NOTE THAT IS FAR LONGER THAN\""}},
        {"", "東京タワー" + std::string(27, 'x'), "", "東京タワー" + std::string(25, 'X'),
         {"note \"東京タワー" + std::string(27, 'X') + "\" shortened to \"東京タワー" + std::string(25, 'X') + "\""}},
    };
    std::string text;
    for (std::size_t i = 0; i < std::size(cases); ++i)
        text += Row("MEMORY", std::to_string(i),
                    R"("145.5","FM","5KHz","OFF","0","JR","67","OFF","0",")" + cases[i].note + "\",\"" + cases[i].name +
                        R"(",#FALSE#,#TRUE#)");
    CloneImage image = NewImage(0);
    const CsvImportResult r = ImportCsvText(image, text);
    ASSERT_EQ(r.rowsStored, static_cast<int>(std::size(cases)));
    std::vector<std::string> expected;
    for (int slot = 0; slot < static_cast<int>(std::size(cases)); ++slot) {
        const auto& c = cases[slot];
        for (const std::string& l : c.lost) expected.push_back(std::to_string(slot + 1) + " MEMORY " + std::to_string(slot) + ": " + l);
        EXPECT_EQ(Texts(image.memory.slot[slot], {kName, kNote}), c.storedName + ("|" + c.storedNote)) << c.name;
        // The grid shows what the record keeps: a save and a reopen change nothing.
        EXPECT_EQ(MemoryGridRow(image, slot)[kName], c.storedName);
        EXPECT_EQ(DecodeName(EncodeName(c.storedName)).substr(0, image.memory.slot[slot].Text(kName).size()), c.storedName);
    }
    EXPECT_EQ(IssueLines(r.issues), expected);
}

TEST(CsvImport, StoresWhatAReopenGivesBack) {
    CloneImage image = NewImage();
    auto row = [](int slot, std::string_view freq, std::string_view secret, std::string_view offset) {
        return Row("MEMORY", std::to_string(slot),
                   "\"" + std::string(freq) + R"(","FM","5KHz","OFF",")" + std::string(secret) +
                       R"(","JR","67.0Hz","+SHIFT",")" + std::string(offset) + R"(","","ABCDEF",#FALSE#,#TRUE#)");
    };
    std::string text;
    const char* outside[] = {"5000", "4294.967296", "-145.5", "0.0999", "1299.9951"};
    for (int i = 0; i < 5; ++i) text += row(i, outside[i], "0", "0");
    text += row(10, "0.1", "115", "-5") + row(11, "1299.995", "-3", "5000") + row(12, "145.1234567", "7.6", "0.6000004");
    const CsvImportResult r = ImportCsvText(image, text);
    ASSERT_TRUE(r.result.ok);
    EXPECT_EQ(r.rowsRejected, 5);
    for (int s = 0; s < 5; ++s) EXPECT_FALSE(image.memory.enabled[s]) << outside[s];
    const auto& slot = image.memory.slot;
    EXPECT_EQ(std::tuple(slot[10].Value(kSecret), slot[10].Value(kOffset), slot[11].Value(kSecret), slot[12].Value(kSecret)),
              std::tuple(11, 0, 0, 8));
    EXPECT_EQ(slot[11].Text(kOffset) + "|" + slot[12].Text(kFreq), "4294.967295|145.123457");

    CloneImage reopened;
    ASSERT_TRUE(ApplyCloneFileLines(reopened, CloneFileLines(image)).ok);
    for (int s : {10, 11, 12})
        for (int f = 0; f <= kName; ++f) {  // the skip text an import leaves is no record's
            EXPECT_EQ(reopened.memory.slot[s].Value(f), image.memory.slot[s].Value(f)) << s << " " << f;
            EXPECT_EQ(reopened.memory.slot[s].Text(f), image.memory.slot[s].Text(f)) << s << " " << f;
        }
}

std::string CsvText(const QString& path) {
    const auto text = ReadCsvFile(path);
    EXPECT_TRUE(text.has_value()) << path.toStdString();
    return text.value_or("");
}

TEST(CsvRecords, QuotingCommentsAndLines) {
    const auto records = ParseCsvRecords(
        "\xEF\xBB\xBF"
        "a,\"b,c\",\"say \"\"hi\"\"\"\r\n"
        "# a comment, not a record\n"
        "\n"
        "\"two\r\nlines\",x\"y,\"open\"tail\r"
        "last,\"never closed, to the end");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a", "b,c", "say \"hi\""}));
    EXPECT_EQ(records[1].line, 4);
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"two\r\nlines", "x\"y", "opentail"}));
    EXPECT_EQ(records[2].line, 6);
    EXPECT_EQ(records[2].fields, (std::vector<std::string>{"last", "never closed, to the end"}));

    const std::vector<std::string> tricky{"", "plain", "a,b", "q\"uote", "line\nbreak", " blank "};
    EXPECT_EQ(CsvLine(tricky), ",plain,\"a,b\",\"q\"\"uote\",\"line\nbreak\", blank ");
    EXPECT_EQ(ParseCsvRecords(CsvLine(tricky)).front().fields, tricky);
}

TEST(ChirpMap, ScaledDecimalsAreExact) {
    const std::pair<const char*, std::optional<long long>> cases[] = {
        {"146.52", 146520000}, {" 146.520000 ", 146520000}, {"0.1", 100000}, {"+5", 5000000},
        {".5", 500000},        {"5.", 5000000},           {"1299.995", 1299995000}, {"1.0000000", 1000000},
        {"1.0000001", {}},     {"-1", {}},                {"1e3", {}},             {"1.2.3", {}},
        {"", {}}, {"abc", {}}, {"9223372036854.775807", 9223372036854775807}, {"9223372036854.775808", {}}};
    for (const auto& [text, hz] : cases) EXPECT_EQ(ParseScaledDecimal(text, 6), hz) << text;
}

// A row of the other tool's CSV with the columns the mapping reads.
ChirpRow Chirp(std::string freq, std::string mode, std::string tone = "", std::string cTone = "88.5",
             std::string duplex = "", std::string offset = "0.600000", std::string step = "5.00") {
    return ChirpRow{"n", freq, duplex, offset, tone, cTone, mode, step, "", ""};
}

// What a row becomes: no channel, a skipped row, or a channel with the mode,
// step, option, tone and shift codes and the offset given (a plain FM
// channel's unless named), the reason told beside it holding the part given
// ("": no reason at all).
TEST(ChirpMap, RowsToChannels) {
    using enum Outcome;
    struct Case {
        ChirpRow row;
        Outcome outcome;
        const char* reason;
        std::array<int, 5> modeStepOptionToneShift = {0, 0, 0, 8, 0};
        double offset = 0.6;
    };
    const Case cases[] = {
        {Chirp("", "FM"), kNoChannel, ""},
        {Chirp("0.000000", "DV"), kNoChannel, ""},
        {Chirp("14.2", "USB"), kSkipped, "mode \"USB\" is not available"},
        {Chirp("abc", "FM"), kSkipped, "\"abc\" is not a number"},
        {Chirp("146.5212345", "FM"), kSkipped, "frequency \"146.5212345\" has more than 6 decimals"},
        {Chirp("-146.52", "FM"), kSkipped, "frequency \"-146.52\" is negative"},
        {Chirp("1300", "FM"), kSkipped, "outside 0.1-1299.995"},
        {Chirp("0.09", "AM"), kSkipped, "outside 0.1-1299.995"},
        {Chirp("145.5", "NFM"), kImported, ""},
        {Chirp("145.5", "nam"), kImported, "", {1, 0, 0, 8, 0}},
        {Chirp("145.5", "WFM", "TSQL", "103.5"), kImported, "", {2, 0, 2, 13, 0}},
        {Chirp("145.5", "", "Tone", "100.0"), kImported, "", {0, 0, 0, 12, 0}},
        {Chirp("145.5", "FM", "TSQL", "88.55"), kImported, "tone \"88.55\" is not in the tone list: imported with option OFF"},
        {Chirp("145.5", "FM", "TSQL", ""), kImported, "tone is missing: imported with option OFF"},
        {Chirp("145.5", "FM", "TSQL", "-88.5"), kImported, "tone \"-88.5\" is negative"},
        {Chirp("145.5", "FM", "DTCS"), kImported, "\"DTCS\" squelch"},
        {Chirp("145.5", "FM", "", "", "-", "5.000000"), kImported, "", {0, 0, 0, 8, 2}, 5},
        {Chirp("145.5", "FM", "", "", "+", "0.1"), kImported, "", {0, 0, 0, 8, 1}, 0.1},
        {Chirp("462.5", "FM", "", "", "split", "467.5625"), kImported, ""},
        {Chirp("145.5", "FM", "", "", "off", "5.000000"), kImported, "", {0, 0, 0, 8, 0}, 5},
        {Chirp("145.5", "FM", "", "", "+", ""), kImported, "offset is missing: imported with shift OFF"},
        {Chirp("145.5", "FM", "", "", "-", "-0.6"), kImported, "offset \"-0.6\" is negative"},
        {Chirp("145.5", "FM", "", "", "-", "x"), kImported, "offset \"x\" is not a number"},
        {Chirp("145.5", "FM", "", "", "+", "0.60000001"), kImported, "offset \"0.60000001\" has more than 6 decimals"},
        {Chirp("145.5", "FM", "", "", "+", "150"), kImported, "offset \"150\" is not below 100 MHz: imported with shift OFF"},
        {Chirp("145.5", "FM", "", "", "+", "99999999999999999999.000"), kImported, "is not below 100 MHz"},
        {Chirp("145.5", "FM", "", "", "", "", "12.50"), kImported, "", {0, 4, 0, 8, 0}},
        {Chirp("145.5", "FM", "", "", "", "", "8.33"), kImported, "", {0, 2, 0, 8, 0}},
        {Chirp("145.5", "FM", "", "", "", "", "7.5"), kImported, "", {0, 1, 0, 8, 0}},
        {Chirp("145.5", "FM", "", "", "", "", "2.5"), kImported, "", {0, 16, 0, 8, 0}},
        {Chirp("145.5", "FM", "", "", "", "", "2000"), kImported, "", {0, 15, 0, 8, 0}},
        {Chirp("145.5", "FM", "", "", "", "", ""), kImported, "", {0, 6, 0, 8, 0}},
    };
    for (const Case& c : cases) {
        const ChirpRow& r = c.row;
        SCOPED_TRACE(r.frequency + " " + r.mode + " " + r.tone + " " + r.duplex + " " + r.offset + " " + r.tStep);
        const ChirpMapping m = MapChirpRow(r, CloneImage{});
        EXPECT_EQ(m.outcome, c.outcome);
        const std::string reason = m.reason ? m.reason->English() : "";
        EXPECT_TRUE(*c.reason ? reason.find(c.reason) != std::string::npos : reason.empty()) << reason;
        if (c.outcome != kImported) continue;
        const SlotFields& f = m.channel;
        const std::array<int, 5> got{int(f.Value(kMode)), int(f.Value(kStep)), int(f.Value(kOption)),
                                     int(f.Value(kTone)), int(f.Value(kShift))};
        EXPECT_EQ(got, c.modeStepOptionToneShift);
        EXPECT_EQ(f.Text(kOffset), FieldText(kOffset, c.offset));  // carrier and secret: see the round trip below
    }
}

TEST(ChirpMap, OptionsWithTheSkipBitExportTheirToneAndSkip) {
    const std::tuple<int, int, const char*> cases[] = {  // option, skip, their Tone|Skip
        {2, 0, "TSQL|"}, {10, 0, "TSQL|S"}, {8, 0, "|S"}, {11, 0, "|S"}, {0, 1, "|S"}, {13, 0, "|"}};
    for (const auto& [option, skip, toneAndSkip] : cases) {
        SlotFields channel = EmptyRowDefaults();
        for (const auto& [field, value] : {std::pair{kFreq, 145.5}, {kOption, 1.0 * option}, {kSkip, 1.0 * skip}})
            channel.Set(field, value);
        const std::vector<std::string> fields = ChirpExportFields(0, channel);
        EXPECT_EQ(fields[5] + "|" + fields[14], toneAndSkip) << option;
    }
}

TEST(ChirpCsv, CurrentLayoutFile) {
    const std::string text = CsvText(QStringLiteral(WRK7_TEST_DATA_DIR "/chirp_current.csv"));
    CloneImage image = NewImage(0);
    image.memory.slot[500].Set(kFreq, 433.5);  // no row names slot 500
    image.memory.enabled[500] = true;
    const ChirpImportResult r = ImportChirpText(image, text);
    ASSERT_TRUE(r.result.ok);
    EXPECT_EQ(std::tuple(r.imported, r.skipped), std::tuple(15, 7));
    std::vector<std::string> where;
    for (const ImportIssue& i : r.issues) where.push_back(std::to_string(i.line) + " " + i.location);
    EXPECT_EQ(where, (std::vector<std::string>{"6 2", "9 4", "10 5", "11 6", "12 7", "13 8", "14 9", "15 10", "16 11",
                                               "17 12", "18 13", "19 14", "23 18", "24 19", "25 1000", "28 22"}));
    EXPECT_EQ(r.issues.at(14).reason.English(), "Location 1000 is outside 0-999");
    EXPECT_EQ(r.issues.back().reason.English(), "name \"éaux\" stored as \"AUX\"");

    EXPECT_EQ(image.memory.slot[0].Text(kNote) + "|" + image.memory.slot[1].Text(kNote), "Tower, north side|Distress and \"calling\"");
    EXPECT_EQ(Texts(image.memory.slot[2], {kNote, kName, kOption, kTone, kShift}), "two lines|RPTR-U|Tone|103.5Hz|-Shift");
    // "S" skips; "P" (priority) does not.
    EXPECT_EQ(std::pair(image.memory.slot[2].Value(kSkip), image.memory.slot[3].Value(kSkip)), std::pair(1.0, 0.0));
    EXPECT_EQ(image.memory.slot[10].Text(kName), "AIR,NA");
    EXPECT_EQ(image.memory.slot[22].Text(kFreq), "433.920000");
    for (int s : {11, 12, 18, 19, 20, 21}) EXPECT_FALSE(image.memory.enabled[s]) << s;
    EXPECT_EQ(image.memory.slot[500].Text(kFreq), "433.500000");

    CloneImage blocked = NewImage(2);
    const ChirpImportResult cellular = ImportChirpText(blocked, text);
    EXPECT_EQ(std::tuple(cellular.imported, cellular.skipped, blocked.memory.enabled[17]), std::tuple(14, 8, false));
    EXPECT_TRUE(std::ranges::count(IssueLines(cellular.issues), "22 17: frequency 835.000000 MHz: It is a frequency of "
                                                                "the cellular phone. It is not possible to set it."));
}

TEST(ChirpCsv, AirbandChannelsOnThe833RasterComeBackWithTheirStep) {
    const std::tuple<double, int, const char*> cases[] = {  // MHz, step code exported, step imported
        {118.008333, 2, "8.33KHz"}, {136.975, 2, "8.33KHz"}, {123.45, 1, "8.33KHz"}, {118.00625, 1, "6.25KHz"},
        {117.991667, 2, "6.25KHz"}, {136.983333, 2, "6.25KHz"}, {145.008333, 2, "6.25KHz"}, {118.01, 2, "6.25KHz"},
        {118.016667, 4, "12.5KHz"}};
    for (const auto& [mhz, step, back] : cases) {
        CloneImage image = NewImage(0), imported = NewImage(0);
        (image.memory.slot[0] = EmptyRowDefaults()).Set(kStep, step);
        image.memory.slot[0].Set(kFreq, mhz);
        image.memory.enabled[0] = true;
        ImportChirpText(imported, JoinLinesCrLf(ChirpExportLines(image)).toStdString());
        EXPECT_EQ(Texts(imported.memory.slot[0], {kFreq, kStep}), FieldText(kFreq, mhz) + "|" + back);
    }
}

TEST(ChirpCsv, NamesStayApartAndTextsStoredOtherwiseAreReported) {
    CloneImage image = NewImage(0);
    const std::string text = "Location,Name,Frequency,Comment\n0,KDR444 1,145.5,\n1,KDR444 2,145.6,\n"
                             "2,kdr444,145.7,\n3,Tower,145.8,\n4,TOWER,145.9,\"Flight Test itinerant \t\"\n"
                             "99999999999999999999,x,145.5,\n5,x,534955578137677,\n";
    const ChirpImportResult r = ImportChirpText(image, text);
    EXPECT_EQ(IssueLines(r.issues), (std::vector<std::string>{
                         "2 0: name \"KDR444 1\" shortened to \"KDR441\"",
                         "3 1: name \"KDR444 2\" shortened to \"KDR442\"",
                         "6 4: note \"Flight Test itinerant \\t\" held control characters: stored as \"Flight Test itinerant  \"",
                         "7 99999999999999999999: Location 99999999999999999999 is outside 0-999",
                         "8 5: frequency \"534955578137677\" is outside 0.1-1299.995 MHz"}));
    std::vector<std::string> names;
    for (int slot = 0; slot < 5; ++slot) names.push_back(image.memory.slot[static_cast<std::size_t>(slot)].Text(kName));
    // Names written alike but for case are one name and stay one.
    EXPECT_EQ(names, (std::vector<std::string>{"KDR441", "KDR442", "KDR444", "TOWER", "TOWER"}));
    EXPECT_EQ(image.memory.slot[4].Text(kNote).find('\t'), std::string::npos);
    // Placed from a row, each issue of a stored row names the slot it went to.
    CloneImage placed = NewImage(0);
    std::vector<int> wentTo;
    for (const ImportIssue& issue : ImportChirpText(placed, text, 700).issues) wentTo.push_back(issue.slot);
    EXPECT_EQ(wentTo, (std::vector<int>{700, 701, 704, -1}));
}

// A header without a Frequency column is no list of that tool. (The legacy
// layout placed from a row is imported in tests/cli, import --at.)
TEST(ChirpCsv, ColumnsInAnyOrderAndALocationWrittenTwice) {
    const std::string text = CsvText(QStringLiteral(WRK7_TEST_DATA_DIR "/chirp_reordered.csv"));
    ASSERT_EQ(DetectCsvKind(text), CsvKind::kChirp);
    EXPECT_EQ(DetectCsvKind("Name,Location\n1,x\n"), CsvKind::kOwn) << "no Frequency column";
    EXPECT_EQ(DetectCsvKind(CsvExportLines(CloneImage())[0]), CsvKind::kOwn);
    CloneImage image = NewImage(0);
    EXPECT_EQ(English(ImportChirpText(image, "Location,Name\n1,x\n").result.messages), std::vector<std::string>{std::string(kFileOpenError)});
    EXPECT_EQ(image, NewImage(0));
    const ChirpImportResult r = ImportChirpText(image, text);
    EXPECT_EQ(std::pair(r.imported, r.skipped), std::pair(2, 0));
    EXPECT_EQ(IssueLines(r.issues), std::vector<std::string>{"4 5: replaced by line 6"});
    EXPECT_EQ(Texts(image.memory.slot[5], {kName, kFreq}) + "|" + image.memory.slot[6].Text(kMode), "SECOND|446.006250|AM");
    EXPECT_EQ(image.memory.slot[6].Value(kSkip), 1);
}

TEST(ChirpCsv, ExportThenImportKeepsEveryRepresentableField) {
    CloneImage original = RichImage();
    original.memory.slot[1].Set(kOption, 3);  // Rev.: no such squelch there
    original.memory.slot[299].Set(kSkip, 1);
    ASSERT_EQ(original.memory.slot[299].Value(kStep), 2);  // 8.33 kHz, which that tool lacks
    QTemporaryDir dir;
    const QString path = dir.filePath("out.csv");
    ASSERT_TRUE(ExportChirpCsv(original, path).ok);
    const QByteArray bytes = ReadAll(path);
    EXPECT_TRUE(bytes.startsWith("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"));
    EXPECT_EQ(bytes.count("\r\n"), 1 + 5);  // slots 0, 1, 299, 300, 999
    EXPECT_NE(bytes.indexOf("0,CH1000,145.000000,,0.600000,TSQL,67.0,67.0,023,NN,023,Tone->Tone,FM,5.00,,50W,"
                            "\"Tower, north side\",,,,\r\n"),
              -1);

    CloneImage back = NewImage(0);
    EXPECT_EQ(ImportChirpText(back, CsvText(path)).imported, 5);
    for (int s : {0, 1, 299, 300, 999}) {
        SlotFields expected = original.memory.slot[s];
        if (expected.Value(kStep) == 2) expected.Set(kStep, 1);  // 8.33 kHz went out as 6.25
        if (s == 1) expected.Set(kOption, 0);
        expected.Set(kSecret, 11);
        expected.Set(kCarrier, kCarrierJR);
        EXPECT_EQ(back.memory.slot[s], expected) << s;
    }
    EXPECT_FALSE(ExportChirpCsv(original, dir.filePath("none/x.csv")).ok);
}

TEST(ChannelRecordsText, RoundTripIsExactAndJunkIsRefused) {
    CloneImage image = RichImage();
    std::vector<PasteRecord> records;
    for (int s : {0, 1, 2, 300, 1299}) records.push_back({image.memory.slot[s], image.memory.enabled[s], {}});
    // Values no editor stores but files can hold: option 9 (skip + 8), step
    // 18 with no text, a skip text left by a CSV import, and every character
    // that could break a line or a cell.
    for (const auto& [field, value] : {std::pair{kFreq, 145.1}, {kOption, 9.0}, {kStep, 18.0}}) records[3].fields.Set(field, value);
    records[3].fields.SetText(kSkip, "True");
    records[3].fields.SetText(kNote, "tab\there\nnew line\\ back\r");
    records[3].enabled = false;

    const std::string good = EncodeChannelRecords(records);
    const auto back = DecodeChannelRecords(good);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, records);
    // Slot 2 is empty: its cleared fields stay cleared, not "0.000000".
    EXPECT_EQ((*back)[2].fields, SlotFields{});

    EXPECT_FALSE(DecodeChannelRecords("wrk7-channels 2\n"));
    EXPECT_FALSE(DecodeChannelRecords(good.substr(0, good.size() - 5)));
    EXPECT_FALSE(DecodeChannelRecords(std::string(good).replace(good.find("\\t"), 2, "\\q")));
    EXPECT_TRUE(DecodeChannelRecords("wrk7-channels 1\n").value().empty());
    // Step .. shift: a code no record keeps (option 9 and step 18 above it does) refuses the row as an
    // unreadable cell does.
    for (const auto& [codes, reason] : {std::pair{"7\t2\t0\t3\t828\t1", "The Tone \"828\" cannot be read."},
                                        {"7\t1e300\t0\t3\t8\t1", "The Option \"1e300\" cannot be read."},
                                        {"7\t2\t0\t3\t8\t1e300", "The Shift \"1e300\" cannot be read."}})
        EXPECT_EQ(DecodeChannelRecords(std::string("wrk7-channels 1\n1\t145.5\t0\t") + codes + "\t0.6\t1\t\tREP\t\n")
                      ->at(0).unreadable.value_or(Verbatim("")).English(), reason);
}

TEST(ChannelTsv, CopiedRowsShowTheGridAndPasteBackAsShown) {
    for (int model : {0, 1, 2}) {
        CloneImage image = RichImage(model);
        image.memory.slot[0].Set(kSkip, 1);
        const std::vector<int> slotList{0, 1, 2, 300, 1100};
        const std::string tsv = MemoryRowsAsTsv(image, slotList);
        const char* codeHeading[] = {"Carrier", "Scr", "-"};
        EXPECT_EQ(tsv.substr(0, tsv.find('\n')), std::string("\tFrequency\tMode\tStep\tOption\tSkip\t") + codeHeading[model] +
                               "\tTone\tShift\tShiftFreq.\tNote\tName");
        EXPECT_TRUE(LooksLikeChannelTsv(tsv));

        const std::vector<PasteRecord> rows = ParseChannelTsv(tsv);
        ASSERT_EQ(rows.size(), slotList.size());
        CloneImage pasted;
        pasted.model = model;
        ApplyMemoryPaste(pasted, PlanMemoryPaste(pasted, 0, rows));
        for (std::size_t i = 0; i < slotList.size(); ++i)
            EXPECT_EQ(MemoryGridRow(pasted, static_cast<int>(i)), MemoryGridRow(image, slotList[i])) << model << " " << i;

        // A VFO row carries the VFO grid's columns under its headings (no
        // skip mark, no name) and pastes back onto a band as the grid shows it.
        CloneImage bands = NewImage(model);
        const std::vector<int> bandList{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
        const std::string vfo = VfoRowsAsTsv(image, bandList);
        EXPECT_EQ(vfo.substr(0, vfo.find('\n')), std::string("\tFrequency\tMode\tStep\tOption\t") + codeHeading[model] +
                                                      "\tTone\tShift\tShiftFreq.\tNote");
        const GridRow shownBand = VfoGridRow(image, 3);
        std::string line = "3";
        for (const int column : kVfoGridColumns) line += '\t' + shownBand[static_cast<std::size_t>(column)];
        EXPECT_NE(vfo.find('\n' + line + '\n'), std::string::npos) << model << "\n" << vfo;
        ApplyVfoPaste(bands, PlanVfoPaste(bands, 0, ParseChannelTsv(vfo, TsvRows::kVfoBands)));
        for (int band : bandList) {
            const GridRow pastedRow = VfoGridRow(bands, band), copiedRow = VfoGridRow(image, band);
            for (const int column : kVfoGridColumns)
                EXPECT_EQ(pastedRow[static_cast<std::size_t>(column)], copiedRow[static_cast<std::size_t>(column)])
                    << model << " " << band << " " << column;
            if (model == 1) {  // the one model whose VFO grid shows the secret code
                EXPECT_EQ(bands.vfo.bands[band].Value(kSecret), image.vfo.bands[band].Value(kSecret)) << model;
            }
        }
    }
    // Text copied from the VFO grid by earlier versions, the secret code under Skip, still pastes it.
    CloneImage band = NewImage(1);
    ApplyVfoPaste(band, PlanVfoPaste(band, 0, ParseChannelTsv("\tFrequency\tSkip\n0\t0.1\t17\n", TsvRows::kVfoBands)));
    EXPECT_EQ(band.vfo.bands[0].Value(kSecret), 17);
}

TEST(ChannelTsv, SpreadsheetTextPastesByItsHeadings) {
    const std::string text =
        "name\tFREQUENCY\tmode\tTone\tTRAIN\tNotes\tSKIP\tcomment\n"
        "ATIS\t 127.85 \tam\t88.5\t1500Hz\t\"two\tcells\n\"\"quoted\"\"\"\t*\tignored\n"
        "\t\t\t\t\t\t\t\n"
        "X\t145\tSSB\n"
        "Y\t\tFM\n"
        "Z\t145.2\t\t\tJR\t\tno\n"
        "\n\n";
    const std::vector<PasteRecord> rows = ParseChannelTsv(text);
    ASSERT_EQ(rows.size(), 5u);

    // Missing columns (step, offset): the editor's empty-row values.
    EXPECT_EQ(Texts(rows[0].fields, {kFreq, kMode, kTone, kCarrier, kNote, kName, kStep, kOffset}),
              "127.850000|AM|88.5Hz|1500Hz|two\tcells \"quoted\"|ATIS|20KHz|0.600000");
    std::string unreadable;
    for (const PasteRecord& row : rows) unreadable += testing::EnglishOf(row.unreadable) + "|";
    EXPECT_EQ(unreadable, "||The mode \"SSB\" cannot be read.|The row has no frequency.||");
    EXPECT_FALSE(rows[1].enabled);  // a blank row is an empty row
    EXPECT_EQ(std::pair(rows[0].fields.Value(kSkip), rows[4].fields.Value(kSkip)), std::pair(1.0, 0.0));
    EXPECT_EQ(rows[4].fields.Text(kCarrier), "JR");

    for (const char* text : {"hello\tworld\n145\t146", ""}) EXPECT_FALSE(LooksLikeChannelTsv(text)) << text;
    EXPECT_TRUE(ParseChannelTsv("Frequency\n").empty());
}

TEST(ChannelTsv, APasteFitsNamesAndReadsADecimalCommaAsAListImportDoes) {
    const std::vector<std::string> names{"Marine16", "Marine17", "twr", ""};
    std::string tsv = "\tFrequency\tName\n";
    ChannelList list;
    for (const std::string& name : names) {
        tsv += "x\t118,300\t" + name + "\n";
        list.rows.push_back(ListRow{});
        list.rows.back().frequency = "118,300";
    }
    const std::vector<PasteRecord> rows = ParseChannelTsv(tsv);
    const std::vector<FittedName> fitted = FitListNames(names);
    ASSERT_EQ(rows.size(), names.size());
    for (std::size_t r = 0; r < names.size(); ++r) {
        EXPECT_EQ(rows[r].fields.Value(kFreq), 118.3) << r;
        // A name that fits stays as copied; the others as the import stores them.
        EXPECT_EQ(rows[r].fields.Text(kName), NameFits(names[r]) ? names[r] : fitted[r].stored) << r;
        EXPECT_EQ(MapChannelList(list, CloneImage())[r].channel.Value(kFreq), 118.3) << r;
    }
    EXPECT_NE(rows[0].fields.Text(kName), rows[1].fields.Text(kName));
}

}  // namespace
}  // namespace wrk7
