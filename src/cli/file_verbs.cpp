#include "cli/file_verbs.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

#include "cli/verb_listing_pdf.h"
#include "codecs/new_image.h"
#include "edit/bank.h"
#include "edit/row_lookup.h"
#include "files/clone_file.h"
#include "files/listing.h"
#include "files/text_file.h"
#include "lists/channel_list.h"
#include "lists/chirp_csv.h"
#include "lists/clone_file_load.h"
#include "lists/csv.h"
#include "lists/list_import.h"
#include "lists/list_export.h"
#include "lists/sdr_export.h"
#include "platform/terminal.h"

namespace wrk7::cli {

namespace {

const Verb& Self(const char* name) { return *FindVerb(QString::fromLatin1(name)); }

// Prints an operation's messages; the exit status follows its outcome.
int Report(const FileResult& result, CliIo& io) {
    io.Errors(result.messages);
    return result.ok ? kExitOk : kExitFailure;
}

// Parses "[--model MODEL] operands..." for a verb; false with exitCode set.
bool ParseWithModel(const char* name, const QStringList& args, int operands, CliIo& io, int& exitCode,
                    QStringList& files, int& model, QCommandLineParser& parser) {
    const Verb& verb = Self(name);
    AddModelOption(parser);
    if (!ParseVerbArgs(parser, verb, args, operands, io, exitCode)) return false;
    if (!ModelFromParser(parser, verb, io, model)) {
        exitCode = kExitUsage;
        return false;
    }
    files = parser.positionalArguments();
    return true;
}

// OUT "-": the bytes go to standard output as they are, in binary mode.
bool WriteStandardOutput(const QByteArray& bytes) {
    platform::SetStandardOutputBinary();
    const auto size = static_cast<std::size_t>(bytes.size());
    return std::fwrite(bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0;
}

// Loads a clone file as Open does, for the model given.
bool Load(CloneImage& image, const QString& path, int model, CliIo& io) {
    image.model = model;
    const FileResult loaded = LoadCloneFile(image, path);
    io.Errors(loaded.messages);
    return loaded.ok;
}

// One stderr line per row skipped or taken with a loss: "line N: Location
// L: reason" for CHIRP's, "line N: MEMORY 5: reason" for ours.
void ReportIssues(const std::vector<ImportIssue>& issues, const QString& placeWord, CliIo& io) {
    for (const ImportIssue& issue : issues) {
        QString place = QString::fromStdString(issue.location);
        if (!placeWord.isEmpty()) place = placeWord + ' ' + place;
        if (!place.isEmpty()) place += QStringLiteral(": ");
        // A note on the import as a whole (a bank grown for it) has no line.
        const QString line = issue.line > 0 ? QStringLiteral("line %1: ").arg(issue.line) : QString();
        io.Err(line + place + QString::fromStdString(issue.reason.English()));
    }
}

// The generic list's import: its issues on stderr; OUT is written whatever
// rows were skipped.
int ImportChirp(CloneImage& image, const std::string& text, std::optional<int> firstSlot, const QString& list,
                const QString& out, CliIo& io) {
    const ChirpImportResult imported = ImportChirpText(image, text, firstSlot);
    if (!imported.result.ok) return Report(imported.result, io);
    ReportIssues(imported.issues, QStringLiteral("Location"), io);
    // A list that took no row writes no OUT.
    if (imported.imported == 0) return Report(NoChannelRows(list, text, imported.skipped), io);
    io.Note(QString::fromStdString(ImportSummary(imported).English()));
    return Report(SaveCloneFile(image, out), io);
}

// Where --at, --bank, --grow, --empty and --duplicates put a list without
// slots of its own; false after a usage error.
bool ListChoice(const QCommandLineParser& parser, const CloneImage& image, ListImportChoice& choice, CliIo& io,
                int& exitCode) {
    auto refuse = [&](const QString& why) {
        exitCode = UsageError(Self("import"), why, io);
        return false;
    };
    const bool at = parser.isSet(QStringLiteral("at")), bank = parser.isSet(QStringLiteral("bank"));
    const bool empty = parser.isSet(QStringLiteral("empty"));
    if (at && bank) return refuse(QStringLiteral("--at and --bank name two places: give one"));
    if (empty && bank) return refuse(QStringLiteral("--empty fills empty slots from a row: give --at, not --bank"));
    if (parser.isSet(QStringLiteral("grow")) && !bank) return refuse(QStringLiteral("--grow grows the bank of --bank only"));
    choice.target = bank ? ListTarget::kIntoBank : at && !empty ? ListTarget::kFromSlot : ListTarget::kEmptySlots;
    if (at) {
        const QString row = parser.value(QStringLiteral("at"));
        // As the window's import takes it: a row label ("07-012", by the image's bank table) or a slot 0..999.
        const auto slot = MemoryChannelForRowText(image, row.toStdString());
        if (!slot) return refuse(QStringLiteral("no memory row '%1' (a row label such as 07-000 or a slot 0..999)").arg(row));
        choice.firstSlot = *slot;
    }
    if (bank) {
        bool number = false;
        choice.bank = parser.value(QStringLiteral("bank")).toInt(&number);
        if (!number || choice.bank < 0 || choice.bank >= kBanks)
            return refuse(QStringLiteral("no bank '%1' (0..49)").arg(parser.value(QStringLiteral("bank"))));
        choice.growBank = parser.isSet(QStringLiteral("grow"));
    }
    const QString rule = parser.value(QStringLiteral("duplicates")).toLower();
    if (rule != "skip" && rule != "replace")
        return refuse(QStringLiteral("unknown rule '%1' for --duplicates (skip or replace)").arg(rule));
    choice.duplicates = rule == "skip" ? DuplicateRule::kSkip : DuplicateRule::kReplace;
    return true;
}

// A list without slots of its own (a frequency database's or repeater
// directory's export, SDR bookmarks): each row left out or taken with a
// loss on stderr, the summary on stdout; OUT is written when a row was taken.
int ImportList(CloneImage& image, const std::string& text, ListFormat format, const ListImportChoice& choice,
               const QString& list, const QString& out, CliIo& io) {
    const ChannelList read = ReadChannelList(text, format);
    if (read.failure) {
        io.Err(Say(MessageId::kNoChannelRows, QFileInfo(list).fileName().toStdString()));
        io.Err(*read.failure);
        return kExitFailure;
    }
    const std::vector<ListMapping> rows = MapChannelList(read, image);
    const ListImportPlan plan = PlanListImport(image, rows, choice);
    ReportIssues(plan.report, {}, io);
    io.Out(QString::fromStdString(plan.summary.English()));
    if (plan.placed.empty()) return Report(NoChannelRows(list, text, static_cast<int>(plan.report.size())), io);
    ApplyListImport(image, rows, plan);
    return Report(SaveCloneFile(image, out), io);
}

}  // namespace

int RunNew(const QStringList& args, CliIo& io) {
    QCommandLineParser parser;
    QStringList files;
    int model = 0, exitCode = kExitOk;
    if (!ParseWithModel("new", args, 1, io, exitCode, files, model, parser)) return exitCode;
    CloneImage image;
    image.model = model;
    NewCloneImage(image);
    return Report(SaveCloneFile(image, files[0]), io);
}

int RunCheck(const QStringList& args, CliIo& io) {
    QCommandLineParser parser;
    int exitCode = kExitOk;
    if (!ParseVerbArgs(parser, Self("check"), args, 1, io, exitCode)) return exitCode;
    const auto problems = CheckCloneFile(parser.positionalArguments()[0]);
    io.Errors(problems);
    return problems.empty() ? kExitOk : kExitFailure;
}

int RunExport(const QStringList& args, CliIo& io) {
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringLiteral("format"), QStringLiteral("CSV layout"),
                                        QStringLiteral("FORMAT"), QStringLiteral("wrk7")));
    QStringList files;
    int model = 0, exitCode = kExitOk;
    if (!ParseWithModel("export", args, 2, io, exitCode, files, model, parser)) return exitCode;
    const QString format = parser.value(QStringLiteral("format")).toLower();
    const std::optional<ListFileType> type = ListFileNamed(format.toStdString());
    if (!type || !IsWritten(*type))
        return UsageError(Self("export"),
                          QStringLiteral("unknown format '%1' (%2)").arg(format, QString::fromStdString(ListFileNames(true))), io);
    CloneImage image;
    if (!Load(image, files[0], model, io)) return kExitFailure;
    // One set of bytes for both places, so what a pipe carries is exactly
    // what the file would hold.
    const QByteArray bytes = ListFileBytes(image, *type);
    const bool written = files[1] == QLatin1String("-") ? WriteStandardOutput(bytes) : WriteFileAtomically(files[1], bytes);
    return Report(written ? FileResult::Success() : FileResult::Failure(MessageId::kFileOpenError), io);
}

