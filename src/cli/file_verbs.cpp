#include "cli/file_verbs.h"

#include <QCommandLineParser>

#include "cli/verb_listing_pdf.h"
#include "codecs/new_image.h"
#include "edit/bank.h"
#include "files/chirp_csv.h"
#include "files/clone_file.h"
#include "files/csv.h"
#include "files/listing.h"

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

// Loads a clone file as Open does, for the model given.
bool Load(CloneImage& image, const QString& path, int model, CliIo& io) {
    image.model = model;
    const FileResult loaded = LoadCloneFile(image, path);
    io.Errors(loaded.messages);
    return loaded.ok;
}

// The memory slot a row label ("07-012", by the image's bank table) or a
// slot number (0..999) names.
std::optional<int> MemorySlotOf(const CloneImage& image, const QString& row) {
    const auto labels = BuildRowLabels(image);
    for (int slot = 0; slot < kChannelCount; ++slot)
        if (row == QString::fromStdString(labels[static_cast<std::size_t>(slot)])) return slot;
    bool number = false;
    const int slot = row.toInt(&number);
    if (number && slot >= 0 && slot < kChannelCount) return slot;
    return std::nullopt;
}

// One stderr line per row skipped or taken with a loss: "line N: Location
// L: reason" for CHIRP's, "line N: MEMORY 5: reason" for ours.
void ReportIssues(const std::vector<ImportIssue>& issues, const QString& placeWord, CliIo& io) {
    for (const ImportIssue& issue : issues) {
        QString place = QString::fromStdString(issue.location);
        if (!placeWord.isEmpty()) place = placeWord + ' ' + place;
        if (!place.isEmpty()) place += QStringLiteral(": ");
        io.Err(QStringLiteral("line %1: %2%3").arg(issue.line).arg(place, QString::fromStdString(issue.reason.English())));
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
    if (format != "wrk7" && format != "chirp")
        return UsageError(Self("export"), QStringLiteral("unknown format '%1' (wrk7 or chirp)").arg(format), io);
    CloneImage image;
    if (!Load(image, files[0], model, io)) return kExitFailure;
    return Report(format == "chirp" ? ExportChirpCsv(image, files[1]) : ExportCsv(image, files[1]), io);
}

int RunImport(const QStringList& args, CliIo& io) {
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringLiteral("at"), QStringLiteral("first row"), QStringLiteral("ROW")));
    QStringList files;
    int model = 0, exitCode = kExitOk;
    if (!ParseWithModel("import", args, 3, io, exitCode, files, model, parser)) return exitCode;
    CloneImage image;
    if (!Load(image, files[0], model, io)) return kExitFailure;
    const auto text = ReadCsvFile(files[1]);
    const bool chirp = text && DetectCsvKind(*text) == CsvKind::kChirp;
    std::optional<int> firstSlot;
    if (parser.isSet(QStringLiteral("at"))) {
        const QString row = parser.value(QStringLiteral("at"));
        if (!chirp && text) return UsageError(Self("import"), QStringLiteral("--at places the rows of a CHIRP list only"), io);
        firstSlot = MemorySlotOf(image, row);
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
