#include "lists/list_readers.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>
#include <cmath>

#include "lists/chirp_csv.h"
#include "lists/csv_records.h"

namespace wrk7::list_readers {

namespace {

QByteArray Bytes(std::string_view text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

std::string Std(const QString& text) { return text.toStdString(); }

ChannelList Failed(ListFormat format, Message why) {
    ChannelList out;
    out.format = format;
    out.failure = std::move(why);
    return out;
}

// The columns of a headed CSV export, by heading: the first of names the
// heading holds, -1 for none.
class Headings {
public:
    explicit Headings(const std::vector<std::string>& fields) {
        for (const std::string& field : fields) keys_.push_back(HeadingKey(field));
    }
    int Of(std::initializer_list<std::string_view> names) const {
        for (const std::string_view name : names)
            for (std::size_t i = 0; i < keys_.size(); ++i)
                if (keys_[i] == name) return static_cast<int>(i);
        return -1;
    }
    std::size_t Count() const { return keys_.size(); }

private:
    std::vector<std::string> keys_;
};

std::string FieldAt(const CsvRecord& record, int column) {
    return column >= 0 && static_cast<std::size_t>(column) < record.fields.size()
               ? TrimmedField(record.fields[static_cast<std::size_t>(column)])
               : std::string();
}

// The first of the columns that is not empty in record.
std::string FirstFilled(const CsvRecord& record, std::initializer_list<int> columns) {
    for (const int column : columns) {
        std::string text = FieldAt(record, column);
        if (!text.empty()) return text;
    }
    return {};
}

// What each export calls its columns.
struct CsvColumns {
    std::string_view frequencyHeading;  // as the report names it
    int frequency, mode, name, altName, note, altNote, lastNote, tone, tag, agency, county;
};

CsvColumns ColumnsOf(const Headings& h, ListFormat format) {
    if (format == ListFormat::kRepeaterBook)
        // A receiver hears the repeater's output, so only its downlink tone
        // can squelch it; the uplink tone is what a radio sends to open the
        // repeater, and a repeater that sends no tone is heard on carrier.
        return {"Output Freq",
                h.Of({"output freq"}),
                h.Of({"mode", "modes"}),
                h.Of({"call"}),
                -1,
                h.Of({"location"}),
                h.Of({"county"}),
                -1,
                h.Of({"downlink tone"}),
                -1,
                h.Of({"use"}),
                h.Of({"county"})};
    return {"Frequency Output",
            h.Of({"frequency output"}),
            h.Of({"mode"}),
            h.Of({"alpha tag"}),
            h.Of({"fcc callsign"}),
            h.Of({"description"}),
            h.Of({"agency/category"}),
            h.Of({"tag"}),
            h.Of({"pl output tone", "pl tone"}),
            h.Of({"tag"}),
            h.Of({"agency/category"}),
            h.Of({"county"})};
}

std::string_view TrimmedView(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// SDR++'s mode numbers.
constexpr std::string_view kSdrPlusPlusModes[] = {"NFM", "WFM", "AM", "DSB", "USB", "CW", "LSB", "RAW"};

// A JSON number of hertz as its digits when it is a whole number a
// frequency can be; anything else as written, so the mapping refuses it.
std::string HertzText(const QJsonValue& value) {
    if (value.isDouble()) {
        const double hz = value.toDouble();
        if (hz >= 0 && hz < 1e15 && std::floor(hz) == hz) return std::to_string(static_cast<long long>(hz));
        return Std(QString::number(hz, 'g', 17));
    }
    if (value.isString()) return Std(value.toString());
    return Std(QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).mid(1).chopped(1));
}

std::string ModeText(const QJsonValue& value) {
    if (value.isString()) return Std(value.toString());
    const double number = value.toDouble(-1);
    if (number >= 0 && number < static_cast<double>(std::size(kSdrPlusPlusModes)) && std::floor(number) == number)
        return std::string(kSdrPlusPlusModes[static_cast<std::size_t>(number)]);
    return HertzText(value);
}

}  // namespace

std::string HeadingKey(std::string_view text) {
    std::string key(TrimmedView(text));
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

ChannelList ReadChirp(std::string_view text) {
    auto rows = ReadChirpRows(text);
    // Without a Location and a Frequency column it is none of theirs.
    if (!rows) return Failed(ListFormat::kChirp, Say(MessageId::kListUnknown));
    ChannelList out;
    out.format = ListFormat::kChirp;
    out.rows.reserve(rows->size());
    for (ChirpListRow& written : *rows) {
        ListRow row;
        row.line = written.line;
        row.frequency = written.fields.frequency;
        row.mode = written.fields.mode;
        row.tone = written.fields.tone;
        row.name = written.fields.name;
        row.note = written.fields.comment;
        row.location = std::move(written.location);
        row.chirp = std::move(written.fields);
        out.rows.push_back(std::move(row));
    }
    return out;
}

ChannelList ReadHeadedCsv(std::string_view text, ListFormat format) {
    const std::vector<CsvRecord> records = ParseCsvRecords(text);
    if (records.empty()) return Failed(format, Say(MessageId::kListEmpty));
    const Headings headings(records.front().fields);
    const CsvColumns c = ColumnsOf(headings, format);
    if (c.frequency < 0) return Failed(format, Say(MessageId::kListNoColumn, c.frequencyHeading));
    ChannelList out;
    out.format = format;
    out.rows.reserve(records.size() - 1);
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        ListRow row;
        row.line = record.line;
        // An unescaped comma shifts every column after it: nothing of such
        // a row can be trusted, its frequency least of all.
        if (record.fields.size() != headings.Count()) {
            row.unreadable = SayCount(MessageId::kListFieldCount, static_cast<long long>(record.fields.size()),
                                      static_cast<int>(headings.Count()));
            out.rows.push_back(std::move(row));
            continue;
        }
        row.frequency = FieldAt(record, c.frequency);
        row.mode = FieldAt(record, c.mode);
        row.tone = FieldAt(record, c.tone);
        row.name = FirstFilled(record, {c.name, c.altName});
        row.note = FirstFilled(record, {c.note, c.altNote, c.lastNote});
        row.tag = FieldAt(record, c.tag);
        row.agency = FieldAt(record, c.agency);
        row.county = FieldAt(record, c.county);
        out.rows.push_back(std::move(row));
    }
    return out;
}

bool HasGqrxHeading(std::string_view text) {
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = TrimmedView(text.substr(start, end - start));
        if (line.starts_with('#') && HeadingKey(line.substr(1)).starts_with("frequency") &&
            line.find(';') != std::string_view::npos)
            return true;
        start = end + 1;
    }
    return false;
}

ChannelList ReadGqrx(std::string_view text) {
    ChannelList out;
    out.format = ListFormat::kGqrx;
    bool inRows = false;
    int lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = TrimmedView(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.starts_with('#')) {
            // The tag section ends at the bookmarks' own heading.
            inRows = inRows || HeadingKey(line.substr(1)).starts_with("frequency");
            continue;
        }
        if (!inRows || line.empty()) continue;
        std::vector<std::string> fields;
        for (std::size_t from = 0;;) {
            const std::size_t semicolon = line.find(';', from);
            fields.push_back(TrimmedField(line.substr(from, semicolon == std::string_view::npos ? line.npos : semicolon - from)));
            if (semicolon == std::string_view::npos) break;
            from = semicolon + 1;
        }
        ListRow row;
        row.line = lineNumber;
        row.hertz = true;
        constexpr std::size_t kGqrxFields = 5;
        if (fields.size() < 3 || fields.size() > kGqrxFields) {
            row.unreadable = SayCount(MessageId::kListFieldCount, static_cast<long long>(fields.size()),
                                      static_cast<int>(kGqrxFields));
        } else {
            row.frequency = fields[0];
            row.name = fields[1];
            row.mode = fields[2];
            if (fields.size() == kGqrxFields) row.tag = TrimmedField(std::string_view(fields[4]).substr(0, fields[4].find(',')));
            // Bookmarks carry no description: the tag says most of what
            // one would, but for gqrx's own "no tag".
            if (row.tag != "Untagged") row.note = row.tag;
        }
        out.rows.push_back(std::move(row));
    }
    if (!inRows) return Failed(ListFormat::kGqrx, Say(MessageId::kListNoColumn, "# Frequency"));
    return out;
}

