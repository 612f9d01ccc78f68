#pragma once
// Answers the program's message boxes without a modal loop and records them.
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "app/widgets/prompter.h"

namespace wrk7 {

struct RecordingPrompter : Prompter {
    struct Box {
        QString kind;  // "error", "inform", "confirm", "ask"
        QString title;
        QStringList lines;
    };
    std::vector<Box> boxes;
    // Answers for Confirm / AskYesNoCancel in turn; Cancel when none is left.
    std::deque<Answer> answers;

    QString LastTitle() const { return boxes.empty() ? QString() : boxes.back().title; }

    void Error(QWidget*, const QString& t, const QStringList& l) override { Record("error", t, l); }
    void Inform(QWidget*, const QString& t, const QStringList& l) override { Record("inform", t, l); }
    Answer Confirm(QWidget*, const QString& t, const QStringList& l) override { return Record("confirm", t, l); }
    Answer AskYesNoCancel(QWidget*, const QString& t, const QStringList& l) override { return Record("ask", t, l); }

private:
    Answer Record(const char* kind, const QString& title, const QStringList& lines) {
        boxes.push_back({QString::fromLatin1(kind), title, lines});
        if (answers.empty()) return Answer::kCancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

}  // namespace wrk7
