#include "lists/csv_records.h"

#include <utility>

namespace wrk7 {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

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

void CsvLexer::SkipLine() {
    while (pos_ < s_.size() && !AtLineEnd(pos_)) ++pos_;
    if (pos_ < s_.size()) EndLine();
}

// Passes one line end (CR LF counts once) and counts it.
void CsvLexer::EndLine() {
    if (s_[pos_] == '\r' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
}

const CsvToken& CsvLexer::Next() {
    std::string& field = last_.text;  // its room serves every field
    field.clear();
    const bool own = quoting_ == CsvQuoting::kOwnExport;
    if (own)
        while (AtBlank()) ++pos_;
    last_.quoted = pos_ < s_.size() && s_[pos_] == '"';
    if (last_.quoted) {
        ++pos_;
        own ? ReadOwnQuoted() : ReadQuoted();
    }
    // Unquoted text, or what follows a closing quote: up to the comma or line end.
    const std::size_t start = pos_;
    while (!AtFieldEnd(pos_)) ++pos_;
    if (!own || !last_.quoted) {
        std::size_t end = pos_;
        if (own)
            while (end > start && (s_[end - 1] == ' ' || s_[end - 1] == '\t')) --end;
        field.append(s_.substr(start, end - start));
    }
    Terminate();
    return last_;
}

void CsvLexer::Terminate() {
    if (pos_ >= s_.size()) {
        last_.end = CsvFieldEnd::kTextEnd;
    } else if (s_[pos_] == ',') {
        last_.end = CsvFieldEnd::kComma;
        ++pos_;
    } else {
        last_.end = CsvFieldEnd::kLineEnd;
        EndLine();
    }
}

void CsvLexer::ReadQuoted() {
    std::string& field = last_.text;
    while (pos_ < s_.size()) {
        // The plain run up to the next quote or line break at once.
        const std::size_t start = pos_;
        while (pos_ < s_.size() && s_[pos_] != '"' && !AtLineEnd(pos_)) ++pos_;
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

void CsvLexer::ReadOwnQuoted() {
    std::string& field = last_.text;
    while (pos_ < s_.size()) {
        const std::size_t q = s_.find('"', pos_);
        const std::size_t stop = q == std::string_view::npos ? s_.size() : q;
        for (std::size_t i = pos_; i < stop; ++i)
            if (s_[i] == '\n' || (s_[i] == '\r' && (i + 1 >= s_.size() || s_[i + 1] != '\n'))) ++line_;
        field.append(s_.substr(pos_, stop - pos_));
        if (q == std::string_view::npos) {
            pos_ = s_.size();  // a stray quote: the field takes the rest of the text
            return;
        }
        pos_ = q + 1;
        if (pos_ + 1 < s_.size() && s_[pos_] == '"' && !AtFieldEnd(pos_ + 1)) {
            field += '"';
            ++pos_;
            continue;
        }
        return;
    }
}

void VisitCsvRecords(std::string_view text, CsvVisitor& visitor) {
    if (text.starts_with(kBom)) text.remove_prefix(kBom.size());
    CsvLexer lexer(text, CsvQuoting::kRecords);
    while (!lexer.AtEnd()) {
        if (lexer.AtBlankOrCommentLine()) {
            lexer.SkipLine();
            continue;
        }
        const int line = lexer.Line();
        for (std::size_t index = 0;; ++index) {
            visitor.Field(index, lexer.Next().text);
            if (lexer.RecordEnded()) break;
        }
        if (!visitor.RecordEnd(line)) return;
    }
}

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
