#include "cli/cable_test_verb.h"

#include <QCommandLineParser>

#include "cli/link_verbs.h"
#include "core/models.h"
#include "files/text_file.h"
#include "diagnostics/cable_test.h"
#include "diagnostics/port_doctor.h"
#include "link/link_operations.h"
#include "link/serial_trace.h"
#include "ports/port_factory.h"

namespace wrk7::cli {

int RunCableTestVerb(const QCommandLineParser& parser, const Verb& verb, CliIo& io) {
    const QString portText = parser.value(QStringLiteral("test")).trimmed();
    if (portText.isEmpty()) return UsageError(verb, QStringLiteral("--test needs a port"), io);
    int model = 0;
    if (!ModelFromParser(parser, verb, io, model)) return kExitUsage;
    const bool loopback = parser.isSet(QStringLiteral("loopback"));
    const QString tracePath = parser.value(QStringLiteral("trace"));

    const auto port = ports::MakePortFor(portText.toStdString(), model);
    const diagnostics::CableTest test =
        loopback ? diagnostics::CableTest::kLoopback : diagnostics::CableTest::kAskReceiver;
    link::SerialTrace trace;
    diagnostics::CableTestOptions options;
    if (!tracePath.isEmpty()) options.trace = &trace;
    options.heldElsewhere = diagnostics::HeldByAnotherProgram;
    const diagnostics::CableTestResult result = diagnostics::RunCableTest(test, *port, model, options);

    // What went out, unless the port never opened.
    const QString name = QString::fromStdString(result.port);
    const std::string_view modelName = Model(model).name;
    if (!result.sent.empty() && loopback) {
        io.Out(QStringLiteral("Loopback on %1: %2 bytes sent").arg(name).arg(result.sent.size()));
    } else if (!result.sent.empty()) {
        io.Out(QStringLiteral("Asking the receiver on %1 (%2): sent %3")
                   .arg(name, QString::fromUtf8(modelName.data(), static_cast<qsizetype>(modelName.size())),
                        QString::fromStdString(diagnostics::ShowLineBytes(result.sent))));
    }
    for (const Message& said : diagnostics::DescribeCableTest(result)) io.Out(QString::fromStdString(said.English()));

    if (!tracePath.isEmpty()) {
        QString error;
        if (!WriteFileAtomically(tracePath, QByteArray::fromStdString(trace.Text()), &error))
            io.Err(QStringLiteral("Trace not written: %1: %2").arg(tracePath, error));
    }
    return ExitStatusOf(result.ExitOutcome());
}

}  // namespace wrk7::cli
