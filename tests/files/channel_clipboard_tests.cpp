// What Copy puts on the clipboard and what Paste reads back: the exact
// records, the grid's tab-separated text, and text typed in a spreadsheet.
#include <gtest/gtest.h>

#include "codecs/grid_text.h"
#include "edit/channel_paste.h"
#include "files/channel_records_text.h"
#include "files/channel_tsv.h"
#include "rich_image.h"

namespace wrk7 {
namespace {

TEST(ChannelRecordsText, RoundTripIsExactAndJunkIsRefused) {
    CloneImage image = testing::RichImage();
    std::vector<PasteRecord> records;
    for (int s : {0, 1, 2, 300, 1299}) records.push_back({image.memory.slot[s], image.memory.enabled[s], {}});
    // Values no editor stores but files can hold: option 9 (skip + 8), step
    // 18 with no text, a skip text left by a CSV import, and every character
    // that could break a line or a cell.
    records[3].fields.Set(kFreq, 145.1);
    records[3].fields.Set(kOption, 9);
    records[3].fields.Set(kStep, 18);
    records[3].fields.SetText(kSkip, "True");
    records[3].fields.SetText(kNote, "tab\there\nnew line\\ back\r");
    records[3].enabled = false;

    const auto back = DecodeChannelRecords(EncodeChannelRecords(records));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, records);
    // Slot 2 is empty: its cleared fields stay cleared, not "0.000000".
    EXPECT_EQ((*back)[2].fields, SlotFields{});

    const std::string good = EncodeChannelRecords(records);
    EXPECT_FALSE(DecodeChannelRecords("wrk7-channels 2\n"));
    EXPECT_FALSE(DecodeChannelRecords(good.substr(0, good.size() - 5)));
    std::string badEscape = good;
    badEscape.replace(badEscape.find("\\t"), 2, "\\q");
    EXPECT_FALSE(DecodeChannelRecords(badEscape));
    EXPECT_TRUE(DecodeChannelRecords("wrk7-channels 1\n").value().empty());
}

TEST(ChannelTsv, CopiedRowsShowTheGridAndPasteBackAsShown) {
    for (int model : {0, 1, 2}) {
        CloneImage image = testing::RichImage(model);
        image.memory.slot[0].Set(kSkip, 1);
        const std::vector<int> slotList{0, 1, 2, 300, 1100};
        const std::string tsv = MemoryRowsAsTsv(image, slotList);
        const std::string heading = tsv.substr(0, tsv.find('\n'));
        const char* codeHeading[] = {"Carrier", "Scr", "-"};
        EXPECT_EQ(heading, std::string("\tFrequency\tMode\tStep\tOption\tSkip\t") + codeHeading[model] +
                               "\tTone\tShift\tShiftFreq.\tNote\tName");
        EXPECT_TRUE(LooksLikeChannelTsv(tsv));

        const std::vector<PasteRecord> rows = ParseChannelTsv(tsv);
        ASSERT_EQ(rows.size(), slotList.size());
        CloneImage pasted;
        pasted.model = model;
        ApplyMemoryPaste(pasted, PlanMemoryPaste(pasted, 0, rows));
        for (std::size_t i = 0; i < slotList.size(); ++i)
            EXPECT_EQ(MemoryGridRow(pasted, static_cast<int>(i)), MemoryGridRow(image, slotList[i])) << model << " " << i;
    }
    const CloneImage image = testing::RichImage();
    EXPECT_EQ(VfoRowsAsTsv(image, {2}).substr(VfoRowsAsTsv(image, {2}).find('\n') + 1, 13), "2\t2.000000\tAM");
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

    EXPECT_EQ(rows[0].unreadable, "");
    EXPECT_EQ(testing::Texts(rows[0].fields, {kFreq, kMode, kTone, kCarrier, kNote, kName}),
              "127.850000|AM|88.5Hz|1500Hz|two\tcells \"quoted\"|ATIS");
    EXPECT_EQ(rows[0].fields.Value(kSkip), 1);
    // Missing columns: the editor's empty-row values.
    EXPECT_EQ(testing::Texts(rows[0].fields, {kStep, kOffset}), "20KHz|0.600000");

    EXPECT_FALSE(rows[1].enabled);  // a blank row is an empty row
    EXPECT_EQ(rows[1].unreadable, "");
    EXPECT_EQ(rows[2].unreadable, "The mode \"SSB\" cannot be read.");
    EXPECT_EQ(rows[3].unreadable, "The row has no frequency.");
    EXPECT_EQ(rows[4].fields.Text(kCarrier), "JR");
    EXPECT_EQ(rows[4].fields.Value(kSkip), 0);

    EXPECT_FALSE(LooksLikeChannelTsv("hello\tworld\n145\t146"));
    EXPECT_FALSE(LooksLikeChannelTsv(""));
    EXPECT_TRUE(ParseChannelTsv("Frequency\n").empty());
}

}  // namespace
}  // namespace wrk7
