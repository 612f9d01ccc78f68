#include <gtest/gtest.h>

#include "core/channel_options.h"
#include "core/tables.h"
#include "edit/bank.h"
#include "edit/channel_rules.h"
#include "files/rich_image.h"
#include "lists/channel_list.h"
#include "lists/chirp_csv.h"
#include "lists/list_import.h"

namespace wrk7 {
namespace {

using testing::NewImage;
using Outcome = ListMapping::Outcome;

ListRow Row(std::string frequency, std::string mode, std::string tone = "", bool hertz = false) {
    ListRow row;
    row.frequency = std::move(frequency);
    row.mode = std::move(mode);
    row.tone = std::move(tone);
    row.hertz = hertz;
    return row;
}

ListImportChoice Choice(ListTarget target, int first, int bank = 0,
                        DuplicateRule duplicates = DuplicateRule::kSkip) {
    ListImportChoice choice;
    choice.target = target;
    choice.firstSlot = first;
    choice.bank = bank;
    choice.duplicates = duplicates;
    return choice;
}

ListMapping MapOne(ListRow row) {
    ChannelList list;
    list.rows.push_back(std::move(row));
    return MapChannelList(list, NewImage()).front();
}

int ToneCodeOf(std::string_view name) {
    for (std::size_t code = 0; code < ToneName.size(); ++code)
        if (ToneName[code] == name) return static_cast<int>(code);
    return -1;
}

struct ModeCase { ListRow row; Outcome outcome; int mode; std::string_view step; };  // mode, step when imported

TEST(ListMapping, ModesAndFrequenciesAsAListenerWouldChoose) {
    const LeftOutKind digital = LeftOutKind::kDigital, sideband = LeftOutKind::kSideband;
    const ModeCase cases[] = {
        {Row("155.19000", "FMN"), Outcome::kImported, 0, "5KHz"},
        {Row("145500000", "Narrow FM", "", true), Outcome::kImported, 0, "5KHz"},
        {Row("88500000", "WFM (stereo)", "", true), Outcome::kImported, 2, "5KHz"},
        {Row("462.5625", "nfm"), Outcome::kImported, 0, "6.25KHz"},
        {Row("118.008333", "AM"), Outcome::kImported, 1, "8.33KHz"},
        {Row("0.531", "AM"), Outcome::kImported, 1, "9KHz"},
        {Row("146.94", "Analog"), Outcome::kImported, 0, "5KHz"},
        {Row("145.50", ""), Outcome::kImported, 0, "5KHz"},
        {Row("603000", "AM-Sync", "", true), Outcome::kImported, 1, "9KHz"},
        // A repeater directory's primary/secondary forms and mode lists:
        // an analog part is heard in FM.
        {Row("146.94", "Analog/analog"), Outcome::kImported, 0, "5KHz"},
        {Row("444.125", "DMR/analog"), Outcome::kImported, 0, "5KHz"},
        {Row("145.39", "YSF/analog"), Outcome::kImported, 0, "5KHz"},
        {Row("145.39", "DStar/analog"), Outcome::kImported, 0, "5KHz"},
        {Row("145.39", "P25/analog"), Outcome::kImported, 0, "5KHz"},
        {Row("441.6", "FM AllStar EchoLink "), Outcome::kImported, 0, "5KHz"},
        {Row("927.1875", "FM AllStar EchoLink P-25 "), Outcome::kImported, 0, "6.25KHz"},
        {Row("0.00000", "FM"), Outcome::kNoChannel, 0, ""},
        {Row("", "FM"), Outcome::kNoChannel, 0, ""},
    };
    for (const ModeCase& c : cases) {
        const ListMapping m = MapOne(c.row);
        ASSERT_EQ(m.outcome, c.outcome) << c.row.frequency << " " << c.row.mode;
        if (m.outcome != Outcome::kImported) continue;
        EXPECT_EQ(m.channel.Value(kMode), c.mode) << c.row.mode;
        EXPECT_EQ(StepName[static_cast<std::size_t>(m.channel.Value(kStep))], c.step) << c.row.frequency;
    }
    const std::string onlyOurs = ": the receiver hears FM, AM and WFM only";
    const struct { ListRow row; LeftOutKind kind; std::string reason; } leftOut[] = {
        {Row("851.0125", "P25"), digital, "mode \"P25\" is digital" + onlyOurs},
        {Row("146.52", "D-Star"), digital, "mode \"D-Star\" is digital" + onlyOurs},
        {Row("444.125", "DMR"), digital, "mode \"DMR\" is digital" + onlyOurs},
        {Row("1293.1", "DSTAR "), digital, "mode \"DSTAR\" is digital" + onlyOurs},
        {Row("145.39", "DMR/YSF"), digital, "mode \"DMR/YSF\" is digital" + onlyOurs},
        {Row("856.2375", "TRS"), LeftOutKind::kTrunked, "mode \"TRS\" is a trunked system's" + onlyOurs},
        {Row("14200000", "USB", "", true), sideband, "mode \"USB\" is not available"},
        {Row("7100000", "CW-L", "", true), sideband, "mode \"CW-L\" is not available"},
        {Row("7100000", "Demod Off", "", true), LeftOutKind::kOtherMode, "mode \"Demod Off\" is not available"},
        {Row("145500000", "Raw I/Q", "", true), LeftOutKind::kOtherMode, "mode \"Raw I/Q\" is not available"},
        {Row("146.52", "Telepathy"), LeftOutKind::kUnknownMode, "mode \"Telepathy\" is unknown" + onlyOurs},
        {Row("146.52", "FM2"), LeftOutKind::kUnknownMode, "mode \"FM2\" is unknown" + onlyOurs},
        {Row("abc", "FM"), LeftOutKind::kFrequency, "frequency \"abc\" is not a number"},
        {Row("145500000.5", "FM", "", true), LeftOutKind::kFrequency,
         "frequency \"145500000.5\" is not a whole number of hertz"},
        {Row("4000.0", "FM"), LeftOutKind::kFrequency, "frequency 4000.000000 MHz is outside 0.1-1299.995 MHz"},
    };
    for (const auto& c : leftOut) {
        const ListMapping m = MapOne(c.row);
        ASSERT_EQ(m.outcome, Outcome::kLeftOut) << c.row.frequency << " " << c.row.mode;
        EXPECT_EQ(m.kind, c.kind) << c.row.mode;
        EXPECT_EQ(m.reason ? m.reason->English() : "", c.reason);
    }
    ListRow shifted = Row("155.19", "FM");
    shifted.unreadable = Verbatim("has 13 fields where the heading names 12");
    EXPECT_EQ(MapOne(shifted).kind, LeftOutKind::kUnreadable);
}

TEST(ListMapping, TonesBecomeToneSquelchOrCarrierSaidInTheReport) {
    const int tone = static_cast<int>(ChannelOption::kTone);
    const int plain = static_cast<int>(EmptyRowDefaults().Value(kOption));
    // The tone's name "" when none is set, the note "" when nothing is said.
    const struct { std::string written; int option; std::string_view toneName; std::string note; } cases[] = {
        {"114.8 PL", tone, "114.8Hz", ""},
        {"100.0", tone, "100.0Hz", ""},
        {" 67 ", tone, "67.0Hz", ""},
        {"CSQ", plain, "", ""},
        {"n/a", plain, "", ""},
        {"", plain, "", ""},
        {"023 DPL", plain, "", "squelch \"023 DPL\" is not a CTCSS tone: imported with carrier squelch only"},
        {"293 NAC", plain, "", "squelch \"293 NAC\" is not a CTCSS tone: imported with carrier squelch only"},
        {"D125", plain, "", "squelch \"D125\" is not a CTCSS tone: imported with carrier squelch only"},
        {"69.4", plain, "", "tone \"69.4\" is not one of the receiver's tones: imported without a tone"},
        {"tone?", plain, "", "tone \"tone?\" is not a tone: imported without a tone"},
    };
    for (const auto& c : cases) {
        const ListMapping m = MapOne(Row("146.94", "FM", c.written));
        ASSERT_EQ(m.outcome, Outcome::kImported) << c.written;
        EXPECT_EQ(m.channel.Value(kOption), c.option) << c.written;
        if (!c.toneName.empty()) {
            EXPECT_EQ(m.channel.Value(kTone), ToneCodeOf(c.toneName)) << c.written;
        }
        EXPECT_EQ(m.notes.empty() ? "" : m.notes.front().English(), c.note) << c.written;
    }
}

TEST(ListMapping, NameAndNoteFittedWithReportLines) {
    ListRow row = Row("146.94", "FM");
    row.name = "Fire Dispatch";
    row.note = std::string(40, 'n');
    const ListMapping m = MapOne(row);
    EXPECT_EQ(m.channel.Text(kName), "FIRE D");
    EXPECT_EQ(m.channel.Text(kNote), std::string(30, 'n'));
    ASSERT_EQ(m.notes.size(), 2u);
    EXPECT_EQ(m.notes[0].English(), "name \"Fire Dispatch\" shortened to \"FIRE D\"");
}

// Six rows: four FM channels, one digital, one already held by slot 3.
struct PlanFixture : ::testing::Test {
    PlanFixture() : image(NewImage()) {
        for (const int slot : {0, 1, 3}) {
            image.memory.slot[static_cast<std::size_t>(slot)].Set(kFreq, 150.0 + slot);
            image.memory.slot[static_cast<std::size_t>(slot)].Set(kMode, 0);
            image.memory.enabled[static_cast<std::size_t>(slot)] = true;
        }
        list.rows = {Row("160.0", "FM"), Row("161.0", "FM"), Row("851.0125", "DMR"),
                     Row("153.0005", "FM"), Row("162.0", "FM"), Row("163.0", "FM")};
        for (std::size_t i = 0; i < list.rows.size(); ++i) list.rows[i].line = static_cast<int>(i) + 2;
        rows = MapChannelList(list, image);
    }
    std::vector<int> Slots(const ListImportPlan& plan) const {
        std::vector<int> out;
        for (const PlacedRow& p : plan.placed) out.push_back(p.slot);
        return out;
    }
    CloneImage image;
    ChannelList list;
    std::vector<ListMapping> rows;
};

TEST_F(PlanFixture, TargetsAndMergeRulesSaidBeforeAnythingChanges) {
    ListImportChoice empty;
    const ListImportPlan intoEmpty = PlanListImport(image, rows, empty);
    EXPECT_EQ(Slots(intoEmpty), (std::vector<int>{2, 4, 5, 6}));
    EXPECT_EQ(intoEmpty.summary.English(),
              "4 channels into empty slots from row 00-000: 1 is already there and is skipped, 1 is left out: digital");

    const ListImportChoice fromRow = Choice(ListTarget::kFromSlot, 997);
    const ListImportPlan atEnd = PlanListImport(image, rows, fromRow);
    EXPECT_EQ(Slots(atEnd), (std::vector<int>{997, 998, 999}));
    EXPECT_EQ(atEnd.didNotFit, 1);
    EXPECT_EQ(atEnd.summary.English(),
              "3 channels from row 09-097: 1 is already there and is skipped, 1 is left out: digital, 1 does not fit");

    const ListImportChoice replace = Choice(ListTarget::kFromSlot, 0, 0, DuplicateRule::kReplace);
    const ListImportPlan replaced = PlanListImport(image, rows, replace);
    EXPECT_EQ(Slots(replaced), (std::vector<int>{0, 1, 3, 2, 4}));
    EXPECT_EQ(replaced.summary.English(),
              "5 channels from row 00-000: 2 replace used channels, 1 is already there and is replaced, "
              "1 is left out: digital");

    ListImportChoice chosen;
    chosen.chosen = {false, true, false, false, false, true};
    EXPECT_EQ(PlanListImport(image, rows, chosen).summary.English(), "2 channels into empty slots from row 00-000");
}

TEST_F(PlanFixture, ABankTakesItsSizeOrGrowsFromTheBanksAfterIt) {
    image.banks.counts.fill(0);
    image.banks.counts[0] = 10;
    image.banks.counts[1] = 2;
    image.banks.counts[2] = 1;
    image.banks.counts[3] = 987;
    ListImportChoice bank = Choice(ListTarget::kIntoBank, 0, 1);
    const ListImportPlan asItIs = PlanListImport(image, rows, bank);
    EXPECT_EQ(Slots(asItIs), (std::vector<int>{10, 11}));
    EXPECT_EQ(asItIs.didNotFit, 2);
    EXPECT_FALSE(asItIs.grownCounts);

    bank.growBank = true;
    const ListImportPlan grown = PlanListImport(image, rows, bank);
    EXPECT_EQ(Slots(grown), (std::vector<int>{10, 11, 12, 13}));
    ASSERT_TRUE(grown.grownCounts);
    EXPECT_EQ((std::vector<int>(grown.grownCounts->begin(), grown.grownCounts->begin() + 4)),
              (std::vector<int>{10, 4, 0, 986}));
    EXPECT_EQ(grown.report.front().reason.English(), "bank 1 grows to 4 channels");

    ApplyListImport(image, rows, grown);
    EXPECT_EQ(image.banks.counts[1], 4);
    EXPECT_EQ(BankTotal(image), 1000);
    EXPECT_DOUBLE_EQ(image.memory.slot[13].Value(kFreq), 163.0);
    EXPECT_TRUE(image.memory.enabled[13]);
    EXPECT_DOUBLE_EQ(image.memory.slot[3].Value(kFreq), 153.0);  // the duplicate was skipped
}

TEST_F(PlanFixture, TheReportNamesEachRowLeftOutInFileOrderAndWhereAPlacedOneWent) {
    auto lines = [this](DuplicateRule rule) {
        std::vector<std::string> out;
        for (const ImportIssue& issue : PlanListImport(image, rows, Choice(ListTarget::kFromSlot, 998, 0, rule)).report)
            out.push_back(std::to_string(issue.line) + " " + issue.location + ": " + issue.reason.English());
        return out;
    };
    EXPECT_EQ(lines(DuplicateRule::kSkip),
              (std::vector<std::string>{"4 : mode \"DMR\" is digital: the receiver hears FM, AM and WFM only",
                                        "5 : already in row 00-003: skipped", "6 : no room left", "7 : no room left"}));
    EXPECT_EQ(lines(DuplicateRule::kReplace).at(1), "5 00-003: already in row 00-003: replaced there");
}


// The window imports a CHIRP list by the plan; wrk7 by its own reader. Both
// must leave the same channels in the same slots and say the same lines.
struct ChirpRouteCase {
    std::string name;
    std::string text;
    std::optional<int> firstSlot;  // nullopt: at each row's Location
};

std::string ChirpSample(const std::string& path) {
    return testing::ReadAll(QStringLiteral(WRK7_TEST_DATA_DIR "/") + QString::fromStdString(path)).toStdString();
}

std::vector<std::string> IssueLines(const std::vector<ImportIssue>& issues) {
    std::vector<std::string> lines;
    for (const ImportIssue& i : issues)
        lines.push_back(std::to_string(i.line) + "|" + i.location + "|" + std::to_string(i.slot) + "|" + i.reason.English());
    return lines;
}

TEST(ChirpListPlan, PlacesNamesAndReportsAsTheListsOwnImportDoes) {
    // Two rows at one Location, names alike once shortened, a Location that is
    // no channel, a row without a frequency.
    const std::string shared =
        "Location,Name,Frequency,Mode,Tone,cToneFreq\n5,Harbour North,146.52,FM,,\n5,Harbour South,146.54,FM,TSQL,88.5\n"
        "6,Harbour West,146.56,NFM,DTCS,\n7,Empty,,FM,,\nx,Harbour East,146.58,FM,,\n1000,Beyond,146.6,USB,,\n";
    const ChirpRouteCase cases[] = {
        {"chirp_current.csv", ChirpSample("chirp_current.csv"), std::nullopt},
        {"chirp_current.csv from 300", ChirpSample("chirp_current.csv"), 300},
        {"chirp_legacy.csv", ChirpSample("chirp_legacy.csv"), std::nullopt},
        {"chirp_reordered.csv from 0", ChirpSample("chirp_reordered.csv"), 0},
        {"chirp_stock.csv", ChirpSample("lists/chirp_stock.csv"), std::nullopt},
        {"shared Locations", shared, std::nullopt},
        {"shared Locations from 990", shared, 990},
    };
    for (const ChirpRouteCase& c : cases) {
        CloneImage before = NewImage();
        // A used channel at a Location and in the slots from a row.
        for (const int slot : {2, 301}) {
            before.memory.slot[slot].Set(kFreq, 150.0);
            before.memory.enabled[slot] = true;
        }
        CloneImage own = before;
        const ChirpImportResult expected = ImportChirpText(own, c.text, c.firstSlot);
        ASSERT_TRUE(expected.result.ok) << c.name;

        const ChannelList list = ReadChannelList(c.text);
        ASSERT_EQ(list.format, ListFormat::kChirp) << c.name;
        const std::vector<ListMapping> rows = MapChannelList(list, before, !c.firstSlot);
        ListImportChoice choice = Choice(c.firstSlot ? ListTarget::kFromSlot : ListTarget::kOwnLocations,
                                         c.firstSlot.value_or(0), 0, DuplicateRule::kKeep);
        const ListImportPlan plan = PlanListImport(before, rows, choice);
        CloneImage planned = before;
        ApplyListImport(planned, rows, plan);

        EXPECT_EQ(planned, own) << c.name;
        EXPECT_EQ(IssueLines(plan.report), IssueLines(expected.issues)) << c.name;
        EXPECT_EQ(static_cast<int>(plan.placed.size()), expected.imported) << c.name;
        EXPECT_EQ(plan.leftOut + plan.didNotFit, expected.skipped) << c.name;
        EXPECT_EQ(plan.replacingUsed, expected.replacedUsed) << c.name;
    }
}

TEST(ChirpListPlan, TheSummarySaysTheLocationsAndWhatALaterRowReplaced) {
    const std::string text = "Location,Name,Frequency,Mode\n5,A,146.52,FM\n5,B,146.54,FM\n6,C,146.56,DV\n7,D,446.0,CW\n"
                             "1000,E,146.6,FM\n";
    const CloneImage image = NewImage();
    const std::vector<ListMapping> rows = MapChannelList(ReadChannelList(text), image, true);
    const ListImportPlan plan = PlanListImport(image, rows, Choice(ListTarget::kOwnLocations, 0, 0, DuplicateRule::kKeep));
    EXPECT_EQ(plan.summary.English(),
              "1 channel at its own Location: 1 is replaced by a later row, 3 are left out: 1 digital, 1 sideband, "
              "1 no channel at the Location");
}

}  // namespace
}  // namespace wrk7
