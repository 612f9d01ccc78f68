#include "files/clone_file.h"

#include <QFileInfo>

#include "codecs/channel_codec.h"
#include "codecs/new_image.h"
#include "codecs/settings_codec.h"
#include "codecs/vfo_codec.h"
#include "core/flag_block.h"
#include "core/hex.h"
#include "edit/bank.h"
#include "edit/disabled_slots.h"
#include "files/file_kind.h"
#include "files/text_file.h"

namespace wrk7 {

namespace {

// The decoders take a record as the receiver's reply: a line break, then the
// digits.
std::string AsReply(const std::string& line) { return "\r\n" + line; }

std::string LineLabel(int line) { return "line " + std::to_string(line + 1) + ": "; }

struct RecordRule {
    int first;
    int count;
    std::vector<std::size_t> lengths;  // accepted digit counts
    const char* what;
};

// Lengths as this program writes them, plus the longer forms a block has when
// it was stored as read from the receiver.
const std::vector<RecordRule>& RecordRules() {
    static const std::vector<RecordRule> rules{
        {kSettingsLine0, 1, {64}, "settings block 0"},
        {kSettingsLine1, 1, {46}, "settings block 1"},
        {kFirstVfoLine, kBandCount, {30}, "VFO record of band "},
        {kFirstChannelLine, kSlotCount, {64}, "channel record of slot "},
        {kFirstFlagLine, 5, {64}, "enable map chunk "},
        {kFirstFlagLine + 5, 1, {5}, "enable map chunk "},
        {kFirstBankLine, 3, {64}, "bank table block "},
        {kFirstBankLine + 3, 1, {24, 64}, "bank table block "},
        {kGroupLine, 1, {176, 192}, "scan-group block"},
    };
    return rules;
}

std::string RuleItem(const RecordRule& rule, int line) {
    std::string what = rule.what;
    if (!what.empty() && what.back() == ' ') {
        int index = line - rule.first;
        if (rule.first == kFirstFlagLine + 5) index = 5;
        if (rule.first == kFirstBankLine + 3) index = 3;
        what += std::to_string(index);
    }
    return what;
}

std::string LengthList(const std::vector<std::size_t>& lengths) {
    std::string out;
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        if (i) out += " or ";
        out += std::to_string(lengths[i]);
    }
    return out;
}

struct RecordProblem {
    int line;          // 0-based
    std::string text;  // "line N: what ..."
};

// The record lines of the wrong length or with other characters than
// upper-case hex digits, in line order.
std::vector<RecordProblem> RecordProblems(const std::vector<std::string>& lines) {
    std::vector<RecordProblem> problems;
    const int count = static_cast<int>(lines.size());
    for (const auto& rule : RecordRules()) {
        for (int line = rule.first; line < rule.first + rule.count && line < count; ++line) {
            const std::string& l = lines[line];
            const bool lengthOk =
                std::find(rule.lengths.begin(), rule.lengths.end(), l.size()) != rule.lengths.end();
            if (!lengthOk)
                problems.push_back({line, LineLabel(line) + RuleItem(rule, line) + " has " +
                                              std::to_string(l.size()) + " characters, " +
                                              LengthList(rule.lengths) + " expected"});
            if (!IsUpperHex(l))
                problems.push_back({line, LineLabel(line) + RuleItem(rule, line) +
                                              " holds characters other than upper-case hex digits"});
        }
    }
    return problems;
}

// What the load made of each bad record line: a channel whose frequency
// could not be read is left empty, every other bad byte reads as 0.
std::vector<Message> RepairNotes(const std::vector<RecordProblem>& problems, const CloneImage& loaded) {
    std::vector<Message> notes;
    const auto labels = BuildRowLabels(loaded);
    for (const auto& [line, text] : problems) {
        if (line >= kFirstChannelLine && line < kFirstChannelLine + kSlotCount) {
            const int slot = line - kFirstChannelLine;
            notes.push_back(Say(loaded.memory.slot[slot].IsEmpty() ? MessageId::kRepairSlotEmpty
                                                                   : MessageId::kRepairSlotKept,
                                text, labels[slot]));
        } else if (line >= kFirstVfoLine && line < kFirstVfoLine + kBandCount) {
            notes.push_back(Say(MessageId::kRepairBandKept, text));
        } else {
            notes.push_back(Say(MessageId::kRepairDefault, text));
        }
    }
    return notes;
}

}  // namespace

