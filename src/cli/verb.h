#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/message.h"

class QCommandLineParser;

namespace wrk7::cli {

// Exit status of every verb.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitRefused = 4;  // the receiver refused the identification

// Where a verb writes. stdout carries the verb's product (a listing); stderr
// carries exactly the texts the desktop program would show in message boxes,
// one per line (a failed transfer's port reason among them), plus extra
// diagnostics only when stderr is a terminal.
struct CliIo {
    std::function<void(const QString&)> writeOut;  // one line, newline added
    std::function<void(const QString&)> writeErr;  // one line, newline added
    bool isTerminal = false;                       // stderr is a terminal

    void Out(const QString& line) const { writeOut(line); }
    void Err(const QString& line) const { writeErr(line); }
    void Err(const std::string& line) const { writeErr(QString::fromStdString(line)); }
    void Err(const Message& message) const { Err(message.English()); }
    void Errors(const std::vector<std::string>& lines) const {
        for (const auto& l : lines) Err(l);
    }
    void Errors(const std::vector<Message>& messages) const {
        for (const auto& m : messages) Err(m);
    }
    // A diagnostic beyond the message texts: shown on a terminal only.
    void Note(const QString& line) const {
        if (isTerminal) writeErr(line);
    }
};

// The process's own stdout/stderr.
CliIo ProcessIo();

// One verb of the tool. args are the arguments after the verb's name.
struct Verb {
    const char* name;
    const char* synopsis;  // "new [--model MODEL] OUT.WK7"
    const char* summary;   // one line for --help
    int (*run)(const QStringList& args, CliIo& io);
};

// Every verb, in the order --help lists them (verb_list.cpp).
const std::vector<Verb>& AllVerbs();
const Verb* FindVerb(const QString& name);

// Runs the tool on a whole argument list (arguments[0] is the program).
int RunCli(const QStringList& arguments, CliIo& io);
QStringList UsageText();  // what --help prints

// A model name of the model table as the --model option takes it ("WR-K7J",
// the default, "WR-K70E", ...) -> its model number. Case is ignored.
std::optional<int> ParseModel(const QString& name);

// The model names for messages: "WR-K7J, WR-K70E, WR-K70T or WR-K70K", with
// " (default)" after the first when markDefault.
const std::string& ModelChoices(bool markDefault);

// Shared parsing for verbs: --help of the verb and the --model option.
void AddModelOption(QCommandLineParser& parser);
// Parses args for verb; on a usage error prints the message and the verb's
// synopsis and returns false with exitCode set (kExitUsage, or kExitOk after
// printing the verb's help). positional is the exact count of operands wanted.
bool ParseVerbArgs(QCommandLineParser& parser, const Verb& verb, const QStringList& args,
                   int positional, CliIo& io, int& exitCode);
// The --model value (default WR-K7J); false after a usage message.
bool ModelFromParser(const QCommandLineParser& parser, const Verb& verb, CliIo& io, int& model);
// A usage error: the message, then the verb's synopsis as the help line.
int UsageError(const Verb& verb, const QString& message, CliIo& io);

}  // namespace wrk7::cli
