#include "app/dialogs/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QTreeView>
#include <QRegularExpression>
#include <QStandardPaths>

#include "app/support/screen_fit.h"
#include "core/models.h"
#include "core/tables.h"

namespace wrk7 {

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString DialogTitle(const QString& menuCaption) {
    QString title = menuCaption;
    title.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
    title.remove(QLatin1Char('&'));
    while (title.endsWith(QLatin1Char('.'))) title.chop(1);
    return title.trimmed();
}

QString QtFilter(std::string_view filter) {
    const QStringList parts = FromView(filter).split(QLatin1Char('|'));
    QStringList names;
    for (int i = 0; i < parts.size(); i += 2) names << parts[i];
    return names.join(QStringLiteral(";;"));
}

QString FirstExtension(std::string_view filter) {
    const QStringList parts = FromView(filter).split(QLatin1Char('|'));
    if (parts.size() < 2) return {};
    const QString pattern = parts[1].section(QLatin1Char(';'), 0, 0);
    const QString extension = pattern.section(QLatin1Char('.'), -1);
    return pattern.startsWith(QLatin1String("*.")) && !extension.contains(QLatin1Char('*')) ? extension
                                                                                           : QString();
}

QString ChosenExtension(std::string_view filter, const QString& chosen) {
    const QStringList parts = FromView(filter).split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i] != chosen) continue;
        // All Files has no extension of its own: the name gets the first type's.
        const QString own = FirstExtension((parts[i] + QLatin1Char('|') + parts[i + 1]).toStdString());
        if (!own.isEmpty()) return own;
        break;
    }
    return FirstExtension(filter);
}

QString SuggestedName(const QString& currentFile, int modelIndex, const QString& extension) {
    if (!currentFile.isEmpty()) return WithReplacedExtension(currentFile, extension);
    return FromView(Model(modelIndex).name) + QLatin1Char('.') + extension;
}

QString WithExtension(const QString& path, const QString& extension) {
    if (path.isEmpty() || extension.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    // "mine." means the same as "mine".
    return path.endsWith(QLatin1Char('.')) ? path + extension : path + QLatin1Char('.') + extension;
}

QString WithReplacedExtension(const QString& basePath, const QString& extension) {
    const QFileInfo info(basePath);
    const QString name = info.completeBaseName() + QLatin1Char('.') + extension;
    return basePath.contains(QLatin1Char('/')) ? info.dir().filePath(name) : name;
}

QString StartPath(const QString& suggestion, const QString& documents) {
    if (documents.isEmpty() || QFileInfo(suggestion).isAbsolute()) return suggestion;
    if (suggestion.isEmpty()) return documents;
    return suggestion.contains(QLatin1Char('/')) ? suggestion : QDir(documents).filePath(suggestion);
}

QString RunFileDialog(QWidget* parent, const FileRequest& request) {
    const QString start =
        StartPath(request.suggestion, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QFileDialog dialog(parent, request.title, start, QtFilter(request.filter));
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Added before the overwrite question, so it asks about the real name;
        // when the user picks another type, its extension is the one added.
        dialog.setDefaultSuffix(FirstExtension(request.filter));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, filter = request.filter](const QString& chosen) {
                             dialog.setDefaultSuffix(ChosenExtension(filter, chosen));
                         });
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::ReadOnly);
    }
    // Qt's own dialog (where the system offers none) opens too narrow for
    // its detail columns: the name takes the room left, the size, type and
    // date as wide as what they show.
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        dialog.resize(dialog.sizeHint().expandedTo(QSize(760, 480)));
        FitOnScreen(&dialog);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    if (request.chosenFilter) *request.chosenFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

}  // namespace wrk7
