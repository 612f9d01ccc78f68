#include "app/transfer/problem_report_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "app/support/prompter.h"

namespace wrk7 {

namespace {

QString WhatText(const QString& what) {
    if (what == QLatin1String("log")) return ProblemReportDialog::tr("the program's log");
    if (what == QLatin1String("serial trace")) return ProblemReportDialog::tr("a serial trace");
    if (what == QLatin1String("backup")) return ProblemReportDialog::tr("a backup of the receiver");
    if (what == QLatin1String("the backups' models")) return ProblemReportDialog::tr("the backups' models");
    return {};
}

QString PartText(const report::ReportPart& part) {
    if (part.name == QLatin1String("about.txt")) return ProblemReportDialog::tr("The program's version, the system and Qt");
    if (part.name == QLatin1String("port-doctor.txt")) return ProblemReportDialog::tr("The port doctor's report");
    if (part.name == QLatin1String("settings.txt")) return ProblemReportDialog::tr("The port settings and the other choices kept");
    return QStringLiteral("%1: %2").arg(WhatText(part.what), QDir::toNativeSeparators(part.source));
}

}  // namespace

ProblemReportDialog::ProblemReportDialog(report::ReportSources sources, Prompter& prompter, QWidget* parent)
    : QDialog(parent), sources_(std::move(sources)), prompter_(prompter) {
    setObjectName(QStringLiteral("dlgReportProblem"));
    setWindowTitle(tr("Report a Problem"));
    auto* intro = new QLabel(tr("A report puts what the program knows of a problem in one ZIP file, to send with "
                                "a description of what happened. It holds:"));
    intro->setWordWrap(true);
    parts_ = new QListWidget;
    parts_->setObjectName(QStringLiteral("lstReportParts"));
    parts_->setAccessibleName(tr("What the report holds"));
    for (const report::ReportPart& part : report::ReportParts(sources_)) parts_->addItem(PartText(part));
    leaveOutNames_ = new QCheckBox(tr("&Leave out the channels' names and notes"));
    leaveOutNames_->setObjectName(QStringLiteral("chkLeaveOutNames"));
    leaveOutNames_->setToolTip(tr("Blanked in every clone file and serial trace the report holds"));
    auto* save = new QPushButton(tr("&Save Report..."));
    save->setObjectName(QStringLiteral("cmdSave"));
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &ProblemReportDialog::Save);
    auto* cancel = new QPushButton(tr("Cancel"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(parts_, 1);
    layout->addWidget(leaveOutNames_);
    layout->addLayout(buttons);
    resize(560, 360);
}

void ProblemReportDialog::Save() {
    const QString name = QStringLiteral("wrk7-report-%1.zip").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    const QString suggestion = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(name);
    const QString path = chooseFile ? chooseFile(suggestion)
                                    : QFileDialog::getSaveFileName(this, tr("Save Report"), suggestion, tr("ZIP Files (*.zip)"));
    if (path.isEmpty()) return;
    if (SaveTo(path)) accept();
}

bool ProblemReportDialog::SaveTo(const QString& path) {
    const report::ReportOutcome saved =
        report::SaveProblemReport(sources_, leaveOutNames_->isChecked(), path, QDateTime::currentDateTime());
    if (!saved.ok) {
        prompter_.ErrorWithDetail(this, tr("Report a Problem"), {tr("The report could not be saved.")},
                                  QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), saved.error));
        return false;
    }
    QStringList lines{tr("The report is saved, %n file(s) in all. Send it with a description of what happened.", nullptr, saved.files)};
    if (!saved.leftOut.isEmpty()) lines << tr("Left out, as they could not be read: %1").arg(saved.leftOut.join(QStringLiteral("; ")));
    prompter_.ShowFileLocation(this, tr("Report a Problem"), lines, QDir::toNativeSeparators(path));
    return true;
}

}  // namespace wrk7
