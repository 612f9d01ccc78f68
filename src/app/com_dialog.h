#pragma once
#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QLabel;
class QRadioButton;

namespace wrk7 {

// Why a device may not open, for the hint beside its choice.
QString DeviceHint(const std::string& device);

// "COM Port Setup" (dlgCOM): sixteen choices "COM  1".."COM 16", each with the
// device it stands for on this machine, and OK. Closing the window without
// OK changes nothing.
class ComDialog : public QDialog {
    Q_OBJECT
public:
    explicit ComDialog(QWidget* parent = nullptr);

    // Pre-selects port (1..16) and tells which port this run uses (the
    // --port choice when there is one).
    void Prepare(int port, const QString& runPort);
    // The port chosen with OK, or 0 when the dialog was closed without it.
    int ChosenPort() const { return chosen_; }
    QRadioButton* Choice(int port) const { return choices_[static_cast<std::size_t>(port - 1)]; }
    QLabel* DeviceLabel(int port) const { return devices_[static_cast<std::size_t>(port - 1)]; }

    // The device path of COM n as this dialog shows it; tests replace it.
    std::function<std::string(int)> deviceForPort;

private:
    void Accept();

    std::array<QRadioButton*, 16> choices_{};
    std::array<QLabel*, 16> devices_{};
    QLabel* runLabel_ = nullptr;
    int chosen_ = 0;
};

}  // namespace wrk7
