#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/message.h"

namespace wrk7 {
namespace {

// The placeholders a template holds: 1..9 for %1..%9, 0 for %n.
std::set<int> Placeholders(std::string_view text) {
    std::set<int> found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%') continue;
        if (text[i + 1] >= '1' && text[i + 1] <= '9') found.insert(text[i + 1] - '0');
        if (text[i + 1] == 'n') found.insert(0);
    }
    return found;
}

TEST(MessageTemplates, EveryIdHasItsTemplateWithNumberedPlaceholdersAndASingularWhereItCounts) {
    for (int i = 0; i < static_cast<int>(MessageId::kCount); ++i) {
        const auto id = static_cast<MessageId>(i);
        const MessageTemplate& t = TemplateOf(id);
        SCOPED_TRACE(t.source);
        EXPECT_EQ(t.id, id);
        ASSERT_NE(t.source, nullptr);
        EXPECT_NE(std::string_view(t.source), "");
        std::set<int> used = Placeholders(t.source);
        // %1..%k with none left out, so every argument is shown.
        const bool counted = used.erase(0) > 0;
        EXPECT_TRUE(used.empty() || (*used.begin() == 1 && *used.rbegin() == static_cast<int>(used.size())));
        // A count's template says its singular in English too, with the same arguments.
        EXPECT_EQ(t.one != nullptr, counted);
        if (t.one) {
            std::set<int> one = Placeholders(t.one);
            one.erase(0);
            EXPECT_TRUE(std::includes(used.begin(), used.end(), one.begin(), one.end()));
        }
    }
}

TEST(MessageTemplates, TheEnglishIsTodaysTextWithItsArgumentsAsWritten) {
    // Plain texts, a bank total's numbers and joined lines are compared whole in the link tests and BankTable.
    const struct { Message message; const char* english; } cases[] = {
        {SayCount(MessageId::kFileTooShort, 1, 2643), "it has 1 line; a clone file has 2643"},
        {SayCount(MessageId::kFileTooShort, 12, 2643), "it has 12 lines; a clone file has 2643"},
        {SayCount(MessageId::kRowsNotRead, 1), "Its one row could not be read."},
        {SayCount(MessageId::kRowsNotTaken, 3), "None of its 3 rows could be taken."},
        // An argument that looks like a placeholder stays as written.
        {Say(MessageId::kNoChannelRows, "100%1%n.csv"), "No channel rows were found in 100%1%n.csv."},
        {Say(MessageId::kLineWhereWhy, 3, "MEMORY 5", Say(MessageId::kModeNotAvailable, "LSB")),
         "Line 3 (MEMORY 5): mode \"LSB\" is not available."},
        {Say(MessageId::kOptionOff, Say(MessageId::kSquelchNamed, "DTCS")), "\"DTCS\" squelch: imported with option OFF"},
        {Say(MessageId::kBankIsNot, "BAND", "VFO", "MEMORY", "PROGRAM SCAN", "SEARCH PASS", "PRIORITY"),
         "bank \"BAND\" is not VFO, MEMORY, PROGRAM SCAN, SEARCH PASS or PRIORITY"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.message.English(), c.english);
}

}  // namespace
}  // namespace wrk7
