#include "app/support/system_font.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace wrk7 {

namespace {

// Windows' own dialog fonts first, then what a Linux host under Wine has.
constexpr const char* kDialogFamilies[] = {"Segoe UI",        "Tahoma",      "Microsoft Sans Serif", "Arial",
                                           "Liberation Sans", "DejaVu Sans", "Noto Sans"};

}  // namespace

QString ReplacementUiFamily(const QString& requested, const QString& resolved, const QStringList& installed) {
    if (requested.compare(resolved, Qt::CaseInsensitive) == 0) return {};
    for (const char* family : kDialogFamilies) {
        const QString name = QString::fromLatin1(family);
        if (installed.contains(name, Qt::CaseInsensitive)) return name;
    }
    return {};
}

QFont UsableUiFont(const QFont& systemFont) {
    const QString replacement =
        ReplacementUiFamily(systemFont.family(), QFontInfo(systemFont).family(), QFontDatabase::families());
    if (replacement.isEmpty()) return systemFont;
    QFont font = systemFont;
    font.setFamilies({replacement});
    return font;
}

QStringList JapaneseWindowFamilies(const QString& own, const QStringList& installed, const QStringList& japanese) {
    if (!japanese.contains(own, Qt::CaseInsensitive))
        return japanese.isEmpty() ? QStringList{own} : QStringList{own, japanese.first()};
    for (const char* family : kDialogFamilies) {
        const QString name = QString::fromLatin1(family);
        if (installed.contains(name, Qt::CaseInsensitive) && !japanese.contains(name, Qt::CaseInsensitive))
            return {name, own};
    }
    return {own};
}

QFont JapaneseWindowFont(const QFont& systemFont) {
    QFont font = systemFont;
    font.setFamilies(JapaneseWindowFamilies(QFontInfo(systemFont).family(), QFontDatabase::families(),
                                            QFontDatabase::families(QFontDatabase::Japanese)));
    return font;
}

}  // namespace wrk7
