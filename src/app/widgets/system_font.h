#pragma once
#include <QFont>
#include <QString>
#include <QStringList>

namespace wrk7 {

// The window's font is the system's, as long as Qt can draw that family.
// Under Wine the system font is "MS Shell Dlg", a name Windows resolves
// through its font substitutes but Qt's font database does not: Qt falls
// back to whatever family comes first (a mathematics font whose tall
// glyph boxes push every line edit's text out of its box). Then the first
// installed family of a table of dialog fonts takes its place, same size.
//
// requested is the family asked for, resolved the one Qt chose for it
// (QFontInfo), installed the families Qt knows. Empty: keep the font.
QString ReplacementUiFamily(const QString& requested, const QString& resolved, const QStringList& installed);

// The application font with its family replaced where ReplacementUiFamily
// says so; for the Windows build, where the system font comes from GDI.
QFont UsableUiFont(const QFont& systemFont);

}  // namespace wrk7
