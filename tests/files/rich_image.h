#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

#include "core/image.h"
#include "core/slot_texts.h"
#include "codecs/new_image.h"

namespace wrk7::testing {

// What File > New gives for model.
inline CloneImage NewImage(int model = 0) {
    CloneImage image;
    image.model = model;
    NewCloneImage(image);
    return image;
}

// An image that uses every store: channels in all four areas with notes that
// hold commas, quotes, leading blanks and non-ASCII text, an uneven bank table,
// scan groups and changed settings.
inline CloneImage RichImage(int model = 0) {
    CloneImage image = NewImage(model);
    const int slotList[] = {0, 1, 299, 300, 999, 1000, 1007, 1099, 1100, 1150, 1200, 1210, 1299};
    int k = 0;
    for (int s : slotList) {
        SlotFields& f = image.memory.slot[s];
        f.Set(kFreq, 145.0 + 0.0125 * k);
        f.Set(kMode, k % 3);
        f.Set(kStep, k % 16);
        f.Set(kOption, k % 3 == 0 ? 2 : 0);
        f.Set(kSecret, 0);
        f.Set(kCarrier, k % 28);
        f.Set(kTone, k % 39);
        f.Set(kShift, k % 3);
        f.Set(kOffset, 0.6);
        f.SetText(kName, "CH" + std::to_string(1000 + k).substr(0, 4));
        image.memory.enabled[s] = true;
        ++k;
    }
    image.memory.slot[0].SetText(kNote, "Tower, north side");
    image.memory.slot[1].SetText(kNote, "say \"hello\"");
    image.memory.slot[299].SetText(kNote, "   leading blanks");
    image.memory.slot[300].SetText(kNote, "東京タワー ①");
    image.memory.slot[1299].SetText(kNote, "last priority");
    image.vfo.bands[2].SetText(kNote, "band note, with comma");
    image.banks.counts.fill(0);
    image.banks.counts[0] = 300;
    image.banks.counts[2] = 650;
    image.banks.counts[49] = 50;
    image.groups.members[1][0] = true;
    image.groups.members[10][49] = true;
    image.settings.values.afVolume = 7;
    image.settings.values.chkBell = true;
    return image;
}

inline QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace wrk7::testing
