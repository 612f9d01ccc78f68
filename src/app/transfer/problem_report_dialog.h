#pragma once
#include <QDialog>
#include <functional>

#include "report/problem_report.h"

class QCheckBox;
class QListWidget;

namespace wrk7 {

class Prompter;

// Help > Report a Problem...: lists what the report would hold, lets the
// user leave the channels' names and notes out, then saves one ZIP and
// shows where it is.
class ProblemReportDialog : public QDialog {
    Q_OBJECT
public:
    ProblemReportDialog(report::ReportSources sources, Prompter& prompter, QWidget* parent = nullptr);

    QListWidget* Parts() const { return parts_; }
    QCheckBox* LeaveOutNames() const { return leaveOutNames_; }
    // Where to save; empty cancels. The file dialog unless tests set it.
    std::function<QString(const QString& suggestion)> chooseFile;
    // Saves the report at path and says how it went; false when it failed.
    bool SaveTo(const QString& path);

private:
    void Save();

    report::ReportSources sources_;
    Prompter& prompter_;
    QListWidget* parts_ = nullptr;
    QCheckBox* leaveOutNames_ = nullptr;
};

}  // namespace wrk7
