#include "lists/csv_records.h"

#include <utility>

namespace wrk7 {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

class RecordReader {
public:
    RecordReader(std::string_view text, CsvVisitor& visitor) : s_(text), visitor_(visitor) {
        if (s_.substr(0, kBom.size()) == kBom) s_.remove_prefix(kBom.size());
    }

    void All() {
        while (pos_ < s_.size()) {
            if (s_[pos_] == '#' || AtLineEnd()) {
                SkipLine();
                continue;
            }
            const int line = line_;
            ReadFields();
            if (!visitor_.RecordEnd(line)) return;
        }
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

    void ReadFields() {
        for (std::size_t index = 0;; ++index) {
            ReadField();
            visitor_.Field(index, field_);
            if (pos_ >= s_.size()) return;
            if (s_[pos_] == ',') {
                ++pos_;
                continue;
            }
            EndLine();
            return;
        }
    }

    // Into field_, whose room serves every field.
    void ReadField() {
        field_.clear();
        if (pos_ < s_.size() && s_[pos_] == '"') {
            ++pos_;
            ReadQuoted(field_);
        }
        // Unquoted text, or damage after a closing quote: up to the comma or line end.
        const std::size_t start = pos_;
        while (pos_ < s_.size() && s_[pos_] != ',' && !AtLineEnd()) ++pos_;
        field_.append(s_.substr(start, pos_ - start));
    }

    void ReadQuoted(std::string& field) {
        while (pos_ < s_.size()) {
            // The plain run up to the next quote or line break at once.
            const std::size_t start = pos_;
            while (pos_ < s_.size() && s_[pos_] != '"' && !AtLineEnd()) ++pos_;
            field.append(s_.substr(start, pos_ - start));
            if (pos_ == s_.size()) return;
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
    CsvVisitor& visitor_;
    std::string field_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

// Keeps every record whole.
class Collector : public CsvVisitor {
public:
    void Field(std::size_t, std::string_view text) override { record_.fields.emplace_back(text); }
    bool RecordEnd(int line) override {
        record_.line = line;
        records.push_back(std::exchange(record_, {}));
        return true;
    }
    std::vector<CsvRecord> records;

private:
    CsvRecord record_;
};

}  // namespace

void VisitCsvRecords(std::string_view text, CsvVisitor& visitor) { RecordReader(text, visitor).All(); }

std::vector<CsvRecord> ParseCsvRecords(std::string_view text) {
    Collector collector;
    VisitCsvRecords(text, collector);
    return std::move(collector.records);
}

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
