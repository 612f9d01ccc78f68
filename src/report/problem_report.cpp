#include "report/problem_report.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>

#include "files/backup_files.h"
#include "files/clone_file.h"
#include "files/data_folders.h"
#include "files/preferences.h"
#include "files/program_log.h"
#include "program_version.h"
#include "report/port_report_text.h"
#include "report/redaction.h"
#include "report/zip_archive.h"

namespace wrk7::report {

namespace {

constexpr qint64 kLargestPartBytes = 8 << 20;  // a log is capped far below; anything larger is no file of ours

QStringList Newest(const QString& folder, const QStringList& patterns, int count) {
    QStringList out;
    const QDir dir(folder);
    // Their names hold the time they were saved at: by name is by age.
    QStringList names = dir.entryList(patterns, QDir::Files, QDir::Name);
    for (qsizetype i = names.size() - 1; i >= 0 && out.size() < count; --i) out << dir.filePath(names[i]);
    return out;
}

QStringList SettingsLines(const ReportSources& sources) {
    const std::unique_ptr<QSettings> store =
        sources.settingsFile.isEmpty()
            ? std::make_unique<QSettings>(QString::fromUtf8(kSettingsOrganisation.data()), QString::fromUtf8(kSettingsApplication.data()))
            : std::make_unique<QSettings>(sources.settingsFile, QSettings::IniFormat);
    QStringList lines{QStringLiteral("port file: COM%1").arg(sources.portNumber), QStringLiteral("settings store: %1").arg(store->fileName())};
    for (const QString& key : store->allKeys()) lines << QStringLiteral("%1=%2").arg(key, store->value(key).toString());
    return lines;
}

std::optional<QByteArray> ReadPart(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestPartBytes) return std::nullopt;
    return file.readAll();
}

// The clone file at path with its names and notes blanked, through a load
// and a save as the program itself does them; nullopt when it cannot load.
std::optional<QByteArray> WithoutNames(const QString& path, int model, QString& why) {
    CloneImage image;
    image.model = model;
    const FileResult loaded = LoadCloneFile(image, path, {});
    if (!loaded.ok) {
        why = loaded.messages.empty() ? QStringLiteral("it could not be read") : QString::fromStdString(loaded.messages.front().English());
        return std::nullopt;
    }
    LeaveOutNamesAndNotes(image);
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.WK7"));
    if (!dir.isValid() || !SaveCloneFile(image, copy).ok) {
        why = QStringLiteral("no copy could be made");
        return std::nullopt;
    }
    return ReadPart(copy);
}

}  // namespace

ReportSources ThisMachinesSources() {
    ReportSources sources;
    sources.traces = DataFolderPart("traces");
    sources.backups = DefaultBackupFolder();
    sources.logs = LogFiles();
    sources.portNumber = ReadPortFile();
    sources.examine = diagnostics::ExamineThisSystem;
    return sources;
}

QString AboutThisMachine(const QDateTime& now) {
    return QStringLiteral("WR-K7 Clone Utility %1\nmade: %2\nsystem: %3 (%4 %5, %6)\nQt: %7 (built with %8)\n")
        .arg(QString::fromLatin1(kProgramVersion), now.toString(Qt::ISODate), QSysInfo::prettyProductName(),
             QSysInfo::kernelType(), QSysInfo::kernelVersion(), QSysInfo::currentCpuArchitecture(), QString::fromLatin1(qVersion()),
             QStringLiteral(QT_VERSION_STR));
}

std::vector<ReportPart> ReportParts(const ReportSources& sources) {
    std::vector<ReportPart> parts{
        {QStringLiteral("about.txt"), {}, QStringLiteral("the program's version, the system and Qt")},
        {QStringLiteral("port-doctor.txt"), {}, QStringLiteral("the port doctor's report")},
        {QStringLiteral("settings.txt"), {}, QStringLiteral("the port settings and the other choices kept")},
    };
    for (const QString& log : sources.logs) parts.push_back({QStringLiteral("logs/") + QFileInfo(log).fileName(), log, QStringLiteral("log")});
    for (const QString& trace : Newest(sources.traces, {QStringLiteral("trace-*.txt")}, kReportTraces))
        parts.push_back({QStringLiteral("traces/") + QFileInfo(trace).fileName(), trace, QStringLiteral("serial trace")});
    for (const QString& backup : Newest(sources.backups, {QStringLiteral("*.WK7")}, kReportBackups))
        parts.push_back({QStringLiteral("backups/") + QFileInfo(backup).fileName(), backup, QStringLiteral("backup")});
    const QString models = QDir(sources.backups).filePath(QString::fromLatin1(kBackupModelsFile));
    if (QFileInfo::exists(models)) parts.push_back({QStringLiteral("backups/") + QString::fromLatin1(kBackupModelsFile), models, QStringLiteral("the backups' models")});
    return parts;
}

ReportOutcome SaveProblemReport(const ReportSources& sources, bool withoutNames, const QString& zipPath,
                                const QDateTime& now) {
    ReportOutcome outcome;
    ZipArchive zip;
    const QHash<QString, int> models = RecordedBackupModels(sources.backups);
    for (const ReportPart& part : ReportParts(sources)) {
        std::optional<QByteArray> data;
        QString why = QStringLiteral("it could not be read");
        if (part.name == QLatin1String("about.txt")) {
            data = AboutThisMachine(now).toUtf8() + (withoutNames ? "names and notes: left out\n" : "");
        } else if (part.name == QLatin1String("port-doctor.txt")) {
            data = (PortReportLines(sources.examine ? sources.examine() : diagnostics::PortReport{}).join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
        } else if (part.name == QLatin1String("settings.txt")) {
            data = (SettingsLines(sources).join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
        } else if (withoutNames && part.what == QLatin1String("backup")) {
            data = WithoutNames(part.source, models.value(QFileInfo(part.source).fileName(), 0), why);
        } else {
            data = ReadPart(part.source);
            if (data && withoutNames && part.what == QLatin1String("serial trace"))
                data = QByteArray::fromStdString(LeaveOutNamesInTrace(data->toStdString()));
        }
        if (!data) {
            outcome.leftOut << QStringLiteral("%1: %2").arg(part.name, why);
            continue;
        }
        const QDateTime modified = part.source.isEmpty() ? now : QFileInfo(part.source).lastModified();
        zip.Add(part.name, *data, modified);
    }
    if (!outcome.leftOut.isEmpty()) zip.Add(QStringLiteral("left-out.txt"), (outcome.leftOut.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(), now);
    outcome.files = zip.Count();
    QSaveFile file(zipPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(zip.Finish()) < 0 || !file.commit()) {
        outcome.error = file.errorString();
        return outcome;
    }
    outcome.ok = true;
    qCInfo(logDiagnostics).noquote() << "problem report saved:" << zipPath << outcome.files << "files" << (withoutNames ? "without names and notes" : "");
    return outcome;
}

}  // namespace wrk7::report