std::vector<std::string> CloneFileLines(const CloneImage& image) {
    std::vector<std::string> lines;
    lines.reserve(kCloneFileLines);
    lines.emplace_back(FileHeaderLine);
    for (std::string& block : EncodeSettings(image)) lines.push_back(std::move(block));
    for (int b = 0; b < kBandCount; ++b) lines.push_back(EncodeVfoBand(image, b));
    for (int s = 0; s < kSlotCount; ++s) lines.push_back(EncodeChannel(image, s));
    for (std::string& chunk : EncodeFlagBlock(image)) lines.push_back(std::move(chunk));
    for (int b = 0; b < kBandCount; ++b) lines.push_back(FlattenLineBreaks(image.vfo.bands[b].Text(kNote)));
    for (int s = 0; s < kSlotCount; ++s) lines.push_back(FlattenLineBreaks(image.memory.slot[s].Text(kNote)));
    for (std::string& block : EncodeBankTable(image)) lines.push_back(std::move(block));
    lines.push_back(EncodeGroupBlock(image));
    lines.emplace_back(FileFooterLine);
    return lines;
}

namespace {

Message ShortFileReason(int lines) { return SayCount(MessageId::kFileTooShort, lines, kCloneFileLines); }

Message HeaderReason() { return Say(MessageId::kFirstLineIsNot, FileHeaderLine); }

}  // namespace

FileResult SaveCloneFile(const CloneImage& image, const QString& path) {
    if (path.isEmpty()) return FileResult::Failure(MessageId::kFileOpenError);
    const QByteArray bytes = JoinLinesCrLf(CloneFileLines(image));
    if (QString error; !WriteFileAtomically(path, bytes, &error))
        return FileResult::Failure(MessageId::kFileOpenError, Verbatim(error.toStdString()));
    return FileResult::Success();
}

FileResult ApplyCloneFileLines(CloneImage& image, const std::vector<std::string>& lines) {
    if (lines.size() < static_cast<std::size_t>(kCloneFileLines))
        return FileResult::Failure(MessageId::kFileOpenError, ShortFileReason(static_cast<int>(lines.size())));
    if (lines[0] != FileHeaderLine)
        return FileResult::Failure(MessageId::kDataError, HeaderReason());
    if (lines[kFooterLine] != FileFooterLine)
        return FileResult::Failure(MessageId::kDataError, Say(MessageId::kLastLineIsNot, FileFooterLine));

    // A fresh image, so a record the decoders cannot read leaves its default
    // and never what the previous file held there.
    CloneImage next;
    next.model = image.model;
    NewCloneImage(next);
    next.settings.block0 = lines[kSettingsLine0];
    next.settings.block1 = lines[kSettingsLine1];
    DecodeSettings(next);
    int readable = 0;
    for (int b = 0; b < kBandCount; ++b) {
        if (IsUpperHex(lines[kFirstVfoLine + b]) && !lines[kFirstVfoLine + b].empty()) ++readable;
        DecodeVfoBand(next, AsReply(lines[kFirstVfoLine + b]), b);
        next.vfo.bands[b].SetText(kNote, FlattenLineBreaks(lines[kFirstVfoNoteLine + b]));
    }
    for (int s = 0; s < kSlotCount; ++s) {
        if (IsUpperHex(lines[kFirstChannelLine + s]) && !lines[kFirstChannelLine + s].empty()) ++readable;
        DecodeChannel(next, AsReply(lines[kFirstChannelLine + s]), s);
        next.memory.slot[s].SetText(kNote, FlattenLineBreaks(lines[kFirstNoteLine + s]));
    }
    // Framed as a clone file but not one record to show: nothing sensible
    // could be opened from it.
    if (readable == 0)
        return FileResult::Failure(MessageId::kDataError, Say(MessageId::kNoneOfRecordsReadable));
    for (int k = 0; k < 6; ++k) next.flags.blocks[k] = lines[kFirstFlagLine + k];
    DecodeFlagBlock(next);
    for (int k = 0; k < 4; ++k) next.banks.blocks[k] = lines[kFirstBankLine + k];
    DecodeBankTable(next);
    next.groups.block = lines[kGroupLine];
    DecodeGroupBlock(next);
    WipeDisabledSlots(next);
    FileResult result = FileResult::Success();
    result.repairs = RepairNotes(RecordProblems(lines), next);
    image = std::move(next);
    return result;
}

