#pragma once
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/image.h"
#include "files/result.h"

namespace wrk7 {

// The clone file (.WK7): 2643 text lines framed by FileHeaderLine and
// FileFooterLine holding the settings blocks, VFO and channel records, the
// enable map, the notes, the bank table and the scan-group block.
inline constexpr int kCloneFileLines = 2643;
inline constexpr int kSettingsLine0 = 1;
inline constexpr int kSettingsLine1 = 2;
inline constexpr int kFirstVfoLine = 3;
inline constexpr int kFirstChannelLine = 17;
inline constexpr int kFirstFlagLine = 1317;
inline constexpr int kFirstVfoNoteLine = 1323;
inline constexpr int kFirstNoteLine = 1337;
inline constexpr int kFirstBankLine = 2637;
inline constexpr int kGroupLine = 2641;
inline constexpr int kFooterLine = 2642;

// The largest clone file a save can write: the longest record line is the
// scan-group block's 192 digits, every note may hold kMaxTextBytes, and an
// editor may have put a byte order mark in front.
inline constexpr qint64 kNoteLineCount = kFirstBankLine - kFirstVfoNoteLine;
inline constexpr qint64 kLargestCloneFileBytes =
    3 + (kCloneFileLines - kNoteLineCount) * (192 + 2) + kNoteLineCount * qint64(kMaxTextBytes + 2);
// A reader refuses a file above this from its size, before reading a byte:
// twice the largest, so a legacy file with lines after its footer still
// opens, while a file picked by mistake (a disk image, a video) is refused
// at once instead of being read through.
inline constexpr qint64 kMaxCloneFileBytes = 2 * kLargestCloneFileBytes;

inline constexpr std::string_view kCloneFileFilter =
    "Korvan WR-K7 Clone Files (*.WK7)|*.WK7|All Files (*.*)|*.*";

// The file's lines for the image, its blocks encoded from the values being
// edited (the bank table clamped as the encoder does; the image keeps its
// counts). Line breaks inside notes become blanks so the file keeps its line
// count.
std::vector<std::string> CloneFileLines(const CloneImage& image);

// Writes the image to path atomically; on failure the old file is intact and
// the result holds "File Open Error". The caller keeps the current file name
// and the window caption.
FileResult SaveCloneFile(const CloneImage& image, const QString& path);

// Loads a file into the image as Open does, taking all 1300 slots. A failure
// ("File Open Error" for a file that cannot be read, is no regular file or has
// fewer than 2643 lines, "Data Error" for a wrong header or footer) leaves the image as it
// was. On success the memory list is refreshed (disabled slots wiped) and
// Modified cleared. A file that is no clone file is named by otherKind from
// its first bytes where it can ("gqrx bookmarks"), since that is what a user
// most often opens by mistake: the channel lists, which know their kinds,
// lie above this layer (lists/clone_file_load.h hands them in).
using TextKindNamer = std::function<std::optional<std::string>(std::string_view head)>;
FileResult LoadCloneFile(CloneImage& image, const QString& path, const TextKindNamer& otherKind);
// The start-up load of a file named on the command line: "File Open Error"
// when there is no such file, otherwise LoadCloneFile naming no other kind.
FileResult OpenCloneFile(CloneImage& image, const QString& path);
// The load from lines already read (at least 2643 of them, else the "File
// Open Error" case).
FileResult ApplyCloneFileLines(CloneImage& image, const std::vector<std::string>& lines);

// Every problem of a file, one text per problem with its 1-based line number
// ("line 18: ..."): the "File Open Error" and "Data Error" cases, record lines
// of the wrong length or with characters other than upper-case hex digits,
// and a bank table whose total is not 1000. Empty when the file is clean.
std::vector<std::string> CheckCloneFile(const QString& path);

}  // namespace wrk7
