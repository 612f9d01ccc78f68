#include "app/transfer/port_doctor_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "app/support/screen_fit.h"
#include "app/translation/said.h"
#include "ports/link_log.h"

namespace wrk7 {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The report in two forms at once: HTML for the view, plain text for Copy.
struct Writer {
    QString html, text;
    void Heading(const QString& line) {
        html += QStringLiteral("<h3>%1</h3>").arg(line.toHtmlEscaped());
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + line + '\n';
    }
    void Field(const QString& name, const QString& value) {
        if (value.isEmpty()) return;
        html += QStringLiteral("<div><b>%1</b> %2</div>").arg(name.toHtmlEscaped(), value.toHtmlEscaped());
        text += QStringLiteral("  %1 %2\n").arg(name, value);
    }
    // Words wrap; a command or rule keeps its line (wrapped only on screen)
    // in a fixed-pitch font, so it can be selected and copied as it is.
    void Trouble(const QString& caption, const QString& what, const QString& remedyCaption,
                 const std::vector<Message>& remedy) {
        html += QStringLiteral("<p><b>%1</b> %2</p><p><i>%3</i></p>").arg(caption.toHtmlEscaped(), what.toHtmlEscaped(),
                                                                          remedyCaption.toHtmlEscaped());
        text += QStringLiteral("  %1 %2\n  %3\n").arg(caption, what, remedyCaption);
        for (const Message& step : remedy) {
            const QString line = Said(step);
            html += diagnostics::RemedyCommand(step)
                        ? QStringLiteral("<pre style=\"white-space: pre-wrap; margin-left: 16px\">%1</pre>").arg(line.toHtmlEscaped())
                        : QStringLiteral("<p>%1</p>").arg(line.toHtmlEscaped());
            text += QStringLiteral("    %1\n").arg(line);
        }
    }
    void Line(const QString& line) {
        html += QStringLiteral("<p>%1</p>").arg(line.toHtmlEscaped());
        text += line + '\n';
    }
};

QString Caption(diagnostics::PortTrouble::Kind kind) {
    switch (kind) {
        case diagnostics::PortTrouble::Kind::kPermission: return PortDoctorDialog::tr("No permission:");
        case diagnostics::PortTrouble::Kind::kBusy: return PortDoctorDialog::tr("In use:");
        case diagnostics::PortTrouble::Kind::kBrltty: return PortDoctorDialog::tr("Braille display service:");
        case diagnostics::PortTrouble::Kind::kModemManager: return PortDoctorDialog::tr("ModemManager:");
        case diagnostics::PortTrouble::Kind::kNoPort: return PortDoctorDialog::tr("No port:");
        case diagnostics::PortTrouble::Kind::kRefusedChip: return PortDoctorDialog::tr("Chip refused:");
        case diagnostics::PortTrouble::Kind::kBadDriver: return PortDoctorDialog::tr("Faulty driver:");
        case diagnostics::PortTrouble::Kind::kNoDriver: return PortDoctorDialog::tr("No driver:");
        case diagnostics::PortTrouble::Kind::kProblem: return PortDoctorDialog::tr("Device problem:");
        case diagnostics::PortTrouble::Kind::kLatency: return PortDoctorDialog::tr("Slow adapter:");
    }
    return {};
}

}  // namespace

PortDoctorDialog::PortDoctorDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgPortDoctor"));
    setWindowTitle(tr("Port Check"));
    report_ = new QTextEdit;
    report_->setObjectName(QStringLiteral("txtPortReport"));
    report_->setAccessibleName(tr("Serial devices and what stands in their way"));
    report_->setReadOnly(true);
    // A caret to show the focus and to select a command with the keys; Tab
    // goes on to Copy and Close, as the report takes no typing.
    report_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    report_->setTabChangesFocus(true);
    report_->setMinimumSize(360, 160);
    copy_ = new QPushButton(tr("Copy"));
    copy_->setObjectName(QStringLiteral("cmdCopy"));
    copy_->setToolTip(tr("Copy the whole report"));
    connect(copy_, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(text_); });
    auto* close = new QPushButton(tr("Close"));
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(report_, 1);
    layout->addLayout(buttons);
    // Room for a rule on one line or two; never beyond the screen.
    resize(740, 540);
    FitOnScreen(this);
}

void PortDoctorDialog::Examine(const QString& root) {
    if (root == QLatin1String("/")) {
        const diagnostics::PortReport report = diagnostics::ExamineThisSystem();
        ports::LogPortReport(report);
        Show(report);
    } else {
        std::vector<std::string> faults;
        const diagnostics::PortReport report = diagnostics::ExamineCopyAt(root.toStdString(), faults);
        Show(report, faults);
    }
}

void PortDoctorDialog::Show(const diagnostics::PortReport& report, const std::vector<std::string>& faults) {
    Writer w;
    for (const std::string& fault : faults) w.Line(tr("Passed over: %1").arg(Q(fault)));
    if (!report.readable) w.Line(tr("The system's list of serial devices could not be read."));
    const bool anyPort = std::any_of(report.devices.begin(), report.devices.end(),
                                     [](const diagnostics::SerialDevice& d) { return !d.path.empty(); });
    if (report.readable && !anyPort) w.Line(tr("No serial device found."));
    for (const diagnostics::SerialDevice& d : report.devices) {
        w.Heading(d.path.empty() ? tr("USB %1: no serial port").arg(Q(d.usb)) : Q(d.path));
        w.Field(tr("By id:"), Q(d.byId));
        if (!d.usb.empty()) {
            QString usb = Q(diagnostics::HexId(d.vendor) + ':' + diagnostics::HexId(d.product));
            if (!d.description.empty()) usb += QStringLiteral(" (%1)").arg(Q(d.description));
            w.Field(tr("USB:"), usb);
        }
        w.Field(tr("Chip:"), Q(d.chip));
        w.Field(tr("Driver:"), Q(d.driver));
        w.Field(tr("Serial number:"), Q(d.serial));
        w.Field(tr("Driver package:"), Q(diagnostics::DriverPackage(d)));
        if (d.problem != 0) w.Field(tr("Problem code:"), QString::number(d.problem));
        if (d.latencyMs != 0)
            w.Field(tr("Latency timer:"), diagnostics::LowLatencyOnOpen(d) ? tr("%1 ms (1 ms while this program has it open)").arg(d.latencyMs)
                                                                           : tr("%1 ms").arg(d.latencyMs));
        for (const diagnostics::PortTrouble& t : d.troubles)
            w.Trouble(Caption(t.kind), Said(t.text), tr("What to do:"), t.remedy);
        if (d.troubles.empty() && !d.path.empty()) w.Line(tr("Nothing stands in its way."));
    }
    report_->setHtml(w.html);
    text_ = w.text;
}

}  // namespace wrk7
