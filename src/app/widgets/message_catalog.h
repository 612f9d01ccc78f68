#pragma once
#include <QString>
#include <QStringList>
#include <vector>

#include "app/widgets/string_table.h"

class QWidget;

namespace wrk7 {

// The newer messages in Japanese. They are built in English where they arise
// (the domain, the files, the link; wrk7 prints them so) and a Japanese
// window shows them in Japanese. A line that is not in the catalog is shown
// as it is: the long-standing messages among them, which users, files and
// scripts know by their English words.
//
// A catalog entry is a pattern: "%1", "%2", ... stand for the varying parts
// (a number, a file, a reason), which are themselves looked up, so a reason
// inside "Row %1 (%2): %3" is shown in Japanese too.
struct CatalogEntry {
    const char* english;
    const char* japanese;
};

// The entries, tried in their order: a line takes the first that matches it
// (message_catalog_entries.cpp).
const std::vector<CatalogEntry>& MessageCatalogEntries();

// The captions this program added that are built as they are used (the
// undo step a menu item names, "Untitled") or that only a screen reader
// speaks (accessible names); kept apart from the messages so that a step
// name such as "Clear %1" never takes a message that starts alike
// (caption_catalog_entries.cpp).
const std::vector<CatalogEntry>& CaptionCatalogEntries();

QString InUiLanguage(const QString& line, UiLanguage language);
QStringList InUiLanguage(const QStringList& lines, UiLanguage language);
// In the language of the widget's window.
QString InUiLanguageOf(const QWidget* widget, const QString& line);
QString CaptionInUiLanguage(const QString& caption, UiLanguage language);

}  // namespace wrk7
