#pragma once
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/image.h"
#include "files/result.h"
#include "lists/chirp_map.h"
#include "lists/import_fit.h"

namespace wrk7 {

// Channel lists in the generic CSV of the open multi-radio programming tool
// (CHIRP): a header line naming the columns, then one row per channel. The
// rows go to and come from the memory channels, slots 0..999.


enum class CsvKind {
    kOwn,    // this program's 16 columns, "MODEL" first
    kChirp,  // the generic list: a header naming Location and Frequency, in any order
};
CsvKind DetectCsvKind(std::string_view text);

struct ChirpImportResult {
    FileResult result;
    int imported = 0;
    int skipped = 0;
    std::vector<ImportIssue> issues;  // skipped or imported with a loss, in file order
    std::vector<int> filled;         // the slots rows were stored in, ascending
    int replacedUsed = 0;            // of them, those that held a channel before
};

// "12 channels imported, 3 skipped": the line that sums up an import.
Message ImportSummary(const ChirpImportResult& result);

// A row of a list as written: its line, its Location without the blanks
// around it, and the columns the import reads.
struct ChirpListRow {
    int line = 0;
    std::string location;
    ChirpRow fields;
};
// The rows after the header, in file order; nullopt when the header names no
// Location or no Frequency column.
std::optional<std::vector<ChirpListRow>> ReadChirpRows(std::string_view text);

// Stores every row that holds a channel the receiver can take: in slot
// Location, or, with firstSlot, in consecutive slots from firstSlot in file
// order. The slot is enabled; slots no row names stay as they were. Of rows
// naming the same Location the last wins; each one it replaced is an issue
// ("replaced by line N"), and the slot counts once as imported. The names of
// the rows stored are fitted together (FitListNames), so different names stay
// different; each name or note stored other than written is an issue of its
// row. A text whose header has no Location or
// Frequency column is "File Open Error" and changes nothing.
ChirpImportResult ImportChirpText(CloneImage& image, std::string_view text,
                                  std::optional<int> firstSlot = std::nullopt);

// The header and one row per enabled memory slot 0..999 holding a channel,
// without line ends.
std::vector<std::string> ChirpExportLines(const CloneImage& image);
// Writes them as UTF-8 without a byte order mark, lines ending CR LF,
// atomically ("File Open Error" on failure, the old file intact).
FileResult ExportChirpCsv(const CloneImage& image, const QString& path);

}  // namespace wrk7
