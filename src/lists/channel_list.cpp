#include "lists/channel_list.h"

#include <algorithm>
#include <array>

#include "lists/chirp_csv.h"
#include "lists/csv_records.h"
#include "lists/list_readers.h"

namespace wrk7 {

namespace {

struct FormatNames {
    ListFormat format;
    std::string_view name, title;
};
constexpr FormatNames kFormats[] = {
    {ListFormat::kWrk7, "wrk7", "this program's CSV"},
    {ListFormat::kChirp, "chirp", "CHIRP CSV"},
    {ListFormat::kRadioReference, "radioreference", "frequency-database export"},
    {ListFormat::kRepeaterBook, "repeaterbook", "repeater directory export"},
    {ListFormat::kGqrx, "gqrx", "gqrx bookmarks"},
    {ListFormat::kSdrSharp, "sdrsharp", "SDR# frequency manager"},
    {ListFormat::kSdrPlusPlus, "sdrpp", "SDR++ frequency manager"},
};

const FormatNames& NamesOf(ListFormat format) {
    return *std::find_if(std::begin(kFormats), std::end(kFormats),
                         [format](const FormatNames& f) { return f.format == format; });
}

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

std::optional<ListFormat> DetectCsv(std::string_view text) {
    FirstRecord first;
    VisitCsvRecords(text, first);
    if (first.headings.empty()) return std::nullopt;
    // Our own export's title line starts so, whatever follows.
    if (first.headings.front() == "model") return ListFormat::kWrk7;
    if (DetectCsvKind(text) == CsvKind::kChirp) return ListFormat::kChirp;
    // Any heading of theirs alone will do: a file that lost its frequency
    // column is still theirs, and its reader says what is missing.
    if (first.Names({"frequency output", "alpha tag", "pl output tone", "pl tone", "fcc callsign"}))
        return ListFormat::kRadioReference;
    if (first.Names({"output freq", "downlink tone", "uplink tone"})) return ListFormat::kRepeaterBook;
    return std::nullopt;
}

}  // namespace

std::string_view FormatName(ListFormat format) { return NamesOf(format).name; }

std::optional<ListFormat> FormatNamed(std::string_view name) {
    const std::string key = list_readers::HeadingKey(name);
    for (const FormatNames& f : kFormats)
        if (f.name == key) return f.format;
    return std::nullopt;
}

std::string_view FormatTitle(ListFormat format) { return NamesOf(format).title; }

std::optional<ListFormat> DetectListFormat(std::string_view text) {
    text = WithoutBom(text);
    if (text.find('\0') != std::string_view::npos || IsBlank(text)) return std::nullopt;
    const char first = text[text.find_first_not_of(" \t\r\n")];
    if (first == '<') return list_readers::IsSdrSharpXml(text) ? std::optional(ListFormat::kSdrSharp) : std::nullopt;
    if (first == '{')
        return list_readers::IsSdrPlusPlusJson(text) ? std::optional(ListFormat::kSdrPlusPlus) : std::nullopt;
    if (list_readers::HasGqrxHeading(text)) return ListFormat::kGqrx;
    return DetectCsv(text);
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
    if (!format) format = DetectListFormat(text);
    if (!format) return failed(Say(MessageId::kListUnknown));
    switch (*format) {
        case ListFormat::kWrk7:
        case ListFormat::kChirp:
            return failed(Say(MessageId::kListOwnImport, FormatTitle(*format)));
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
