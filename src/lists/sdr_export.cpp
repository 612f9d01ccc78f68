#include "lists/sdr_export.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <vector>

#include "core/tables.h"
#include "edit/bank.h"
#include "files/text_file.h"

namespace wrk7 {

namespace {

// How each of our modes is called by the SDR programs, and the filter width
// they open it with: FM is the receiver's narrow FM.
struct SdrMode {
    std::string_view gqrx, sdrSharp;
    int sdrPlusPlus;  // the mode's number in its JSON
    int bandwidthHz;
};
constexpr SdrMode kSdrModes[] = {
    {"Narrow FM", "NFM", 0, 12500},  // FM
    {"AM", "AM", 2, 10000},          // AM
    {"WFM (mono)", "WFM", 1, 160000},  // WFM
};

const SdrMode& SdrModeOf(const SlotFields& channel) {
    const auto mode = static_cast<std::size_t>(channel.Value(kMode));
    return kSdrModes[mode < std::size(kSdrModes) ? mode : 0];
}

// One memory channel as the bookmark lists take it.
struct Bookmark {
    std::string name;
    std::string list;  // the bank: gqrx tag, SDR# group, SDR++ list
    std::string rowLabel;
    long long hz = 0;
    const SdrMode* mode = nullptr;
};

constexpr std::string_view kNoBank = "No bank";

std::string BankListName(int bank) {
    char text[16];
    std::snprintf(text, sizeof text, "Bank %02d", bank);
    return text;
}

std::vector<Bookmark> Bookmarks(const CloneImage& image) {
    const auto labels = BuildRowLabels(image);
    std::vector<Bookmark> out;
    for (int slot = 0; slot < kChannelCount; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        const SlotFields& channel = image.memory.slot[index];
        if (!image.memory.enabled[index] || channel.IsEmpty()) continue;
        const auto position = ChannelToBank(image, slot);
        // The record pads a name with blanks to the display's width; the
        // programs would show and key it with them.
        std::string name = channel.Text(kName);
        while (!name.empty() && name.back() == ' ') name.pop_back();
        out.push_back({std::move(name), position ? BankListName(position->bank) : std::string(kNoBank),
                       labels[index], std::llround(channel.Value(kFreq) * 1e6), &SdrModeOf(channel)});
    }
    return out;
}

// gqrx splits its lines at ';': one inside a name or tag would shift the
// fields after it.
std::string WithoutSemicolons(std::string text) {
    std::replace(text.begin(), text.end(), ';', ',');
    return text;
}

std::string GqrxText(const std::vector<Bookmark>& bookmarks) {
    std::string text = "# Tag name          ;  color\n";
    std::set<std::string> tags;
    for (const Bookmark& b : bookmarks) tags.insert(WithoutSemicolons(b.list));
    for (const std::string& tag : tags) text += tag + "; #c0c0c0\n";
    text += "\n# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\n";
    for (const Bookmark& b : bookmarks) {
        char frequency[32];
        std::snprintf(frequency, sizeof frequency, "%12lld", b.hz);
        text += std::string(frequency) + " ; " + WithoutSemicolons(b.name) + " ; " + std::string(b.mode->gqrx) +
                " ; " + std::to_string(b.mode->bandwidthHz) + "; " + WithoutSemicolons(b.list) + "\n";
    }
    return text;
}

std::string SdrSharpText(const std::vector<Bookmark>& bookmarks) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("ArrayOfMemoryEntry"));
    xml.writeNamespace(QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"), QStringLiteral("xsi"));
    xml.writeNamespace(QStringLiteral("http://www.w3.org/2001/XMLSchema"), QStringLiteral("xsd"));
    for (const Bookmark& b : bookmarks) {
        xml.writeStartElement(QStringLiteral("MemoryEntry"));
        xml.writeTextElement(QStringLiteral("IsFavourite"), QStringLiteral("false"));
        xml.writeTextElement(QStringLiteral("Name"), QString::fromStdString(b.name));
        xml.writeTextElement(QStringLiteral("GroupName"), QString::fromStdString(b.list));
        xml.writeTextElement(QStringLiteral("Frequency"), QString::number(b.hz));
        xml.writeTextElement(QStringLiteral("DetectorType"), QString::fromLatin1(b.mode->sdrSharp));
        xml.writeTextElement(QStringLiteral("Shift"), QStringLiteral("0"));
        xml.writeTextElement(QStringLiteral("FilterBandwidth"), QString::number(b.mode->bandwidthHz));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes.toStdString();
}

// What SDR++'s Import button reads: one list, its bookmarks keyed by name
// (a name taken, or none, gets the row label, so that no channel overwrites
// another). The list it goes into is the one chosen there, so the banks are
// not kept.
std::string SdrPlusPlusText(const std::vector<Bookmark>& bookmarks) {
    QJsonObject list;
    for (const Bookmark& b : bookmarks) {
        QString key = QString::fromStdString(b.name);
        if (key.trimmed().isEmpty())
            key = QString::fromStdString(b.rowLabel);
        else if (list.contains(key))
            key += QStringLiteral(" ") + QString::fromStdString(b.rowLabel);
        list.insert(key, QJsonObject{{QStringLiteral("frequency"), static_cast<double>(b.hz)},
                                     {QStringLiteral("bandwidth"), static_cast<double>(b.mode->bandwidthHz)},
                                     {QStringLiteral("mode"), b.mode->sdrPlusPlus}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("bookmarks"), list}}).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace

std::string SdrBookmarksText(const CloneImage& image, ListFormat format) {
    const std::vector<Bookmark> bookmarks = Bookmarks(image);
    switch (format) {
        case ListFormat::kSdrSharp: return SdrSharpText(bookmarks);
        case ListFormat::kSdrPlusPlus: return SdrPlusPlusText(bookmarks);
        default: return GqrxText(bookmarks);
    }
}

FileResult ExportSdrBookmarks(const CloneImage& image, ListFormat format, const QString& path) {
    const std::string text = SdrBookmarksText(image, format);
    if (path.isEmpty() || !WriteFileAtomically(path, QByteArray(text.data(), static_cast<qsizetype>(text.size()))))
        return FileResult::Failure(MessageId::kFileOpenError);
    return FileResult::Success();
}

}  // namespace wrk7
