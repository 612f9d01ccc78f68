#include "app/support/prompter.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "app/translation/said.h"
#include "core/message_titles.h"

namespace wrk7 {

namespace {

QString Joined(const QStringList& lines) { return lines.join(QLatin1Char('\n')); }

// The commands that ask before replacing used channels: their callers name
// them in English, and the Japanese needs each word as a text of its own.
[[maybe_unused]] constexpr const char* kReplacingCommands[] = {QT_TRANSLATE_NOOP("Prompter", "paste"),
                                                               QT_TRANSLATE_NOOP("Prompter", "import")};

}  // namespace

QString ErrorTitle() { return Said(MessageId::kErrorTitle); }


QAbstractButton* MessageBoxPrompter::Show(QMessageBox& box) {
    const QPointer<QMessageBox> outer = open_;
    open_ = &box;
    box.exec();
    open_ = outer;
    return box.clickedButton();
}

void MessageBoxPrompter::DismissOpenBox() {
    if (open_) open_->reject();
}

void MessageBoxPrompter::Error(QWidget* parent, const QString& title, const QStringList& lines) {
    QMessageBox box(QMessageBox::Critical, title, Joined(lines), QMessageBox::Ok, parent);
    Show(box);
}

void MessageBoxPrompter::Inform(QWidget* parent, const QString& title, const QStringList& lines) {
    QMessageBox box(QMessageBox::Information, title, Joined(lines), QMessageBox::Ok, parent);
    Show(box);
}

Prompter::Answer MessageBoxPrompter::Confirm(QWidget* parent, const QString& title,
                                             const QStringList& lines) {
    QMessageBox box(QMessageBox::Warning, title, Joined(lines), QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    return Show(box) == box.button(QMessageBox::Ok) ? Answer::kOk : Answer::kCancel;
}

Prompter::Answer MessageBoxPrompter::AskYesNoCancel(QWidget* parent, const QString& title,
                                                    const QStringList& lines) {
    QMessageBox box(QMessageBox::Question, title, Joined(lines),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    QAbstractButton* answer = Show(box);
    if (answer == box.button(QMessageBox::Yes)) return Answer::kYes;
    if (answer == box.button(QMessageBox::No)) return Answer::kNo;
    return Answer::kCancel;
}

Prompter::Answer MessageBoxPrompter::ConfirmAction(QWidget* parent, const QString& title, const QStringList& lines,
                                                   const QString& action) {
    QMessageBox box(QMessageBox::Warning, title, Joined(lines), QMessageBox::Cancel, parent);
    QPushButton* act = box.addButton(action, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    return Show(box) == act ? Answer::kOk : Answer::kCancel;
}

void MessageBoxPrompter::Warn(QWidget* parent, const QString& title, const QStringList& lines) {
    QMessageBox box(QMessageBox::Warning, title, Joined(lines), QMessageBox::Ok, parent);
    Show(box);
}

void MessageBoxPrompter::ErrorWithDetail(QWidget* parent, const QString& title, const QStringList& lines,
                                         const QString& detail) {
    QMessageBox box(QMessageBox::Critical, title, Joined(lines), QMessageBox::Ok, parent);
    box.setInformativeText(detail);
    Show(box);
}

void MessageBoxPrompter::ShowFileLocation(QWidget* parent, const QString& title, const QStringList& lines,
                                          const QString& path) {
    QMessageBox box(QMessageBox::Information, title, Joined(lines), QMessageBox::Close, parent);
    box.setInformativeText(QDir::toNativeSeparators(path));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton* copy = box.addButton(QCoreApplication::translate("Prompter", "Copy Path"), QMessageBox::ActionRole);
    QPushButton* folder = box.addButton(QCoreApplication::translate("Prompter", "Open Folder"), QMessageBox::ActionRole);
    QAbstractButton* clicked = Show(box);
    if (clicked == copy) QApplication::clipboard()->setText(QDir::toNativeSeparators(path));
    if (clicked == folder)
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

bool ConfirmReplacingUsedChannels(Prompter& prompter, QWidget* parent, const QString& command, int used) {
    if (used <= 0) return true;
    const QString word = QCoreApplication::translate("Prompter", command.toUtf8().constData());
    // The English singular is not the plural with one, so it is a text of its own.
    const QString replaces =
        used == 1 ? QCoreApplication::translate("Prompter", "The %1 replaces 1 used channel.").arg(word)
                  : QCoreApplication::translate("Prompter", "The %1 replaces %n used channels.", nullptr, used).arg(word);
    return prompter.Confirm(parent, QCoreApplication::translate("Prompter", "%1 OK").arg(word.toUpper()),
                            {replaces, QCoreApplication::translate("Prompter", "Are you sure that you want to %1?")
                                           .arg(word)}) == Prompter::Answer::kOk;
}

Prompter& DefaultPrompter() {
    static MessageBoxPrompter prompter;
    return prompter;
}

}  // namespace wrk7
