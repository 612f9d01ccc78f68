#pragma once
// The main window as the tests open it: English captions, the built-in
// emulator as the port, every file in a temporary folder, message boxes and
// file dialogs answered without a modal loop.
#include <QDir>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/main_window.h"
#include "app/memory_page.h"
#include "app/memory_table_model.h"
#include "emulator/emulator_port.h"
#include "recording_prompter.h"
#include "window_options.h"

namespace wrk7 {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        window = MakeWindow(QString());
    }
    void TearDown() override {
        if (window) {
            // Leave without a save question.
            window->Image().Modified = false;
            window->close();
        }
    }

    std::unique_ptr<MainWindow> MakeWindow(const QString& startupFile) {
        AppOptions options = testing::TestWindowOptions(dir);
        options.startupFile = startupFile;
        auto w = std::make_unique<MainWindow>(options, &prompts);
        w->chooseFile = [this](QWidget*, const FileRequest& request) {
            requests.push_back(request);
            if (request.chosenFilter && !nextFilter.isEmpty()) *request.chosenFilter = nextFilter;
            return nextFile;
        };
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        return w;
    }

    QString Cell(int row, int column) const {
        auto* model = window->Memory()->Model();
        return model->data(model->index(row - 1, column)).toString();
    }
    QString RowLabel(int row) const {
        return window->Memory()->Model()->headerData(row - 1, Qt::Vertical).toString();
    }
    void PutChannel(int slot, double mhz) {
        window->Image().Mem[slot].Set(kFreq, mhz);
        window->Image().ChannelEnable[slot] = true;
        window->Memory()->Model()->Refresh();
    }
    // Runs a transfer to its end and gives its result code.
    int RunTransfer(bool write, link::Part part) {
        QSignalSpy done(window.get(), &MainWindow::transferFinished);
        if (write) {
            window->StartWrite(part);
        } else {
            window->StartRead(part);
        }
        EXPECT_TRUE(done.wait(60000));
        return done.isEmpty() ? -1 : done.takeFirst().at(0).toInt();
    }
    void MaybeScreenshot(const QString& name, QWidget* of = nullptr) {
        const QString folder = qEnvironmentVariable("WRK7_SCREENSHOT_DIR");
        if (folder.isEmpty()) return;
        QCoreApplication::processEvents();
        (of ? of : window.get())->grab().save(QDir(folder).filePath(name));
    }

    QTemporaryDir dir;
    RecordingPrompter prompts;
    QString nextFile;                   // the answer of every file dialog
    QString nextFilter;                 // the file type chosen, where a dialog offers several
    std::vector<FileRequest> requests;  // the file dialogs asked for
    std::unique_ptr<MainWindow> window;
};

// A receiver slow enough that a transfer is still running when the test acts.
inline void UseSlowReceiver(MainWindow& window) {
    emu::FaultPlan slow;
    slow.delayMs = 20;
    window.Runner()->SetPortFactory([slow] { return emu::MakeDemoEmulatorPort(0, slow); });
}

}  // namespace wrk7
