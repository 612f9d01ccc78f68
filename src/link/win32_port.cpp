// The system's own COM port through the Win32 communications API. Reads are
// overlapped and waited for on an event, so a wait costs no CPU, and a read
// asks for as many characters as the caller can use, so an answer arriving at
// line speed wakes the thread once.
#ifdef _WIN32
#include <windows.h>

#include <algorithm>

#include "link/serial_port.h"

namespace wrk7::link {

namespace {

constexpr std::size_t kBufferSize = 4096;
// One character at 38400 baud 8N1: ten bits.
constexpr std::chrono::nanoseconds kCharacterTime{260417};
// What a USB adapter may hold a character back before the host has it (a
// frame of the bus); a sleep while an answer crosses the line ends this much
// early, so it never outlasts the answer.
constexpr std::chrono::milliseconds kDeliverySlack{1};
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

// The system's reason for the last failure, on one line.
std::string SystemText(DWORD code) {
    char* text = nullptr;
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string out = n ? std::string(text, n) : "error " + std::to_string(code);
    if (text) LocalFree(text);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == '.')) out.pop_back();
    return out;
}

class Win32Port final : public SerialPort {
public:
    Win32Port(std::string name, std::string chosen) : name_(std::move(name)), chosen_(std::move(chosen)) {}
    ~Win32Port() override { Close(); }