bool IsSdrSharpXml(std::string_view text) {
    QXmlStreamReader xml(Bytes(text));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement) return xml.name() == QLatin1String("ArrayOfMemoryEntry");
    return false;
}

ChannelList ReadSdrSharp(std::string_view text) {
    QXmlStreamReader xml(Bytes(text));
    ChannelList out;
    out.format = ListFormat::kSdrSharp;
    bool rooted = false;
    ListRow* row = nullptr;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            if (xml.isEndElement() && xml.name() == QLatin1String("MemoryEntry")) row = nullptr;
            continue;
        }
        if (!rooted) {
            if (xml.name() != QLatin1String("ArrayOfMemoryEntry"))
                return Failed(ListFormat::kSdrSharp, Say(MessageId::kListXmlRoot, Std(xml.name().toString()), "ArrayOfMemoryEntry"));
            rooted = true;
            continue;
        }
        if (xml.name() == QLatin1String("MemoryEntry")) {
            out.rows.emplace_back();
            row = &out.rows.back();
            row->line = static_cast<int>(std::min<qint64>(xml.lineNumber(), INT32_MAX));
            row->hertz = true;
            continue;
        }
        if (!row) continue;
        const QStringView name = xml.name();
        std::string* field = name == QLatin1String("Name")           ? &row->name
                             : name == QLatin1String("GroupName")    ? &row->group
                             : name == QLatin1String("Frequency")    ? &row->frequency
                             : name == QLatin1String("DetectorType") ? &row->mode
                                                                     : nullptr;
        const QString value = xml.readElementText(QXmlStreamReader::SkipChildElements);
        if (field) *field = Std(value.trimmed());
        if (field == &row->group) row->note = row->group;  // no description: the group stands in
    }
    if (xml.hasError())
        return Failed(ListFormat::kSdrSharp,
                      Say(MessageId::kListXmlBroken, static_cast<int>(std::min<qint64>(xml.lineNumber(), INT32_MAX)),
                          Std(xml.errorString())));
    if (!rooted) return Failed(ListFormat::kSdrSharp, Say(MessageId::kListXmlRoot, "", "ArrayOfMemoryEntry"));
    return out;
}

