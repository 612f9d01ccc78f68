#pragma once
#include <QDialog>
#include <QString>

#include "diagnostics/port_doctor.h"

class QPushButton;
class QTextEdit;

namespace wrk7 {

// "Port Check" (dlgPortDoctor): every serial device of the system with its
// adapter, chip and driver, and what stands in its way with what to do. The
// report is read-only text, so a command can be selected and copied; Copy
// takes the whole report (to paste into a terminal or a message to us).
class PortDoctorDialog : public QDialog {
    Q_OBJECT
public:
    explicit PortDoctorDialog(QWidget* parent = nullptr);

    // Examines the system whose files lie under root ("/": this machine),
    // or the Windows machine written out in the file root, and shows it.
    void Examine(const QString& root = QStringLiteral("/"));
    // faults: the lines of such a file that were passed over.
    void Show(const diagnostics::PortReport& report, const std::vector<std::string>& faults = {});
    // The report as plain text, as Copy puts it on the clipboard.
    const QString& ReportText() const { return text_; }
    QTextEdit* Report() const { return report_; }
    QPushButton* CopyButton() const { return copy_; }

private:
    QTextEdit* report_ = nullptr;
    QPushButton* copy_ = nullptr;
    QString text_;
};

}  // namespace wrk7
