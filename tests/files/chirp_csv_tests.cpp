// The other tool's generic CSV: records, the row mapping both ways, whole
// files in the current and the legacy layout, and the export's round trip.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "codecs/new_image.h"
#include "edit/channel_rules.h"
#include "files/chirp_csv.h"
#include "files/chirp_map.h"
#include "files/csv.h"
#include "files/csv_records.h"
#include "files/rich_image.h"

namespace wrk7 {
namespace {

using Outcome = ChirpMapping::Outcome;

std::string DataFile(const char* name) {
    const auto text = ReadCsvFile(QStringLiteral(WRK7_TEST_DATA_DIR "/") + QString::fromLatin1(name));
    EXPECT_TRUE(text.has_value()) << name;
    return text.value_or("");
}

CloneImage Fresh(int model) {
    CloneImage image;
    image.RegionIndex = model;
    NewCloneImage(image);
    return image;
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
        {"", {}},              {"abc", {}}};
    for (const auto& [text, hz] : cases) EXPECT_EQ(ParseScaledDecimal(text, 6), hz) << text;
}

struct MapCase {
    ChirpRow row;
    Outcome outcome;
    int mode, step, option, tone, shift;
    double offset;
    const char* reason;  // a part of it; "" for none
};

TEST(ChirpMap, RowsToChannels) {
    auto row = [](std::string freq, std::string mode, std::string tone = "", std::string cTone = "88.5",
                  std::string duplex = "", std::string offset = "0.600000", std::string step = "5.00") {
        return ChirpRow{"n", freq, duplex, offset, tone, cTone, mode, step, "", ""};
    };
    const MapCase cases[] = {
        {row("", "FM"), Outcome::kNoChannel, 0, 0, 0, 0, 0, 0, ""},
        {row("0.000000", "DV"), Outcome::kNoChannel, 0, 0, 0, 0, 0, 0, ""},
        {row("14.2", "USB"), Outcome::kSkipped, 0, 0, 0, 0, 0, 0, "mode \"USB\" is not available"},
        {row("abc", "FM"), Outcome::kSkipped, 0, 0, 0, 0, 0, 0, "\"abc\" is not a number"},
        {row("146.5212345", "FM"), Outcome::kSkipped, 0, 0, 0, 0, 0, 0,
         "frequency \"146.5212345\" has more than 6 decimals"},
        {row("-146.52", "FM"), Outcome::kSkipped, 0, 0, 0, 0, 0, 0, "frequency \"-146.52\" is negative"},
        {row("1300", "FM"), Outcome::kSkipped, 0, 0, 0, 0, 0, 0, "outside 0.1-1299.995"},
        {row("0.09", "AM"), Outcome::kSkipped, 0, 0, 0, 0, 0, 0, "outside 0.1-1299.995"},
        {row("145.5", "NFM"), Outcome::kImported, 0, 0, 0, 8, 0, 0.6, ""},
        {row("145.5", "nam"), Outcome::kImported, 1, 0, 0, 8, 0, 0.6, ""},
        {row("145.5", "WFM", "TSQL", "103.5"), Outcome::kImported, 2, 0, 2, 13, 0, 0.6, ""},
        {row("145.5", "", "Tone", "100.0"), Outcome::kImported, 0, 0, 0, 12, 0, 0.6, ""},
        {row("145.5", "FM", "TSQL", "159.8"), Outcome::kImported, 0, 0, 0, 8, 0, 0.6, "tone \"159.8\""},
        {row("145.5", "FM", "TSQL", "88.55"), Outcome::kImported, 0, 0, 0, 8, 0, 0.6,
         "tone \"88.55\" is not in the tone list: imported with option OFF"},
        {row("145.5", "FM", "TSQL", ""), Outcome::kImported, 0, 0, 0, 8, 0, 0.6,
         "tone is missing: imported with option OFF"},
        {row("145.5", "FM", "TSQL", "-88.5"), Outcome::kImported, 0, 0, 0, 8, 0, 0.6, "tone \"-88.5\" is negative"},
        {row("145.5", "FM", "DTCS"), Outcome::kImported, 0, 0, 0, 8, 0, 0.6, "\"DTCS\" squelch"},
        {row("145.5", "FM", "Cross"), Outcome::kImported, 0, 0, 0, 8, 0, 0.6, "\"Cross\" squelch"},
        {row("145.5", "FM", "", "", "-", "5.000000"), Outcome::kImported, 0, 0, 0, 8, 2, 5, ""},
        {row("145.5", "FM", "", "", "+", "0.1"), Outcome::kImported, 0, 0, 0, 8, 1, 0.1, ""},
        {row("462.5", "FM", "", "", "split", "467.5625"), Outcome::kImported, 0, 0, 0, 8, 0, 0.6, ""},
        {row("145.5", "FM", "", "", "split", "5.000000"), Outcome::kImported, 0, 0, 0, 8, 0, 0.6, ""},
        {row("145.5", "FM", "", "", "off", "5.000000"), Outcome::kImported, 0, 0, 0, 8, 0, 5, ""},
        {row("145.5", "FM", "", "", "+", ""), Outcome::kImported, 0, 0, 0, 8, 0, 0.6,
         "offset is missing: imported with shift OFF"},
        {row("145.5", "FM", "", "", "-", "-0.6"), Outcome::kImported, 0, 0, 0, 8, 0, 0.6, "offset \"-0.6\" is negative"},
        {row("145.5", "FM", "", "", "-", "x"), Outcome::kImported, 0, 0, 0, 8, 0, 0.6, "offset \"x\" is not a number"},
        {row("145.5", "FM", "", "", "+", "0.60000001"), Outcome::kImported, 0, 0, 0, 8, 0, 0.6,
         "offset \"0.60000001\" has more than 6 decimals"},
        {row("145.5", "FM", "", "", "+", "150"), Outcome::kImported, 0, 0, 0, 8, 0, 0.6,
         "offset \"150\" is not below 100 MHz: imported with shift OFF"},
        {row("145.5", "FM", "", "", "", "", "12.50"), Outcome::kImported, 0, 4, 0, 8, 0, 0.6, ""},
        {row("145.5", "FM", "", "", "", "", "8.33"), Outcome::kImported, 0, 2, 0, 8, 0, 0.6, ""},
        {row("145.5", "FM", "", "", "", "", "7.5"), Outcome::kImported, 0, 1, 0, 8, 0, 0.6, ""},
        {row("145.5", "FM", "", "", "", "", "2.5"), Outcome::kImported, 0, 16, 0, 8, 0, 0.6, ""},
        {row("145.5", "FM", "", "", "", "", "0.25"), Outcome::kImported, 0, 16, 0, 8, 0, 0.6, ""},
        {row("145.5", "FM", "", "", "", "", "2000"), Outcome::kImported, 0, 15, 0, 8, 0, 0.6, ""},
        {row("145.5", "FM", "", "", "", "", ""), Outcome::kImported, 0, 6, 0, 8, 0, 0.6, ""},
    };
    const CloneImage k7j;
    for (const MapCase& c : cases) {
        const std::string what = c.row.frequency + " " + c.row.mode + " " + c.row.tone + " " + c.row.duplex + " " + c.row.tStep;
        const ChirpMapping m = MapChirpRow(c.row, k7j);
        ASSERT_EQ(m.outcome, c.outcome) << what;
        EXPECT_NE(m.reason.find(c.reason), std::string::npos) << what << ": " << m.reason;
        if (std::string_view(c.reason).empty()) {
            EXPECT_EQ(m.reason, "") << what;
        }
        if (c.outcome != Outcome::kImported) continue;
        const SlotFields& f = m.channel;
        EXPECT_EQ(f.Value(kMode), c.mode) << what;
        EXPECT_EQ(f.Value(kStep), c.step) << what;
        EXPECT_EQ(f.Value(kOption), c.option) << what;
        EXPECT_EQ(f.Value(kTone), c.tone) << what;
        EXPECT_EQ(f.Value(kShift), c.shift) << what;
        EXPECT_EQ(f.Text(kOffset), FieldText(kOffset, c.offset)) << what;
        EXPECT_EQ(f.Value(kCarrier), kCarrierJR);
        EXPECT_EQ(f.Value(kSecret), 11);
    }
}

TEST(ChirpMap, NamesNotesAndSkip) {
    ChirpRow row{"ötower-north", "145.5", "", "", "", "", "FM", "", "S", "line one\r\nline two"};
    const ChirpMapping m = MapChirpRow(row, CloneImage{});
    EXPECT_EQ(m.channel.Text(kName), " TOWER");
    EXPECT_EQ(m.channel.Text(kNote), "line one line two");
    EXPECT_EQ(m.channel.Value(kSkip), 1);
    row.skip = "P";  // priority is no skip
    EXPECT_EQ(MapChirpRow(row, CloneImage{}).channel.Value(kSkip), 0);
}

TEST(ChirpMap, OptionsWithTheSkipBitExportTheirToneAndSkip) {
    struct Case {
        int option, skip;
        const char* tone;
        const char* skipped;
    };
    const Case cases[] = {{2, 0, "TSQL", ""}, {10, 0, "TSQL", "S"}, {8, 0, "", "S"},
                          {11, 0, "", "S"},   {0, 1, "", "S"},      {13, 0, "", ""}};
    for (const Case& c : cases) {
        SlotFields channel = EmptyRowDefaults();
        channel.Set(kFreq, 145.5);
        channel.Set(kOption, c.option);
        channel.Set(kSkip, c.skip);
        const std::vector<std::string> fields = ChirpExportFields(0, channel);
        EXPECT_EQ(fields[5], c.tone) << c.option;
        EXPECT_EQ(fields[14], c.skipped) << c.option;
    }
}

TEST(ChirpCsv, CurrentLayoutFile) {
    const std::string text = DataFile("chirp_current.csv");
    EXPECT_EQ(DetectCsvKind(text), CsvKind::kChirp);
    CloneImage image = Fresh(0);
    image.Mem[500].Set(kFreq, 433.5);  // no row names slot 500
    image.ChannelEnable[500] = true;
    const ChirpImportResult r = ImportChirpText(image, text);
    ASSERT_TRUE(r.result.ok);
    EXPECT_EQ(r.imported, 15);
    EXPECT_EQ(r.skipped, 7);
    EXPECT_TRUE(image.Modified);
    std::vector<std::string> where;
    for (const ChirpIssue& i : r.issues) where.push_back(std::to_string(i.line) + " " + i.location);
    EXPECT_EQ(where, (std::vector<std::string>{"9 4", "10 5", "11 6", "12 7", "13 8", "16 11", "17 12", "18 13",
                                               "19 14", "23 18", "24 19", "25 1000"}));
    EXPECT_EQ(r.issues.back().reason, "Location 1000 is outside 0-999");

    EXPECT_EQ(image.Mem[0].Text(kNote), "Tower, north side");
    EXPECT_EQ(image.Mem[1].Text(kNote), "Distress and \"calling\"");
    EXPECT_EQ(image.Mem[2].Text(kNote), "two lines");
    EXPECT_EQ(image.Mem[2].Text(kName), "RPTR-U");
    EXPECT_EQ(image.Mem[2].Text(kOption), "Tone");
    EXPECT_EQ(image.Mem[2].Text(kTone), "103.5Hz");
    EXPECT_EQ(image.Mem[2].Text(kShift), "-Shift");
    EXPECT_EQ(image.Mem[2].Value(kSkip), 1);
    EXPECT_EQ(image.Mem[10].Text(kName), "AIR,NA");
    EXPECT_EQ(image.Mem[22].Text(kFreq), "433.920000");
    for (int s : {11, 12, 18, 19, 20, 21}) EXPECT_FALSE(image.ChannelEnable[s]) << s;
    EXPECT_EQ(image.Mem[500].Text(kFreq), "433.500000");

    CloneImage blocked = Fresh(2);
    const ChirpImportResult cellular = ImportChirpText(blocked, text);
    EXPECT_EQ(cellular.imported, 14);
    EXPECT_EQ(cellular.skipped, 8);
    EXPECT_FALSE(blocked.ChannelEnable[17]);
    const auto cell = std::find_if(cellular.issues.begin(), cellular.issues.end(),
                                   [](const ChirpIssue& i) { return i.location == "17"; });
    ASSERT_NE(cell, cellular.issues.end());
    EXPECT_EQ(cell->reason, "frequency 835.000000 MHz: It is a frequency of the cellular phone. "
                            "It is not possible to set it.");
}

TEST(ChirpCsv, LegacyLayoutPlacedFromARow) {
    CloneImage image = Fresh(0);
    const ChirpImportResult r = ImportChirpText(image, DataFile("chirp_legacy.csv"), 998);
    EXPECT_EQ(r.imported, 2);
    ASSERT_EQ(r.issues.size(), 2u);
    EXPECT_EQ(r.issues[0].location, "3");
    EXPECT_EQ(r.issues[0].reason, "no memory slot left after 999");
    EXPECT_EQ(r.issues[1].reason, "mode \"USB\" is not available");
    EXPECT_EQ(image.Mem[998].Text(kName), "WX1");
    EXPECT_EQ(image.Mem[999].Value(kSkip), 1);

    // Any column order; a header without a Frequency column is no list.
    image = Fresh(0);
    EXPECT_EQ(ImportChirpText(image, "Mode,Frequency,Location\nAM,120.5,7\n").imported, 1);
    EXPECT_EQ(image.Mem[7].Text(kMode), "AM");
    const CloneImage before = image;
    const ChirpImportResult bad = ImportChirpText(image, "Location,Name\n1,x\n");
    EXPECT_EQ(bad.result.messages, std::vector<std::string>{std::string(kFileOpenError)});
    EXPECT_EQ(image, before);
    EXPECT_EQ(DetectCsvKind(CsvExportLines(before)[0]), CsvKind::kOwn);
}

TEST(ChirpCsv, ColumnsInAnyOrderAndALocationWrittenTwice) {
    const std::string text = DataFile("chirp_reordered.csv");
    ASSERT_EQ(DetectCsvKind(text), CsvKind::kChirp);
    EXPECT_EQ(DetectCsvKind("Name,Location\n1,x\n"), CsvKind::kOwn) << "no Frequency column";
    CloneImage image = Fresh(0);
    const ChirpImportResult r = ImportChirpText(image, text);
    EXPECT_EQ(r.imported, 2);
    EXPECT_EQ(r.skipped, 0);
    ASSERT_EQ(r.issues.size(), 1u);
    EXPECT_EQ(r.issues[0].line, 4);
    EXPECT_EQ(r.issues[0].location, "5");
    EXPECT_EQ(r.issues[0].reason, "replaced by line 6");
    EXPECT_EQ(image.Mem[5].Text(kName), "SECOND");
    EXPECT_EQ(image.Mem[5].Text(kFreq), "446.006250");
    EXPECT_EQ(image.Mem[6].Text(kMode), "AM");
    EXPECT_EQ(image.Mem[6].Value(kSkip), 1);
}

TEST(ChirpCsv, ExportThenImportKeepsEveryRepresentableField) {
    CloneImage original = testing::RichImage();
    original.Mem[1].Set(kOption, 3);  // Rev.: no such squelch there
    original.Mem[299].Set(kSkip, 1);
    ASSERT_EQ(original.Mem[299].Value(kStep), 2);  // 8.33 kHz, which that tool lacks
    QTemporaryDir dir;
    const QString path = dir.filePath("out.csv");
    ASSERT_TRUE(ExportChirpCsv(original, path).ok);
    const QByteArray bytes = testing::ReadAll(path);
    EXPECT_TRUE(bytes.startsWith("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"));
    EXPECT_EQ(bytes.count("\r\n"), 1 + 5);  // slots 0, 1, 299, 300, 999
    EXPECT_NE(bytes.indexOf("0,CH1000,145.000000,,0.600000,TSQL,67.0,67.0,023,NN,023,Tone->Tone,FM,5.00,,50W,"
                            "\"Tower, north side\",,,,\r\n"),
              -1);

    CloneImage back = Fresh(0);
    const auto text = ReadCsvFile(path);
    ASSERT_TRUE(text);
    EXPECT_EQ(ImportChirpText(back, *text).imported, 5);
    for (int s : {0, 1, 299, 300, 999}) {
        SlotFields expected = original.Mem[s];
        if (expected.Value(kStep) == 2) expected.Set(kStep, 1);  // 8.33 kHz went out as 6.25
        if (s == 1) expected.Set(kOption, 0);
        expected.Set(kSecret, 11);
        expected.Set(kCarrier, kCarrierJR);
        EXPECT_EQ(back.Mem[s], expected) << s;
    }
    EXPECT_FALSE(ExportChirpCsv(original, dir.filePath("none/x.csv")).ok);
}

}  // namespace
}  // namespace wrk7
