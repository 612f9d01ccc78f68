#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "cli/cable_test_verb.h"
#include "cli/verb_ports.h"
#include "diagnostics/port_doctor.h"
#include "ports/link_log.h"
#include "report/port_report_text.h"

namespace wrk7::cli {

namespace {
const QCommandLineOption kJson(QStringLiteral("json"));
const QCommandLineOption kRoot(QStringLiteral("root"), QString(), QStringLiteral("DIR"));
const QCommandLineOption kTest(QStringLiteral("test"), QString(), QStringLiteral("PORT"));
const QCommandLineOption kLoopback(QStringLiteral("loopback"));
const QCommandLineOption kTrace(QStringLiteral("trace"), QString(), QStringLiteral("FILE"));

QString Q(const std::string& text) { return QString::fromStdString(text); }

QJsonDocument Json(const diagnostics::PortReport& report) {
    QJsonArray devices;
    for (const diagnostics::SerialDevice& d : report.devices) {
        QJsonArray troubles;
        for (const diagnostics::PortTrouble& t : d.troubles)
            troubles.append(QJsonObject{{"kind", QString::fromLatin1(diagnostics::TroubleName(t.kind))},
                                        {"text", Q(t.text.English())},
                                        {"remedy", Q(diagnostics::RemedyEnglish(t))}});
        devices.append(QJsonObject{{"path", Q(d.path)},
                                   {"byId", Q(d.byId)},
                                   {"usb", Q(d.usb)},
                                   {"vendorId", d.usb.empty() ? QString() : Q(diagnostics::HexId(d.vendor))},
                                   {"productId", d.usb.empty() ? QString() : Q(diagnostics::HexId(d.product))},
                                   {"description", Q(d.description)},
                                   {"chip", Q(d.chip)},
                                   {"driver", Q(d.driver)},
                                   {"serial", Q(d.serial)},
                                   {"driverProvider", Q(d.driverProvider)},
                                   {"driverVersion", Q(d.driverVersion)},
                                   {"driverDate", Q(d.driverDate)},
                                   {"problem", d.problem},
                                   {"latencyMs", d.latencyMs},
                                   {"troubles", troubles}});
    }
    return QJsonDocument(devices);
}

}  // namespace

// Lists the serial devices and what stands in their way; with --test it
// hands over to the cable test.
int RunPorts(const QStringList& args, CliIo& io) {
    const Verb& verb = *FindVerb(QStringLiteral("ports"));
    QCommandLineParser parser;
    AddModelOption(parser);
    for (const auto& o : {kJson, kRoot, kTest, kLoopback, kTrace}) parser.addOption(o);
    int exitCode = kExitOk;
    if (!ParseVerbArgs(parser, verb, args, 0, io, exitCode)) return exitCode;
    if (parser.isSet(kTest)) return RunCableTestVerb(parser, verb, io);
    for (const char* name : {"loopback", "model", "trace"})
        if (parser.isSet(QString::fromLatin1(name)))
            return UsageError(verb, QStringLiteral("--%1 goes with --test PORT").arg(QString::fromLatin1(name)), io);

    std::vector<std::string> faults;
    const diagnostics::PortReport report =
        parser.isSet(kRoot) ? diagnostics::ExamineCopyAt(parser.value(kRoot).toStdString(), faults)
                            : diagnostics::ExamineThisSystem();
    for (const std::string& fault : faults) io.Err(QStringLiteral("%1: %2").arg(parser.value(kRoot), Q(fault)));
    if (!parser.isSet(kRoot)) ports::LogPortReport(report);
    if (!report.readable) {
        const QString where = parser.isSet(kRoot) ? parser.value(kRoot) : QStringLiteral("/");
        io.Err(QStringLiteral("cannot read the serial devices under %1 (sys/class/tty)").arg(where));
        return kExitFailure;
    }
    if (parser.isSet(kJson)) {
        io.Out(QString::fromUtf8(Json(report).toJson(QJsonDocument::Indented)).trimmed());
    } else {
        for (const QString& line : report::PortReportLines(report)) io.Out(line);
    }
    return kExitOk;
}

}  // namespace wrk7::cli
