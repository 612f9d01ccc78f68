#pragma once
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/image.h"
#include "files/result.h"
#include "lists/import_fit.h"

namespace wrk7 {

// The CSV channel list: a title line, then one row of 16 fields per VFO band
// (14) and per memory-type slot (1300). Text fields are quoted; a double quote
// inside a text is written twice, as spreadsheets expect.
inline constexpr std::string_view kCsvModel = "WR-K7";
inline constexpr int kCsvRows = kBandCount + kSlotCount;

// Largest CSV file read; a bigger one is "File Open Error".
inline constexpr qint64 kMaxCsvBytes = 64 << 20;

// The lines of the export, title first, without line ends.
std::vector<std::string> CsvExportLines(const CloneImage& image);
// Writes the export atomically ("File Open Error" on failure, the old file
// intact). The image stays as it is.
FileResult ExportCsv(const CloneImage& image, const QString& path);

struct CsvImportResult {
    FileResult result;
    int rowsStored = 0;    // rows that replaced a band or slot
    int rowsRejected = 0;  // rows that named the model but were passed over
    // Lines after the first holding something other than a row of the model.
    int otherLines = 0;
    // Every row passed over (its model, area, channel, frequency, mode or
    // step, or its fields cut short) and every name or note stored shorter
    // or otherwise than written, in file order. A row of an empty slot (no
    // FREQUENCY, as the export writes it) is passed over without a word.
    std::vector<ImportIssue> issues;
    // The first row passed over, the silent ones included; line 0 for none.
    ImportIssue firstPassedOver;
    bool ownHeading = false;  // the first line holds this program's 16 titles
};

// "1300 rows imported, 14 passed over": the line that sums up an import.
Message ImportSummary(const CsvImportResult& result);

// Applies the rows of text to the image. Rows naming a band or slot replace
// it; rows with a wrong model, area, channel, a frequency the editor refuses
// (memory: CheckMemoryFrequency's range and cellular ranges; a band of the
// model: CheckVfoFrequency), an unknown mode or step, a slot's ENABLE that
// is neither #TRUE# nor #FALSE# (quoted or not), and rows short of fields
// are passed over, each an issue; a SKIP that is neither is taken as off and
// said. Notes are fitted as the editor takes them (FitImportedNote), names
// together (FitListNames). A row ends at a line end outside quotes. Values are stored as a save and a reopen give them back (whole
// hertz, limited codes). A text that ends inside a row gives "File Open
// Error" and leaves the image as it was. Otherwise the memory list is
// refreshed (disabled slots wiped) and Modified cleared. Line breaks inside a
// quoted field become blanks.
CsvImportResult ImportCsvText(CloneImage& image, std::string_view text);
// The text of a CSV file without its byte order mark: lines in UTF-8, or
// CP932 where not valid UTF-8. nullopt when it cannot be read, is no regular
// file or is larger than kMaxCsvBytes.
std::optional<std::string> ReadCsvFile(const QString& path);
// The file's bytes: lines in UTF-8, or CP932 where not valid UTF-8.
CsvImportResult ImportCsvBytes(CloneImage& image, const QByteArray& bytes);
// Reads the file and imports it; a file that cannot be read changes nothing.
// An import of a file that holds no channel row changes nothing: it fails
// with "No channel rows were found in FILE." and its reason; for a file with
// this program's heading, how many rows it has and why the first could not
// be read.
CsvImportResult ImportCsv(CloneImage& image, const QString& path);
// The same with the file's text read already (ReadCsvFile's result), so a
// caller that looked at its header reads it once.
CsvImportResult ImportCsvFile(CloneImage& image, const QString& path, const std::optional<std::string>& text);
// That failure for a file of text whose import took no row, passedOver rows
// having been refused.
FileResult NoChannelRows(const QString& path, std::string_view text, int passedOver);

// Channel-name lookups of the import: the upper-cased CHANNEL text to a slot,
// or -1.
int ProgramScanSlot(std::string_view text);  // "P3B" and "7" -> 1007
int SearchPassSlot(std::string_view text);   // "5" and "1105" -> 1105
int PrioritySlot(std::string_view text);     // "0".."99", "1200".."1299"

}  // namespace wrk7
