#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "files/clone_file.h"
#include "files/csv.h"
#include "files/rich_image.h"
#include "files/text_file.h"

namespace wrk7 {
namespace {

using testing::ReadAll;
using testing::RichImage;
using testing::WriteAll;

std::string Row(std::string_view area, std::string_view channel, std::string_view rest) {
    return "\"WR-K7\",\"" + std::string(area) + "\",\"" + std::string(channel) + "\"," + std::string(rest) + "\r\n";
}
constexpr std::string_view kPlain =
    R"("145.500000","FM","12.5KHz","OFF","0","500Hz","88.5Hz","OFF","0.000000","note","NAME","#FALSE#",#TRUE#)";

TEST(CsvLookup, ChannelNames) {
    EXPECT_EQ(ProgramScanSlot("P3B"), 1007);
    EXPECT_EQ(ProgramScanSlot("P0A"), 1000);
    EXPECT_EQ(ProgramScanSlot("P49B"), 1099);
    EXPECT_EQ(ProgramScanSlot("P50A"), -1);
    EXPECT_EQ(ProgramScanSlot("7"), 1007);
    EXPECT_EQ(ProgramScanSlot("1050"), 1050);
    EXPECT_EQ(ProgramScanSlot("100"), -1);
    EXPECT_EQ(ProgramScanSlot("X3B"), -1);
    EXPECT_EQ(ProgramScanSlot(""), -1);
    EXPECT_EQ(SearchPassSlot("99"), 1199);
    EXPECT_EQ(SearchPassSlot("1100"), 1100);
    EXPECT_EQ(SearchPassSlot("S5"), -1);
    EXPECT_EQ(PrioritySlot("10"), 1210);
    EXPECT_EQ(PrioritySlot("99"), 1299);
    EXPECT_EQ(PrioritySlot("1250"), 1250);
    EXPECT_EQ(PrioritySlot("100"), -1);
    EXPECT_EQ(PrioritySlot("2.5"), 1202);  // ties to even
    EXPECT_EQ(PrioritySlot("3.5"), 1204);
}

TEST(CsvExport, RowsAndQuoting) {
    CloneImage image = RichImage();
    image.Mem[1007].Set(kSkip, 1);
    const auto lines = CsvExportLines(image);
    ASSERT_EQ(lines.size(), 1u + 14 + 1300);
    EXPECT_EQ(lines[0].substr(0, 24), R"("MODEL","BANK","CHANNEL")");
    EXPECT_NE(lines[1].find(R"("WR-K7","VFO","0",)"), std::string::npos);
    EXPECT_EQ(lines[1].substr(lines[1].size() - 18), R"("#FALSE#","#TRUE#")");
    EXPECT_NE(lines[15].find(R"("Tower, north side")"), std::string::npos);
    EXPECT_NE(lines[16].find(R"("say ""hello""")"), std::string::npos);
    EXPECT_EQ(lines[15].substr(lines[15].size() - 16), R"("#FALSE#",#TRUE#)");
    EXPECT_NE(lines[15 + 1007].find(R"("PROGRAM SCAN","P3B")"), std::string::npos);
    EXPECT_EQ(lines[15 + 1007].substr(lines[15 + 1007].size() - 15), R"("#TRUE#",#TRUE#)");
    EXPECT_NE(lines[15 + 1299].find(R"("PRIORITY","99")"), std::string::npos);
    EXPECT_EQ(lines[15 + 2].substr(lines[15 + 2].size() - 17), R"("#FALSE#",#FALSE#)");
}

TEST(CsvImport, ExportThenImportRestoresChannels) {
    const CloneImage original = RichImage(1);
    std::string text;
    for (const auto& l : CsvExportLines(original)) text += l + "\r\n";
    CloneImage image = RichImage(1);
    NewCloneImage(image);
    image.Modified = true;
    const CsvImportResult r = ImportCsvText(image, text);
    ASSERT_TRUE(r.result.ok);
    EXPECT_FALSE(image.Modified);
    EXPECT_EQ(r.rowsStored, 14 + 13);  // empty slots are passed over for their zero frequency
    for (int s : {0, 1, 299, 1000, 1007, 1210, 1299}) {
        for (int f = 0; f <= kOffset; ++f)
            EXPECT_EQ(image.Mem[s].Value(f), original.Mem[s].Value(f)) << s << " " << f;
        EXPECT_TRUE(image.ChannelEnable[s]);
        EXPECT_EQ(image.Mem[s].Text(kSkip), "False");
    }
    EXPECT_EQ(image.Mem[0].Text(kNote), "TOWER, NORTH SIDE");
    EXPECT_EQ(image.Mem[1].Text(kNote), "SAY \"HELLO\"");
    EXPECT_EQ(image.Mem[300].Text(kNote), "東京タワー ①");
    EXPECT_EQ(image.Vfo[2].Text(kNote), "BAND NOTE, WITH COMMA");
}

TEST(CsvImport, FieldRules) {
    CloneImage image;
    std::string text = "\"MODEL\",\"BANK\"\r\n";
    text += Row("memory", "5", kPlain);                          // area upper-cased
    text += "\"wr-k7\",\"MEMORY\",\"6\"," + std::string(kPlain) + "\r\n";  // model is exact
    text += Row("MEMORY", "7", R"("0","FM","12.5KHz","OFF","0","500Hz","88.5Hz","OFF","0","","","#FALSE#",#TRUE#)");
    text += Row("MEMORY", "8", R"("145.5","USB","12.5KHz","OFF","0","500Hz","88.5Hz","OFF","0","","","#FALSE#",#TRUE#)");
    text += Row("MEMORY", "9", R"("145.5","am","5khz","tone","3","3100Hz","99.9Hz","-shift","1.5","x","y",#TRUE#,#TRUE#)");
    text += Row("MEMORY", "10", R"("145.5","FM","5KHz","OFF","0","300Hz","100.0","+SHIFT","0","","","#FALSE#",#FALSE#)");
    text += Row("MEMORY", "11", "\"145.5\",\"WFM\",\"5KHz\",\"OFF\",\"0\",\"JR\",\"67\",\"OFF\",\"0\",\"a\r\nb\",\"n\",\"#FALSE#\",#TRUE#");
    text += Row("VFO", "13", kPlain);
    text += Row("VFO", "14", kPlain);
    text += Row("PRIORITY", "10", kPlain);
    ASSERT_TRUE(ImportCsvText(image, text).result.ok);

    EXPECT_EQ(image.Mem[5].Text(kFreq), "145.500000");
    EXPECT_EQ(image.Mem[5].Value(kCarrier), 2);
    EXPECT_EQ(image.Mem[5].Text(kCarrier), "500Hz");
    EXPECT_EQ(image.Mem[5].Text(kName), "NAME");
    for (int s : {6, 7, 8}) EXPECT_TRUE(image.Mem[s].IsEmpty()) << s;
    EXPECT_EQ(image.Mem[9].Value(kMode), 1);
    EXPECT_EQ(image.Mem[9].Value(kOption), 2 + 8);  // SKIP given as the yes/no value
    EXPECT_EQ(image.Mem[9].Value(kCarrier), kCarrierJR);
    EXPECT_EQ(image.Mem[9].Text(kTone), "88.5Hz");  // unknown tone
    EXPECT_EQ(image.Mem[9].Value(kShift), 2);
    EXPECT_EQ(image.Mem[9].Text(kSkip), "True");
    EXPECT_TRUE(image.Mem[10].IsEmpty());  // ENABLE false: wiped by the refresh
    EXPECT_EQ(image.Mem[11].Text(kNote), "A B");
    EXPECT_EQ(image.Mem[11].Value(kTone), 0);
    EXPECT_EQ(image.Vfo[13].Text(kFreq), "145.500000");
    EXPECT_EQ(image.Mem[1210].Text(kFreq), "145.500000");
}

TEST(CsvImport, DamagedInput) {
    const CloneImage before = RichImage();
    CloneImage image = before;
    // A row cut short by the end of the text.
    std::string text = Row("MEMORY", "50", kPlain) + "\"WR-K7\",\"MEMORY\",\"51\",\"146\"";
    image.Mem[3].Set(kFreq, 150.0);  // disabled, yet holding a record
    image.Modified = true;
    const CloneImage unchanged = image;
    const auto cut = ImportCsvText(image, text);
    EXPECT_EQ(cut.result.messages, std::vector<std::string>{std::string(kFileOpenError)});
    EXPECT_EQ(image, unchanged);  // a failed import stores nothing

    // Stray quotes and binary bytes: no crash; the clean rows after them count.
    image = before;
    std::string junk("\"\0\xff,,\"WR-K7\",\"\r\n\"", 16);
    ImportCsvText(image, junk + "\r\n" + Row("MEMORY", "60", kPlain));
    EXPECT_EQ(image.Mem[1].Text(kNote), before.Mem[1].Text(kNote));
    image = before;
    ImportCsvText(image, "\"WR-K7\",\"MEMORY\",\"" + std::string(500, '9'));
    EXPECT_EQ(image.Mem, before.Mem);
}

// Each case a minimized input of the import fuzzer.
TEST(CsvImport, ShortRowEndsAtItsLine) {
    CloneImage image;
    const std::string noEnable(kPlain.substr(0, kPlain.rfind(',')));
    const std::string text = Row("MEMORY", "5", noEnable) + Row("MEMORY", "6", kPlain) +
                             Row("MEMORY", "7", "\"145.5\",\"FM\"") + Row("MEMORY", "8", kPlain);
    const CsvImportResult r = ImportCsvText(image, text);
    ASSERT_TRUE(r.result.ok);
    EXPECT_EQ(r.rowsStored, 2);
    EXPECT_EQ(r.rowsRejected, 2);
    for (int s : {5, 7}) EXPECT_TRUE(image.Mem[s].IsEmpty()) << s;
    for (int s : {6, 8}) {
        EXPECT_TRUE(image.ChannelEnable[s]) << s;
        EXPECT_EQ(image.Mem[s].Text(kName), "NAME") << s;
    }
}

TEST(CsvImport, StoresWhatAReopenGivesBack) {
    CloneImage image;
    NewCloneImage(image);
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
    for (int s = 0; s < 5; ++s) EXPECT_FALSE(image.ChannelEnable[s]) << outside[s];
    EXPECT_EQ(image.Mem[10].Value(kSecret), 11);
    EXPECT_EQ(image.Mem[10].Value(kOffset), 0);
    EXPECT_EQ(image.Mem[11].Value(kSecret), 0);
    EXPECT_EQ(image.Mem[11].Text(kOffset), "4294.967295");
    EXPECT_EQ(image.Mem[12].Text(kFreq), "145.123457");
    EXPECT_EQ(image.Mem[12].Value(kSecret), 8);

    CloneImage saved = image;
    CloneImage reopened;
    ASSERT_TRUE(ApplyCloneFileLines(reopened, CloneFileLines(saved)).ok);
    for (int s : {10, 11, 12})
        for (int f = 0; f <= kName; ++f) {
            EXPECT_EQ(reopened.Mem[s].Value(f), image.Mem[s].Value(f)) << s << " " << f;
            EXPECT_EQ(reopened.Mem[s].Text(f), image.Mem[s].Text(f)) << s << " " << f;
        }
}

TEST(CsvImport, SkippedOptionsKeepTheirCode) {
    EXPECT_EQ(FieldText(kOption, 2), "Tone");
    EXPECT_EQ(FieldText(kOption, 8), "OFF+Skip");
    EXPECT_EQ(FieldText(kOption, 12), "Scr+Skip");
    for (double code : {5.0, 7.0, 13.0, 255.0}) EXPECT_EQ(FieldText(kOption, code), "None") << code;

    CloneImage image;
    std::string text = Row("MEMORY", "1", R"("145.5","FM","5KHz","Tone","0","JR","67","OFF","0","","",#TRUE#,#TRUE#)");
    text += Row("MEMORY", "2", R"("145.5","FM","5KHz","rev.+skip","0","JR","67","OFF","0","","",#TRUE#,#TRUE#)");
    ASSERT_TRUE(ImportCsvText(image, text).result.ok);
    EXPECT_EQ(image.Mem[1].Value(kOption), 10);
    EXPECT_EQ(image.Mem[2].Value(kOption), 11);  // the skip bit is not added twice

    const CloneImage exported = image;
    std::string again;
    for (const auto& l : CsvExportLines(exported)) again += l + "\r\n";
    EXPECT_NE(again.find(R"("Tone+Skip")"), std::string::npos);
    CloneImage back;
    ASSERT_TRUE(ImportCsvText(back, again).result.ok);
    EXPECT_EQ(back.Mem[1].Value(kOption), 10);
    EXPECT_EQ(back.Mem[2].Value(kOption), 11);
}

TEST(CsvFiles, AtomicExportAndLegacyImport) {
    QTemporaryDir dir;
    const QString path = dir.filePath("x.csv");
    const CloneImage image = RichImage();
    ASSERT_TRUE(ExportCsv(image, path).ok);
    const QByteArray bytes = ReadAll(path);
    EXPECT_EQ(bytes.count("\r\n"), 1315);
    EXPECT_FALSE(ExportCsv(image, dir.filePath("none/x.csv")).ok);
    EXPECT_EQ(ExportCsv(image, dir.path()).messages[0], kFileOpenError);

    const QByteArray legacy = QByteArray::fromStdString(Row("MEMORY", "3", "")).chopped(2) +
                              R"("145.5","FM","5KHz","OFF","0","JR","67.0Hz","OFF","0",")" +
                              *Utf8ToCp932("東京") + R"(","","#FALSE#",#TRUE#)" + "\n";
    ASSERT_TRUE(WriteAll(dir.filePath("old.csv"), legacy));
    CloneImage target;
    ASSERT_TRUE(ImportCsv(target, dir.filePath("old.csv")).result.ok);
    EXPECT_EQ(target.Mem[3].Text(kNote), "東京");
    EXPECT_FALSE(ImportCsv(target, dir.filePath("missing.csv")).result.ok);
}

}  // namespace
}  // namespace wrk7
