#include "app/translation/said.h"

#include <QCoreApplication>

namespace wrk7 {

namespace {

// Templates that only arrange other texts: nothing of them to translate.
bool Structural(MessageKey id) { return id == MessageId::kVerbatim || id == MessageId::kLines; }

QString Template(const Message& message) {
    const MessageText entry = message.id.Text();
    const std::string_view english = EnglishTemplate(message.id, message.count);
    if (Structural(message.id)) return QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
    // Untranslated (the English window): the English form for the count,
    // which the source alone cannot give for one.
    if (QCoreApplication::translate("Message", entry.source) == QString::fromUtf8(entry.source))
        return QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
    const int n = message.count >= 0 ? static_cast<int>(message.count) : -1;
    return QCoreApplication::translate("Message", entry.source, nullptr, n);
}

}  // namespace

QString Said(const Message& message) {
    std::vector<std::string> args;
    args.reserve(message.args.size());
    for (const MessageArg& a : message.args) args.push_back(a.IsMessage() ? Said(a.Nested()).toStdString() : a.text);
    // translate() fills %n already; what is left is %1..%9.
    return QString::fromStdString(FillTemplate(Template(message).toStdString(), args, message.count));
}

QString Said(MessageKey id) { return Said(Say(id)); }

QStringList Said(const std::vector<Message>& messages) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(messages.size()));
    for (const Message& m : messages) lines << Said(m);
    return lines;
}

}  // namespace wrk7
