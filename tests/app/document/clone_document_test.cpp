// The document's rules without a window: one step per change, "modified"
// from the history alone (Save its clean point), the file name, the imports,
// a transfer's end and what a disabled slot holds after each.
#include <QtTest>
#include <gtest/gtest.h>

#include "../put_channel.h"
#include "app/document/clone_document.h"
#include "edit/disabled_slots.h"
#include "files/clone_file.h"
#include "files/text_file.h"
#include "lists/channel_list.h"
#include "lists/csv.h"
#include "lists/list_import.h"

namespace wrk7 {
namespace {

// One step that stores a channel.
void Store(CloneDocument& doc, int slot = 3, double mhz = 145.0) {
    doc.Edit("Store", [=](CloneImage& i) { PutChannel(i, slot, mhz); });
}
// The AF slider at v, as one move of a drag: the moves of one drag share a step.
void Drag(CloneDocument& doc, int v) { doc.Edit("Change AF", [v](CloneImage& i) { i.settings.values.afVolume = v; }, MergeKey::kVolumeDrag); }

class CloneDocumentTest : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    CloneDocument doc;
};

TEST_F(CloneDocumentTest, ModifiedFollowsTheHistoryAndNothingElse) {
    struct Case { const char* what; std::function<void(CloneDocument&)> act; bool modified; int steps; };
    const Case cases[] = {
        {"an edit", [](CloneDocument& d) { Store(d); }, true, 1},
        {"an edit that changes nothing", [](CloneDocument& d) { d.Edit("Nothing", [](CloneImage&) {}); }, false, 0},
        {"an edit undone", [](CloneDocument& d) { Store(d); d.Undo(); }, false, 1},
        {"undone and redone", [](CloneDocument& d) { Store(d); d.Undo(); d.Redo(); }, true, 1},
        {"a slider dragged back to where it started",
         [](CloneDocument& d) { const int start = d.Image().settings.values.afVolume; Drag(d, 7); Drag(d, start); },
         false, 0},
        {"a drag over several values", [](CloneDocument& d) { for (int v = 3; v < 9; ++v) Drag(d, v); }, true, 1},
        {"a model switch", [](CloneDocument& d) { d.SwitchModel(2); }, false, 0},
        {"New after an edit", [](CloneDocument& d) { Store(d); d.New(); }, false, 0},
        // Save is the clean point; undoing past it marks again.
        {"saved", [this](CloneDocument& d) { Store(d); EXPECT_TRUE(d.Save(Path("a.WK7")).ok); }, false, 1},
        // The file holds the table clamped to 1000; the document keeps its own.
        {"saved with a table above 1000",
         [this](CloneDocument& d) {
             d.Edit("Bank", [](CloneImage& i) { i.banks.counts[0] = 400; });
             const CloneImage before = d.Image();
             EXPECT_TRUE(d.Save(Path("a.WK7")).ok);
             EXPECT_EQ(d.Image(), before);
         }, false, 1},
        {"saved, then undone", [this](CloneDocument& d) { Store(d); d.Save(Path("a.WK7")); d.Undo(); }, true, 1},
        {"saved, undone, redone",
         [this](CloneDocument& d) { Store(d); d.Save(Path("a.WK7")); d.Undo(); d.Redo(); }, false, 1},
    };
    for (const Case& c : cases) {
        CloneDocument d;
        c.act(d);
        EXPECT_EQ(std::pair(d.IsModified(), d.StepCount()), std::pair(c.modified, c.steps)) << c.what;
    }
}

TEST_F(CloneDocumentTest, ReadOnlyRefusesEveryChangeAndWaitsWithUndo) {
    Store(doc, 1);
    const CloneImage before = doc.Image();
    doc.SetReadOnly(true);
    bool ran = false;
    EXPECT_FALSE(doc.Edit("Store", [&ran](CloneImage&) { ran = true; }) || ran || doc.CanUndo());
    doc.Undo();
    doc.New();
    doc.SwitchModel(3);
    EXPECT_EQ(doc.Image(), before);
    doc.SetReadOnly(false);
    EXPECT_TRUE(doc.CanUndo());
}

// Which parts an edit names is tested in tests/edit (ImageEdit); here, that
// the document sends them for an edit, an undo and New.
TEST_F(CloneDocumentTest, ChangedNamesThePartsThatMoved) {
    QSignalSpy spy(&doc, &CloneDocument::changed);
    doc.Edit("Store", [](CloneImage& i) { PutChannel(i, 40, 145.0); PutChannel(i, 42, 146.0); });
    doc.Edit("Bank", [](CloneImage& i) { i.banks.links[3] = true; });
    doc.Undo();
    doc.New();
    ASSERT_EQ(spy.count(), 4);
    const auto parts = [&spy](int n) { return spy.at(n).at(0).value<EditedParts>(); };
    EXPECT_TRUE(parts(0).memory == (SlotRange{40, 42}) && parts(0).parts.count() == 1u);
    EXPECT_TRUE(parts(2).Has(ImagePart::kBanks));
    EXPECT_TRUE(parts(3).model && parts(3).Has(ImagePart::kSettings) && parts(3).Has(ImagePart::kVfo));
}

TEST_F(CloneDocumentTest, OpenStartsAFreshCleanHistoryAndAFailedOpenChangesNothing) {
    Store(doc, 5, 150.0);
    ASSERT_TRUE(doc.Save(Path("saved.WK7")).ok);
    Store(doc, 6, 151.0);
    const CloneImage edited = doc.Image();

    ASSERT_TRUE(ExportCsv(CloneImage(), Path("garbage.WK7")).ok);  // a CSV is no clone file
    EXPECT_FALSE(doc.Open(Path("garbage.WK7")).ok);
    EXPECT_EQ(doc.Image(), edited);
    EXPECT_TRUE(doc.IsModified() && doc.FileName() == Path("saved.WK7"));

    ASSERT_TRUE(doc.Open(Path("saved.WK7")).ok);
    EXPECT_TRUE(!doc.IsModified() && doc.StepCount() == 0);
    EXPECT_TRUE(doc.Image().memory.slot[6].IsEmpty() && doc.Image().memory.slot[5].Value(kFreq) == 150.0);
}

TEST_F(CloneDocumentTest, EitherImportIsOneStepThatMarksAndTakesTheFileNameWithIt) {
    CloneImage source;
    PutChannel(source, 0, 145.5);
    ASSERT_TRUE(ExportCsv(source, Path("Paste 5.csv")).ok);
    ASSERT_TRUE(doc.Save(Path("mine.WK7")).ok);
    // A file that holds no channel row takes nothing: not even the name or the mark.
    ASSERT_TRUE(ExportCsv(CloneImage(), Path("header.csv")).ok);
    EXPECT_FALSE(doc.ImportCsv(Path("header.csv")).result.ok);
    EXPECT_EQ(doc.FileName(), Path("mine.WK7"));
    EXPECT_FALSE(doc.IsModified() || doc.CanUndo());

    ASSERT_TRUE(doc.ImportCsv(Path("Paste 5.csv")).result.ok);
    EXPECT_EQ(doc.Image().memory.slot[0].Value(kFreq), 145.5);
    EXPECT_TRUE(doc.IsModified() && doc.FileName().isEmpty());
    // The file's name stays as written, even where it reads like a step of the program's own.
    EXPECT_EQ(doc.UndoName(), QStringLiteral("Import Paste 5.csv"));

    doc.Undo();
    EXPECT_TRUE(doc.Image().memory.slot[0].IsEmpty() && !doc.IsModified() && doc.FileName() == Path("mine.WK7"));

    // A CHIRP list does the same: Save must not overwrite mine.WK7 with the mix.
    ASSERT_TRUE(doc.Save(Path("mine.WK7")).ok);
    QFile chirp(QStringLiteral(WRK7_TEST_DATA_DIR "/chirp_current.csv"));
    ASSERT_TRUE(chirp.open(QIODevice::ReadOnly));
    const ChannelList list = ReadChannelList(chirp.readAll().toStdString());
    const std::vector<ListMapping> rows = MapChannelList(list, doc.Image(), true);
    ListImportChoice atLocations;
    atLocations.target = ListTarget::kOwnLocations;
    EXPECT_TRUE(doc.ImportList(QStringLiteral("chirp.csv"), rows, PlanListImport(doc.Image(), rows, atLocations)));
    EXPECT_TRUE(doc.IsModified() && doc.FileName().isEmpty());
    doc.Undo();
    EXPECT_TRUE(!doc.IsModified() && doc.FileName() == Path("mine.WK7"));

    // The step's words follow the language; the name still does not.
    QTranslator japanese;
    ASSERT_TRUE(japanese.load(QStringLiteral(":/i18n/wrk7-clone_ja.qm")));
    QCoreApplication::installTranslator(&japanese);
    CloneDocument fresh;
    EXPECT_TRUE(fresh.ImportCsv(Path("Paste 5.csv")).result.ok);
    EXPECT_EQ(fresh.UndoName().toStdString(), "Paste 5.csv のインポート");
    QCoreApplication::removeTranslator(&japanese);
}

// An import takes the name only until a save names the image again: the
// name saved stays through undo and redo of any step before that save, and
// "modified" follows the clean point as ever.
TEST_F(CloneDocumentTest, TheNameSavedAfterAnImportStaysThroughItsUndoAndRedo) {
    CloneImage source;
    PutChannel(source, 0, 145.5);
    ASSERT_TRUE(ExportCsv(source, Path("list.csv")).ok);
    PutChannel(source, 1, 146.5);
    ASSERT_TRUE(ExportCsv(source, Path("more.csv")).ok);
    struct Case { const char* steps; const char* name; bool modified; };
    // I: import (list.csv, then more.csv), S: save as x.WK7, U: undo, R: redo;
    // each starts from an image saved as mine.WK7.
    const Case cases[] = {
        {"IU", "mine.WK7", false},  {"IUR", "", true},           {"IS", "x.WK7", false},
        {"ISU", "x.WK7", true},     {"ISUR", "x.WK7", false},    {"IUSR", "x.WK7", true},
        {"ISI", "", true},          {"ISIU", "x.WK7", false},    {"ISIUU", "x.WK7", true},
        {"ISIUR", "", true},        {"ISIUUR", "x.WK7", false},  {"ISUSR", "x.WK7", true},
    };
    for (const Case& c : cases) {
        CloneDocument d;
        ASSERT_TRUE(d.Save(Path("mine.WK7")).ok);
        int imports = 0;
        for (const char* step = c.steps; *step; ++step) {
            switch (*step) {
                case 'I': EXPECT_TRUE(d.ImportCsv(Path(imports++ == 0 ? "list.csv" : "more.csv")).result.ok); break;
                case 'S': EXPECT_TRUE(d.Save(Path("x.WK7")).ok); break;
                case 'U': d.Undo(); break;
                case 'R': d.Redo(); break;
            }
        }
        EXPECT_EQ(QFileInfo(d.FileName()).fileName().toStdString(), c.name) << c.steps;
        EXPECT_EQ(d.IsModified(), c.modified) << c.steps;
    }
}

TEST_F(CloneDocumentTest, PendingEntriesAreTakenBeforeSaveAndUndo) {
    int commits = 0;
    doc.AddPendingEntry([&] {
        ++commits;
        doc.Edit("Change Bank 0", [](CloneImage& i) { i.banks.links[0] = !i.banks.links[0]; });
    });
    Store(doc, 1);
    doc.Undo();  // takes back the entry committed first, not the store
    EXPECT_TRUE(commits == 1 && !doc.Image().memory.slot[1].IsEmpty()) << commits;
    ASSERT_TRUE(doc.Save(Path("a.WK7")).ok);
    EXPECT_EQ(commits, 2);
}

TEST_F(CloneDocumentTest, TransferEndsAsOneReadStepOrAsNoStepAtAll) {
    struct Case { const char* what; bool write; bool changeWorked; int steps; bool modified; };
    const Case cases[] = {
        {"a read that brought channels", false, true, 1, true},
        {"a read of what the image holds", false, false, 0, false},
        {"a write (or a cancelled read)", true, true, 0, false},
    };
    for (const Case& c : cases) {
        CloneDocument d;
        CloneImage worked = d.Image();
        if (c.changeWorked) {
            PutChannel(worked, 7, 433.0);
            worked.flags.blocks[0] = "FF";
        }
        const CloneImage before = d.Image();
        d.SetReadOnly(true);
        d.EndTransfer(c.write ? nullptr : &worked, TransferPart::kMemory, QStringLiteral("Read Memory"));
        EXPECT_EQ(std::tuple(d.StepCount(), d.IsModified(), d.IsReadOnly()), std::tuple(c.steps, c.modified, false))
            << c.what;
        EXPECT_EQ(d.Image() == before, c.steps == 0) << c.what;
        if (c.steps == 1) {
            EXPECT_EQ(d.UndoName(), QStringLiteral("Read Memory"));
            d.Undo();
            EXPECT_EQ(d.Image(), before) << c.what;
        }
    }
}

// After every change the document takes, a disabled slot holds nothing,
// whichever entry point brought the change in; slot 2 stays as it was.
TEST_F(CloneDocumentTest, NoEntryPointLeavesADisabledSlotHoldingAnything) {
    CloneImage disabled;  // slot 1 holds a channel with its flag off
    PutChannel(disabled, 1, 146.0);
    disabled.memory.enabled[1] = false;
    PutChannel(disabled, 2, 147.0);
    ASSERT_TRUE(WriteFileAtomically(Path("disabled.WK7"), JoinLinesCrLf(CloneFileLines(disabled))));
    ASSERT_TRUE(ExportCsv(disabled, Path("disabled.csv")).ok);
    struct Case { const char* what; std::function<void(CloneDocument&)> act; };
    const Case cases[] = {
        {"an edit", [](CloneDocument& d) { d.Edit("Disable", [](CloneImage& i) { i.memory.enabled[1] = false; }); }},
        // The link wipes what the receiver sent (tests/link, ReadMemory).
        {"a read", [&disabled](CloneDocument& d) {
             CloneImage read = disabled;
             WipeDisabledSlots(read);
             d.EndTransfer(&read, TransferPart::kMemory, "Read");
         }},
        {"an open", [this](CloneDocument& d) { EXPECT_TRUE(d.Open(Path("disabled.WK7")).ok); }},
        {"an import", [this](CloneDocument& d) { EXPECT_TRUE(d.ImportCsv(Path("disabled.csv")).result.ok); }},
    };
    for (const Case& c : cases) {
        CloneDocument d;
        d.Edit("Store", [](CloneImage& i) { PutChannel(i, 1, 146.0); PutChannel(i, 2, 147.0); });
        c.act(d);
        EXPECT_TRUE(d.Image().memory.slot[1] == SlotFields{} && !d.Image().memory.enabled[1]) << c.what;
        EXPECT_EQ(d.Image().memory.slot[2].Value(kFreq), 147.0) << c.what;
    }
}

}  // namespace
}  // namespace wrk7
