#include "report/zip_archive.h"

#include <array>

namespace wrk7::report {

namespace {

void Put16(QByteArray& out, quint32 value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(QByteArray& out, quint32 value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// MS-DOS time and date, which ZIP keeps; 1980 is its first year.
quint32 DosTime(const QDateTime& when) {
    const QTime t = when.time();
    return static_cast<quint32>((t.hour() << 11) | (t.minute() << 5) | (t.second() / 2));
}

quint32 DosDate(const QDateTime& when) {
    const QDate d = when.date();
    const int year = std::max(d.year(), 1980) - 1980;
    return static_cast<quint32>((year << 9) | (d.month() << 5) | d.day());
}

}  // namespace

quint32 ZipCrc32(const QByteArray& data) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data) crc = table[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void ZipArchive::Add(const QString& name, const QByteArray& data, const QDateTime& modified) {
    const QByteArray encodedName = name.toUtf8();
    const QByteArray& stored = data;
    const quint32 crc = ZipCrc32(data);
    const quint32 offset = static_cast<quint32>(files_.size());
    const quint32 method = 0;  // stored
    constexpr quint32 kUtf8Names = 1u << 11;
    auto common = [&](QByteArray& out) {
        Put16(out, 10);  // version needed: 1.0, stored files
        Put16(out, kUtf8Names);
        Put16(out, method);
        Put16(out, DosTime(modified));
        Put16(out, DosDate(modified));
        Put32(out, crc);
        Put32(out, static_cast<quint32>(stored.size()));
        Put32(out, static_cast<quint32>(data.size()));
        Put16(out, static_cast<quint32>(encodedName.size()));
        Put16(out, 0);  // no extra field
    };
    Put32(files_, 0x04034B50);
    common(files_);
    files_ += encodedName;
    files_ += stored;

    Put32(directory_, 0x02014B50);
    Put16(directory_, 20);  // made by: MS-DOS attributes, 2.0
    common(directory_);
    Put16(directory_, 0);  // no comment
    Put16(directory_, 0);  // disk 0
    Put16(directory_, 0);  // internal attributes
    Put32(directory_, 0);  // external attributes
    Put32(directory_, offset);
    directory_ += encodedName;
    ++count_;
}

QByteArray ZipArchive::Finish() {
    QByteArray out = files_;
    const quint32 at = static_cast<quint32>(out.size());
    out += directory_;
    Put32(out, 0x06054B50);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, static_cast<quint32>(count_));
    Put16(out, static_cast<quint32>(count_));
    Put32(out, static_cast<quint32>(directory_.size()));
    Put32(out, at);
    Put16(out, 0);  // no comment
    return out;
}

}  // namespace wrk7::report
