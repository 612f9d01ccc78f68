// Tool > Merge with Receiver without a main window: a merge read leaves the
// document alone and hands back the receiver, the dialog shows the read the
// image came from and what it makes with each choice; the read origins kept.
#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

#include "app/document/clone_document.h"
#include "app/put_channel.h"
#include "app/recording_prompter.h"
#include "app/transfer/merge_dialog.h"
#include "app/transfer/read_origins.h"
#include "app/transfer/transfer_controller.h"
#include "app/transfer/transfer_runner.h"
#include "emulator/emulator_port.h"
#include "emulator/memory_image.h"

namespace wrk7 {
namespace {

TEST(MergeReceiver, AMergeReadKeepsTheDocumentAndTheDialogMakesTheMergeOfEachChoice) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("backups"));
    CloneDocument doc;
    RecordingPrompter prompts;
    TransferController transfers(doc, prompts, nullptr, TransferFolders{folder, folder}, std::nullopt);
    const CloneImage base = emu::DemoImage(0);
    CloneImage held = base, mine = base;
    PutChannel(held, 9, 433.125, "KEYPAD");
    held.memory.slot[0].Set(kTone, 3);
    mine.memory.slot[0].Set(kTone, 5);
    mine.settings.values.afVolume = 4;
    const QString basePath = SaveBackup(BackupKind::kRead, base, folder, QDateTime::currentDateTime().addSecs(-60));
    auto receiver = std::make_shared<emu::Receiver>(0);
    emu::StoreImage(receiver->Mem(), held), receiver->LatchBankTable();
    transfers.Runner()->SetPortFactory([receiver] { return std::make_unique<emu::EmulatorPort>(receiver); });
    ASSERT_TRUE(doc.Edit(QStringLiteral("setup"), [&](CloneImage& image) { image = mine; }));
    QSignalSpy read(&transfers, &TransferController::mergeReadFinished);
    ASSERT_TRUE(transfers.StartMergeRead());
    ASSERT_TRUE(QTest::qWaitFor([&] { return read.count() == 1 && !transfers.IsRunning(); }, 60000));
    EXPECT_EQ(doc.Image().memory.slot[0].Value(kTone), 5);  // the document took nothing
    const auto theirs = read.front()[0].value<std::shared_ptr<const CloneImage>>();

    MergeDialog dialog(doc.Image(), *theirs, ListBackups(folder), 1, prompts);
    ASSERT_EQ(dialog.BaseBox()->itemData(1).toString(), basePath);
    ASSERT_EQ(dialog.Plan().conflicts, (std::vector<MergeItem>{{MergeKind::kSlotField, 0, kTone}}));
    for (const auto& [choice, tone] : {std::pair{0, 5}, {1, 3}}) {
        dialog.ChoiceBox(0)->setCurrentIndex(choice);
        const CloneImage merged = *dialog.Merged();
        EXPECT_EQ(merged.memory.slot[0].Value(kTone), tone);
        EXPECT_EQ(merged.memory.slot[9].Text(kName), "KEYPAD");
        EXPECT_EQ(merged.settings.values.afVolume, 4);
    }

    QSettings store(dir.filePath(QStringLiteral("store.ini")), QSettings::IniFormat);
    KeepReadOrigin(store, QStringLiteral("/a/radio.WK7"), basePath);
    EXPECT_EQ(ReadOriginOf(store, QStringLiteral("/a/./radio.WK7")), basePath);
    EXPECT_EQ(ReadOriginOf(store, QStringLiteral("/a/none.WK7")), QString());
}

}  // namespace
}  // namespace wrk7
