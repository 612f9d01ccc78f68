#include "app/transfer/cable_test_dialog.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/transfer/serial_traces.h"
#include "app/translation/said.h"
#include "core/models.h"
#include "diagnostics/port_doctor.h"
#include "link/serial_trace.h"
#include "ports/port_factory.h"

namespace wrk7 {

namespace {

QString ModelText(int model) {
    const std::string_view name = Model(model).name;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// A hint under its choice, indented to the choice's text.
QLabel* Hint(const QString& text, const char* name) {
    auto* hint = new QLabel(text);
    hint->setObjectName(QString::fromLatin1(name));
    hint->setWordWrap(true);
    hint->setIndent(24);
    return hint;
}

}  // namespace

CableTestDialog::CableTestDialog(const QString& portText, int model, const QString& traceFolder, QWidget* parent)
    : QDialog(parent), portText_(portText), model_(model), traceFolder_(traceFolder) {
    setObjectName(QStringLiteral("dlgCableTest"));
    setWindowTitle(tr("Cable Test"));
    qRegisterMetaType<wrk7::diagnostics::CableOutcome>("wrk7::diagnostics::CableOutcome");
    makePort = [](const std::string& text, int forModel) { return ports::MakePortFor(text, forModel); };
    options.heldElsewhere = diagnostics::HeldByAnotherProgram;

    auto* port = new QLabel(tr("Port: %1").arg(portText));
    port->setObjectName(QStringLiteral("lblCablePort"));
    loopback_ = new QRadioButton(tr("Loopback"));
    loopback_->setObjectName(QStringLiteral("optLoopback"));
    ask_ = new QRadioButton(tr("Ask the receiver"));
    ask_->setObjectName(QStringLiteral("optAskReceiver"));
    ask_->setChecked(true);
    auto* group = new QButtonGroup(this);
    group->addButton(ask_);
    group->addButton(loopback_);

    result_ = new QPlainTextEdit;
    result_->setObjectName(QStringLiteral("txtCableResult"));
    result_->setAccessibleName(tr("Result"));
    result_->setReadOnly(true);
    // Like a label's text it is read, and copied with the mouse, not tabbed
    // to; long runs of bytes have no spaces to wrap at.
    result_->setFocusPolicy(Qt::NoFocus);
    result_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    result_->setMinimumSize(520, 140);

    start_ = new QPushButton(tr("Start"));
    start_->setObjectName(QStringLiteral("cmdStart"));
    start_->setDefault(true);
    connect(start_, &QPushButton::clicked, this, &CableTestDialog::Start);
    auto* close = new QPushButton(tr("Close"));
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(start_);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(port);
    layout->addWidget(ask_);
    layout->addWidget(Hint(tr("Sends the identification of the %1 once and shows what answers it.")
                               .arg(ModelText(model)),
                           "lblAskHint"));
    layout->addWidget(loopback_);
    layout->addWidget(Hint(tr("Join transmit and receive (TX to RX) at the receiver end of the cable, with the "
                              "receiver unplugged."),
                           "lblLoopbackHint"));
    layout->addWidget(result_, 1);
    layout->addLayout(buttons);
}

CableTestDialog::~CableTestDialog() {
    if (worker_.joinable()) worker_.join();
}

void CableTestDialog::SetRunning(bool running) {
    start_->setEnabled(!running);
    loopback_->setEnabled(!running);
    ask_->setEnabled(!running);
}

void CableTestDialog::Start() {
    if (worker_.joinable()) return;  // one test at a time
    const diagnostics::CableTest test =
        loopback_->isChecked() ? diagnostics::CableTest::kLoopback : diagnostics::CableTest::kAskReceiver;
    std::shared_ptr<link::SerialPort> port = makePort(portText_.toStdString(), model_);
    SetRunning(true);
    result_->setPlainText(tr("Testing..."));
    worker_ = std::thread([this, test, port, model = model_, chosen = options] {
        link::SerialTrace trace;
        diagnostics::CableTestOptions traced = chosen;
        traced.trace = &trace;
        const diagnostics::CableTestResult result = diagnostics::RunCableTest(test, *port, model, traced);
        // Queued to the dialog: dropped if it is gone, which it cannot be
        // before this thread is joined.
        QMetaObject::invokeMethod(
            this, [this, result, text = trace.Text()] { Finish(result, text); }, Qt::QueuedConnection);
    });
}

void CableTestDialog::Finish(const diagnostics::CableTestResult& result, const std::string& trace) {
    if (worker_.joinable()) worker_.join();
    QStringList lines;
    if (result.test == diagnostics::CableTest::kLoopback && !result.sent.empty()) {
        lines << tr("Sent: %1 bytes, every value from 00 to FF and back").arg(result.sent.size());
    } else if (!result.sent.empty()) {
        lines << tr("Sent: %1").arg(QString::fromStdString(diagnostics::ShowLineBytes(result.sent)));
    }
    lines << Said(diagnostics::DescribeCableTest(result));
    // The pattern, sent to a receiver left on the cable, may end in the
    // middle of a command it still holds: the identification then reads as
    // that command's end. The next one is heard as it is.
    const bool misheard =
        result.outcome == diagnostics::CableOutcome::kRefused || result.outcome == diagnostics::CableOutcome::kGarbage;
    if (result.test == diagnostics::CableTest::kAskReceiver && loopbackSent_ && misheard)
        lines << tr("A loopback test was sent on this port before: a receiver on the cable may still hold part of "
                    "it. Start the test again to ask once more.");
    loopbackSent_ = result.test == diagnostics::CableTest::kLoopback && !result.sent.empty();
    if (!traceFolder_.isEmpty()) {
        QString error;
        const QString saved = SaveSerialTrace(trace, traceFolder_, QDateTime::currentDateTime(), &error);
        lines << (saved.isEmpty() ? tr("Serial trace not saved: %1").arg(error)
                                  : tr("Serial trace: %1").arg(QDir::toNativeSeparators(saved)));
    }
    result_->setPlainText(lines.join(QLatin1Char('\n')));
    SetRunning(false);
    emit testFinished(result.outcome);
}

}  // namespace wrk7
