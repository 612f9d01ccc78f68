#pragma once
#include <QString>
#include <string_view>

class QWidget;

namespace wrk7 {

// One file dialog the window asks for: the command's own title, the filter
// in the "Name (*.x)|*.x|..." form the file formats name, and the name the
// dialog starts with.
struct FileRequest {
    QString title;
    std::string_view filter;
    QString suggestion;  // a path or a bare file name; empty for none
    bool save = false;   // a save dialog (asks before overwriting)
    // Where a dialog that offers several file types tells the one chosen
    // (its entry in the Qt filter, "CSV Files (*.csv)"); null when unused.
    QString* chosenFilter = nullptr;
};

// The dialog title for a menu command: its caption without the mnemonic and
// the ellipsis ("Save As(&A)..." gives "Save As").
QString DialogTitle(const QString& menuCaption);

// "Text (*.x)|*.x|All Files (*.*)|*.*" gives "Text (*.x);;All Files (*.*)".
QString QtFilter(std::string_view filter);

// The extension of the filter's first pattern: "WK7" for "*.WK7".
QString FirstExtension(std::string_view filter);
// The extension of the type chosen in a dialog (its Qt filter entry, as
// FileRequest::chosenFilter gives it); the first type's for any other and for
// a type without one (All Files).
QString ChosenExtension(std::string_view filter, const QString& chosen);

// The name a save dialog suggests: the current file's with extension, or the
// model's name when the image has no file yet.
QString SuggestedName(const QString& currentFile, int modelIndex, const QString& extension);

// A name typed without an extension gets extension; any other is kept.
QString WithExtension(const QString& path, const QString& extension);

// basePath with its extension replaced by extension: "a/mine.WK7" gives
// "a/mine.csv".
QString WithReplacedExtension(const QString& basePath, const QString& extension);

// The platform's dialog for request; a save dialog adds the extension of the
// type chosen (ChosenExtension) to a name typed without one before it checks
// for overwriting.
// Empty when the user cancels.
QString RunFileDialog(QWidget* parent, const FileRequest& request);

// Where a file dialog opens for suggestion: a path as it is, a bare name or
// nothing in documents. Left to itself a dialog opens in the working folder,
// which for a program started from its icon on Windows is its own, among
// its DLLs.
QString StartPath(const QString& suggestion, const QString& documents);

}  // namespace wrk7
