#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "emulator/emulator_port.h"
#include "emulator/memory_image.h"
#include "link/link_operations.h"

namespace wrk7::link::test {

// Tests wait 40 ms for an answer that will never come, not 500.
inline LinkOptions Quick() { return {.progress = {}, .replyDeadline = std::chrono::milliseconds(40)}; }

// A fault plan given as the words of --fault: Faults({"drop=3", "split"}).
inline emu::FaultPlan Faults(const std::vector<const char*>& words) {
    emu::FaultPlan plan;
    std::string error;
    for (const char* word : words) EXPECT_TRUE(emu::AddFault(plan, word, error)) << word << ": " << error;
    return plan;
}

// An in-process receiver of model with the demo image and faults, and its port.
struct Bench {
    std::shared_ptr<emu::Receiver> receiver;
    std::unique_ptr<emu::EmulatorPort> port;
    CloneImage demo;

    explicit Bench(int model = 0, emu::FaultPlan faults = {}) : receiver(std::make_shared<emu::Receiver>(model)), demo(emu::DemoImage(model)) {
        emu::StoreImage(receiver->Mem(), demo);
        receiver->LatchBankTable();
        receiver->SetFaults(std::move(faults));
        port = std::make_unique<emu::EmulatorPort>(receiver);
    }
    std::vector<std::string> Log() { return port->WithReceiver([](emu::Receiver& r) { return r.CommandLog(); }); }
};

// A port that answers each write with a scripted text (or nothing), for the
// classification of single exchanges.
class ScriptedPort final : public SerialPort {
public:
    std::deque<std::string> answers;  // one per Write
    std::vector<std::string> written;
    bool failOpen = false;
    bool failWrite = false;

    // arrived: what is waiting before the first write.
    explicit ScriptedPort(const std::vector<std::string>& script = {}, std::string arrived = {})
        : answers(script.begin(), script.end()), waiting_(std::move(arrived)) {}
    bool Open() override {
        fault_ = fault_ || failOpen;
        return open_ = !failOpen;
    }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    bool Write(std::string_view data) override {
        written.emplace_back(data);
        fault_ = fault_ || failWrite;
        if (!failWrite && !answers.empty()) {
            waiting_ += answers.front();
            answers.pop_front();
        }
        return !failWrite;
    }
    std::string ReadAvailable() override { return std::exchange(waiting_, {}); }
    Wait WaitForData(Clock::time_point) override { return waiting_.empty() ? Wait::kTimeout : Wait::kData; }
    bool HasFault() const override { return fault_; }
    std::string ErrorText() const override { return fault_ ? "scripted fault" : ""; }
    std::string Name() const override { return "scripted"; }

private:
    bool open_ = false;
    bool fault_ = false;
    std::string waiting_;
};

// The device behind inner going away and coming back: while lineDead, the
// held line fails as an unplugged adapter's does (and is closed); the next
// refusedOpens opens fail as for a device not back yet.
class UnpluggablePort final : public SerialPort {
public:
    explicit UnpluggablePort(SerialPort& inner) : inner_(inner) {}
    bool lineDead = false;
    int refusedOpens = 0;
    int opens = 0;

    bool Open() override {
        ++opens;
        if (refusedOpens > 0) {
            --refusedOpens;
            return Fail("No such file or directory");
        }
        lineDead = false;
        error_.clear();
        return inner_.Open();
    }
    void Close() override { inner_.Close(); }
    bool IsOpen() const override { return inner_.IsOpen(); }
    bool Write(std::string_view data) override { return lineDead ? Fail("Input/output error") : inner_.Write(data); }
    std::string ReadAvailable() override {
        if (lineDead) Fail("Input/output error");
        return lineDead ? std::string() : inner_.ReadAvailable();
    }
    Wait WaitForData(Clock::time_point deadline) override { return lineDead ? Wait::kFault : inner_.WaitForData(deadline); }
    bool HasFault() const override { return !error_.empty() || inner_.HasFault(); }
    std::string ErrorText() const override { return error_.empty() ? inner_.ErrorText() : error_; }
    std::string Name() const override { return "unpluggable"; }

private:
    bool Fail(const char* why) {
        error_ = std::string("unpluggable: ") + why;
        inner_.Close();
        return false;
    }
    SerialPort& inner_;
    std::string error_;
};

}  // namespace wrk7::link::test
