#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "edit/bank.h"

namespace wrk7 {
namespace {

std::string Repeat(std::string_view s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

TEST(BankTable, DefaultTableEncodesAndLabels) {
    CloneImage image;
    EncodeBankTable(image);
    EXPECT_EQ(image.BankBlock[0], Repeat("6400", 10) + Repeat("0000", 6));
    EXPECT_EQ(image.BankBlock[3], "000000006400640064001400");
    const auto labels = BuildRowLabels(image);
    EXPECT_EQ(labels[0] + labels[999], "00-00009-099");
    EXPECT_EQ(labels[1000] + labels[1099] + labels[1100] + labels[1299], "0A49BS0Pr99");
}

TEST(BankTable, EncodeClampsAtFirstExcessAndRoundTrips) {
    CloneImage image;
    image.BankCount.fill(0);
    image.BankCount[0] = image.BankCount[1] = image.BankCount[2] = 400;
    image.BankCount[7] = 50;
    EncodeBankTable(image);
    EXPECT_EQ(image.BankCount[2], 200);
    EXPECT_EQ(image.BankCount[7], 0);
    image.BankCount[0] = 599;
    image.BankCount[1] = 402;  // one over
    EncodeBankTable(image);
    EXPECT_EQ(image.BankCount[1], 401);
    EXPECT_EQ(image.BankCount[2], 0);

    image.BankCount.fill(0);
    image.BankCount[0] = 700;
    image.BankCount[48] = 300;
    EncodeBankTable(image);
    EXPECT_EQ(image.BankBlock[3].substr(0, 8), "2C010000");
    CloneImage back;
    back.BankBlock = image.BankBlock;
    DecodeBankTable(back);
    EXPECT_EQ(back.BankCount, image.BankCount);
}

TEST(BankTable, DecodeRepairsBadDigitsAndKeepsLargeCounts) {
    CloneImage image;
    image.BankBlock = {"D007zz00", "", "", "6400"};  // 2000, bad digits, short blocks
    DecodeBankTable(image);
    EXPECT_EQ(image.BankCount[0], 2000);
    EXPECT_EQ(image.BankCount[1] + image.BankCount[5] + image.BankCount[49], 0);
    EXPECT_EQ(image.BankCount[48], 100);
    EXPECT_EQ(BuildRowLabels(image)[999], "00-999");
    EncodeBankTable(image);
    EXPECT_EQ(image.BankCount[0], 1000);
    EXPECT_EQ(image.BankCount[48], 0);
}

TEST(BankTable, LabelsAndMappingSkipEmptyBanksAndShortfall) {
    CloneImage image;
    image.BankCount.fill(0);
    image.BankCount[0] = image.BankCount[2] = 500;
    auto labels = BuildRowLabels(image);
    EXPECT_EQ(labels[499] + labels[500], "00-49902-000");
    EXPECT_EQ(ChannelToBank(image, 500), (BankPosition{2, 0}));
    EXPECT_EQ(BankToChannel(image, 2, 499), 999);
    EXPECT_EQ(BankToChannel(image, 1, 0), std::nullopt);
    EXPECT_EQ(BankToChannel(image, 2, 500), std::nullopt);
    EXPECT_EQ(ChannelToBank(image, 1000), std::nullopt);

    image.BankCount[2] = 0;
    image.BankCount[3] = 12;
    labels = BuildRowLabels(image);
    EXPECT_EQ(labels[511] + labels[512], "03-011---512");
    EXPECT_EQ(ChannelToBank(image, 512), std::nullopt);
    EXPECT_EQ(UpdateBankTotal(image), 512);
    EXPECT_EQ(image.BankCount[50], 488);
}

TEST(GroupBlock, EncodeLayoutAndDecodeIgnoresOuterRecords) {
    CloneImage image;
    image.GroupMember[1][0] = true;
    image.GroupMember[10][49] = true;
    EncodeGroupBlock(image);
    ASSERT_EQ(image.GroupBlock.size(), 176u);
    EXPECT_EQ(image.GroupBlock.substr(0, 18), Repeat("0", 16) + "80");
    EXPECT_EQ(image.GroupBlock.substr(160), "0000000000004400");  // bank 49 and bit 53

    CloneImage back;
    back.GroupBlock = Repeat("F", 16) + image.GroupBlock.substr(16) + Repeat("F", 16);
    DecodeGroupBlock(back);
    EXPECT_EQ(back.GroupMember, image.GroupMember);

    back.GroupBlock = "00000000000000FFFFFFFFFFFFFFFFFF";  // start-up text: short
    DecodeGroupBlock(back);
    for (int g = 1; g < kGroups; ++g)
        for (int b = 0; b < kBanks; ++b) EXPECT_EQ(back.GroupMember[g][b], g == 1) << g << " " << b;
}

TEST(CountEntry, AcceptsRefusesOrRestoresAndAlwaysMarks) {
    CloneImage image;
    image.BankCount.fill(0);
    for (int b = 0; b < 6; ++b) image.BankCount[b] = 100;
    std::array<std::string, kBanks> boxes;
    for (int b = 0; b < kBanks; ++b) boxes[b] = image.BankText(b);
    auto enter = [&](int bank, std::string text) {
        boxes[bank] = std::move(text);
        image.Modified = false;
        const CountEntryResult r = ApplyCountEntry(image, bank, boxes);
        EXPECT_TRUE(image.Modified);
        boxes[bank] = r.boxText;
        return r;
    };
    auto r = enter(10, "0050");
    EXPECT_EQ(r.outcome, CountEntryOutcome::kAccepted);
    EXPECT_EQ(r.boxText, "50");
    EXPECT_FALSE(r.clearLink);
    EXPECT_EQ(image.BankCount[50], 350);
    r = enter(0, "");
    EXPECT_EQ(r.boxText, "0");
    EXPECT_TRUE(r.clearLink);

    r = enter(1, "551");  // the others hold 450
    EXPECT_EQ(r.outcome, CountEntryOutcome::kRefused);
    EXPECT_EQ(r.boxText, "100");
    EXPECT_EQ(r.message, std::vector<std::string>(kBankTotalExceedsMessage.begin(),
                                                  kBankTotalExceedsMessage.end()));
    for (const std::string& text : std::vector<std::string>{"1001", "-5", std::string(400, '9')}) {
        r = enter(3, text);
        EXPECT_EQ(r.outcome, CountEntryOutcome::kRestored) << text;
        EXPECT_EQ(r.boxText, "100") << text;
    }
    EXPECT_EQ(image.BankCount[1] + image.BankCount[3], 200);
}

}  // namespace
}  // namespace wrk7
