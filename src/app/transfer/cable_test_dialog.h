#pragma once
#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "diagnostics/cable_test.h"
#include "link/serial_port.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace wrk7 {

// "Cable Test" (dlgCableTest), opened from the COM Port Setup dialog: the
// port chosen there, "Loopback" or "Ask the receiver" (the window's model),
// Start, what came back with what it means, and Close. The test runs on a
// worker thread so the window keeps drawing while it waits for the line;
// its serial trace is kept beside the transfers' ones.
class CableTestDialog : public QDialog {
    Q_OBJECT
public:
    using PortFactory = std::function<std::unique_ptr<link::SerialPort>(const std::string& portText, int model)>;

    // traceFolder: where the trace of each test is kept; empty keeps none.
    CableTestDialog(const QString& portText, int model, const QString& traceFolder, QWidget* parent = nullptr);
    // Waits for a test still running: it ends by its own deadline.
    ~CableTestDialog() override;

    // Makes the port a test opens; ports::MakePortFor unless tests set it.
    PortFactory makePort;
    // The deadlines of each test (tests shorten them).
    diagnostics::CableTestOptions options;

    QRadioButton* LoopbackChoice() const { return loopback_; }
    QRadioButton* AskChoice() const { return ask_; }
    QPushButton* StartButton() const { return start_; }
    QPlainTextEdit* ResultView() const { return result_; }

signals:
    // After the result is shown.
    void testFinished(wrk7::diagnostics::CableOutcome outcome);

private:
    void Start();
    void Finish(const diagnostics::CableTestResult& result, const std::string& trace);
    void SetRunning(bool running);

    QString portText_;
    int model_;
    QString traceFolder_;
    QRadioButton* loopback_ = nullptr;
    QRadioButton* ask_ = nullptr;
    QPushButton* start_ = nullptr;
    QPlainTextEdit* result_ = nullptr;
    bool loopbackSent_ = false;  // the last test was a loopback that sent its pattern
    std::thread worker_;
};

}  // namespace wrk7
