#include "app/transfer/transfer_runner.h"

#include <QMetaObject>
#include <QPointer>

#include "link/serial_trace.h"

namespace wrk7 {

TransferRunner::TransferRunner(QObject* parent) : QObject(parent) {
    qRegisterMetaType<wrk7::link::LinkResult>("wrk7::link::LinkResult");
}

TransferRunner::~TransferRunner() {
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
}

bool TransferRunner::SetPortFactory(PortFactory factory) {
    if (running_) return false;
    if (port_) port_->Close();
    port_.reset();
    factory_ = std::move(factory);
    return true;
}

bool TransferRunner::Start(const CloneImage& image, Operation op, const std::string& title) {
    if (running_) return false;
    if (worker_.joinable()) worker_.join();
    if (!port_ && factory_) port_ = factory_();
    work_ = std::make_shared<CloneImage>(image);
    cancel_ = false;
    running_ = true;
    const unsigned generation = ++generation_;
    link::LinkOptions options = baseOptions;
    options.cancel = &cancel_;
    QPointer<TransferRunner> self(this);
    options.progress = [self](int done, int total) {
        // Queued: the worker never waits for the window.
        QMetaObject::invokeMethod(self.data(), [self, done, total] {
            if (self) emit self->progress(done, total);
        }, Qt::QueuedConnection);
    };
    link::SerialPort* port = port_.get();
    CloneImage* work = work_.get();
    traceText_.clear();
    portError_.clear();
    worker_ = std::thread([this, self, op = std::move(op), options, port, work, generation, title] {
        link::LinkResult result;
        if (port) {
            link::SerialTrace trace;
            result = link::RunTraced(title, *port, trace, options,
                                     [&](link::SerialPort& traced, const link::LinkOptions& o) {
                                         return op(*work, traced, o);
                                     });
            traceText_ = trace.Text();
            portError_ = port->ErrorText();
            // Held open while idle, the port would keep other programs off
            // it, and a cable or receiver gone meanwhile would leave the next
            // transfer a dead line: each transfer opens it anew.
            port->Close();
        } else {
            result.outcome = link::LinkOutcome::kFailed;
            result.messages = {Say(link::kMsgComPortError)};
        }
        result_ = std::move(result);
        QMetaObject::invokeMethod(self.data(), [self, generation] {
            if (self) self->Deliver(generation);
        }, Qt::QueuedConnection);
    });
    return true;
}

void TransferRunner::WaitForFinish() {
    if (!running_) return;
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
    Deliver(generation_);
}

void TransferRunner::Deliver(unsigned generation) {
    if (generation != generation_ || delivered_ == generation) return;
    if (worker_.joinable()) worker_.join();
    delivered_ = generation;
    running_ = false;
    emit finished(TransferEnd{std::move(result_), std::move(work_), std::move(traceText_), std::move(portError_)});
}

}  // namespace wrk7