namespace {

// The lines of the device, counted up to limit in chunks that are kept
// nowhere: what a file that is no clone file holds is never all in memory.
// Fewer than limit when the lines would outgrow what ReadTextLines reads.
int CountLines(QIODevice& file, int limit) {
    constexpr qint64 kChunk = 64 * 1024;
    const qint64 budget = kMaxCloneFileBytes;
    QByteArray chunk(kChunk, Qt::Uninitialized);
    int lines = 0;
    qint64 consumed = 0;
    bool pending = false;  // bytes after the last line end
    while (lines < limit && consumed <= budget) {
        const qint64 got = file.read(chunk.data(), std::min(kChunk, budget + 1 - consumed));
        if (got <= 0) break;
        consumed += got;
        const QByteArrayView part(chunk.constData(), got);
        const auto ends = static_cast<int>(part.count('\n'));
        lines += ends;
        pending = part.back() != '\n' || (ends == 0 && pending);
    }
    return lines + (pending && lines < limit && consumed <= budget ? 1 : 0);
}

// "300.0 MB": in the reason of a refusal by size. Digits only, so the
// text is the same in every locale.
std::string SizeText(qint64 bytes) {
    const qint64 tenths = (bytes + 50'000) / 100'000;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " MB";
}

// A file far larger than any clone file is refused from its size: reading
// it through only to find that out would take seconds and its size in memory.
std::optional<Message> FarTooLarge(const QFile& file) {
    const qint64 size = file.size();
    if (size <= kMaxCloneFileBytes) return std::nullopt;
    return Say(MessageId::kFileFarTooLarge, SizeText(size), SizeText(kLargestCloneFileBytes));
}

// Why a file that does not start as a clone file is none: the kind of text
// it is, when otherKind knows it; else its length or its first line.
Message NotCloneFileReason(QFile& file, int lines, const TextKindNamer& otherKind) {
    if (otherKind) {
        const QByteArray head = file.peek(64 * 1024);
        if (const auto kind = otherKind(std::string_view(head.constData(), std::size_t(head.size()))))
            return Say(MessageId::kFileIsChannelList, *kind);
    }
    return lines < kCloneFileLines ? ShortFileReason(lines) : HeaderReason();
}

Message Unreadable(ReadFailure why) {
    switch (why) {
        case ReadFailure::kNotRegularFile: return Say(MessageId::kNotRegularFile);
        case ReadFailure::kTooLarge:
            return Say(MessageId::kFileTooLarge, std::to_string(kMaxCloneFileBytes));
        case ReadFailure::kCannotRead: break;
    }
    return Say(MessageId::kFileCannotBeRead);
}

}  // namespace

FileResult LoadCloneFile(CloneImage& image, const QString& path, const TextKindNamer& otherKind) {
    QFile file(path);
    ReadFailure why = ReadFailure::kCannotRead;
    if (!OpenRegularFile(file, &why))
        return FileResult::Failure(MessageId::kFileOpenError, why == ReadFailure::kNotRegularFile
                                                                  ? Say(MessageId::kNotRegularFile)
                                                                  : Verbatim(file.errorString().toStdString()));
    if (const auto reason = FarTooLarge(file)) return FileResult::Failure(MessageId::kFileOpenError, *reason);
    // A file that does not start as a clone file is refused before the rest
    // of it is read: it may be anything.
    QByteArray first = file.readLine(static_cast<qint64>(FileHeaderLine.size()) + 6);
    while (first.endsWith('\n') || first.endsWith('\r')) first.chop(1);
    if (first.startsWith("\xEF\xBB\xBF")) first.remove(0, 3);
    if (!file.seek(0)) return FileResult::Failure(MessageId::kFileOpenError, Verbatim(file.errorString().toStdString()));
    if (!first.isEmpty() && first.toStdString() != FileHeaderLine) {
        const int lines = CountLines(file, kCloneFileLines);
        if (!file.seek(0)) return FileResult::Failure(MessageId::kFileOpenError, Verbatim(file.errorString().toStdString()));
        return FileResult::Failure(lines < kCloneFileLines ? MessageId::kFileOpenError : MessageId::kDataError,
                                   NotCloneFileReason(file, lines, otherKind));
    }
    const auto text = ReadTextLines(file, kCloneFileLines, nullptr, kMaxCloneFileBytes);
    if (!text) return FileResult::Failure(MessageId::kFileOpenError, Verbatim(file.errorString().toStdString()));
    return ApplyCloneFileLines(image, text->lines);
}

FileResult OpenCloneFile(CloneImage& image, const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) return FileResult::Failure(MessageId::kFileOpenError);
    return LoadCloneFile(image, path, {});
}

