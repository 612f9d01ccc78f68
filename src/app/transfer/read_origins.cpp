#include "app/transfer/read_origins.h"

#include <QDir>
#include <QSettings>
#include <QStringList>

#include "files/preferences.h"

namespace wrk7 {

namespace {

const QChar kTab = QLatin1Char('\t');

QString Key(const QString& file) { return QDir::cleanPath(file) + kTab; }

}  // namespace

QString ReadOriginOf(const QSettings& store, const QString& file) {
    const QString key = Key(file);
    for (const QString& line : store.value(SettingsKey(kReadOriginsKey)).toStringList())
        if (line.startsWith(key)) return line.mid(key.size());
    return {};
}

void KeepReadOrigin(QSettings& store, const QString& file, const QString& backup) {
    const QString key = Key(file);
    QStringList lines{key + backup};
    for (const QString& line : store.value(SettingsKey(kReadOriginsKey)).toStringList())
        if (!line.startsWith(key) && lines.size() < kReadOriginsKept) lines << line;
    store.setValue(SettingsKey(kReadOriginsKey), lines);
}

}  // namespace wrk7
