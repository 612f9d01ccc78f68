// Every reader over every sample list. The samples are written in the forms
// the programs and directories really use (gqrx's padding, SDR#'s serializer
// with its no-break spaces, SDR++'s two layouts, a repeater directory's
// primary/secondary modes and mode lists, the frequency database's quoting,
// a stock list with numbered names and TABs in its comments): each one's own
// reader takes what the receiver can hear and leaves out the rest by kind,
// and every other reader refuses it without a row imported.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "core/channel_options.h"
#include "files/rich_image.h"
#include "lists/channel_list.h"
#include "lists/chirp_csv.h"
#include "lists/list_map.h"

namespace wrk7 {
namespace {

using Outcome = ListMapping::Outcome;
constexpr ListFormat kListReaders[] = {ListFormat::kRadioReference, ListFormat::kRepeaterBook, ListFormat::kGqrx,
                                       ListFormat::kSdrSharp, ListFormat::kSdrPlusPlus};

std::string Sample(const char* name) {
    return testing::ReadAll(QStringLiteral(WRK7_TEST_DATA_DIR "/lists/") + QString::fromLatin1(name)).toStdString();
}

// Rows left out, by LeftOutKind: digital, trunked, sideband, other, unknown mode, range, unreadable.
using ByKind = std::array<int, kLeftOutKinds>;

struct Fixture {
    const char* file;
    ListFormat format;
    int imported;
    ByKind leftOut;
};

const Fixture kFixtures[] = {
    {"repeaterbook_export.csv", ListFormat::kRepeaterBook, 11, {4, 0, 0, 0, 0, 0, 0}},
    {"repeaterbook_modes.csv", ListFormat::kRepeaterBook, 5, {3, 0, 0, 1, 0, 0, 0}},
    {"repeaters.csv", ListFormat::kRepeaterBook, 2, {1, 0, 0, 0, 0, 0, 0}},
    {"radioreference_county.csv", ListFormat::kRadioReference, 11, {5, 1, 0, 0, 0, 0, 0}},
    {"county_current.csv", ListFormat::kRadioReference, 3, {1, 0, 0, 0, 0, 0, 0}},
    {"county_older.csv", ListFormat::kRadioReference, 2, {0, 0, 0, 0, 0, 0, 1}},
    {"gqrx_bookmarks.csv", ListFormat::kGqrx, 6, {0, 0, 3, 2, 0, 0, 0}},
    {"bookmarks.csv", ListFormat::kGqrx, 3, {0, 0, 1, 0, 0, 0, 0}},
    {"sdrsharp_frequencies.xml", ListFormat::kSdrSharp, 4, {0, 0, 4, 1, 0, 0, 0}},
    {"frequencies.xml", ListFormat::kSdrSharp, 1, {0, 0, 1, 0, 0, 0, 0}},
    {"sdrpp_export.json", ListFormat::kSdrPlusPlus, 4, {0, 0, 4, 1, 0, 0, 0}},
    {"sdrpp_config.json", ListFormat::kSdrPlusPlus, 4, {0, 0, 0, 0, 0, 0, 0}},
    {"sdrpp.json", ListFormat::kSdrPlusPlus, 2, {0, 0, 0, 1, 0, 0, 0}},
};

TEST(ListFixtures, EachReaderTakesItsOwnListsAndNoOther) {
    const CloneImage image = testing::NewImage(1);  // WR-K70E: no cellular ranges refused
    for (const Fixture& f : kFixtures) {
        const std::string text = Sample(f.file);
        ASSERT_FALSE(text.empty()) << f.file;
        EXPECT_EQ(DetectListFormat(text), f.format) << f.file;
        for (const ListFormat reader : kListReaders) {
            const ChannelList list = ReadChannelList(text, reader);
            const std::vector<ListMapping> mapped = MapChannelList(list, image);
            int imported = 0;
            ByKind leftOut{};
            for (const ListMapping& m : mapped) {
                if (m.outcome == Outcome::kImported) ++imported;
                if (m.outcome == Outcome::kLeftOut) ++leftOut[static_cast<std::size_t>(m.kind)];
            }
            if (reader != f.format) {
                EXPECT_TRUE(list.failure || imported == 0) << f.file << " read as " << InfoOf(reader).name;
                continue;
            }
            ASSERT_FALSE(list.failure) << f.file << ": " << list.failure->English();
            EXPECT_EQ(imported, f.imported) << f.file;
            EXPECT_EQ(leftOut, f.leftOut) << f.file;

            // What was imported holds no control character and no two
            // different names as one.
            std::set<std::string> written, stored;
            for (std::size_t i = 0; i < mapped.size(); ++i) {
                if (mapped[i].outcome != Outcome::kImported) continue;
                QString key = QString::fromStdString(list.rows[i].name).toUpper().trimmed();
                key.replace(QChar(0xA0), QLatin1Char(' '));
                written.insert(key.toStdString());
                const std::string name = mapped[i].channel.Text(kName);
                stored.insert(name.substr(0, name.find_last_not_of(' ') + 1));
                for (const int field : {kName, kNote})
                    for (const char c : mapped[i].channel.Text(field))
                        EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20) << f.file << " line " << mapped[i].line;
            }
            EXPECT_EQ(stored.size(), written.size()) << f.file;
        }
        // No list without slots is taken for a CHIRP list.
        CloneImage untouched = image;
        EXPECT_FALSE(ImportChirpText(untouched, text).result.ok) << f.file;
        EXPECT_EQ(untouched, image) << f.file;
    }
}

TEST(ListFixtures, TheStockListOfTheMultiRadioToolKeepsItsNamesApartAndItsNotesClean) {
    const std::string text = Sample("chirp_stock.csv");
    for (const ListFormat reader : kListReaders)
        EXPECT_TRUE(ReadChannelList(text, reader).failure) << InfoOf(reader).name;
    CloneImage image = testing::NewImage(1);
    const ChirpImportResult r = ImportChirpText(image, text);
    ASSERT_TRUE(r.result.ok);
    EXPECT_EQ(std::pair(r.imported, r.skipped), std::pair(13, 1));  // DV is digital
    std::vector<std::string> names;
    for (int slot = 0; slot < 13; ++slot) names.push_back(image.memory.slot[static_cast<std::size_t>(slot)].Text(kName));
    EXPECT_EQ(names, (std::vector<std::string>{"KDR441", "KDR442", "KDR443", "KDR444", "KDR445", "KDR446", "KDR447",
                                               "KDR448", "FTEST1", "FTEST2", "SERVIC", "FWATCH", "GUARD"}));
    EXPECT_EQ(image.memory.slot[10].Text(kNote), "Multicom, Search and Rescue Tr");
    int controls = 0;
    for (const ImportIssue& issue : r.issues) controls += issue.reason.English().find("control characters") != std::string::npos;
    EXPECT_EQ(controls, 3);
}

// Only a repeater's downlink tone squelches the receiver: a tone the radio
// sends up alone leaves the channel on carrier squelch.
TEST(ListFixtures, ARepeatersUplinkToneAloneIsCarrierSquelch) {
    const ChannelList list = ReadChannelList(Sample("repeaterbook_export.csv"));
    const std::vector<ListMapping> mapped = MapChannelList(list, testing::NewImage(1));
    const int tone = static_cast<int>(ChannelOption::kTone);
    std::string squelched;
    for (std::size_t i = 0; i < mapped.size(); ++i)
        if (mapped[i].outcome == Outcome::kImported)
            squelched += (mapped[i].channel.Value(kOption) == tone ? "T" : "-");
    // 146.94 none, 147.18 uplink, 146.76 both, 442.35 uplink, 145.39 none,
    // 145.27 both, 442.90 uplink, 224.50 CSQ, 1293.1 none, 53.03 uplink,
    // 147.03 downlink.
    EXPECT_EQ(squelched, "--T--T----T");
}

}  // namespace
}  // namespace wrk7
