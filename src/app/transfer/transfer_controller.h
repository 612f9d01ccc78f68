#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "app/transfer/kept_adapter.h"
#include "app/transfer/write_question.h"
#include "core/memory_map.h"
#include "files/preferences.h"
#include "link/link_operations.h"

class QSettings;
class QWidget;

namespace wrk7 {

class CloneDocument;
class ComDialog;
class Prompter;
class TransferRunner;
struct TransferEnd;

// Where the transfer side keeps its files (tests point them at temporary
// folders).
struct TransferFolders {
    QString backups;
    QString traces;
};

// Everything a transfer with the receiver needs beside the window: the port
// chosen (port file, --port, a typed device path, the COM dialog), the runner
// on its worker thread, the document made read-only meanwhile and given the
// transferred areas at the end, a backup of every successful read and the
// serial trace of each transfer.
class TransferController : public QObject {
    Q_OBJECT
public:
    TransferController(CloneDocument& document, Prompter& prompter, QWidget* window, TransferFolders folders,
                       std::optional<QString> portOverride);
    ~TransferController() override;

    // The port number from the port file and the link choices from the store.
    void LoadChoices(int portNumber, QSettings& store);
    void SaveChoices(QSettings& store) const;
    int PortNumber() const { return portNumber_; }
    // The port the next transfer uses: --port, a typed path or "COMn".
    QString RunPortText() const;

    bool QuickRead() const { return quickRead_; }
    void SetQuickRead(bool quick) { quickRead_ = quick; }
    bool VerifyAfterWrite() const { return writeChoice_.verify; }
    void SetVerifyAfterWrite(bool verify) { writeChoice_.verify = verify; }

    bool IsRunning() const;
    // Whether a write of part is refused for a bank table that does not add
    // up to 1000; says so in a box first. Asked once before a write starts,
    // by whoever starts it (TransferActions), not again by Start.
    bool RefusesWrite(TransferPart part);
    // False when a transfer already runs or could not start.
    bool Start(TransferDirection direction, TransferPart part);
    CloneDocument& Document() const { return document_; }
    // Writes image whole (Write All) as any write goes, named to the receiver
    // by image.model, but without the question before a write (a restore asks
    // its own) and always after a backup of the receiver. The document does
    // not change.
    bool StartRestore(const CloneImage& image);
    // A quick read of everything that the document does not take: what it
    // brought comes back in mergeReadFinished, for a merge with the window.
    bool StartMergeRead();
    void Cancel();
    // Blocks until the running transfer stopped after its exchange in flight
    // (the close of the window).
    void CancelAndWait();
    // The COM port dialog; a choice made there replaces --port for this run.
    void ChoosePort();
    ComDialog* PortDialog();
    // The built-in emulator plays the document's model: after a model switch.
    void ResetPort();
    TransferRunner* Runner() const { return runner_; }
    // A port that stands for a receiver in place of the chosen one (tests
    // serve one in process): unlike the built-in emulator's, its reads are
    // kept as backups.
    void UseReceiverPort(std::function<std::unique_ptr<link::SerialPort>()> factory);
    void OpenLastTrace();
    // Help > Report a Problem...: this program's traces and backups in one ZIP.
    void ReportProblem();
    // Shows a file with the desktop's viewer, false when it could not; tests
    // record it instead.
    std::function<bool(const QString& path)> openFile;
    // The system's ports where the kept adapter is looked for (tests stand in).
    PortSystem portSystem = ThisPortSystem();
    const diagnostics::AdapterIdentity& KeptAdapter() const { return keptAdapter_; }
    // Looks for the kept adapter once the store is loaded: a move found is
    // taken and told on the status line; the rest waits for a transfer.
    void FindKeptAdapter();
    // Answers the question before a write instead of the dialog (tests);
    // nullopt is Cancel.
    std::function<std::optional<WriteChoice>(TransferPart part)> askBeforeWrite;

signals:
    void started(wrk7::TransferDirection direction, wrk7::TransferPart part);
    void progress(int done, int total);
    // After the document took what the transfer brought. failure: the lines
    // of the one box a failed transfer shows (its messages, the port's
    // reason, what a failed read left in the window); empty after a success,
    // a cancelled read, and a partly written receiver, whose question that
    // follows says them.
    void finished(const wrk7::link::LinkResult& result, wrk7::TransferDirection direction, wrk7::TransferPart part,
                  const QStringList& failure);
    void statusMessage(const QString& text);
    // A read the document took was kept at path.
    void readBackupSaved(const QString& path);
    // A merge's read ended well: the receiver as read, its backup's path.
    void mergeReadFinished(std::shared_ptr<const CloneImage> receiver, const QString& backup);

private:
    bool Begin(TransferDirection direction, TransferPart part, std::shared_ptr<const CloneImage> restoring);
    bool Refuses(const CloneImage& image, TransferPart part);
    void OnFinished(const TransferEnd& end);
    // After a write that failed with the receiver partly written: the same
    // write again, the backup it took written back, or nothing.
    void OfferAfterPartialWrite(TransferPart part, const std::shared_ptr<const CloneImage>& sent,
                                const QString& backup, int model, const QStringList& failure);
    void KeepTrace(const std::string& trace);
    // Before a transfer: the kept adapter where it now is; false when the
    // user cancelled or it is not there to be had.
    bool FollowAdapter();
    void TakeMove(const AdapterFollowUp& follow);
    // How the write goes, asked once a session unless not to be asked again;
    // nullopt when the user cancelled.
    std::optional<WriteChoice> WriteChoiceFor(TransferPart part);

    CloneDocument& document_;
    Prompter& prompter_;
    QWidget* window_;
    TransferFolders folders_;
    std::optional<QString> portOverride_;
    int portNumber_ = kDefaultPort;
    QString devicePath_;  // typed into the port dialog; used instead of the number
    diagnostics::AdapterIdentity keptAdapter_;
    bool quickRead_ = false;
    WriteChoice writeChoice_;
    bool writeAskedThisRun_ = false;
    bool backingUp_ = false;              // the running write reads a backup first
    bool emulatorRun_ = false;            // the running transfer is with the built-in emulator
    bool builtInEmulator_ = false;        // the port is the built-in emulator
    std::shared_ptr<QString> writeBackup_;  // where that backup went, once kept
    std::shared_ptr<const CloneImage> restoring_;  // what the running write sends instead of the document
    bool closing_ = false;                          // the window closes: nothing more is asked
    bool mergeRead_ = false;                        // the running read is for a merge: the document takes nothing
    TransferDirection direction_ = TransferDirection::kRead;
    TransferPart part_ = TransferPart::kAll;
    std::string transferTitle_;  // for the log
    QElapsedTimer transferTime_;
    TransferRunner* runner_ = nullptr;
    ComDialog* comDialog_ = nullptr;
};

}  // namespace wrk7
