#pragma once
#include "app/widgets/prompter.h"
#include "app/widgets/string_table.h"

namespace wrk7 {

// Shows every box through another prompter with the catalog's lines in the
// window's language, so no command has to remember to look them up. The
// long-standing messages are not in the catalog and pass as they are.
class LocalizedPrompter : public Prompter {
public:
    LocalizedPrompter(Prompter& shown, UiLanguage language) : shown_(shown), language_(language) {}

    void Error(QWidget* parent, const QString& title, const QStringList& lines) override;
    void Inform(QWidget* parent, const QString& title, const QStringList& lines) override;
    Answer Confirm(QWidget* parent, const QString& title, const QStringList& lines) override;
    Answer AskYesNoCancel(QWidget* parent, const QString& title, const QStringList& lines) override;
    Answer ConfirmAction(QWidget* parent, const QString& title, const QStringList& lines,
                         const QString& action) override;
    void Warn(QWidget* parent, const QString& title, const QStringList& lines) override;
    void ErrorWithDetail(QWidget* parent, const QString& title, const QStringList& lines,
                         const QString& detail) override;
    void ShowFileLocation(QWidget* parent, const QString& title, const QStringList& lines,
                          const QString& path) override;
    void DismissOpenBox() override { shown_.DismissOpenBox(); }

private:
    QString Text(const QString& text) const;
    QStringList Lines(const QStringList& lines) const;

    Prompter& shown_;
    UiLanguage language_;
};

}  // namespace wrk7
