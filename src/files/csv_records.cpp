#include "files/csv_records.h"

namespace wrk7 {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

class RecordReader {
public:
    explicit RecordReader(std::string_view text) : s_(text) {
        if (s_.substr(0, kBom.size()) == kBom) s_.remove_prefix(kBom.size());
    }

    std::vector<CsvRecord> All() {
        std::vector<CsvRecord> records;
        while (pos_ < s_.size()) {
            if (s_[pos_] == '#' || AtLineEnd()) {
                SkipLine();
                continue;
            }
            CsvRecord record;
            record.line = line_;
            ReadFields(record.fields);
            records.push_back(std::move(record));
        }
        return records;
    }

private:
    bool AtLineEnd() const { return s_[pos_] == '\r' || s_[pos_] == '\n'; }

    // Passes one line end (CR LF counts once) and counts it.
    void EndLine() {
        if (s_[pos_] == '\r' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        ++line_;
    }

    void SkipLine() {
        while (pos_ < s_.size() && !AtLineEnd()) ++pos_;
        if (pos_ < s_.size()) EndLine();
    }

    void ReadFields(std::vector<std::string>& fields) {
        for (;;) {
            fields.push_back(ReadField());
            if (pos_ >= s_.size()) return;
            if (s_[pos_] == ',') {
                ++pos_;
                continue;
            }
            EndLine();
            return;
        }
    }

    std::string ReadField() {
        std::string field;
        if (pos_ < s_.size() && s_[pos_] == '"') {
            ++pos_;
            ReadQuoted(field);
        }
        // Unquoted text, or damage after a closing quote: up to the comma or line end.
        while (pos_ < s_.size() && s_[pos_] != ',' && !AtLineEnd()) field += s_[pos_++];
        return field;
    }

    void ReadQuoted(std::string& field) {
        while (pos_ < s_.size()) {
            const char c = s_[pos_];
            if (c == '"') {
                if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '"') {
                    field += '"';
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                return;
            }
            if (c == '\n' || (c == '\r' && !(pos_ + 1 < s_.size() && s_[pos_ + 1] == '\n'))) ++line_;
            field += c;
            ++pos_;
        }
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

}  // namespace

std::vector<CsvRecord> ParseCsvRecords(std::string_view text) { return RecordReader(text).All(); }

std::string TrimmedField(std::string_view field) {
    const auto first = field.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(field.substr(first, field.find_last_not_of(" \t") - first + 1));
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) line += ',';
        line += CsvField(fields[i]);
    }
    return line;
}

}  // namespace wrk7
