#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "diagnostics/port_doctor.h"

namespace wrk7::report {

// Where a problem report takes its parts from; tests point them elsewhere.
struct ReportSources {
    QString traces;         // the serial traces' folder
    QString backups;        // the backups' folder
    QStringList logs;       // the programs' log files
    QString settingsFile;   // "" for the per-user settings store
    int portNumber = 0;     // the port file's number
    std::function<diagnostics::PortReport()> examine;  // the port doctor
};
// This machine's, as both programs keep them.
ReportSources ThisMachinesSources();

inline constexpr int kReportTraces = 5;   // the newest, of each kind of file
inline constexpr int kReportBackups = 5;

// One file of the report: its name inside, where it comes from ("" for a
// text made for the report) and what it is, for the list shown first.
struct ReportPart {
    QString name;
    QString source;
    QString what;
};
std::vector<ReportPart> ReportParts(const ReportSources& sources);

struct ReportOutcome {
    bool ok = false;
    QString error;         // why the ZIP could not be written
    int files = 0;
    QStringList leftOut;   // parts that could not go in, and why
};
// Writes the report as one ZIP at zipPath. With withoutNames, every clone
// file and trace in it has its names and notes blanked; a clone file that
// cannot be read to blank them stays out, named in leftOut.
ReportOutcome SaveProblemReport(const ReportSources& sources, bool withoutNames, const QString& zipPath,
                                const QDateTime& now);

// The program, the system and Qt: the first part of every report.
QString AboutThisMachine(const QDateTime& now);

}  // namespace wrk7::report
