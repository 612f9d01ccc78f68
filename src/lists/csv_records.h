#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace wrk7 {

// Comma-separated records with RFC 4180 quoting, as spreadsheets and other
// channel-list programs write them: a quoted field may hold commas, doubled
// quotes and line breaks. Records end in CR LF, LF or CR alone.

// How much the lexer forgives. Both read a quote inside an unquoted field as
// a character and let a quote left open run to the end of the text.
enum class CsvQuoting {
    // RFC 4180 as the other programs write it: blanks are part of a field,
    // text after a closing quote joins the field, "" is always one quote.
    kRecords,
    // This program's export as spreadsheets give it back: blanks and tabs
    // around an unquoted field and before an opening quote are none of it,
    // the rest after a closing quote up to the comma or line end is passed
    // over, and a "" right before the comma or line end closes the field
    // (its second quote passed over) rather than being one quote.
    kOwnExport,
};

enum class CsvFieldEnd { kComma, kLineEnd, kTextEnd };

struct CsvToken {
    std::string text;  // line breaks inside quotes kept as written
    bool quoted = false;
    CsvFieldEnd end = CsvFieldEnd::kLineEnd;
};

// The one CSV lexer: field after field, whatever record they belong to, so a
// reader may also find a record's start further on a line. Counts lines.
class CsvLexer {
public:
    CsvLexer(std::string_view text, CsvQuoting quoting) : s_(text), quoting_(quoting) {}
    bool AtEnd() const { return pos_ >= s_.size(); }
    // The 1-based line on which the next field starts.
    int Line() const { return line_; }
    // The last field read ended its line or the text (true before the first).
    bool RecordEnded() const { return last_.end != CsvFieldEnd::kComma; }
    bool TextEnded() const { return last_.end == CsvFieldEnd::kTextEnd; }
    // At a line's start: whether it is blank or starts with '#', and passing
    // such a line over.
    bool AtBlankOrCommentLine() const { return s_[pos_] == '#' || AtLineEnd(pos_); }
    void SkipLine();
    // The next field; it lives until the next call.
    const CsvToken& Next();

private:
    bool AtLineEnd(std::size_t i) const { return s_[i] == '\r' || s_[i] == '\n'; }
    bool AtFieldEnd(std::size_t i) const { return i >= s_.size() || s_[i] == ',' || AtLineEnd(i); }
    bool AtBlank() const { return pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t'); }
    void EndLine();
    void ReadQuoted();
    void ReadOwnQuoted();
    void Terminate();

    std::string_view s_;
    CsvQuoting quoting_;
    CsvToken last_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

struct CsvRecord {
    int line = 0;  // 1-based line of the text on which the record starts
    std::vector<std::string> fields;
};

// Takes the records of a text field by field as they are read, so a text of
// any size, however many fields it holds, costs no more memory than its
// longest field: a reader keeps what it needs of each record and no more.
class CsvVisitor {
public:
    virtual ~CsvVisitor() = default;
    // The next field of the record, index counting from 0; text lives until
    // the call returns.
    virtual void Field(std::size_t index, std::string_view text) = 0;
    // The record that started on line (1-based) has ended; false stops the
    // reading.
    virtual bool RecordEnd(int line) = 0;
};

// The records of text, in order. A UTF-8 byte order mark at the start is
// dropped; blank lines and lines starting with '#' (outside quotes) are no
// records. Lenient with damage: a quote inside an unquoted field is kept as a
// character, text after a closing quote joins the field, and a quote left
// open at the end runs to the end of the text.
void VisitCsvRecords(std::string_view text, CsvVisitor& visitor);
// All of them at once.
std::vector<CsvRecord> ParseCsvRecords(std::string_view text);

// A field without the blanks and tabs around it.
std::string TrimmedField(std::string_view field);

// One field as written: quoted (inner quotes doubled) only when it holds a
// comma, a quote or a line break.
std::string CsvField(std::string_view text);
// Fields joined with commas, each through CsvField.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace wrk7