    bool Open() override {
        Close();
        fault_ = false;
        error_.clear();
        if (name_.empty()) return Fail("no such serial port");
        // COM10 and above exist only under the device namespace.
        const std::string device = name_.rfind("\\\\", 0) == 0 ? name_ : "\\\\.\\" + name_;
        handle_ = CreateFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OVERLAPPED, nullptr);
        if (handle_ == INVALID_HANDLE_VALUE) {
            const DWORD code = GetLastError();
            // The same words as the POSIX port, so both say the same thing.
            if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
                return Fail(name_ + ": No such file or directory");
            if (code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION)
                return Fail(name_ + ": the port is in use");
            return Fail(name_ + ": " + SystemText(code));
        }
        readEvent_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        writeEvent_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        // Only a timer to the millisecond and finer is of use (Windows 10
        // 1803 on); without one nothing is slept (see SleepWhileCrossing).
        timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
        if (!readEvent_ || !writeEvent_) return Fail(name_ + ": " + SystemText(GetLastError()));
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        if (!GetCommState(handle_, &dcb)) return Fail(name_ + ": not a serial port");
        dcb.BaudRate = CBR_38400;
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.StopBits = ONESTOPBIT;
        dcb.fBinary = TRUE;
        dcb.fParity = FALSE;
        dcb.fOutxCtsFlow = FALSE;
        dcb.fOutxDsrFlow = FALSE;
        dcb.fDsrSensitivity = FALSE;
        dcb.fOutX = FALSE;
        dcb.fInX = FALSE;
        dcb.fNull = FALSE;
        dcb.fAbortOnError = FALSE;
        // The interface cable may be powered from DTR and RTS.
        dcb.fDtrControl = DTR_CONTROL_ENABLE;
        dcb.fRtsControl = RTS_CONTROL_ENABLE;
        if (!SetCommState(handle_, &dcb)) return Fail(name_ + ": " + SystemText(GetLastError()));
        // No timeouts: a read ends when all it asked for is in, and the
        // caller's deadline ends the wait instead (see WaitForData).
        COMMTIMEOUTS timeouts{};
        timeouts.WriteTotalTimeoutConstant = 1000;
        if (!SetCommTimeouts(handle_, &timeouts)) return Fail(name_ + ": " + SystemText(GetLastError()));
        PurgeComm(handle_, PURGE_RXCLEAR | PURGE_TXCLEAR);
        return true;
    }

    void Close() override {
        if (handle_ != INVALID_HANDLE_VALUE) {
            if (pending_) {
                CancelIo(handle_);
                DWORD n = 0;
                GetOverlappedResult(handle_, &readOv_, &n, TRUE);
                pending_ = false;
            }
            CloseHandle(handle_);
        }
        if (readEvent_) CloseHandle(readEvent_);
        if (writeEvent_) CloseHandle(writeEvent_);
        if (timer_) CloseHandle(timer_);
        handle_ = INVALID_HANDLE_VALUE;
        readEvent_ = writeEvent_ = timer_ = nullptr;
        arrived_.clear();
    }

    bool IsOpen() const override { return handle_ != INVALID_HANDLE_VALUE; }

    bool Write(std::string_view data) override {
        if (!IsOpen()) return Fail("the port is not open");
        arrivedSinceWrite_ = false;
        while (!data.empty()) {
            OVERLAPPED ov{};
            // WriteFile resets the event itself; under Wine every call on an
            // event is a round trip to its server.
            ov.hEvent = writeEvent_;
            DWORD n = 0;
            if (!WriteFile(handle_, data.data(), static_cast<DWORD>(data.size()), &n, &ov)) {
                if (GetLastError() != ERROR_IO_PENDING || !GetOverlappedResult(handle_, &ov, &n, TRUE))
                    return Fail(name_ + ": " + SystemText(GetLastError()));
            }
            if (n == 0) return Fail(name_ + ": the line does not take data");
            data.remove_prefix(n);
        }
        return true;
    }

    std::string ReadAvailable() override {
        std::string out;
        out.swap(arrived_);
        if (!IsOpen()) return out;
        if (pending_) {
            // A read still waiting for its count: what it has so far is only
            // had by ending it.
            if (!FinishPending(false) && pending_) CancelPending();
            out += arrived_;
            arrived_.clear();
            if (!IsOpen()) return out;
        }
        for (;;) {
            DWORD errors = 0;
            COMSTAT status{};
            if (!ClearCommError(handle_, &errors, &status)) {
                Fail(name_ + ": " + SystemText(GetLastError()));
                break;
            }
            if (status.cbInQue == 0) break;
            // What is queued is there: this read ends at once.
            const DWORD want = std::min<DWORD>(status.cbInQue, kBufferSize);
            if (!StartRead(want) || (pending_ && !FinishPending(true))) break;
            out += arrived_;
            arrived_.clear();
        }
        return out;
    }

    Wait WaitForData(Clock::time_point deadline) override {
        if (!IsOpen()) return Wait::kFault;
        if (!arrived_.empty()) return Wait::kData;
        if (!pending_) SleepWhileCrossing(deadline);
        if (!pending_ && !StartRead(want_)) return Wait::kFault;
        if (!pending_) return Wait::kData;  // the characters were already in
        for (;;) {
            const auto left = deadline - Clock::now();
            if (left <= Clock::duration::zero()) return Wait::kTimeout;
            const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
            const DWORD r = WaitForSingleObject(readEvent_, static_cast<DWORD>(std::min<long long>(ms, 60000)));
            if (r == WAIT_OBJECT_0) {
                if (!FinishPending(true)) return Wait::kFault;
                return Wait::kData;
            }
            if (r != WAIT_TIMEOUT) {
                Fail(name_ + ": " + SystemText(GetLastError()));
                return Wait::kFault;
            }
        }
    }

    // A read pending for many characters costs Wine a wake-up of its server
    // and of this thread for every piece the line brings: until the answer
    // has begun a read waits for one character, and then the rest is slept
    // through while it crosses the line. Windows itself completes the read
    // in its driver either way.
    void ExpectAtLeast(std::size_t count) override {
        hint_ = std::clamp<std::size_t>(count, 1, kBufferSize);
        want_ = arrivedSinceWrite_ ? hint_ : 1;
    }

    bool HasFault() const override { return fault_; }
    std::string ErrorText() const override { return error_; }
    std::string Name() const override {
        if (!name_.empty()) return name_;
        return chosen_.empty() ? "no port chosen" : chosen_ + " (no device)";
    }

