#pragma once
#include <QString>

class QSettings;

namespace wrk7 {

// The read backup the image of a clone file came from, as the store keeps it
// (kReadOriginsKey); empty when it keeps none.
QString ReadOriginOf(const QSettings& store, const QString& file);
// Keeps backup as file's origin, in front of the others; the oldest beyond
// kReadOriginsKept go.
void KeepReadOrigin(QSettings& store, const QString& file, const QString& backup);

}  // namespace wrk7
