#include <QCommandLineParser>
#include <cstdio>

#include "cli/verb.h"
#include "cli/option_help.h"
#include "core/models.h"
#include "platform/terminal.h"
#include "program_version.h"

namespace wrk7::cli {

namespace {

constexpr const char* kTryHelp = "Try 'wrk7 --help'.";

QString UsageLine(const Verb& verb) {
    return QStringLiteral("Usage: wrk7 %1").arg(QString::fromUtf8(verb.synopsis));
}

void WriteLine(FILE* stream, const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

QString ModelText(int modelIndex) {
    const std::string_view name = Model(modelIndex).name;
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The help fits a terminal of 80 columns: longer text breaks between words,
// its later lines indented by hang.
constexpr int kHelpWidth = 80;
constexpr int kOptionColumn = 22;  // where an option's help starts

QStringList Wrapped(const QString& text, const QString& first, int hang) {
    QStringList lines;
    QString line = first;
    bool lineHasWord = false;
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
        if (lineHasWord && line.size() + 1 + word.size() > kHelpWidth) {
            lines << line;
            line = QString(hang, ' ');
            lineHasWord = false;
        }
        if (lineHasWord) line += ' ';
        line += word;
        lineHasWord = true;
    }
    return lines << line;
}

// "  --flag  help...", the help in its own column; a flag too long for it
// puts its help on the lines below.
QStringList OptionLines(const OptionHelp& o) {
    const QString flag = "  " + QString::fromUtf8(o.flag);
    const QString help = QString::fromUtf8(o.help);
    if (flag.size() + 2 > kOptionColumn) return QStringList{flag} + Wrapped(help, QString(kOptionColumn, ' '), kOptionColumn);
    return Wrapped(help, flag.leftJustified(kOptionColumn), kOptionColumn);
}

// Option lines whose flag the verb's synopsis mentions, plus --help.
QStringList VerbHelp(const Verb& verb) {
    QStringList lines = Wrapped(QString::fromUtf8(verb.synopsis), QStringLiteral("Usage: wrk7 "), 8);
    lines << Wrapped(QString::fromUtf8(verb.summary), QString(), 0);
    // The summary may name an option the synopsis keeps short.
    const QString mentions = QString::fromUtf8(verb.synopsis) + ' ' + QString::fromUtf8(verb.summary);
    for (const auto& o : AllOptionHelp()) {
        const QString flag = QString::fromUtf8(o.flag);
        QString longName = flag;
        if (const auto comma = longName.lastIndexOf(QLatin1String(", ")); comma >= 0)
            longName = longName.mid(comma + 2);
        longName = longName.section(' ', 0, 0);
        if (mentions.contains(longName) || longName == "--help") lines << OptionLines(o);
    }
    return lines;
}

}  // namespace

CliIo ProcessIo() {
    CliIo io;
    io.writeOut = [](const QString& l) { WriteLine(stdout, l); };
    io.writeErr = [](const QString& l) { WriteLine(stderr, l); };
    io.isTerminal = platform::StandardErrorIsTerminal();
    return io;
}

const Verb* FindVerb(const QString& name) {
    for (const auto& v : AllVerbs())
        if (name == QLatin1String(v.name)) return &v;
    return nullptr;
}

QStringList UsageText() {
    QStringList lines{
        QStringLiteral("Usage: wrk7 VERB [OPTIONS] FILES..."),
        QStringLiteral("Clone files, CSV channel lists and listings of the Korvan WR-K7/K70 receivers."),
        QString(), QStringLiteral("Verbs:")};
    // Each verb's synopsis, then what it does below it.
    for (const auto& v : AllVerbs())
        lines << Wrapped(QString::fromUtf8(v.synopsis), QStringLiteral("  "), 8)
              << Wrapped(QString::fromUtf8(v.summary), QStringLiteral("      "), 6);
    lines << QString() << QStringLiteral("Options:");
    for (const auto& o : AllOptionHelp()) lines << OptionLines(o);
    lines << QString()
          << Wrapped(QStringLiteral("Messages go to stderr, one per line. Exit status: 0 success, 1 failure, "
                                    "2 usage error, 4 the receiver refused the identification."),
                     QString(), 0);
    return lines;
}

int UsageError(const Verb& verb, const QString& message, CliIo& io) {
    io.Err(QStringLiteral("wrk7 %1: %2").arg(QString::fromUtf8(verb.name), message));
    io.Err(UsageLine(verb));
    return kExitUsage;
}

std::optional<int> ParseModel(const QString& name) {
    for (int i = 0; i < kModelCount; ++i)
        if (name.compare(ModelText(i), Qt::CaseInsensitive) == 0) return i;
    return std::nullopt;
}

const std::string& ModelChoices(bool markDefault) {
    static const auto build = [](bool mark) {
        std::string text;
        for (int i = 0; i < kModelCount; ++i) {
            if (i > 0) text += i + 1 < kModelCount ? ", " : " or ";
            text += Model(i).name;
            if (i == 0 && mark) text += " (default)";
        }
        return text;
    };
    static const std::string plain = build(false), marked = build(true);
    return markDefault ? marked : plain;
}

void AddModelOption(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption(QStringLiteral("model"),
                                        QStringLiteral("receiver model"), QStringLiteral("MODEL"),
                                        ModelText(0)));
}

bool ParseVerbArgs(QCommandLineParser& parser, const Verb& verb, const QStringList& args,
                   int positional, CliIo& io, int& exitCode) {
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(help);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QStringList{QStringLiteral("wrk7")} + args)) {
        exitCode = UsageError(verb, parser.errorText(), io);
        return false;
    }
    if (parser.isSet(help)) {
        for (const auto& l : VerbHelp(verb)) io.Out(l);
        exitCode = kExitOk;
        return false;
    }
    const qsizetype got = parser.positionalArguments().size();
    if (got != positional) {
        exitCode = UsageError(verb,
                              got < positional ? QStringLiteral("missing file operand")
                                               : QStringLiteral("too many operands"),
                              io);
        return false;
    }
    return true;
}

bool ModelFromParser(const QCommandLineParser& parser, const Verb& verb, CliIo& io, int& model) {
    const QString name = parser.value(QStringLiteral("model"));
    const auto index = ParseModel(name);
    if (!index) {
        UsageError(verb,
                   QStringLiteral("unknown model '%1' (%2)").arg(name, QString::fromStdString(ModelChoices(false))),
                   io);
        return false;
    }
    model = *index;
    return true;
}

int RunCli(const QStringList& arguments, CliIo& io) {
    const QStringList rest = arguments.mid(1);
    if (rest.isEmpty()) {
        io.Err(QStringLiteral("wrk7: no verb given"));
        io.Err(QString::fromUtf8(kTryHelp));
        return kExitUsage;
    }
    const QString first = rest.front();
    if (first == "--help" || first == "-h" || first == "help") {
        for (const auto& l : UsageText()) io.Out(l);
        return kExitOk;
    }
    if (first == "--version") {
        io.Out(QStringLiteral("wrk7 ") + QString::fromLatin1(kProgramVersion));
        return kExitOk;
    }
    const Verb* verb = FindVerb(first);
    if (!verb) {
        io.Err(QStringLiteral("wrk7: unknown verb '%1'").arg(first));
        io.Err(QString::fromUtf8(kTryHelp));
        return kExitUsage;
    }
    return verb->run(rest.mid(1), io);
}

}  // namespace wrk7::cli
