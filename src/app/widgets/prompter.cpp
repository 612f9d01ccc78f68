#include "app/widgets/prompter.h"

#include <QMessageBox>

#include "core/message_titles.h"

namespace wrk7 {

namespace {

int Run(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QStringList& lines,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, lines.join(QLatin1Char('\n')), buttons, parent);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

}  // namespace

QString ErrorTitle() {
    return QString::fromUtf8(kErrorTitle.data(), static_cast<qsizetype>(kErrorTitle.size()));
}

void MessageBoxPrompter::Error(QWidget* parent, const QString& title, const QStringList& lines) {
    Run(parent, QMessageBox::Critical, title, lines, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBoxPrompter::Inform(QWidget* parent, const QString& title, const QStringList& lines) {
    Run(parent, QMessageBox::Information, title, lines, QMessageBox::Ok, QMessageBox::Ok);
}

Prompter::Answer MessageBoxPrompter::Confirm(QWidget* parent, const QString& title,
                                             const QStringList& lines) {
    int r = Run(parent, QMessageBox::Warning, title, lines, QMessageBox::Ok | QMessageBox::Cancel,
                QMessageBox::Cancel);
    return r == QMessageBox::Ok ? Answer::kOk : Answer::kCancel;
}

Prompter::Answer MessageBoxPrompter::AskYesNoCancel(QWidget* parent, const QString& title,
                                                    const QStringList& lines) {
    int r = Run(parent, QMessageBox::Question, title, lines,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (r == QMessageBox::Yes) return Answer::kYes;
    if (r == QMessageBox::No) return Answer::kNo;
    return Answer::kCancel;
}

bool ConfirmReplacingUsedChannels(Prompter& prompter, QWidget* parent, const QString& command, int used) {
    if (used <= 0) return true;
    const QString replaces = used == 1 ? QStringLiteral("The %1 replaces 1 used channel.").arg(command)
                                       : QStringLiteral("The %1 replaces %2 used channels.").arg(command).arg(used);
    return prompter.Confirm(parent, command.toUpper() + QStringLiteral(" OK"),
                            {replaces, QStringLiteral("Are you sure that you want to %1?").arg(command)}) ==
           Prompter::Answer::kOk;
}

Prompter& DefaultPrompter() {
    static MessageBoxPrompter prompter;
    return prompter;
}

}  // namespace wrk7
