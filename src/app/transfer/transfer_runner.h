#pragma once
#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "core/image.h"
#include "link/link_operations.h"
#include "link/serial_port.h"

namespace wrk7 {

// What an operation left: its result, the copy of the image it worked on and
// its serial trace (empty when no port was there to trace).
struct TransferEnd {
    link::LinkResult result;
    std::shared_ptr<const CloneImage> image;
    std::string trace;
    std::string portError;  // the port's last failure, for the log ("" when none)
};

// Runs one radio operation at a time on a worker thread, on its own copy of
// the image, so the window stays responsive and nothing the window does
// meanwhile can tear the image the operation is filling. Progress arrives on
// the UI thread as signals; at the end finished() hands over that image. The
// port is opened by each operation and closed when it ends.
class TransferRunner : public QObject {
    Q_OBJECT
public:
    using Operation =
        std::function<link::LinkResult(CloneImage&, link::SerialPort&, const link::LinkOptions&)>;
    using PortFactory = std::function<std::unique_ptr<link::SerialPort>()>;

    explicit TransferRunner(QObject* parent = nullptr);
    ~TransferRunner() override;

    // The port for the next operations; an open port is closed first (the
    // port choice changed). Refused while an operation runs.
    bool SetPortFactory(PortFactory factory);
    link::SerialPort* Port() const { return port_.get(); }

    // Starts op on a copy of image, with a serial trace headed by title;
    // false while another one runs.
    bool Start(const CloneImage& image, Operation op, const std::string& title = "transfer");
    bool IsRunning() const { return running_; }
    // Ends the operation after the exchange in flight.
    void Cancel() { cancel_ = true; }
    // Blocks until the worker has stopped and delivers finished() now.
    void WaitForFinish();

    // For tests: the deadline and tries of each exchange.
    link::LinkOptions baseOptions;

signals:
    void progress(int done, int total);
    void finished(const wrk7::TransferEnd& end);

private:
    void Deliver(unsigned generation);

    std::unique_ptr<link::SerialPort> port_;
    PortFactory factory_;
    std::shared_ptr<CloneImage> work_;
    link::LinkResult result_;
    std::string traceText_;
    std::string portError_;
    std::thread worker_;
    std::atomic<bool> cancel_{false};
    bool running_ = false;
    unsigned generation_ = 0;
    unsigned delivered_ = 0;
};

}  // namespace wrk7
