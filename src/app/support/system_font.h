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

// A Japanese window draws Latin text and digits in a Latin family and only
// the Japanese in a Japanese one: in most Japanese faces the decimal point
// sits low and wide, and a frequency such as 0.100000 reads "0,100000".
// own is the family the window's font resolves to; installed the families Qt
// knows, japanese those among them that write Japanese. The families in the
// order the window's font asks for them: a Latin one first (own, or the
// first installed dialog font when own is Japanese), then one for Japanese.
QStringList JapaneseWindowFamilies(const QString& own, const QStringList& installed, const QStringList& japanese);

// The application font with those families, same size.
QFont JapaneseWindowFont(const QFont& systemFont);

}  // namespace wrk7
