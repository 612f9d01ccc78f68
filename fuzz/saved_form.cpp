#include "saved_form.h"

#include <QBuffer>

#include "codecs/channel_codec.h"
#include "core/hex.h"
#include "files/clone_file.h"
#include "codecs/new_image.h"
#include "files/text_file.h"
#include "fuzz_check.h"

namespace wrk7::fuzz {

namespace {

struct RecordLines {
    int first;
    int count;
    std::size_t length;
};

// Record lines whose length never varies in a save.
constexpr RecordLines kRecordLines[] = {
    {kSettingsLine0, 1, 64},     {kSettingsLine1, 1, 46},        {kFirstVfoLine, kBandCount, 30},
    {kFirstChannelLine, kSlotCount, 64}, {kFirstFlagLine, 5, 64}, {kFirstFlagLine + 5, 1, 5},
    {kFirstBankLine, 3, 64},
};

constexpr std::size_t kNameDigits = 12;

}  // namespace

CloneImage FreshImage(int model) {
    CloneImage image;
    image.model = model;
    NewCloneImage(image);
    return image;
}

namespace {

CloneImage MakeChannelsInEveryArea(int model) {
    CloneImage image = FreshImage(model);
    int k = 0;
    for (int slot : {0, 1, 500, 998, 999, 1000, 1101, 1299}) {
        SlotFields& f = image.memory.slot[slot];
        f.Set(kFreq, 145.0 + 0.0125 * k);
        f.Set(kMode, k % 3);
        f.Set(kTone, k * 4);
        f.Set(kShift, k % 3);
        f.Set(kOffset, 0.6);
        f.Set(kSkip, k % 2);
        f.SetText(kName, "CH" + std::to_string(k));
        f.SetText(kNote, "note " + std::to_string(k));
        image.memory.enabled[slot] = true;
        ++k;
    }
    return image;
}

}  // namespace

const CloneImage& ChannelsInEveryArea(int model) {
    static const CloneImage images[] = {MakeChannelsInEveryArea(0), MakeChannelsInEveryArea(1),
                                        MakeChannelsInEveryArea(2), MakeChannelsInEveryArea(3)};
    return images[model];
}

std::vector<std::string> RequireWellFormedSave(const CloneImage& image) {
    std::vector<std::string> lines = CloneFileLines(image);
    Require(lines.size() == static_cast<std::size_t>(kCloneFileLines), "a save has 2643 lines");
    for (const RecordLines& r : kRecordLines)
        for (int line = r.first; line < r.first + r.count; ++line) {
            const std::string& l = lines[static_cast<std::size_t>(line)];
            Require(l.size() == r.length && IsUpperHex(l), "record line length and digits",
                    "line " + std::to_string(line) + ": " + l);
        }
    for (int line = kFirstBankLine + 3; line <= kGroupLine; ++line)
        Require(IsUpperHex(lines[static_cast<std::size_t>(line)]), "bank and group digits");
    for (const auto& l : lines) Require(l.find_first_of("\r\n") == std::string::npos, "one line per item");
    return lines;
}

std::vector<std::string> SaveAfterReopen(const std::vector<std::string>& first, int model) {
    QByteArray bytes = JoinLinesCrLf(first);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto text = ReadTextLines(buffer, kCloneFileLines);
    Require(text && !text->truncatedLine && !text->more, "a save reads back whole");
    CloneImage reopened = FreshImage(model);
    Require(ApplyCloneFileLines(reopened, text->lines).ok, "a save reopens");
    return RequireWellFormedSave(reopened);
}

void RequireSameSave(const std::vector<std::string>& first, const std::vector<std::string>& second) {
    for (std::size_t i = 0; i < first.size(); ++i) {
        const bool channel = i >= static_cast<std::size_t>(kFirstChannelLine) &&
                             i < static_cast<std::size_t>(kFirstChannelLine + kSlotCount);
        if (!channel) {
            Require(first[i] == second[i], "a reopened file saves the same line",
                    "line " + std::to_string(i) + ": " + first[i] + " / " + second[i]);
            continue;
        }
        const std::size_t nameAt = first[i].size() - kNameDigits;
        Require(first[i].compare(0, nameAt, second[i], 0, nameAt) == 0 &&
                    DecodeName(std::string_view(first[i]).substr(nameAt)) ==
                        DecodeName(std::string_view(second[i]).substr(nameAt)),
                "a reopened file saves the same channel", "line " + std::to_string(i) + ": " + first[i] + " / " + second[i]);
    }
}

}  // namespace wrk7::fuzz
