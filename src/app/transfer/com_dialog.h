#pragma once
#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace wrk7 {

// Why a device may not open, for the hint beside its choice.
QString DeviceHint(const std::string& device);

// "COM Port Setup" (dlgCOM): sixteen choices "COM  1".."COM 16", each with the
// device it stands for on this machine and the adapter's stable name under
// /dev/serial/by-id, a seventeenth choice for a device path typed in, OK and
// Cancel. Cancel, or closing the window, changes nothing.
class ComDialog : public QDialog {
    Q_OBJECT
public:
    explicit ComDialog(QWidget* parent = nullptr);

    // Pre-selects port (1..16), or the typed-path choice holding devicePath
    // when that is not empty, and tells which port this run uses (the --port
    // choice when there is one).
    void Prepare(int port, const QString& runPort, const QString& devicePath = {});
    // The port chosen with OK, or 0 when the dialog was closed without it or
    // a device path was chosen.
    int ChosenPort() const { return chosen_; }
    // The device path chosen with OK, or "" when none was.
    const QString& ChosenDevicePath() const { return chosenPath_; }
    QRadioButton* Choice(int port) const { return choices_[static_cast<std::size_t>(port - 1)]; }
    QLabel* DeviceLabel(int port) const { return devices_[static_cast<std::size_t>(port - 1)]; }
    QLabel* StableNameLabel(int port) const { return stableNames_[static_cast<std::size_t>(port - 1)]; }
    QRadioButton* PathChoice() const { return pathChoice_; }
    QPushButton* TestCableButton() const { return testCable_; }
    // The port the choices name now: "COMn", the typed path, or "" for none.
    QString SelectedPortText() const;
    // Opens the cable test on a port text ("Test Cable..."); nothing when empty.
    std::function<void(const QString& portText)> testCable;
    QLineEdit* PathEdit() const { return pathEdit_; }

    // The device path of COM n as this dialog shows it; empty: the system's
    // ports in COM order. Tests set it.
    std::function<std::string(int)> deviceForPort;
    // Where the adapters' stable names are looked up; tests replace it.
    QString byIdFolder;

private:
    void Accept();
    void UpdatePathState();

    std::array<QRadioButton*, 16> choices_{};
    std::array<QLabel*, 16> devices_{};
    std::array<QLabel*, 16> stableNames_{};
    QRadioButton* pathChoice_ = nullptr;
    QLineEdit* pathEdit_ = nullptr;
    QLabel* pathHint_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* testCable_ = nullptr;
    QLabel* runLabel_ = nullptr;
    int chosen_ = 0;
    QString chosenPath_;
};

}  // namespace wrk7
