#include "lists/channel_list.h"

#include <algorithm>
#include <array>

#include "lists/chirp_csv.h"
#include "lists/csv_records.h"
#include "lists/list_readers.h"

namespace wrk7 {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string_view WithoutBom(std::string_view text) {
    if (text.starts_with(kBom)) text.remove_prefix(kBom.size());
    return text;
}

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t\r\n") == std::string_view::npos; }

// The headings of the first record, as HeadingKey gives them.
class FirstRecord : public CsvVisitor {
public:
    void Field(std::size_t, std::string_view text) override { headings.push_back(list_readers::HeadingKey(text)); }
    bool RecordEnd(int) override { return false; }
    bool Names(std::initializer_list<std::string_view> any) const {
        return std::any_of(any.begin(), any.end(), [this](std::string_view h) {
            return std::find(headings.begin(), headings.end(), h) != headings.end();
        });
    }
    std::vector<std::string> headings;
};

std::optional<ListFileType> DetectCsv(std::string_view text) {
    FirstRecord first;
    VisitCsvRecords(text, first);
    if (first.headings.empty()) return std::nullopt;
    // Our own export's title line starts so, whatever follows.
    if (first.headings.front() == "model") return ListFileType::kOwnCsv;
    if (DetectCsvKind(text) == CsvKind::kChirp) return ListFileType::kChirpCsv;
    // Any heading of theirs alone will do: a file that lost its frequency
    // column is still theirs, and its reader says what is missing.
    if (first.Names({"frequency output", "alpha tag", "pl output tone", "pl tone", "fcc callsign"}))
        return ListFileType::kRadioReference;
    if (first.Names({"output freq", "downlink tone", "uplink tone"})) return ListFileType::kRepeaterBook;
    return std::nullopt;
}

}  // namespace

std::optional<ListFileType> DetectListFile(std::string_view text) {
    text = WithoutBom(text);
    if (text.find('\0') != std::string_view::npos || IsBlank(text)) return std::nullopt;
    const char first = text[text.find_first_not_of(" \t\r\n")];
    if (first == '<') return list_readers::IsSdrSharpXml(text) ? std::optional(ListFileType::kSdrSharp) : std::nullopt;
    if (first == '{')
        return list_readers::IsSdrPlusPlusJson(text) ? std::optional(ListFileType::kSdrPlusPlus) : std::nullopt;
    if (list_readers::HasGqrxHeading(text)) return ListFileType::kGqrx;
    return DetectCsv(text);
}

std::optional<ListFormat> DetectListFormat(std::string_view text) {
    const auto type = DetectListFile(text);
    return type ? InfoOf(*type).rows : std::nullopt;
}

ChannelList ReadChannelList(std::string_view text, std::optional<ListFormat> format) {
    text = WithoutBom(text);
    auto failed = [&format](Message why) {
        ChannelList out;
        if (format) out.format = *format;
        out.failure = std::move(why);
        return out;
    };
    if (text.find('\0') != std::string_view::npos) return failed(Say(MessageId::kListNotText));
    if (IsBlank(text)) return failed(Say(MessageId::kListEmpty));
    if (!format) {
        const auto type = DetectListFile(text);
        if (!type) return failed(Say(MessageId::kListUnknown));
        if (!InfoOf(*type).rows) return failed(Say(MessageId::kListOwnImport, InfoOf(*type).title));
        format = InfoOf(*type).rows;
    }
    switch (*format) {
        case ListFormat::kChirp:
            return list_readers::ReadChirp(text);
        case ListFormat::kRadioReference:
        case ListFormat::kRepeaterBook:
            return list_readers::ReadHeadedCsv(text, *format);
        case ListFormat::kGqrx:
            return list_readers::ReadGqrx(text);
        case ListFormat::kSdrSharp:
            return list_readers::ReadSdrSharp(text);
        case ListFormat::kSdrPlusPlus:
            return list_readers::ReadSdrPlusPlus(text);
    }
    return failed(Say(MessageId::kListUnknown));
}

}  // namespace wrk7
