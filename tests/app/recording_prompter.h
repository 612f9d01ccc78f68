#pragma once
// Answers the program's message boxes without a modal loop and records them.
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "app/support/prompter.h"

namespace wrk7 {

struct RecordingPrompter : Prompter {
    struct Box {
        QString kind;  // "error", "inform", "warn", "confirm", "ask", "choose", "location"
        QString title;
        QStringList lines;
        QString detail;  // the detail of an error, the action of a confirm, the choices, the path of a location
    };
    std::vector<Box> boxes;
    // Answers for the questions (Confirm, ConfirmAction, AskYesNoCancel) in
    // turn; Cancel when none is left.
    std::deque<Answer> answers;

    QString LastTitle() const { return boxes.empty() ? QString() : boxes.back().title; }

    void Error(QWidget*, const QString& t, const QStringList& l) override { Record("error", t, l); }
    void Inform(QWidget*, const QString& t, const QStringList& l) override { Record("inform", t, l); }
    Answer Confirm(QWidget*, const QString& t, const QStringList& l) override { return Record("confirm", t, l); }
    Answer AskYesNoCancel(QWidget*, const QString& t, const QStringList& l) override { return Record("ask", t, l); }
    Answer ConfirmAction(QWidget*, const QString& t, const QStringList& l, const QString& action) override {
        return Record("confirm", t, l, action);
    }
    // The choices of a Choose box in turn; its default when none is left.
    std::deque<int> chosen;
    int Choose(QWidget*, const QString& t, const QStringList& l, const QStringList& choices, int byDefault) override {
        Record("choose", t, l, choices.join(QLatin1Char('|')));
        if (chosen.empty()) return byDefault;
        const int c = chosen.front();
        chosen.pop_front();
        return c;
    }
    void Warn(QWidget*, const QString& t, const QStringList& l) override { Record("warn", t, l); }
    void ErrorWithDetail(QWidget*, const QString& t, const QStringList& l, const QString& d) override {
        Record("error", t, l, d);
    }
    void ShowFileLocation(QWidget*, const QString& t, const QStringList& l, const QString& path) override {
        Record("location", t, l, path);
    }
    void DismissOpenBox() override { ++dismissed; }
    int dismissed = 0;
    // Runs once while the next box is up, before it is answered: the events
    // that come meanwhile.
    std::function<void()> whileAsking;

private:
    Answer Record(const char* kind, const QString& title, const QStringList& lines, const QString& detail = {}) {
        const bool asks = QByteArray(kind) == "confirm" || QByteArray(kind) == "ask";
        boxes.push_back({QString::fromLatin1(kind), title, lines, detail});
        if (whileAsking) std::exchange(whileAsking, nullptr)();
        if (!asks || answers.empty()) return Answer::kCancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

}  // namespace wrk7
