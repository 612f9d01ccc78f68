// Help > Report a Problem...: the list shows every part, and the choice to
// leave names out reaches the saved report.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/transfer/problem_report_dialog.h"
#include "app/recording_prompter.h"

namespace wrk7 {
namespace {

TEST(ProblemReportDialogTest, ListsThePartsAndSavesWhereChosen) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile(dir.filePath("trace-20261209-101010-000.txt")).open(QIODevice::WriteOnly));
    report::ReportSources sources{dir.path(), dir.filePath("none"), {}, dir.filePath("s.ini"), 1,
                                  [] { return diagnostics::PortReport{true, {}}; }};
    RecordingPrompter prompter;
    ProblemReportDialog dialog(sources, prompter);
    EXPECT_EQ(dialog.Parts()->count(), static_cast<int>(report::ReportParts(sources).size()));
    EXPECT_TRUE(dialog.Parts()->item(3)->text().contains("trace-20261209-101010-000.txt"));

    const QString zip = dir.filePath("report.zip");
    dialog.chooseFile = [&](const QString& suggestion) {
        EXPECT_TRUE(suggestion.endsWith(".zip"));
        return zip;
    };
    dialog.LeaveOutNames()->setChecked(true);
    dialog.findChild<QPushButton*>("cmdSave")->click();
    QFile saved(zip);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_TRUE(bytes.contains("names and notes: left out"));
    ASSERT_FALSE(prompter.boxes.empty());
    EXPECT_EQ(prompter.boxes.back().kind, "location");
    EXPECT_TRUE(prompter.boxes.back().detail.endsWith("report.zip"));
}

}  // namespace
}  // namespace wrk7
