// Putting a backup back on the receiver: the backups folder as the Restore
// dialog lists it, a restore against the in-process emulator, and what a
// write that stops halfway offers; through the transfer controller and the
// document, without a main window.
#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

#include "app/document/clone_document.h"
#include "app/put_channel.h"
#include "app/recording_prompter.h"
#include "app/transfer/restore_dialog.h"
#include "app/transfer/transfer_controller.h"
#include "app/transfer/transfer_runner.h"
#include "emulator/emulator_port.h"
#include "emulator/memory_image.h"
#include "files/clone_file.h"

namespace wrk7 {
namespace {

class RestoreTest : public ::testing::Test {
protected:
    void SetUp() override { NewRun(true); }
    // A run of the program whose writes back up the receiver first or not.
    void NewRun(bool backUp, std::optional<QString> port = std::nullopt) {
        finished.reset();
        transfers = std::make_unique<TransferController>(doc, prompts, nullptr, TransferFolders{Folder(), Folder()}, port);
        transfers->askBeforeWrite = [backUp](TransferPart) { return WriteChoice{backUp, false}; };
        finished = std::make_unique<QSignalSpy>(transfers.get(), &TransferController::finished);
    }
    // From now on each transfer talks to a receiver of holding's model that
    // holds it (or memory), with a fault given as a --fault word.
    void Connect(const CloneImage& holding, const char* fault = nullptr, const emu::Memory* memory = nullptr) {
        auto next = receiver = std::make_shared<emu::Receiver>(holding.model);
        memory ? void(next->Mem() = *memory) : emu::StoreImage(next->Mem(), holding);
        next->LatchBankTable();
        emu::FaultPlan faults;
        std::string error;
        EXPECT_TRUE(!fault || emu::AddFault(faults, fault, error)) << error;
        next->SetFaults(faults);
        transfers->Runner()->SetPortFactory([next] { return std::make_unique<emu::EmulatorPort>(next); });
    }
    // Whether the receiver holds exactly image: what a full read would save.
    bool Holds(const CloneImage& image) const {
        return CloneFileLines(emu::ImageFromMemory(receiver->Mem(), image.model, &image)) == CloneFileLines(image);
    }
    void WaitForEnds(int ends) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return finished->count() >= ends && !transfers->IsRunning(); }, 60000));
    }
    QString Folder() const { return dir.filePath(QStringLiteral("backups")); }

    QTemporaryDir dir;
    CloneDocument doc;
    RecordingPrompter prompts;
    std::unique_ptr<TransferController> transfers;
    std::unique_ptr<QSignalSpy> finished;
    std::shared_ptr<emu::Receiver> receiver;
};

TEST_F(RestoreTest, TheListIsNewestFirstWithKindModelChannelsAndWhyAFileCannotBeLoaded) {
    EXPECT_TRUE(RestoreDialog(Folder(), 0, prompts).EmptyNote()->text().contains("does not exist"));
    CloneImage three, k70e;
    for (int slot : {0, 7, 999, 1000}) PutChannel(three, slot, 145.5);  // 1000: a program-scan edge, no channel
    PutChannel(k70e, 5, 145.5);
    k70e.model = 1;
    const QDateTime t0(QDate(2024, 5, 6), QTime(7, 8, 9, 10));
    for (const auto& [kind, image, seconds] : {std::tuple(BackupKind::kRead, three, 0), {BackupKind::kBeforeWrite, k70e, 1},
                                               {BackupKind::kRead, CloneImage{}, 2}, {BackupKind::kRead, three, 2}})
        ASSERT_FALSE(SaveBackup(kind, image, Folder(), t0.addSecs(seconds)).isEmpty());
    for (const char* name : {"before-write-20240506-070812-000.WK7", "notes.WK7"}) {  // the second is no backup
        QFile file(QDir(Folder()).filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("not a clone file\r\n") > 0);
    }
    QStringList listed;
    for (const BackupEntry& e : ListBackups(Folder()))
        listed << QStringLiteral("%1 %2 %3 %4 %5").arg(QFileInfo(e.path).fileName(), e.when.toString("HH:mm:ss.zzz"),
                                                     e.model ? QString::number(*e.model) : "-",
                                                     QString::number(e.channels), e.Usable() ? "ok" : e.problem);
    EXPECT_EQ(listed.join('\n').toStdString(),
              "before-write-20240506-070812-000.WK7 07:08:12.000 - 0 File Open Error: it has 1 line; a clone file has 2643\n"
              "read-20240506-070811-010-2.WK7 07:08:11.010 0 3 ok\n"  // the same moment, later
              "read-20240506-070811-010.WK7 07:08:11.010 0 0 ok\n"
              "before-write-20240506-070810-010.WK7 07:08:10.010 1 1 ok\n"
              "read-20240506-070809-010.WK7 07:08:09.010 0 3 ok");
    // The file that cannot be loaded cannot be chosen; the newest that can is.
    RestoreDialog dialog(Folder(), 0, prompts);
    EXPECT_EQ(std::pair(dialog.List()->item(0, 0)->flags(), dialog.List()->currentRow()), std::pair(Qt::ItemFlags(), 1));
}