int RunImport(const QStringList& args, CliIo& io) {
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringLiteral("at"), QStringLiteral("first row"), QStringLiteral("ROW")));
    parser.addOption(QCommandLineOption(QStringLiteral("format"), QStringLiteral("list format"), QStringLiteral("FORMAT")));
    parser.addOption(QCommandLineOption(QStringLiteral("bank"), QStringLiteral("bank"), QStringLiteral("BANK")));
    parser.addOption(QCommandLineOption(QStringLiteral("grow"), QStringLiteral("grow the bank")));
    parser.addOption(QCommandLineOption(QStringLiteral("empty"), QStringLiteral("empty slots only")));
    parser.addOption(QCommandLineOption(QStringLiteral("duplicates"), QStringLiteral("rule"), QStringLiteral("RULE"),
                                        QStringLiteral("skip")));
    QStringList files;
    int model = 0, exitCode = kExitOk;
    if (!ParseWithModel("import", args, 3, io, exitCode, files, model, parser)) return exitCode;
    std::optional<ListFileType> forced;
    if (parser.isSet(QStringLiteral("format"))) {
        const QString name = parser.value(QStringLiteral("format"));
        forced = ListFileNamed(name.toStdString());
        if (!forced)
            return UsageError(Self("import"),
                              QStringLiteral("unknown format '%1' (%2)").arg(name, QString::fromStdString(ListFileNames(false))), io);
    }
    CloneImage image;
    if (!Load(image, files[0], model, io)) return kExitFailure;
    const auto text = ReadCsvFile(files[1]);
    // A text no reader recognises goes to our own CSV import, which says why
    // it holds no channel rows.
    const std::optional<ListFileType> type = forced ? forced : text ? DetectListFile(*text) : std::nullopt;
    // The table's entry: a list read into rows, or none.
    const std::optional<ListFormat>* rows = type ? &InfoOf(*type).rows : nullptr;
    const bool chirp = type == ListFileType::kChirpCsv || (!forced && text && DetectCsvKind(*text) == CsvKind::kChirp);
    if (text && rows && *rows && !chirp) {
        ListImportChoice choice;
        if (!ListChoice(parser, image, choice, io, exitCode)) return exitCode;
        return ImportList(image, *text, **rows, choice, files[1], files[2], io);
    }
    for (const char* listOnly : {"bank", "grow", "empty"})
        if (parser.isSet(QString::fromLatin1(listOnly)))
            return UsageError(Self("import"),
                              QStringLiteral("--%1 places the rows of a list without slots of its own").arg(listOnly), io);
    std::optional<int> firstSlot;
    if (parser.isSet(QStringLiteral("at"))) {
        const QString row = parser.value(QStringLiteral("at"));
        if (!chirp && text)
            return UsageError(Self("import"),
                              QStringLiteral("--at places the rows of a CHIRP list or of a list without slots of its own"), io);
        firstSlot = MemoryChannelForRowText(image, row.toStdString());
        if (!firstSlot)
            return UsageError(Self("import"),
                              QStringLiteral("no memory row '%1' (a row label such as 07-000 or a slot 0..999)").arg(row), io);
    }
    if (chirp) return ImportChirp(image, *text, firstSlot, files[1], files[2], io);
    const CsvImportResult imported = ImportCsvFile(image, files[1], text);
    ReportIssues(imported.issues, {}, io);
    io.Note(QString::fromStdString(ImportSummary(imported).English()));
    // A failed import leaves OUT untouched, even when OUT is FILE.
    if (!imported.result.ok) return Report(imported.result, io);
    return Report(SaveCloneFile(image, files[2]), io);
}

