// The lists listeners bring, read by heading into rows, and the memory
// channels written as the SDR programs' bookmarks and read back. What a row
// becomes on the receiver is list_import_tests' part.
#include <gtest/gtest.h>

#include "edit/bank.h"
#include "files/rich_image.h"
#include "lists/channel_list.h"
#include "lists/list_map.h"
#include "lists/sdr_export.h"

namespace wrk7 {
namespace {

std::string Sample(const char* name) {
    return testing::ReadAll(QStringLiteral(WRK7_TEST_DATA_DIR "/lists/") + QString::fromLatin1(name)).toStdString();
}

TEST(ChannelListFormat, RecognisedFromTheContentNeverFromTheName) {
    struct Case {
        std::string text;
        std::optional<ListFileType> type;
    };
    const Case cases[] = {
        {Sample("county_current.csv"), ListFileType::kRadioReference},
        {Sample("county_older.csv"), ListFileType::kRadioReference},
        {Sample("repeaters.csv"), ListFileType::kRepeaterBook},
        {Sample("bookmarks.csv"), ListFileType::kGqrx},
        {Sample("frequencies.xml"), ListFileType::kSdrSharp},
        {Sample("sdrpp.json"), ListFileType::kSdrPlusPlus},
        {testing::ReadAll(QStringLiteral(WRK7_TEST_DATA_DIR "/chirp_current.csv")).toStdString(), ListFileType::kChirpCsv},
        // Headings in another order and case, behind a byte order mark.
        {"\xEF\xBB\xBF" "alpha tag,MODE,frequency output\nX,FM,146.52\n", ListFileType::kRadioReference},
        {"\"MODEL\",\"WR-K7J\"\n", ListFileType::kOwnCsv},
        {"", std::nullopt},
        {" \r\n\t\n", std::nullopt},
        {std::string("Output Freq\0,Call\n", 18), std::nullopt},  // binary
        {"Frequency,Name\n146.52,X\n", std::nullopt},
        {"<html><body/></html>", std::nullopt},
        {"{\"items\": {}}", std::nullopt},
        {"{\"bookmarks\": {}}", ListFileType::kSdrPlusPlus},  // what its Export button writes
        {"{\"lists\": ", ListFileType::kSdrPlusPlus},  // cut short: its reader says where
        {"{\"bookmarks\": {\"x\": ", ListFileType::kSdrPlusPlus},
        {"{\"lists\": []}", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto type = DetectListFile(c.text);
        EXPECT_EQ(type.has_value(), c.type.has_value()) << c.text.substr(0, 40);
        if (type && c.type) {
            EXPECT_EQ(InfoOf(*type).name, InfoOf(*c.type).name) << c.text.substr(0, 40);
        }
        // Every list but our own CSV is read into rows.
        EXPECT_EQ(DetectListFormat(c.text), type ? InfoOf(*type).rows : std::nullopt) << c.text.substr(0, 40);
    }
    EXPECT_EQ(ListFileNamed("SDRPP"), ListFileType::kSdrPlusPlus);
    EXPECT_EQ(ListFileNamed("radio reference"), std::nullopt);
}

// One row as read, its fields joined: line|frequency|Hz|mode|tone|name|note|tag/agency/group/county.
std::string Fields(const ListRow& r) {
    return std::to_string(r.line) + "|" + r.frequency + "|" + (r.hertz ? "Hz" : "MHz") + "|" + r.mode + "|" + r.tone +
           "|" + r.name + "|" + r.note + "|" + r.tag + "/" + r.agency + "/" + r.group + "/" + r.county;
}

TEST(ChannelListRead, EachFormatGivesItsRowsByHeading) {
    struct Case { const char* file; std::vector<std::string> rows; };
    const Case cases[] = {
        {"county_current.csv",
         {"2|154.43000|MHz|FMN|114.8 PL|FD DISP|Fire Dispatch|Fire Dispatch/Fire//",
          // No alpha tag and no description: the call, the agency stand in.
          "3|155.47500|MHz|FM|CSQ|NLEEC|Interop|Interop/Interop//",
          "4|453.35000|MHz|P25|293 NAC|SO DISP|Sheriff Dispatch|Law Dispatch/Sheriff//",
          "5|460.02500|MHz|FMN|023 DPL|PD TAC|Police Tac|Law Tac/Police//"}},
        // The older layout; line 3's comma in "DeIce 4,5,6" shifts its columns: nothing of it is taken.
        {"county_older.csv",
         {"2|122.95000|MHz|AM||UNICOM|Unicom|Aircraft/Airport//Lake", "3||MHz|||||///",
          "4|151.13750|MHz|FM|100.0 PL|ROADS|Road Crew|Public Works/Roads//Lake"}},
        {"repeaters.csv",
         // The receiver hears the output, so its downlink tone; the uplink tone where that is all there is.
         {"2|146.94000|MHz|Analog/analog|88.5|W8ABC|Springfield|/OPEN//Clark",
          "3|444.12500|MHz|DMR|D125|K8XYZ|Dayton|/OPEN//Montgomery",
          "4|147.18000|MHz|Analog/analog||N8QRS|Xenia|/OPEN//Greene"}},
        {"bookmarks.csv",
         {"6|118100000|Hz|AM||Tower|Air|Air///", "7|96500000|Hz|WFM (stereo)||Radio Nord||Untagged///",
          "8|145500000|Hz|Narrow FM||Calling||Untagged///", "9|14074000|Hz|USB||FT8||Untagged///"}},
        {"frequencies.xml",
         {"3|156800000|Hz|NFM||Marine 16|Marine|//Marine/", "12|10000000|Hz|CW||Beacon|HF|//HF/"}},
        {"sdrpp.json",
         {"1|92400000|Hz|WFM||FM Kultur|Broadcast|//Broadcast/", "2|439987500|Hz|RAW||Pager|Utility|//Utility/",
          "3|127600000|Hz|AM||Volmet|Utility|//Utility/"}},
    };
    for (const Case& c : cases) {
        const ChannelList list = ReadChannelList(Sample(c.file));
        ASSERT_FALSE(list.failure) << c.file << ": " << list.failure->English();
        std::vector<std::string> rows;
        for (const ListRow& row : list.rows) rows.push_back(Fields(row));
        EXPECT_EQ(rows, c.rows) << c.file;
    }
}

TEST(ChannelListRead, ARowShiftedByAnUnescapedCommaIsLeftOutWithItsReason) {
    const ChannelList list = ReadChannelList(Sample("county_older.csv"));
    ASSERT_TRUE(list.rows.size() == 3 && list.rows[1].unreadable);
    EXPECT_EQ(list.rows[1].unreadable->English(), "the row has 14 fields where the heading names 12");
    const ListMapping mapped = MapChannelList(list, testing::NewImage())[1];
    EXPECT_TRUE(mapped.outcome == ListMapping::Outcome::kLeftOut && mapped.kind == LeftOutKind::kUnreadable);
}

TEST(ChannelListRead, ATextThatIsNoListSaysWhyAndGivesNoRows) {
    struct Case {
        std::string text;
        std::optional<ListFormat> forced;
        std::string why;
    };
    const Case cases[] = {
        {"", std::nullopt, "the file is empty"},
        {std::string("\x89PNG\r\n\x1a\n\0\0", 10), std::nullopt, "the file is not text"},
        {"Frequency,Name\n146.52,X\n", std::nullopt, "the file is none of the lists this program reads"},
        {"Alpha Tag,Mode\nX,FM\n", std::nullopt, "no frequency column: the heading names no \"Frequency Output\""},
        {"Call,Use\nW8ABC,OPEN\n", ListFormat::kRepeaterBook, "no frequency column: the heading names no \"Output Freq\""},
        {"Untagged ; #c0c0c0\n", ListFormat::kGqrx, "no frequency column: the heading names no \"# Frequency\""},
        {"<ArrayOfMemoryEntry><MemoryEntry><Name>X</Name>", std::nullopt,
         "the XML is not well formed at line 1: Premature end of document."},
        {"<Bookmarks/>", ListFormat::kSdrSharp, "the XML root is <Bookmarks>, not <ArrayOfMemoryEntry>"},
        {"{\"lists\": {\n\"A\": [}", ListFormat::kSdrPlusPlus, "the JSON is not well formed at line 2: object is missing after a comma"},
        {"[1, 2]", ListFormat::kSdrPlusPlus, "the JSON is no object holding \"bookmarks\" or \"lists\""},
        {"\"MODEL\",\"BANK\"\n", std::nullopt, "a this program's CSV is imported by its own reader"},
    };
    for (const Case& c : cases) {
        const ChannelList list = ReadChannelList(c.text, c.forced);
        EXPECT_TRUE(list.rows.empty()) << c.why;
        ASSERT_TRUE(list.failure) << c.why;
        EXPECT_EQ(list.failure->English(), c.why);
    }
}

TEST(ChannelListRead, NumbersTooLongForTheirTypeAreRefusedWithTheirReason) {
    const std::pair<std::string, std::string> cases[] = {
        {"# Frequency ; Name\n184467440737095516160000 ; A ; AM\n",
         "frequency \"184467440737095516160000\" is outside 0.1-1299.995 MHz"},
        {"Frequency Output,Mode\n99999999999999.000001,FM\n", "frequency \"99999999999999.000001\" is outside 0.1-1299.995 MHz"},
        {"{\"lists\": {\"L\": {\"bookmarks\": {\"A\": {\"frequency\": 184467440737095516160000, \"mode\": 1e30}}}}}",
         "frequency \"1.8446744073709552e+23\" is not a whole number of hertz"},
        {"{\"lists\": {\"L\": {\"bookmarks\": {\"B\": {\"frequency\": 145500000.5, \"mode\": 0}}}}}",
         "frequency \"145500000.5\" is not a whole number of hertz"},
    };
    for (const auto& [text, why] : cases) {
        const std::vector<ListMapping> mapped = MapChannelList(ReadChannelList(text), testing::NewImage());
        ASSERT_EQ(mapped.size(), 1u) << text;
        EXPECT_EQ(mapped[0].outcome, ListMapping::Outcome::kLeftOut) << text;
        EXPECT_EQ(mapped[0].reason ? mapped[0].reason->English() : "", why);
    }
}

// Channels in two banks and beyond the bank total, one of each mode, an
// airband channel on the 8.33 kHz raster, and names the formats find hard.
CloneImage ExportedImage() {
    CloneImage image = testing::NewImage();
    image.banks.counts.fill(0);
    image.banks.counts[0] = 10;
    image.banks.counts[2] = 10;
    UpdateBankTotal(image);
    struct Channel { int slot; double mhz; int mode; const char* name; };
    // Names as a read gives them, padded with blanks to the display's width.
    const Channel channels[] = {
        {0, 145.5, 0, "CALL  "}, {1, 118.008333, 1, "TWR;1 "}, {2, 82.5, 2, "FM<&> "}, {10, 433.5, 0, "CALL  "},
        {11, 433.525, 0, "CALL"}, {12, 433.55, 0, "      "}, {25, 162.55, 0, "WX    "},
    };
    for (const Channel& c : channels) {
        SlotFields& f = image.memory.slot[static_cast<std::size_t>(c.slot)];
        f.Set(kFreq, c.mhz);
        f.Set(kMode, c.mode);
        f.SetText(kName, c.name);
        image.memory.enabled[static_cast<std::size_t>(c.slot)] = true;
    }
    image.memory.slot[5].Set(kFreq, 150.0);  // a disabled slot is no channel
    return image;
}

TEST(SdrExport, BookmarksReadBackToTheSameFrequenciesModesAndNames) {
    const CloneImage image = ExportedImage();
    const std::vector<std::string> byBank = {"145.500000 FM CALL Bank 00",  "118.008333 AM TWR;1 Bank 00",
                                             "82.500000 WFM FM<&> Bank 00", "433.500000 FM CALL Bank 02",
                                             "433.525000 FM CALL Bank 02",  "433.550000 FM  Bank 02",
                                             "162.550000 FM WX No bank"};
    struct Case { ListFormat format; std::vector<std::string> channels; };  // as read back, in the format's order
    const Case cases[] = {
        // gqrx splits at ';'.
        {ListFormat::kGqrx,
         {byBank[0], "118.008333 AM TWR,1 Bank 00", byBank[2], byBank[3], byBank[4], byBank[5], byBank[6]}},
        {ListFormat::kSdrSharp, byBank},
        // SDR++'s Import takes one list, its bookmarks keyed by name, in name
        // order: a name taken or none gets the row label.
        {ListFormat::kSdrPlusPlus,
         {"433.550000 FM 02-002 ", "145.500000 FM CALL ", "433.500000 FM CALL 02-000 ",
          "433.525000 FM CALL 02-001 ", "82.500000 WFM FM<&> ", "118.008333 AM TWR;1 ", "162.550000 FM WX "}},
    };
    for (const Case& c : cases) {
        const ChannelList list = ReadChannelList(SdrBookmarksText(image, c.format));
        ASSERT_FALSE(list.failure) << InfoOf(c.format).name << ": " << list.failure->English();
        EXPECT_EQ(list.format, c.format);
        const std::vector<ListMapping> mapped = MapChannelList(list, image);
        std::vector<std::string> channels;
        for (std::size_t i = 0; i < list.rows.size(); ++i) {
            ASSERT_EQ(mapped[i].outcome, ListMapping::Outcome::kImported) << InfoOf(c.format).name << " row " << i;
            channels.push_back(mapped[i].channel.Text(kFreq) + " " + mapped[i].channel.Text(kMode) + " " +
                               list.rows[i].name + " " + list.rows[i].tag + list.rows[i].group);
        }
        EXPECT_EQ(channels, c.channels) << InfoOf(c.format).name;
        // The airband channel keeps its 8.33 kHz step on the way back.
        for (const ListMapping& m : mapped)
            EXPECT_TRUE(m.channel.Text(kFreq) != "118.008333" || m.channel.Text(kStep) == "8.33KHz");
        // No name keeps the record's padding.
        for (const ListRow& row : list.rows) EXPECT_FALSE(row.name.ends_with(' ')) << '"' << row.name << '"';
        // An empty memory writes a list that reads back as one without rows.
        const ChannelList none = ReadChannelList(SdrBookmarksText(testing::NewImage(), c.format), c.format);
        EXPECT_TRUE(!none.failure && none.rows.empty()) << InfoOf(c.format).name;
    }
}

}  // namespace
}  // namespace wrk7