// After one question (Cancel writes nothing), named to the receiver by the
// backup's own model; the window's image stays, the receiver is backed up first.
TEST_F(RestoreTest, TheChosenBackupIsWrittenExactlyAfterOneQuestion) {
    for (int model : {0, 1}) {
        SCOPED_TRACE(model);
        Connect(emu::DemoImage(model));
        CloneImage backup = emu::DemoImage(model);
        PutChannel(backup, 9, 433.125, "BACKUP");
        backup.ClearSlot(3);
        backup.settings.values.afVolume = 3;
        const QString path = SaveBackup(BackupKind::kRead, backup, Folder(), QDateTime::currentDateTime());
        ASSERT_TRUE(LoadBackup(path, model, backup));  // what the file holds, to the last field
        const CloneImage window = doc.Image();
        RestoreDialog dialog(Folder(), 0, prompts);
        dialog.restore = [this](const CloneImage& image) { return transfers->StartRestore(image); };
        ASSERT_EQ(dialog.Entries().front().path, path);
        prompts.answers = {Prompter::Answer::kCancel, Prompter::Answer::kOk};
        dialog.RestoreButton()->click();
        EXPECT_FALSE(transfers->IsRunning());
        dialog.RestoreButton()->click();
        WaitForEnds(model + 1);
        EXPECT_EQ(prompts.boxes.back().kind + "|" + prompts.boxes.back().detail, "confirm|Restore");
        EXPECT_EQ(prompts.boxes.back().lines.join(' ').contains("the window holds a WR-K7J"), model != 0);
        EXPECT_TRUE(Holds(backup));
        EXPECT_EQ(doc.Image(), window);
        EXPECT_EQ(ListBackups(Folder()).front().kind, BackupKind::kBeforeWrite);
    }
}

// A write that stops after the receiver took some of it offers to write
// again, to put back the backup taken before it, or to leave it (the
// default); one that stops before any block offers nothing.
TEST_F(RestoreTest, AWriteThatStopsHalfwayOffersToWriteAgainOrPutTheBackupBack) {
    const CloneImage before = emu::DemoImage(0);
    ASSERT_TRUE(doc.Edit(QStringLiteral("setup"), [&](CloneImage& image) {
        for (int slot = 0; slot < 60; ++slot) PutChannel(image = before, slot, 150.0 + slot * 0.1, "NEWONE");
    }));
    const QString offered = "Write again|Restore the backup taken before this write|Leave it";
    // The whole write is 133 commands, after the 67 of the quick backup read.
    const struct { const char* fault; bool backUp; int choice; QString asked; } cases[] = {
        {"hangup-after=130", true, -1, offered},  // the default: left as it is
        {"hangup-after=130", true, 0, offered},   // written again
        {"hangup-after=130", true, 1, offered},   // the backup put back
        {"hangup-after=60", false, -1, "Write again|Leave it"},
        {"hangup-after=30", true, 0, ""},  // stopped in the backup read
        {"refuse-id", false, 0, ""},
    };
    // What the list says each backup came before, newest first.
    const QStringList noted[] = {{"all partly"}, {"all written", "all partly"}, {"restore written", "all partly"},
                                 {}, {}, {}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault + std::to_string(c.choice));
        QDir(Folder()).removeRecursively();
        NewRun(c.backUp);
        Connect(before, c.fault);
        const auto boxes = prompts.boxes.size();
        prompts.chosen = c.choice < 0 ? std::deque<int>{} : std::deque<int>{c.choice};
        // The cable put right while the question is up.
        prompts.whileAsking = [&] { Connect(before, nullptr, &receiver->Mem()); };
        transfers->Start(TransferDirection::kWrite, TransferPart::kAll);
        const bool again = c.choice == 0 && !c.asked.isEmpty(), restored = c.choice == 1;
        WaitForEnds(again || restored ? 2 : 1);
        prompts.whileAsking = nullptr;
        EXPECT_EQ(prompts.boxes.size() > boxes ? prompts.boxes.back().kind + ": " + prompts.boxes.back().detail : "",
                  c.asked.isEmpty() ? "" : "choose: " + c.asked);
        EXPECT_EQ(finished->count(), again || restored ? 2 : 1);
        EXPECT_EQ(std::pair(Holds(doc.Image()), Holds(before)), std::pair(again, restored || c.asked.isEmpty()));
        // The one box holds the failure with the offer.
        EXPECT_EQ(!c.asked.isEmpty() && prompts.boxes.back().lines.contains("Write Failed..."), !c.asked.isEmpty());
        QStringList listed;
        for (const BackupEntry& e : ListBackups(Folder()))
            if (e.write) listed << (e.write->restore ? "restore" : "all") + QString(e.write->end == WriteEnd::kWritten ? " written" : " partly");
        EXPECT_EQ(listed, noted[&c - cases]);
    }
}

// The built-in emulator's image is no receiver's: none of its reads is kept.
TEST_F(RestoreTest, ReadsOfTheBuiltInEmulatorAreNoBackups) {
    NewRun(true, QStringLiteral("emulator"));
    transfers->ResetPort();
    transfers->Start(TransferDirection::kRead, TransferPart::kAll);
    WaitForEnds(1);
    EXPECT_EQ(finished->at(0).at(0).value<link::LinkResult>().outcome, link::LinkOutcome::kOk);
    EXPECT_TRUE(ListBackups(Folder()).empty());
}

}  // namespace
}  // namespace wrk7