std::vector<std::string> CheckCloneFile(const QString& path) {
    std::vector<std::string> problems;
    auto refused = [&problems](const Message& reason) {
        problems.emplace_back(LineLabel(0) + std::string(kFileOpenError) + ": " + reason.English());
        return problems;
    };
    QFile file(path);
    ReadFailure why = ReadFailure::kCannotRead;
    if (!OpenRegularFile(file, &why)) return refused(Unreadable(why));
    if (const auto reason = FarTooLarge(file)) return refused(*reason);
    const auto text = ReadTextLines(file, kCloneFileLines, &why, kMaxCloneFileBytes);
    if (!text) return refused(Unreadable(why));
    const auto& lines = text->lines;
    const int count = static_cast<int>(lines.size());
    if (count < kCloneFileLines)
        problems.push_back(LineLabel(count) + std::string(kFileOpenError) + ": the file ends after " +
                           std::to_string(count) + " lines, " + std::to_string(kCloneFileLines) +
                           " are needed");
    if (count > 0 && lines[0] != FileHeaderLine)
        problems.push_back(LineLabel(0) + std::string(kDataError) + ": the header is not \"" +
                           std::string(FileHeaderLine) + "\"");
    if (count > kFooterLine && lines[kFooterLine] != FileFooterLine)
        problems.push_back(LineLabel(kFooterLine) + std::string(kDataError) + ": the footer is not \"" +
                           std::string(FileFooterLine) + "\"");
    if (text->truncatedLine)
        problems.push_back("a line is longer than " + std::to_string(kMaxLineBytes) + " bytes");

    for (RecordProblem& p : RecordProblems(lines)) problems.push_back(std::move(p.text));
    // A note longer than a note keeps (only a file edited by hand holds one)
    // loses its end in a load: say so before a save makes that final.
    for (int line = kFirstVfoNoteLine; line < kFirstBankLine && line < count; ++line)
        if (lines[line].size() > kMaxTextBytes)
            problems.push_back(LineLabel(line) + "the note is longer than " + std::to_string(kMaxTextBytes) +
                               " bytes; a load keeps its first " + std::to_string(kMaxTextBytes));
    if (count > kFirstBankLine + 3) {
        CloneImage banks;
        for (int k = 0; k < 4; ++k) banks.banks.blocks[k] = lines[kFirstBankLine + k];
        DecodeBankTable(banks);
        const int total = BankTotal(banks);
        if (total != kChannelCount)
            problems.push_back(LineLabel(kFirstBankLine) + Say(kTotalMustBe1000Message).English() +
                               ": the bank table adds up to " + std::to_string(total));
    }
    return problems;
}

}  // namespace wrk7
