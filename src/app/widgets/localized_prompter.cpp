#include "app/widgets/localized_prompter.h"

#include "app/widgets/message_catalog.h"

namespace wrk7 {

QString LocalizedPrompter::Text(const QString& text) const { return InUiLanguage(text, language_); }

QStringList LocalizedPrompter::Lines(const QStringList& lines) const { return InUiLanguage(lines, language_); }

void LocalizedPrompter::Error(QWidget* parent, const QString& title, const QStringList& lines) {
    shown_.Error(parent, Text(title), Lines(lines));
}

void LocalizedPrompter::Inform(QWidget* parent, const QString& title, const QStringList& lines) {
    shown_.Inform(parent, Text(title), Lines(lines));
}

Prompter::Answer LocalizedPrompter::Confirm(QWidget* parent, const QString& title, const QStringList& lines) {
    return shown_.Confirm(parent, Text(title), Lines(lines));
}

Prompter::Answer LocalizedPrompter::AskYesNoCancel(QWidget* parent, const QString& title,
                                                    const QStringList& lines) {
    return shown_.AskYesNoCancel(parent, Text(title), Lines(lines));
}

Prompter::Answer LocalizedPrompter::ConfirmAction(QWidget* parent, const QString& title,
                                                   const QStringList& lines, const QString& action) {
    return shown_.ConfirmAction(parent, Text(title), Lines(lines), Text(action));
}

void LocalizedPrompter::Warn(QWidget* parent, const QString& title, const QStringList& lines) {
    shown_.Warn(parent, Text(title), Lines(lines));
}

void LocalizedPrompter::ErrorWithDetail(QWidget* parent, const QString& title, const QStringList& lines,
                                         const QString& detail) {
    shown_.ErrorWithDetail(parent, Text(title), Lines(lines), Text(detail));
}

void LocalizedPrompter::ShowFileLocation(QWidget* parent, const QString& title, const QStringList& lines,
                                          const QString& path) {
    shown_.ShowFileLocation(parent, Text(title), Lines(lines), path);
}

}  // namespace wrk7
