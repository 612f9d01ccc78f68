#include <gtest/gtest.h>

#include <set>

#include "diagnostics/diagnostic_messages.h"

namespace wrk7::diagnostics {
namespace {

// The numbered placeholders a template holds (%n aside).
std::set<int> Numbered(std::string_view text) {
    std::set<int> found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') found.insert(text[i + 1] - '0');
    return found;
}

TEST(DiagnosticMessages, EveryIdHasATemplateWithNumberedPlaceholdersAndASingularWhereItCounts) {
    for (int i = 0; i < static_cast<int>(DiagnosticId::kCount); ++i) {
        const MessageText t = MessageKey(static_cast<DiagnosticId>(i)).Text();
        ASSERT_NE(t.source, nullptr) << i;
        SCOPED_TRACE(t.source);
        const std::set<int> used = Numbered(t.source);
        EXPECT_TRUE(used.empty() || (*used.begin() == 1 && *used.rbegin() == static_cast<int>(used.size())));
        EXPECT_EQ(t.one != nullptr, std::string_view(t.source).find("%n") != std::string_view::npos);
    }
}

TEST(DiagnosticMessages, AreTheirOwnAndFillInAsCoreMessagesDo) {
    EXPECT_NE(MessageKey(DiagnosticId::kCablePortNotOpened), MessageKey(static_cast<MessageId>(0)));
    EXPECT_EQ(SayCount(DiagnosticId::kCameBack, 1, "<CR>").English(), "Came back (1 byte): <CR>");
    EXPECT_EQ(Say(MessageId::kLines, Say(DiagnosticId::kDoctorThenReplug), "x").English(),
              "Then unplug the adapter and plug it in again.\nx");
}

}  // namespace
}  // namespace wrk7::diagnostics
