// The memory page's list buttons: the question each asks (once for several
// rows, never outside the first 200 rows where it does not apply), what
// Cancel leaves, and a repaint that writes nothing.

#include "window_fixture.h"

namespace wrk7 {
namespace {

class MemoryPageTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Change([](CloneImage& image) {
            for (int slot : {0, 1, 2, 3, 200, 1000}) Put(image, slot, 145 + slot * 0.0125);
            image.memory.enabled[1000] = false;  // a frequency left in a disabled slot
        });
        window->ClickTab(Page::kMemory);
    }
};

TEST_F(MemoryPageTest, ButtonsAskOnceForSeveralRowsAndCancelChangesNothing) {
    const QString clear = QStringLiteral("Clear cannot be undone."), sure = QStringLiteral("Are you sure that you want to ");
    const QStringList del{QStringLiteral("Delete cannot be undone."), sure + "do the delete?"};
    const struct {
        const char* button;
        int first, last;
        Answer answer;
        QString title;  // empty: no question
        QStringList lines;
        QString step;  // empty: nothing changes
    } cases[] = {
        {"cmbDelete", 1, 1, Answer::kCancel, "DELETE OK", del, ""},
        {"cmbDelete", 1, 1, Answer::kOk, "DELETE OK", del, "Delete 00-000"},
        {"cmbDelete", 201, 201, Answer::kOk, "", {}, ""},  // outside the 200 rows: not even asked
        {"cmbInsert", 201, 201, Answer::kOk, "", {}, ""},
        {"cmbInsert", 1, 1, Answer::kCancel, "", {}, "Insert 00-000"},
        {"cmbClear", 1, 3, Answer::kCancel, "CLEAR OK", {clear, sure + "do the clear?", "3 rows are selected."}, ""},
        {"cmbClear", 2, 2, Answer::kOk, "CLEAR OK", {clear, sure + "do the clear?"}, "Clear 00-001"},
        {"cmbDisable", 1, 3, Answer::kCancel, "DISABLE OK", {"3 rows are selected.", sure + "disable them?"}, ""},
        {"cmbDisable", 2, 2, Answer::kCancel, "", {}, "Disable 00-001"},  // one row goes without a question
        {"cmbEnable", 1, 1300, Answer::kOk, "ENABLE OK", {"1300 rows are selected.", sure + "enable them?"},
         "Enable 1300 Channels"},
        {"cmbClAll", 1, 1, Answer::kCancel, "CLEAR OK", {clear, sure + "clear all memory?"}, ""},
        {"cmbDisAll", 1, 1, Answer::kCancel, "", {}, "Disable All"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.button << " " << c.first << ".." << c.last);
        window->Memory()->SelectRows(c.first, c.last);
        if (c.last == 3) Shot("memory-several-rows.png");
        const CloneImage before = Snapshot();
        prompts.boxes.clear();
        prompts.answers = {c.answer};
        window->Memory()->Button(c.button)->click();
        ASSERT_EQ(prompts.boxes.size(), c.title.isEmpty() ? 0u : 1u);
        if (!c.title.isEmpty()) {
            EXPECT_EQ(prompts.boxes[0].title + "|" + prompts.boxes[0].lines.join("|"), c.title + "|" + c.lines.join("|"));
        }
        EXPECT_EQ(Snapshot() == before, c.step.isEmpty());
        EXPECT_EQ(Doc().UndoName(), c.step.isEmpty() ? QStringLiteral("setup") : c.step);
        if (!c.step.isEmpty()) Doc().Undo();
    }
}

TEST_F(MemoryPageTest, LeavingTheBankPageRepaintsTheGridWithoutWritingTheImage) {
    const CloneImage before = Snapshot();
    window->ClickTab(Page::kBank);
    window->ClickTab(Page::kMemory);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Doc().UndoName(), "setup");
}

}  // namespace
}  // namespace wrk7
