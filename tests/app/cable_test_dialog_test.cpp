#include <gtest/gtest.h>

#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "app/transfer/cable_test_dialog.h"
#include "app/transfer/com_dialog.h"
#include "app/transfer/serial_traces.h"
#include "app/translation/said.h"
#include "core/models.h"
#include "diagnostics/diagnostic_messages.h"
#include "emulator/emulator_port.h"

namespace wrk7 {
namespace {

TEST(CableTestDialogTest, TheChosenPortIsAskedOnAWorkerAndWhatCameBackIsShownAndTraced) {
    ComDialog com;
    com.deviceForPort = [](int) { return std::string(); };
    QString handed;
    com.testCable = [&handed](const QString& port) { handed = port; };
    // The port this run uses (--port) until the user picks a choice.
    for (const auto& [run, picked, tested] : {std::tuple{"COM3", 0, "COM3"}, {"/dev/ttyUSB7", 0, "/dev/ttyUSB7"},
                                              {"/dev/ttyUSB7", 2, "COM2"}, {"emulator", 3, "COM3"}}) {
        com.Prepare(3, QString::fromLatin1(run));
        if (picked) com.Choice(picked)->click();
        com.TestCableButton()->click();
        EXPECT_EQ(handed, QString::fromLatin1(tested)) << run;
    }
    com.PathChoice()->click();
    EXPECT_FALSE(com.TestCableButton()->isEnabled()) << "an empty path names no port";

    QTemporaryDir traces;
    CableTestDialog dialog(QStringLiteral("emulator"), 1, traces.path());
    std::string opened;
    dialog.makePort = [&opened](const std::string& text, int model) -> std::unique_ptr<link::SerialPort> {
        opened = text;
        return emu::MakeDemoEmulatorPort(model);
    };
    QSignalSpy finished(&dialog, &CableTestDialog::testFinished);
    dialog.StartButton()->click();
    EXPECT_FALSE(dialog.StartButton()->isEnabled()) << "one test at a time";
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(finished[0][0].value<diagnostics::CableOutcome>(), diagnostics::CableOutcome::kAccepted);
    EXPECT_EQ(opened, "emulator");
    const QString shown = dialog.ResultView()->toPlainText();
    EXPECT_TRUE(shown.contains(Said(Say(diagnostics::DiagnosticId::kAskAccepted, std::string(Model(1).name))))) << shown.toStdString();
    const QString trace = LastSerialTrace(traces.path());
    EXPECT_TRUE(!trace.isEmpty() && shown.contains(QDir::toNativeSeparators(trace))) << "kept as a transfer's trace";
    EXPECT_TRUE(dialog.StartButton()->isEnabled());
}

}  // namespace
}  // namespace wrk7