private:
    // The hint_ characters still missing of an answer that has begun cannot
    // all be in before they have crossed the line at its speed.
    void SleepWhileCrossing(Clock::time_point deadline) {
        if (!timer_ || !arrivedSinceWrite_ || hint_ <= 1) return;
        const auto crossing = std::chrono::duration_cast<Clock::duration>(static_cast<Clock::rep>(hint_ - 1) * kCharacterTime);
        const auto left = std::min(deadline, lastArrival_ + crossing - kDeliverySlack) - Clock::now();
        if (left <= Clock::duration::zero()) return;
        LARGE_INTEGER due{};
        due.QuadPart = -static_cast<LONGLONG>(std::chrono::duration_cast<std::chrono::nanoseconds>(left).count() / 100);
        if (SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE)) WaitForSingleObject(timer_, INFINITE);
    }

    // Starts an overlapped read of count characters; one that ends at once
    // leaves them in arrived_. False on a failure (the port is then closed).
    bool StartRead(std::size_t count) {
        // ReadFile resets the event itself.
        readOv_ = OVERLAPPED{};
        readOv_.hEvent = readEvent_;
        DWORD n = 0;
        if (ReadFile(handle_, buffer_, static_cast<DWORD>(count), &n, &readOv_)) return Took(n);
        if (GetLastError() != ERROR_IO_PENDING) return Fail(name_ + ": " + SystemText(GetLastError()));
        pending_ = true;
        return true;
    }

    // Collects the pending read, waiting for it when wait is set. False when
    // it has not ended (and wait is not set) or failed.
    bool FinishPending(bool wait) {
        DWORD n = 0;
        if (!GetOverlappedResult(handle_, &readOv_, &n, wait ? TRUE : FALSE)) {
            if (!wait && GetLastError() == ERROR_IO_INCOMPLETE) return false;
            pending_ = false;
            return Fail(name_ + ": " + SystemText(GetLastError()));
        }
        pending_ = false;
        return Took(n);
    }

    // Ends a pending read early, keeping the characters it already has.
    void CancelPending() {
        CancelIo(handle_);
        DWORD n = 0;
        const BOOL done = GetOverlappedResult(handle_, &readOv_, &n, TRUE);
        pending_ = false;
        if (done || GetLastError() == ERROR_OPERATION_ABORTED) {
            arrived_.append(buffer_, n);
            if (n > 0) {
                arrivedSinceWrite_ = true;
                lastArrival_ = Clock::now();
            }
        } else {
            Fail(name_ + ": " + SystemText(GetLastError()));
        }
    }

    // A read without timeouts that ends with nothing means the line is gone.
    bool Took(DWORD n) {
        if (n == 0) return Fail(name_ + ": the line was hung up");
        arrived_.append(buffer_, n);
        arrivedSinceWrite_ = true;
        lastArrival_ = Clock::now();
        return true;
    }

    bool Fail(std::string text) {
        fault_ = true;
        error_ = std::move(text);
        const std::string keep = std::move(arrived_);
        Close();
        arrived_ = keep;  // what came before the failure is still given out
        return false;
    }

    std::string name_;
    std::string chosen_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    HANDLE readEvent_ = nullptr;
    HANDLE writeEvent_ = nullptr;
    HANDLE timer_ = nullptr;
    OVERLAPPED readOv_{};
    bool pending_ = false;
    std::size_t want_ = 1;  // what the next read asks for
    std::size_t hint_ = 1;  // the last ExpectAtLeast
    bool arrivedSinceWrite_ = false;  // the answer to the last write has begun
    Clock::time_point lastArrival_{};
    std::string arrived_;
    bool fault_ = false;
    std::string error_;
    char buffer_[kBufferSize];
};

}  // namespace

std::unique_ptr<SerialPort> MakeDevicePort(std::string path, std::string chosen) {
    return std::make_unique<Win32Port>(std::move(path), std::move(chosen));
}

}  // namespace wrk7::link

#endif  // _WIN32
