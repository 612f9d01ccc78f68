// The operations of the buttons and menu commands, each a sequence of steps
// of LinkSession with what a failure of each shows. A sequence ends at its
// first step that fails, with that step's result; one that runs through
// says "Successed!!".
#include "link/link_operations.h"

#include <algorithm>
#include <array>
#include <optional>

#include "edit/bank.h"

namespace wrk7::link {

namespace {

// What a step's failure shows beyond what the step itself said.
struct OnFailure {
    std::optional<MessageId> refused;  // the receiver refused the identification
    std::optional<MessageId> failed;   // every other failure
};
// A button's outcome: the region refusal, or the button's failure message.
constexpr OnFailure Concluded(MessageId failed) { return {kMsgRegionError, failed}; }
// The same message whatever failed.
constexpr OnFailure Always(MessageId message) { return {message, message}; }
// Nothing more.
constexpr OnFailure kQuiet{};

struct Step {
    StepResult (*run)(LinkSession& session);
    OnFailure failure;
};

StepResult Identify(LinkSession& s) { return s.SendIdentification(); }
StepResult Finish(LinkSession& s) { return s.SendFinish(); }
StepResult ReadSettings(LinkSession& s) { return s.ReadSettings(); }
StepResult ReadMemory(LinkSession& s) { return s.ReadMemory(); }
StepResult ReadBank(LinkSession& s) { return s.ReadBank(); }
StepResult ReadGroups(LinkSession& s) { return s.ReadGroups(); }
StepResult WriteSettings(LinkSession& s) { return s.WriteSettings(); }
StepResult WriteMemory(LinkSession& s) { return s.WriteMemory(); }
StepResult WriteBank(LinkSession& s) { return s.WriteBank(LinkSession::BankWrite::kAlone); }
StepResult WriteGroups(LinkSession& s) { return s.WriteGroups(); }
StepResult WriteZeroFill(LinkSession& s) { return s.WriteZeroFill(); }

// A part's steps in order; the unused ones at the end have no run.
struct Sequence {
    Part part;
    std::array<Step, 3> steps;
};

constexpr Sequence kReads[] = {
    {Part::kSettings, {{{&ReadSettings, Concluded(kMsgReadFailed)}}}},
    {Part::kMemory, {{{&ReadMemory, Concluded(kMsgReadFailed)}}}},
    {Part::kBank, {{{&ReadBank, Concluded(kMsgReadFailed)}, {&ReadGroups, kQuiet}}}},
    {Part::kGroups, {{{&Identify, Concluded(kMsgReadFailed)}, {&ReadGroups, kQuiet}}}},
    {Part::kAll, {{{&ReadSettings, Concluded(kMsgReadFailed)}, {&ReadMemory, Always(kMsgReadFailed)}}}},
};

constexpr Sequence kWrites[] = {
    {Part::kSettings, {{{&WriteSettings, Concluded(kMsgWriteFailed)}}}},
    {Part::kMemory, {{{&WriteMemory, Concluded(kMsgWriteFailed)}, {&Finish, Always(kMsgWriteFailed)}}}},
    {Part::kBank, {{{&WriteBank, Concluded(kMsgWriteFailed)}, {&WriteZeroFill, kQuiet}}}},
    {Part::kGroups, {{{&Identify, Concluded(kMsgWriteFailed)}, {&WriteGroups, Concluded(kMsgWriteFailed)}}}},
    {Part::kAll,
     {{{&WriteSettings, Concluded(kMsgWriteFailed)},
       {&WriteMemory, Always(kMsgWriteFailed)},
       {&Finish, Always(kMsgCommunicationError)}}}},
};

template <std::size_t N>
const Sequence& SequenceOf(const Sequence (&table)[N], Part part) {
    for (const Sequence& sequence : table)
        if (sequence.part == part) return sequence;
    return table[N - 1];
}

LinkResult Run(const Sequence& sequence, LinkSession& session) {
    StepResult result = StepResult::kOk;
    for (const Step& step : sequence.steps) {
        if (!step.run) break;
        result = step.run(session);
        if (result == StepResult::kOk) continue;
        const std::optional<MessageId>& said =
            result == StepResult::kRefused ? step.failure.refused : step.failure.failed;
        if (said) session.AddMessage(*said);
        break;
    }
    if (result == StepResult::kOk) session.AddMessage(kMsgSuccess);
    LinkResult out;
    out.outcome = OutcomeOf(result);
    out.messages = session.Messages();
    out.cancelled = session.Cancelled();
    out.blocksWritten = session.BlocksWritten();
    return out;
}

LinkResult Read(Part part, CloneImage& image, SerialPort& port, const LinkOptions& options) {
    LinkSession session(image, port, options);
    return Run(SequenceOf(kReads, part), session);
}

LinkResult Write(Part part, const CloneImage& image, SerialPort& port, const LinkOptions& options) {
    LinkSession session(image, port, options);
    return Run(SequenceOf(kWrites, part), session);
}

}  // namespace

LinkResult ReadAll(CloneImage& image, SerialPort& port, const LinkOptions& options) {
    return Read(Part::kAll, image, port, options);
}
LinkResult ReadMemorySequence(CloneImage& image, SerialPort& port, const LinkOptions& options) {
    return Read(Part::kMemory, image, port, options);
}
LinkResult ReadSettingsSequence(CloneImage& image, SerialPort& port, const LinkOptions& options) {
    return Read(Part::kSettings, image, port, options);
}
LinkResult ReadBankSequence(CloneImage& image, SerialPort& port, const LinkOptions& options) {
    return Read(Part::kBank, image, port, options);
}
LinkResult ReadGroupSequence(CloneImage& image, SerialPort& port, const LinkOptions& options) {
    return Read(Part::kGroups, image, port, options);
}

LinkResult WriteAll(const CloneImage& image, SerialPort& port, const LinkOptions& options) {
    return Write(Part::kAll, image, port, options);
}
LinkResult WriteMemorySequence(const CloneImage& image, SerialPort& port, const LinkOptions& options) {
    return Write(Part::kMemory, image, port, options);
}
LinkResult WriteSettingsSequence(const CloneImage& image, SerialPort& port, const LinkOptions& options) {
    return Write(Part::kSettings, image, port, options);
}
LinkResult WriteBankSequence(const CloneImage& image, SerialPort& port, const LinkOptions& options) {
    return Write(Part::kBank, image, port, options);
}
LinkResult WriteGroupSequence(const CloneImage& image, SerialPort& port, const LinkOptions& options) {
    return Write(Part::kGroups, image, port, options);
}

LinkResult RunRead(Part part, CloneImage& image, SerialPort& port, const LinkOptions& options) {
    return Read(part, image, port, options);
}

LinkResult RunWrite(Part part, const CloneImage& image, SerialPort& port, const LinkOptions& options) {
    // The receiver refuses a bank table that does not add up to 1000, so
    // nothing is sent; the window says it before it starts (BankTotalRefusal).
    if (!BankTotalRefusal(image, part).empty()) {
        LinkResult refused;
        refused.messages = {Say(kTotalMustBe1000Message), Say(kMsgWriteFailed)};
        return refused;
    }
    return Write(part, image, port, options);
}

std::string UntoldPortReason(const LinkResult& result, const std::string& portError) {
    if (result.ok() || portError.empty()) return {};
    const bool told = std::any_of(result.messages.begin(), result.messages.end(),
                                  [&](const Message& m) { return m.English().find(portError) != std::string::npos; });
    return told ? std::string() : portError;
}

}  // namespace wrk7::link
