// The man page and the bash completion of wrk7 keep up with the tool: every
// verb, option, fault and exit status is documented, and everything the
// completion offers is taken by the parser.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <set>

#include "cli/link_verbs.h"
#include "cli/option_help.h"
#include "cli/verb.h"
#include "core/tables.h"
#include "emulator/receiver.h"

namespace wrk7::cli {
namespace {

QString SourceText(const char* relative) {
    QFile file(QDir::cleanPath(QStringLiteral(WRK7_TEST_DATA_DIR "/../../") + QLatin1String(relative)));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// The part of a man page from one .SH heading to the next.
QString ManSection(const QString& page, const QString& heading) {
    const qsizetype start = page.indexOf(QStringLiteral("\n.SH ") + heading + '\n');
    if (start < 0) return {};
    const qsizetype end = page.indexOf(QStringLiteral("\n.SH "), start + 1);
    return page.mid(start, end < 0 ? -1 : end - start);
}

bool HasEntry(const QString& section, const QString& pattern) {
    return section.contains(QRegularExpression(pattern, QRegularExpression::MultilineOption));
}

// "-h, --help" and "--model MODEL" -> "--help", "--model".
QString LongName(const OptionHelp& option) {
    QString flag = QString::fromUtf8(option.flag);
    flag = flag.mid(flag.lastIndexOf(QLatin1String(", ")) + 1).trimmed();
    return flag.section(' ', 0, 0);
}

// The --help text of an option ("--fault").
QString HelpOf(const char* longName) {
    for (const auto& option : AllOptionHelp())
        if (LongName(option) == QLatin1String(longName)) return QString::fromUtf8(option.help);
    return {};
}

// The names of the --fault help: "refuse-id", "silent-after", ...
QStringList FaultNames() {
    QStringList names;
    for (const QString& item : HelpOf("--fault").split(QLatin1String(", "), Qt::SkipEmptyParts))
        names << item.section('=', 0, 0);
    return names;
}

// The words the completion script offers after a case label (`--part)`).
std::set<QString> Offered(const QString& script, const QString& label) {
    const QRegularExpression words(QRegularExpression::escape(label) +
                                   QStringLiteral("\\)\\s*\\n[^\\n]*-W \"([^\"]*)\""));
    const auto match = words.match(script);
    std::set<QString> out;
    if (match.hasMatch())
        for (const QString& w : match.captured(1).split(' ', Qt::SkipEmptyParts)) out.insert(w);
    return out;
}

TEST(InstallDocsTest, ManPageDocumentsEveryVerbOptionFaultAndExitStatus) {
    const QString page = SourceText("man/wrk7.1").replace(QLatin1String("\\-"), QLatin1String("-"));
    ASSERT_FALSE(page.isEmpty());
    const QString synopsis = ManSection(page, QStringLiteral("SYNOPSIS"));
    const QString verbs = ManSection(page, QStringLiteral("VERBS"));
    const QString options = ManSection(page, QStringLiteral("OPTIONS"));
    for (const auto& verb : AllVerbs()) {
        const QString name = QString::fromUtf8(verb.name);
        EXPECT_TRUE(synopsis.contains("\n.B wrk7 " + name + '\n')) << name.toStdString();
        EXPECT_TRUE(HasEntry(verbs, "^\\.TP\\n\\.BI? \"?" + name + "\\b")) << name.toStdString();
        // Each option of the verb's synopsis appears in its man synopsis too.
        const qsizetype from = synopsis.indexOf("\n.B wrk7 " + name + '\n');
        const QString entry = synopsis.mid(from, synopsis.indexOf(QLatin1String(".br"), from) - from);
        for (const auto& option : AllOptionHelp()) {
            const QString flag = LongName(option);
            EXPECT_TRUE(!QString::fromUtf8(verb.synopsis).contains(flag) || entry.contains(flag))
                << name.toStdString() << " " << flag.toStdString();
        }
    }
    for (const auto& option : AllOptionHelp())
        EXPECT_TRUE(HasEntry(options, "^\\.TP\\n\\.B[IR]? [^\\n]*" + LongName(option) + "\\b"))
            << LongName(option).toStdString();
    const QStringList faults = FaultNames();
    ASSERT_FALSE(faults.isEmpty());
    for (const QString& fault : faults) EXPECT_TRUE(HasEntry(options, "^\\.BI? " + fault + "[=\\n]")) << fault.toStdString();
    const QString exits = ManSection(page, QStringLiteral("EXIT STATUS"));
    for (int code : {kExitOk, kExitFailure, kExitUsage, kExitRefused})
        EXPECT_TRUE(exits.contains(QStringLiteral("\n.TP\n.B %1\n").arg(code))) << code;
}

TEST(InstallDocsTest, CompletionOffersWhatTheParserTakes) {
    const QString script = SourceText("packaging/bash-completion/wrk7");
    ASSERT_FALSE(script.isEmpty());

    const auto verbLine = QRegularExpression(QStringLiteral("local verbs=\"([^\"]*)\"")).match(script);
    ASSERT_TRUE(verbLine.hasMatch());
    std::set<QString> verbs;
    for (const auto& v : AllVerbs()) verbs.insert(QString::fromUtf8(v.name));
    const QStringList offeredVerbs = verbLine.captured(1).split(' ', Qt::SkipEmptyParts);
    EXPECT_EQ(std::set<QString>(offeredVerbs.begin(), offeredVerbs.end()), verbs);
    for (const auto& option : AllOptionHelp())
        EXPECT_TRUE(script.contains(LongName(option))) << LongName(option).toStdString();

    // The models of the table (which --model takes), offered and named in --help.
    std::set<QString> models;
    for (const auto& m : ModelName) models.insert(QString::fromUtf8(m.data(), static_cast<qsizetype>(m.size())));
    EXPECT_EQ(Offered(script, QStringLiteral("--model")), models);
    for (const QString& m : models) EXPECT_TRUE(HelpOf("--model").contains(m)) << m.toStdString();

    std::set<link::Part> parts;
    for (const QString& p : Offered(script, QStringLiteral("--part"))) {
        ASSERT_TRUE(ParsePart(p).has_value()) << p.toStdString();
        parts.insert(*ParsePart(p));
    }
    EXPECT_EQ(parts.size(), 5u);  // all, settings, memory, bank, groups

    const std::set<QString> faults = Offered(script, QStringLiteral("--fault"));
    for (const QString& name : FaultNames()) {
        const bool hasValue = faults.count(name + '=') > 0;
        EXPECT_TRUE(hasValue || faults.count(name)) << name.toStdString();
        const QString value = name == QLatin1String("re-on") ? QStringLiteral("00100") : QStringLiteral("3");
        emu::FaultPlan plan;
        std::string error;
        EXPECT_TRUE(emu::AddFault(plan, (hasValue ? name + '=' + value : name).toStdString(), error)) << error;
    }
    EXPECT_EQ(faults.size(), size_t(FaultNames().size()));
}

}  // namespace
}  // namespace wrk7::cli
