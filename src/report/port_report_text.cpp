#include "report/port_report_text.h"

#include <algorithm>

namespace wrk7::report {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString UsbId(const diagnostics::SerialDevice& d) {
    return d.usb.empty() ? QString() : Q(diagnostics::HexId(d.vendor) + ':' + diagnostics::HexId(d.product));
}

}  // namespace

QStringList PortReportLines(const diagnostics::PortReport& report) {
    QStringList out;
    const bool anyPort = std::any_of(report.devices.begin(), report.devices.end(),
                                     [](const diagnostics::SerialDevice& d) { return !d.path.empty(); });
    if (!anyPort) out << QStringLiteral("No serial device found.");
    bool first = anyPort;
    for (const diagnostics::SerialDevice& d : report.devices) {
        if (!first) out << QString();
        first = false;
        out << (d.path.empty() ? QStringLiteral("USB %1: no serial port").arg(Q(d.usb)) : Q(d.path));
        auto field = [&out](const char* name, const QString& value) {
            if (!value.isEmpty()) out << QStringLiteral("  %1 %2").arg(QString::fromLatin1(name), -9).arg(value);
        };
        field("by-id:", Q(d.byId));
        if (!d.usb.empty())
            field("USB:", UsbId(d) + QStringLiteral(" at ") + Q(d.usb) +
                              (d.description.empty() ? QString() : QStringLiteral(" (%1)").arg(Q(d.description))));
        field("chip:", Q(d.chip));
        field("driver:", Q(d.driver));
        field("serial:", Q(d.serial));
        field("package:", Q(diagnostics::DriverPackage(d)));
        if (d.problem != 0) field("problem:", QStringLiteral("code %1").arg(d.problem));
        if (d.latencyMs != 0)
            field("latency:", QStringLiteral("%1 ms").arg(d.latencyMs) +
                                  (diagnostics::LowLatencyOnOpen(d) ? QStringLiteral(" (1 ms while this program has it open)")
                                                                    : QString()));
        for (const diagnostics::PortTrouble& t : d.troubles) {
            out << (QStringLiteral("  trouble (%1): %2")
                       .arg(QString::fromLatin1(diagnostics::TroubleName(t.kind)), Q(t.text.English())));
            const QStringList lines = Q(diagnostics::RemedyEnglish(t)).split('\n');
            for (qsizetype i = 0; i < lines.size(); ++i)
                out << (i == 0 ? QStringLiteral("    remedy: ") : QStringLiteral("            ")) + lines[i];
        }
    }
    return out;
}

}  // namespace wrk7::report
