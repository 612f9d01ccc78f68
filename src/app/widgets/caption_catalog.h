#pragma once
#include <QString>
#include <vector>

#include "app/widgets/string_table.h"

namespace wrk7 {

// The captions this program added that are built as they are used (the
// undo step a menu item names, "Untitled") or that only a screen reader
// speaks (accessible names), in Japanese.
//
// An entry is a pattern: "%1", "%2", ... stand for the varying parts, which
// are themselves looked up.
struct CatalogEntry {
    const char* english;
    const char* japanese;
};

// The entries, tried in their order: a caption takes the first that matches
// it (caption_catalog_entries.cpp).
const std::vector<CatalogEntry>& CaptionCatalogEntries();

QString CaptionInUiLanguage(const QString& caption, UiLanguage language);

}  // namespace wrk7