int RunListing(const QStringList& args, CliIo& io) {
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringLiteral("sections"), QStringLiteral("listing sections"),
                                        QStringLiteral("LIST"), QStringLiteral("settings,vfo,memory")));
    parser.addOption(QCommandLineOption(QStringLiteral("pdf"), QStringLiteral("write the listing as PDF"),
                                        QStringLiteral("OUT.pdf")));
    QStringList files;
    int model = 0, exitCode = kExitOk;
    if (!ParseWithModel("listing", args, 1, io, exitCode, files, model, parser)) return exitCode;
    ListingSections sections{false, false, false};
    for (const QString& part : parser.value(QStringLiteral("sections")).split(',')) {
        const QString name = part.trimmed().toLower();
        if (name == "settings")
            sections.settings = true;
        else if (name == "vfo")
            sections.vfo = true;
        else if (name == "memory")
            sections.memory = true;
        else
            return UsageError(Self("listing"),
                              QStringLiteral("unknown section '%1' (settings, vfo, memory)").arg(part), io);
    }
    CloneImage image;
    if (!Load(image, files[0], model, io)) return kExitFailure;
    if (parser.isSet(QStringLiteral("pdf")))
        return WriteListingPdf(image, sections, files[0], parser.value(QStringLiteral("pdf")), io);
    for (const auto& line : PrintListing(image, sections)) io.Out(QString::fromStdString(line));
    return kExitOk;
}

}  // namespace wrk7::cli
