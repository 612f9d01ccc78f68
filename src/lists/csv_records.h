#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace wrk7 {

// Comma-separated records with RFC 4180 quoting, as spreadsheets and other
// channel-list programs write them: a quoted field may hold commas, doubled
// quotes and line breaks. Records end in CR LF, LF or CR alone.

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
