#pragma once
#include <QFile>
#include <QIODevice>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/image.h"

namespace wrk7 {

// Text files of the program: lines end in CR LF when written and in CR LF or
// LF alone when read. Text is written as UTF-8; a line read is taken as UTF-8
// when it is valid UTF-8 and otherwise as Windows code page 932 (files made on
// Japanese systems), so old files keep their notes.

// Longest line kept, in bytes without its line end; the rest of a longer line
// is dropped so a file of garbage cannot exhaust memory. A note never grows
// past it, so every line a save writes reads back whole.
inline constexpr std::size_t kMaxLineBytes = 1 << 20;
static_assert(kMaxLineBytes >= kMaxTextBytes);

// The most bytes maxLines lines at the line limit take with their CR LF; a
// reader of lines gives up when that many have not ended them.
inline constexpr qint64 MaxBytesOfLines(std::size_t maxLines) {
    return static_cast<qint64>(maxLines * (kMaxLineBytes + 2));
}

// Why a file gave nothing.
enum class ReadFailure { kCannotRead, kNotRegularFile, kTooLarge };

// Opens file (named already) for reading when it is a regular file or a link
// to one. Anything else is refused before it is opened: the open of a FIFO
// waits for a writer, and a device such as /dev/zero never ends.
bool OpenRegularFile(QFile& file, ReadFailure* why = nullptr);
// Every byte of a regular file of at most maxBytes, counted as they arrive (a
// file may grow while it is read).
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes, ReadFailure* why = nullptr);

struct TextLines {
    std::vector<std::string> lines;  // UTF-8, without line ends
    bool truncatedLine = false;      // some line was longer than kMaxLineBytes
    bool more = false;               // the file has lines beyond maxLines
};

// Up to maxLines lines of a regular file; nullopt when it cannot be opened or
// read, or maxBytes bytes (MaxBytesOfLines(maxLines) when negative) have not
// ended them. The part of an over-long line that is kept ends on a whole
// character.
std::optional<TextLines> ReadTextLines(const QString& path, std::size_t maxLines, ReadFailure* why = nullptr,
                                       qint64 maxBytes = -1);
// The same from an open device.
std::optional<TextLines> ReadTextLines(QIODevice& device, std::size_t maxLines, ReadFailure* why = nullptr,
                                       qint64 maxBytes = -1);

// The same decoding applied to one line of raw bytes.
std::string DecodeLine(const QByteArray& bytes);
// CP932 bytes as UTF-8; nullopt for bytes that are not valid CP932.
std::optional<std::string> Cp932ToUtf8(const QByteArray& bytes);
// UTF-8 text as CP932 (for tests and for callers that must write legacy files);
// nullopt when a character has no CP932 form.
std::optional<QByteArray> Utf8ToCp932(const std::string& text);

// Writes bytes through a temporary file in the same folder that replaces the
// target only once everything is written, so a failing save leaves the old
// file intact. errorText receives the system's reason on failure. A FIFO or
// character device (a pipe, /dev/stdout) is written into as it is; a block
// device or socket is refused ("not a regular file").
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* errorText = nullptr);
// Lines joined with CR LF (after every line), as UTF-8.
QByteArray JoinLinesCrLf(const std::vector<std::string>& lines);

// A line break inside a one-line text (a note) becomes a blank; CR LF counts
// as one break.
std::string FlattenLineBreaks(std::string_view text);

}  // namespace wrk7
