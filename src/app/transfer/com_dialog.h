#pragma once
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "diagnostics/port_listing.h"

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QScrollArea;
class QPushButton;
class QRadioButton;

namespace wrk7 {

// Why a device may not open, for the hint beside its choice.
QString DeviceHint(const std::string& device);
// "FTDI FT232R USB UART (FTDI, serial A50285BI)": an adapter as a user
// tells it from another.
QString AdapterText(const diagnostics::AdapterIdentity& adapter);

// "COM Port Setup" (dlgCOM): on Linux sixteen choices "COM  1".."COM 16",
// each with the device it stands for on this machine and the adapter's
// stable name under /dev/serial/by-id; on Windows a choice for each COM port
// the system lists, by its name, with the adapter behind it (chip, maker,
// serial number). Then a choice for a device path typed in, whether to keep
// the chosen port's adapter (and find it at another port), OK and Cancel.
// Cancel, or closing the window, changes nothing.
class ComDialog : public QDialog {
    Q_OBJECT
public:
    explicit ComDialog(QWidget* parent = nullptr);

    // Pre-selects port, or the typed-path choice holding devicePath
    // when that is not empty, and tells which port this run uses (the --port
    // choice when there is one). kept: the adapter kept so far, if any.
    void Prepare(int port, const QString& runPort, const QString& devicePath = {},
                 const diagnostics::AdapterIdentity& kept = {});
    // The port chosen with OK, or 0 when the dialog was closed without it or
    // a device path was chosen.
    int ChosenPort() const { return chosen_; }
    // The device path chosen with OK, or "" when none was.
    const QString& ChosenDevicePath() const { return chosenPath_; }
    // The adapter to keep, chosen with OK: Empty() when the choice has none
    // or the user did not want it kept.
    const diagnostics::AdapterIdentity& ChosenAdapter() const { return chosenAdapter_; }
    QCheckBox* KeepAdapterBox() const { return keepAdapter_; }
    // The choice of COM port, its device and stable-name labels; null when
    // the dialog lists no such port.
    QRadioButton* Choice(int port) const;
    QLabel* DeviceLabel(int port) const;
    QLabel* StableNameLabel(int port) const;
    // The COM numbers listed, in their order.
    std::vector<int> ListedPorts() const;
    QRadioButton* PathChoice() const { return pathChoice_; }
    QPushButton* TestCableButton() const { return testCable_; }
    // The port the choices name now: "COMn", the typed path, or "" for none.
    QString SelectedPortText() const;
    // The port Test Cable tests: the one this run uses (--port among them)
    // until the user picks a choice, then that choice.
    QString CableTestPortText() const;
    // Opens the cable test on a port text ("Test Cable..."); nothing when empty.
    std::function<void(const QString& portText)> testCable;
    QLineEdit* PathEdit() const { return pathEdit_; }

    // The device path of COM n (1..16) as this dialog shows it, Linux's way;
    // empty: the system's ports. Tests set it.
    std::function<std::string(int)> deviceForPort;
    // The choices to list, given the port to keep; empty: this system's
    // (diagnostics::SystemPortListing). Tests set it to list Windows' ports.
    std::function<std::vector<diagnostics::PortListing>(int kept)> listPorts;
    // Where the adapters' stable names are looked up; tests replace it.
    QString byIdFolder;

private:
    void Accept();
    void UpdatePathState();
    const diagnostics::AdapterIdentity* SelectedAdapter() const;

    struct Row {
        int number = 0;
        QRadioButton* choice = nullptr;
        QLabel* device = nullptr;
        QLabel* stableName = nullptr;
        diagnostics::AdapterIdentity adapter;
    };
    // Makes the rows anew when the listing names other ports than they do.
    void BuildRows(const std::vector<diagnostics::PortListing>& listing);
    const Row* RowOf(int port) const;

    std::vector<Row> rows_;
    QButtonGroup* group_ = nullptr;
    QGridLayout* grid_ = nullptr;
    QWidget* gridHolder_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QRadioButton* pathChoice_ = nullptr;
    QLineEdit* pathEdit_ = nullptr;
    QLabel* pathHint_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* testCable_ = nullptr;
    QLabel* runLabel_ = nullptr;
    QString runPort_;
    bool choiceTouched_ = false;  // a choice was picked since Prepare
    QCheckBox* keepAdapter_ = nullptr;
    int chosen_ = 0;
    QString chosenPath_;
    diagnostics::AdapterIdentity chosenAdapter_;
    diagnostics::AdapterIdentity kept_;
};

}  // namespace wrk7
