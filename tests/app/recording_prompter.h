#pragma once
// Answers the program's message boxes without a modal loop and records them.
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "app/prompter.h"

namespace wrk7 {

struct RecordingPrompter : Prompter {
    struct Box {
        QString kind;  // "error", "inform", "confirm", "ask"
        QString title;
        QStringList lines;
    };
    std::vector<Box> boxes;
    std::vector<Box> errors;
    // Answers for Confirm / AskYesNoCancel in turn; Cancel when none is left.
    std::deque<Answer> answers;

    void Error(QWidget*, const QString& t, const QStringList& l) override {
        boxes.push_back({QStringLiteral("error"), t, l});
        errors.push_back({QStringLiteral("error"), t, l});
    }
    void Inform(QWidget*, const QString& t, const QStringList& l) override {
        boxes.push_back({QStringLiteral("inform"), t, l});
    }
    Answer Confirm(QWidget*, const QString& t, const QStringList& l) override {
        boxes.push_back({QStringLiteral("confirm"), t, l});
        return Next();
    }
    Answer AskYesNoCancel(QWidget*, const QString& t, const QStringList& l) override {
        boxes.push_back({QStringLiteral("ask"), t, l});
        return Next();
    }

private:
    Answer Next() {
        if (answers.empty()) return Answer::kCancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

}  // namespace wrk7