namespace {

// SDR++ keeps its lists in its configuration ("lists", each holding
// "bookmarks"), and its Import and Export buttons trade one list as an object
// holding "bookmarks" alone.
constexpr QLatin1String kSdrPlusPlusLists("lists");
constexpr QLatin1String kSdrPlusPlusBookmarks("bookmarks");

bool HoldsSdrPlusPlusBookmarks(const QJsonDocument& document) {
    if (!document.isObject()) return false;
    const QJsonObject root = document.object();
    return root.value(kSdrPlusPlusLists).isObject() || root.value(kSdrPlusPlusBookmarks).isObject();
}

void AddSdrPlusPlusBookmarks(const QJsonObject& bookmarks, const QString& list, ChannelList& out) {
    for (auto bookmark = bookmarks.begin(); bookmark != bookmarks.end(); ++bookmark) {
        const QJsonObject fields = bookmark.value().toObject();
        ListRow row;
        row.line = static_cast<int>(out.rows.size()) + 1;
        row.hertz = true;
        row.name = Std(bookmark.key());
        row.group = Std(list);
        row.note = row.group;  // no description: the list stands in
        row.frequency = HertzText(fields.value(QLatin1String("frequency")));
        row.mode = ModeText(fields.value(QLatin1String("mode")));
        out.rows.push_back(std::move(row));
    }
}

}  // namespace

bool IsSdrPlusPlusJson(std::string_view text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(Bytes(text), &error);
    // A file cut short is still the frequency manager's when it names its
    // lists or bookmarks: its reader then says where the JSON breaks off.
    if (error.error != QJsonParseError::NoError)
        return text.find("\"lists\"") != std::string_view::npos || text.find("\"bookmarks\"") != std::string_view::npos;
    return HoldsSdrPlusPlusBookmarks(document);
}

ChannelList ReadSdrPlusPlus(std::string_view text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(Bytes(text), &error);
    if (error.error != QJsonParseError::NoError) {
        const std::string_view before = text.substr(0, std::min(static_cast<std::size_t>(std::max(error.offset, 0)), text.size()));
        const auto line = static_cast<int>(std::count(before.begin(), before.end(), '\n') + 1);
        return Failed(ListFormat::kSdrPlusPlus, Say(MessageId::kListJsonBroken, line, Std(error.errorString())));
    }
    if (!HoldsSdrPlusPlusBookmarks(document))
        return Failed(ListFormat::kSdrPlusPlus, Say(MessageId::kListJsonNoLists, "bookmarks", "lists"));
    ChannelList out;
    out.format = ListFormat::kSdrPlusPlus;
    const QJsonObject root = document.object();
    const QJsonObject lists = root.value(kSdrPlusPlusLists).toObject();
    for (auto list = lists.begin(); list != lists.end(); ++list)
        AddSdrPlusPlusBookmarks(list.value().toObject().value(kSdrPlusPlusBookmarks).toObject(), list.key(), out);
    AddSdrPlusPlusBookmarks(root.value(kSdrPlusPlusBookmarks).toObject(), QString(), out);
    return out;
}

}  // namespace wrk7::list_readers
