#include "ports/link_log.h"

#include "files/program_log.h"
#include "link/port_names.h"

namespace wrk7::ports {

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

std::string PortAndAdapter(const std::string& portText) {
    const link::PortChoice choice = link::ResolvePortName(portText);
    if (choice.kind == link::PortChoice::Kind::kEmulator) return "the built-in emulator";
    if (choice.device.empty()) return portText + " (no device)";
    std::string text = choice.device == portText ? portText : portText + " = " + choice.device;
    for (const diagnostics::SerialDevice& d : diagnostics::ExamineThisSystem().devices) {
        if (d.path != choice.device && d.byId != choice.device) continue;
        std::string behind = d.description.empty() ? d.chip : d.description;
        if (!d.chip.empty() && d.chip != behind) behind += ", " + d.chip;
        if (!d.serial.empty()) behind += ", serial " + d.serial;
        if (!d.driver.empty()) behind += ", driver " + d.driver;
        if (!behind.empty()) text += " (" + behind + ")";
        break;
    }
    return text;
}

void LogTransferStart(std::string_view title, const std::string& portText) {
    qCInfo(logLink).noquote() << Q(title) << "started on" << Q(PortAndAdapter(portText));
}

void LogTransferEnd(std::string_view title, const link::LinkResult& result, double seconds,
                    const std::string& portError) {
    QStringList said;
    for (const Message& m : result.messages) said << Q(m.English());
    if (!portError.empty()) said << QStringLiteral("port: ") + Q(portError);
    const QString end = QStringLiteral("%1 ended: result %2%3 after %4 s, %5 blocks written%6")
                            .arg(Q(title))
                            .arg(link::NumberOf(result.outcome))
                            .arg(result.cancelled ? QStringLiteral(" (cancelled)") : QString())
                            .arg(seconds, 0, 'f', 2)
                            .arg(result.blocksWritten)
                            .arg(said.isEmpty() ? QString() : QStringLiteral(": ") + said.join(QStringLiteral(" / ")));
    if (result.ok()) qCInfo(logLink).noquote() << end;
    else qCWarning(logLink).noquote() << end;
}

void LogPortReport(const diagnostics::PortReport& report) {
    if (!report.readable) {
        qCWarning(logDiagnostics) << "port doctor: the system's serial devices could not be read";
        return;
    }
    qCInfo(logDiagnostics).noquote() << QStringLiteral("port doctor: %1 serial device(s)").arg(report.devices.size());
    for (const diagnostics::SerialDevice& d : report.devices) {
        QStringList troubles;
        for (const diagnostics::PortTrouble& t : d.troubles) troubles << QString::fromLatin1(diagnostics::TroubleName(t.kind));
        qCInfo(logDiagnostics).noquote()
            << QStringLiteral("  %1 %2:%3 %4 %5 serial %6 driver %7 %8 problem %9 latency %10 ms; troubles: %11")
                   .arg(Q(d.path.empty() ? "(no port)" : d.path), Q(diagnostics::HexId(d.vendor)), Q(diagnostics::HexId(d.product)),
                        Q(d.chip.empty() ? "-" : d.chip), Q(d.description), Q(d.serial.empty() ? "-" : d.serial),
                        Q(d.driver), Q(d.driverVersion))
                   .arg(d.problem)
                   .arg(d.latencyMs)
                   .arg(troubles.isEmpty() ? QStringLiteral("none") : troubles.join(QLatin1Char(' ')));
    }
}

}  // namespace wrk7::ports
