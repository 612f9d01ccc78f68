#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace wrk7::report {

// A ZIP archive built in memory, its files stored as they are, which every
// system's file manager opens: one problem report a user can attach to a
// mail as it is. A report is a few megabytes at most (the logs are capped),
// which spares it a compressor of its own.
class ZipArchive {
public:
    // name: the path inside the archive ("traces/trace-1.txt"), UTF-8.
    void Add(const QString& name, const QByteArray& data, const QDateTime& modified);
    // The whole archive; nothing may be added after.
    QByteArray Finish();
    int Count() const { return count_; }

private:
    QByteArray files_;      // local headers and data
    QByteArray directory_;  // the central directory
    int count_ = 0;
};

// The CRC-32 a ZIP entry carries.
quint32 ZipCrc32(const QByteArray& data);

}  // namespace wrk7::report
