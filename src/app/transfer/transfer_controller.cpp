#include "app/transfer/transfer_controller.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>
#include <utility>

#include "app/document/clone_document.h"
#include "app/transfer/backup_list.h"
#include "app/transfer/backups.h"
#include "app/transfer/cable_test_dialog.h"
#include "app/transfer/problem_report_dialog.h"
#include "app/transfer/com_dialog.h"
#include "app/transfer/serial_traces.h"
#include "app/transfer/transfer_runner.h"
#include "app/translation/said.h"
#include "link/write_backup.h"
#include "link/port_names.h"
#include "link/write_check.h"
#include "app/support/desktop_viewer.h"
#include "app/support/prompter.h"
#include "edit/bank.h"
#include "edit/transfer_merge.h"
#include "link/serial_trace.h"
#include "ports/link_log.h"
#include "ports/port_factory.h"

namespace wrk7 {

namespace {

// The history's name for what a read did to the image.
QString ReadStepName(TransferPart part) {
    switch (part) {
        case TransferPart::kAll: return TransferController::tr("Read All");
        case TransferPart::kSettings: return TransferController::tr("Read Settings");
        case TransferPart::kMemory: return TransferController::tr("Read Memory");
        case TransferPart::kBank: return TransferController::tr("Read Bank");
        case TransferPart::kGroups: return TransferController::tr("Read Group");
    }
    return TransferController::tr("Read");
}

// How a write ended, for the list of backups.
WriteEnd EndOfWrite(const link::LinkResult& result) {
    // A message with lines under it leads with its own.
    auto leads = [](const Message* m, MessageId id) {
        while (m->id == MessageKey(MessageId::kLines) && !m->args.empty() && m->args.front().IsMessage())
            m = &m->args.front().Nested();
        return m->id == MessageKey(id);
    };
    auto said = [&](MessageId id) {
        return std::any_of(result.messages.begin(), result.messages.end(),
                           [&](const Message& m) { return leads(&m, id); });
    };
    if (said(MessageId::kWriteHeldOtherwise)) return WriteEnd::kHeldOtherwise;
    if (said(MessageId::kCheckNotRead) || said(MessageId::kCheckCancelled)) return WriteEnd::kNotChecked;
    if (result.ok()) return WriteEnd::kWritten;
    return result.blocksWritten > 0 ? WriteEnd::kPartly : WriteEnd::kNothing;
}

}  // namespace

TransferController::TransferController(CloneDocument& document, Prompter& prompter, QWidget* window,
                                       TransferFolders folders, std::optional<QString> portOverride)
    : QObject(window),
      document_(document),
      prompter_(prompter),
      window_(window),
      folders_(std::move(folders)),
      portOverride_(std::move(portOverride)) {
    runner_ = new TransferRunner(this);
    connect(runner_, &TransferRunner::progress, this, &TransferController::progress);
    connect(runner_, &TransferRunner::finished, this, &TransferController::OnFinished);
    // The built-in emulator plays the document's model.
    connect(&document_, &CloneDocument::changed, this, [this](const EditedParts& parts) {
        if (parts.model) ResetPort();
    });
}

TransferController::~TransferController() = default;

void TransferController::LoadChoices(int portNumber, QSettings& store) {
    portNumber_ = portNumber;
    devicePath_ = store.value(SettingsKey(kDevicePathKey)).toString().trimmed();
    // The full read stays the reference: quick only when the user chose it.
    quickRead_ = store.value(SettingsKey(kQuickReadKey), false).toBool();
    writeChoice_.askAgain = store.value(SettingsKey(kAskBeforeWriteKey), true).toBool();
    writeChoice_.backUpFirst = store.value(SettingsKey(kBackUpBeforeWriteKey), true).toBool();
    writeChoice_.verify = store.value(SettingsKey(kVerifyAfterWriteKey), false).toBool();
    keptAdapter_ = LoadKeptAdapter(store);
    ResetPort();
}

void TransferController::FindKeptAdapter() {
    if (portOverride_ || !devicePath_.isEmpty() || keptAdapter_.Empty()) return;
    const AdapterFollowUp follow = FollowKeptAdapter(keptAdapter_, portNumber_, portSystem);
    if (follow.step == AdapterFollowUp::Step::kMoved) TakeMove(follow);
}

void TransferController::TakeMove(const AdapterFollowUp& follow) {
    if (follow.number != 0) portNumber_ = follow.number;
    else devicePath_ = follow.device;
    ResetPort();
    emit statusMessage(follow.status);
}

bool TransferController::FollowAdapter() {
    // --port and a typed path name the device themselves.
    if (portOverride_ || !devicePath_.isEmpty() || keptAdapter_.Empty()) return true;
    const AdapterFollowUp follow = FollowKeptAdapter(keptAdapter_, portNumber_, portSystem);
    switch (follow.step) {
        case AdapterFollowUp::Step::kGoOn: return true;
        case AdapterFollowUp::Step::kMoved: TakeMove(follow); return true;
        case AdapterFollowUp::Step::kAsk:
            return prompter_.ConfirmAction(window_, tr("Another Device"), follow.lines, follow.action) == Prompter::Answer::kOk;
        case AdapterFollowUp::Step::kRefuse: prompter_.Error(window_, ErrorTitle(), follow.lines); return false;
    }
    return true;
}

void TransferController::SaveChoices(QSettings& store) const {
    store.setValue(SettingsKey(kDevicePathKey), devicePath_);
    store.setValue(SettingsKey(kQuickReadKey), quickRead_);
    store.setValue(SettingsKey(kAskBeforeWriteKey), writeChoice_.askAgain);
    store.setValue(SettingsKey(kBackUpBeforeWriteKey), writeChoice_.backUpFirst);
    store.setValue(SettingsKey(kVerifyAfterWriteKey), writeChoice_.verify);
    SaveKeptAdapter(store, keptAdapter_);
}

std::optional<WriteChoice> TransferController::WriteChoiceFor(TransferPart part) {
    if (!writeChoice_.askAgain || writeAskedThisRun_) return writeChoice_;
    std::optional<WriteChoice> answer;
    if (askBeforeWrite) {
        answer = askBeforeWrite(part);
    } else {
        const auto check = link::CheckLineTime(part, document_.Image());
        WriteQuestion question(part, writeChoice_, static_cast<int>((check.count() + 999) / 1000), window_);
        if (question.exec() == QDialog::Accepted) answer = question.Choice();
    }
    if (!answer) return std::nullopt;
    writeChoice_ = *answer;
    writeAskedThisRun_ = true;
    return answer;
}

QString TransferController::RunPortText() const {
    if (portOverride_) return *portOverride_;
    return devicePath_.isEmpty() ? QStringLiteral("COM%1").arg(portNumber_) : devicePath_;
}

bool TransferController::IsRunning() const { return runner_->IsRunning(); }

void TransferController::UseReceiverPort(std::function<std::unique_ptr<link::SerialPort>()> factory) {
    builtInEmulator_ = false;
    runner_->SetPortFactory(std::move(factory));
}

void TransferController::ResetPort() {
    builtInEmulator_ = link::ResolvePortName(RunPortText().toStdString()).kind == link::PortChoice::Kind::kEmulator;
    runner_->SetPortFactory(
        [this, text = RunPortText().toStdString()] { return ports::MakePortFor(text, document_.Model()); });
}

bool TransferController::Start(TransferDirection direction, TransferPart part) {
    return Begin(direction, part, nullptr);
}

bool TransferController::StartRestore(const CloneImage& image) {
    return Begin(TransferDirection::kWrite, TransferPart::kAll, std::make_shared<const CloneImage>(image));
}

bool TransferController::Begin(TransferDirection direction, TransferPart part,
                               std::shared_ptr<const CloneImage> restoring) {
    if (runner_->IsRunning()) return false;
    if (!FollowAdapter()) return false;
    // A COM port Windows does not list would fail with no more than "Read
    // Failed...": the box names it and the ports there are, before anything.
    if (const std::optional<Message> problem = ports::PortProblem(RunPortText().toStdString())) {
        prompter_.Error(window_, ErrorTitle(), {Said(*problem)});
        return false;
    }
    // The image takes what the boxes show, so it is whole: a write sends it.
    document_.CommitPendingEntries();
    const bool write = direction == TransferDirection::kWrite;
    bool backUp = false;
    bool verify = false;
    if (restoring) {
        // A restore replaces everything the receiver holds, which may be the
        // only copy of it: backed up whatever the writes' choice.
        if (Refuses(*restoring, part)) return false;
        backUp = true;
    } else if (write) {
        // The caller asked RefusesWrite already (TransferActions), before
        // the page switch; the receiver refuses such a table in any case.
        const std::optional<WriteChoice> choice = WriteChoiceFor(part);
        if (!choice) return false;
        backUp = choice->backUpFirst;
    }
    if (write) verify = writeChoice_.verify;
    direction_ = direction;
    part_ = part;
    transferTitle_ = link::TransferTitle(direction, part, quickRead_);
    ports::LogTransferStart(transferTitle_, RunPortText().toStdString());
    transferTime_.start();
    backingUp_ = backUp;
    writeBackup_ = std::make_shared<QString>();
    restoring_ = std::move(restoring);
    // The operation works on a copy; the document is read-only until the
    // copy comes back, so a cancelled read leaves it exactly as it was. A
    // read's copy has no notes: the receiver sends none, and the document
    // keeps its own as it takes the read.
    CloneImage work = restoring_ ? *restoring_ : document_.Image();
    if (!write) DropNotes(work);
    const bool quick = quickRead_;
    // The backup is saved on the worker, before the write begins: a backup
    // that cannot be kept stops the write.
    // The built-in emulator starts from its demo image each run: a copy of it
    // is no receiver's, and must neither list among the backups to restore
    // nor push a real one out of the twenty kept.
    emulatorRun_ = builtInEmulator_;
    link::KeepBackup keep = [kept = writeBackup_, folder = folders_.backups, emulator = emulatorRun_](
                                const CloneImage& held, std::string& why) {
        if (emulator) return true;
        QString error;
        *kept = SaveBackup(BackupKind::kBeforeWrite, held, folder, QDateTime::currentDateTime(), &error);
        why = error.toStdString();
        return !kept->isEmpty();
    };
    TransferRunner::Operation op = [write, part, quick, backUp, verify, keep](
                                       CloneImage& image, link::SerialPort& port, const link::LinkOptions& options) {
        link::LinkOptions chosen = options;
        chosen.quickRead = quick;
        if (!write) return link::RunRead(part, image, port, chosen);
        link::LinkResult written = backUp ? link::RunWriteAfterBackup(part, image, port, chosen, keep)
                                          : link::RunWrite(part, image, port, chosen);
        return verify ? link::CheckWrite(std::move(written), part, image, port, chosen) : written;
    };
    document_.SetReadOnly(true);
    emit started(direction, part);
    if (backUp) emit statusMessage(tr("Backing up the receiver before the write..."));
    if (!runner_->Start(work, std::move(op), link::TransferTitle(direction, part, quick))) {
        document_.SetReadOnly(false);
        emit finished(link::LinkResult{}, direction, part, {});
        return false;
    }
    return true;
}

bool TransferController::RefusesWrite(TransferPart part) {
    // The receiver would refuse the table before anything is sent: the
    // window says so, and why, in one box.
    document_.CommitPendingEntries();
    return Refuses(document_.Image(), part);
}

bool TransferController::Refuses(const CloneImage& image, TransferPart part) {
    const std::vector<Message> refusal = BankTotalRefusal(image, part);
    if (refusal.empty()) return false;
    prompter_.Error(window_, ErrorTitle(), Said(refusal));
    return true;
}

bool TransferController::StartMergeRead() {
    // Quick whatever the menu says: a merge wants the receiver now, and its
    // empty slots are what the enable map says.
    const bool quick = std::exchange(quickRead_, true);
    mergeRead_ = true;
    const bool started = Begin(TransferDirection::kRead, TransferPart::kAll, nullptr);
    quickRead_ = quick;
    if (!started) mergeRead_ = false;
    return started;
}

void TransferController::Cancel() { runner_->Cancel(); }

void TransferController::CancelAndWait() {
    // The window closes: its own questions follow, not a write's.
    closing_ = true;
    runner_->Cancel();
    runner_->WaitForFinish();
    closing_ = false;
}

void TransferController::OnFinished(const TransferEnd& end) {
    const link::LinkResult& result = end.result;
    ports::LogTransferEnd(transferTitle_, result, static_cast<double>(transferTime_.elapsed()) / 1000.0, end.portError);
    KeepTrace(end.trace);
    // Cancel means nothing happened: a cancelled read leaves the document as
    // it was, and no step. A read that fails on its own keeps what arrived,
    // as one step like a finished one.
    const bool write = direction_ == TransferDirection::kWrite;
    const bool merge = std::exchange(mergeRead_, false);
    const bool readKept =
        document_.EndTransfer(write || merge || result.cancelled ? nullptr : end.image.get(), part_, ReadStepName(part_));
    // One box for a failure, the port's own reason in it: "Read Failed..."
    // alone leaves the user guessing, and a box per line is a row of OKs.
    QStringList failure;
    if (!result.ok() && (write || !result.cancelled)) {
        failure = Said(result.messages);
        if (const std::string why = link::UntoldPortReason(result, end.portError); !why.empty())
            failure << QString::fromStdString(why);
        if (readKept)
            failure << tr("What arrived before the failure is now in the window, in place of what was there: "
                          "Edit > Undo brings that back.");
    }
    if (backingUp_) {
        const bool kept = !writeBackup_->isEmpty();
        if (kept) {
            emit statusMessage(tr("Backup: %1").arg(*writeBackup_));
            RecordBackupWrite(folders_.backups, QFileInfo(*writeBackup_).fileName(),
                              {part_, restoring_ != nullptr, EndOfWrite(result)});
        }
        else if (result.cancelled) emit statusMessage(tr("Write cancelled; nothing was written."));
        else emit statusMessage(QString());
    }
    if (result.ok() && !write && !emulatorRun_) {
        // What the receiver sent, before the document's notes were carried over.
        QString error;
        const QString saved = SaveBackup(BackupKind::kRead, *end.image, folders_.backups,
                                         QDateTime::currentDateTime(), &error);
        emit statusMessage(saved.isEmpty() ? tr("Backup not saved: %1").arg(error)
                                           : tr("Backup: %1").arg(QDir::toNativeSeparators(saved)));
        if (!saved.isEmpty() && !merge) emit readBackupSaved(saved);
        if (merge) emit mergeReadFinished(end.image, saved);
    }
    // Taken before the window sees the end: an answer below starts the next.
    const bool partlyWritten = write && EndOfWrite(result) == WriteEnd::kPartly && !closing_;
    const TransferPart part = part_;
    const std::shared_ptr<const CloneImage> sent = restoring_;
    const QString backup = backingUp_ ? *writeBackup_ : QString();
    const int model = end.image ? end.image->model : document_.Model();
    restoring_.reset();
    // The window shows the transfer's own messages here, so the question
    // below comes after them.
    emit finished(result, direction_, part_, partlyWritten ? QStringList() : failure);
    if (partlyWritten) OfferAfterPartialWrite(part, sent, backup, model, failure);
}

void TransferController::OfferAfterPartialWrite(TransferPart part, const std::shared_ptr<const CloneImage>& sent,
                                                const QString& backup, int model, const QStringList& failure) {
    QStringList lines{tr("The write stopped part of the way through: the receiver is partly written.")};
    lines << failure;
    QStringList choices{tr("Write again")};
    if (!backup.isEmpty()) {
        lines << tr("The backup taken before this write: %1").arg(QDir::toNativeSeparators(backup));
        choices << tr("Restore the backup taken before this write");
    }
    choices << tr("Leave it");
    const int leave = static_cast<int>(choices.size()) - 1;
    const int chosen = prompter_.Choose(window_, tr("Receiver Partly Written"), lines, choices, leave);
    if (chosen == 0) {
        if (sent) StartRestore(*sent);
        else Start(TransferDirection::kWrite, part);
    } else if (chosen != leave) {
        CloneImage image;
        QString why;
        if (LoadBackup(backup, model, image, &why)) StartRestore(image);
        else prompter_.Error(window_, ErrorTitle(), {tr("The backup could not be loaded."), why});
    }
}

ComDialog* TransferController::PortDialog() {
    if (comDialog_) return comDialog_;
    comDialog_ = new ComDialog(window_);
    // The port dialog is modal: no transfer holds the port during the test.
    comDialog_->testCable = [this](const QString& port) {
        CableTestDialog test(port, document_.Model(), folders_.traces, comDialog_);
        test.exec();
    };
    return comDialog_;
}

void TransferController::ChoosePort() {
    if (runner_->IsRunning()) return;
    ComDialog* dialog = PortDialog();
    dialog->Prepare(portNumber_, RunPortText(), devicePath_, keptAdapter_);
    dialog->exec();
    const int chosen = dialog->ChosenPort();
    if (chosen == 0 && dialog->ChosenDevicePath().isEmpty()) return;
    // A typed path leaves the number as it was, for the port file.
    if (chosen != 0) portNumber_ = chosen;
    devicePath_ = dialog->ChosenDevicePath();
    keptAdapter_ = dialog->ChosenAdapter();
    portOverride_.reset();
    ResetPort();
}

void TransferController::ReportProblem() {
    report::ReportSources sources = report::ThisMachinesSources();
    sources.traces = folders_.traces;
    sources.backups = folders_.backups;
    sources.portNumber = portNumber_;
    ProblemReportDialog dialog(std::move(sources), prompter_, window_);
    dialog.exec();
}

void TransferController::OpenLastTrace() {
    const QString path = LastSerialTrace(folders_.traces);
    if (path.isEmpty()) {
        prompter_.Inform(window_, tr("Serial Trace"), {tr("No transfer has left a trace yet.")});
        return;
    }
    // Without a viewer the trace is still of use: the box says where it is.
    auto showWhere = [this, path] {
        prompter_.ShowFileLocation(window_, tr("Serial Trace"),
                                   {tr("No viewer could show the serial trace. It is kept here:")}, path);
    };
    if (!openFile) return ShowInDesktopViewer(path, this, showWhere);
    if (!openFile(path)) showWhere();
}

void TransferController::KeepTrace(const std::string& trace) {
    if (trace.empty()) return;  // no port, nothing passed
    QString error;
    if (SaveSerialTrace(trace, folders_.traces, QDateTime::currentDateTime(), &error).isEmpty())
        qWarning("serial trace not saved: %s", qPrintable(error));
}

}  // namespace wrk7
