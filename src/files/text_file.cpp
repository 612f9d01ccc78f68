#include "files/text_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "files/file_kind.h"
#include "platform/code_page.h"

namespace wrk7 {

namespace {

constexpr qint64 kChunk = 64 * 1024;

template <class T>
std::optional<T> Failed(ReadFailure failure, ReadFailure* why) {
    if (why) *why = failure;
    return std::nullopt;
}

bool IsValidUtf8(const QByteArray& bytes) {
    QStringDecoder dec(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    (void)QString(dec(bytes));
    return !dec.hasError();
}

std::string DecodeCutLine(QByteArray bytes) {
    // The cut may split the last character (up to three bytes of a UTF-8
    // sequence, one of a CP932 pair); without them the rest decodes cleanly.
    for (int dropped = 0; dropped < 4 && !bytes.isEmpty(); ++dropped, bytes.chop(1)) {
        if (IsValidUtf8(bytes)) return bytes.toStdString();
        if (auto legacy = Cp932ToUtf8(bytes)) return *legacy;
    }
    return DecodeLine(bytes);
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(const QByteArray& bytes) {
    QStringDecoder dec("windows-31j", QStringConverter::Flag::Stateless);
    if (!dec.isValid()) {
        // A Qt without ICU (Qt for Windows) has no code page by name.
        const auto text = platform::Cp932ToUtf16(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        if (!text) return std::nullopt;
        return QString::fromStdU16String(*text).toStdString();
    }
    const QString text = dec(bytes);
    if (dec.hasError()) return std::nullopt;
    return text.toStdString();
}

std::optional<QByteArray> Utf8ToCp932(const std::string& text) {
    QStringEncoder enc("windows-31j", QStringConverter::Flag::Stateless);
    if (!enc.isValid()) {
        const auto bytes = platform::Utf16ToCp932(QString::fromStdString(text).toStdU16String());
        if (!bytes) return std::nullopt;
        return QByteArray(bytes->data(), qsizetype(bytes->size()));
    }
    QByteArray out = enc(QString::fromStdString(text));
    if (enc.hasError()) return std::nullopt;
    return out;
}

std::string DecodeLine(const QByteArray& bytes) {
    if (IsValidUtf8(bytes)) return bytes.toStdString();
    if (auto legacy = Cp932ToUtf8(bytes)) return *legacy;
    // Neither: keep what can be read, the rest as replacement characters.
    return QString::fromUtf8(bytes).toStdString();
}

bool OpenRegularFile(QFile& file, ReadFailure* why) {
    const FileKind kind = KindOf(file.fileName());
    if (kind == FileKind::kRegular && file.open(QIODevice::ReadOnly)) return true;
    if (why) *why = kind == FileKind::kMissing || kind == FileKind::kRegular ? ReadFailure::kCannotRead
                                                                            : ReadFailure::kNotRegularFile;
    return false;
}

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes, ReadFailure* why) {
    QFile file(path);
    if (!OpenRegularFile(file, why)) return std::nullopt;
    QByteArray bytes;
    bytes.reserve(std::min(file.size(), maxBytes) + 1);
    for (;;) {
        // One byte more than allowed tells a file that goes on past it.
        const qint64 want = std::min(kChunk, maxBytes + 1 - bytes.size());
        const qsizetype had = bytes.size();
        bytes.resize(had + want);
        const qint64 got = file.read(bytes.data() + had, want);
        bytes.resize(had + std::max<qint64>(got, 0));
        if (got < 0) return Failed<QByteArray>(ReadFailure::kCannotRead, why);
        if (bytes.size() > maxBytes) return Failed<QByteArray>(ReadFailure::kTooLarge, why);
        if (got == 0) return bytes;
    }
}

std::optional<TextLines> ReadTextLines(const QString& path, std::size_t maxLines, ReadFailure* why,
                                       qint64 maxBytes) {
    QFile file(path);
    if (!OpenRegularFile(file, why)) return std::nullopt;
    return ReadTextLines(file, maxLines, why, maxBytes);
}

std::optional<TextLines> ReadTextLines(QIODevice& file, std::size_t maxLines, ReadFailure* why, qint64 maxBytes) {
    const qint64 limit = maxBytes < 0 ? MaxBytesOfLines(maxLines) : maxBytes;
    qint64 consumed = 0;
    TextLines result;
    QByteArray line;
    bool dropping = false;  // inside the rest of an over-long line
    bool pending = false;   // bytes of an unfinished line seen
    auto finish = [&] {
        if (!dropping && line.endsWith('\r')) line.chop(1);
        if (line.size() > static_cast<qsizetype>(kMaxLineBytes)) {
            line.truncate(static_cast<qsizetype>(kMaxLineBytes));
            dropping = true;
            result.truncatedLine = true;
        }
        result.lines.push_back(dropping ? DecodeCutLine(line) : DecodeLine(line));
        line.clear();
        dropping = false;
        pending = false;
    };
    QByteArray chunk;
    while (result.lines.size() < maxLines) {
        const qint64 want = std::min(kChunk, limit + 1 - consumed);
        chunk.resize(want);
        const qint64 got = file.read(chunk.data(), want);
        if (got < 0) return Failed<TextLines>(ReadFailure::kCannotRead, why);
        if (got == 0) break;
        consumed += got;
        chunk.resize(got);
        qsizetype start = 0;
        while (start < chunk.size() && result.lines.size() < maxLines) {
            const qsizetype nl = chunk.indexOf('\n', start);
            const qsizetype end = nl < 0 ? chunk.size() : nl;
            if (!dropping) {
                // One more than the limit: room for the CR of a CR LF.
                const auto room = static_cast<qsizetype>(kMaxLineBytes) + 1 - line.size();
                const qsizetype take = std::min(room, end - start);
                line.append(chunk.constData() + start, take);
                if (take < end - start) {
                    dropping = true;
                    result.truncatedLine = true;
                }
            }
            pending = true;
            if (nl < 0) {
                start = chunk.size();
            } else {
                finish();
                start = nl + 1;
            }
        }
        if (result.lines.size() >= maxLines) {
            result.more = start < chunk.size() || !file.atEnd();
            return result;
        }
        if (consumed > limit) return Failed<TextLines>(ReadFailure::kTooLarge, why);
    }
    if (pending) {
        if (result.lines.size() < maxLines)
            finish();
        else
            result.more = true;
    }
    return result;
}

QByteArray JoinLinesCrLf(const std::vector<std::string>& lines) {
    std::size_t total = 0;
    for (const auto& l : lines) total += l.size() + 2;
    QByteArray out;
    out.reserve(static_cast<qsizetype>(total));
    for (const auto& l : lines) {
        out.append(l.data(), static_cast<qsizetype>(l.size()));
        out.append("\r\n", 2);
    }
    return out;
}

namespace {

// A FIFO or device takes the bytes as they come: there is no old file to
// keep, and a rename would replace the node. A FIFO's open waits for its
// reader, as a shell's redirection does.
bool WriteIntoStream(const QString& path, const QByteArray& bytes, QString* errorText) {
    QFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly | QIODevice::ExistingOnly | QIODevice::Unbuffered) &&
                    file.write(bytes) == bytes.size();
    file.close();
    if (ok && file.error() == QFileDevice::NoError) return true;
    if (errorText) *errorText = file.errorString();
    return false;
}

}  // namespace

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* errorText) {
    auto fail = [&](const QString& why) {
        if (errorText) *errorText = why;
        return false;
    };
    // A link to a regular file is followed by QSaveFile, which keeps the link.
    switch (KindOf(path)) {
        case FileKind::kStream: return WriteIntoStream(path, bytes, errorText);
        case FileKind::kOther: return fail(QString::fromUtf8(kNotRegularFile.data(), qsizetype(kNotRegularFile.size())));
        default: break;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
    // QSaveFile reports neither a short write nor a failing flush of its
    // buffer (a small file on a full disk is written only by the flush), and
    // its commit would then replace the old file with a truncated one.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString why = file.errorString();
        file.cancelWriting();
        file.commit();
        return fail(why);
    }
    if (!file.commit()) return fail(file.errorString());
    return true;
}

std::string FlattenLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out.push_back(' ');
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace wrk7
