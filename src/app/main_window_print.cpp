// The printing commands of the File menu and the toolbar's printer button.
#include <QAction>
#include <QFileInfo>
#include <QToolBar>

#include "app/listing_print.h"
#include "app/main_window.h"

namespace wrk7 {

void MainWindow::BuildPrintActions() {
    printing_ = new ListingPrint(this, image_, *prompter_);
    printing_->fileName = [this] { return QFileInfo(currentFile_).fileName(); };
    struct Command {
        const char* name;
        const char* caption;  // a caption-table number, or the caption itself
        void (ListingPrint::*run)();
    };
    const Command commands[] = {
        {"mnuPrintSetup", "1005", &ListingPrint::PrintSetup},
        {"mnuPrint", "1006", &ListingPrint::PrintListing},
        {"mnuPrintPreview", "Print Preview...", &ListingPrint::PrintPreview},
        {"mnuExportPdf", "Export PDF...", &ListingPrint::ExportPdf},
    };
    for (const Command& c : commands) {
        auto* a = new QAction(QString::fromLatin1(c.caption), this);
        a->setObjectName(QString::fromLatin1(c.name));
        connect(a, &QAction::triggered, printing_, c.run);
    }
    Action(QStringLiteral("mnuPrint"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
}

void MainWindow::AddPrintButton() {
    // After Save, before the separator that sets Help apart.
    QAction* before = nullptr;
    for (QAction* a : toolBar_->actions()) {
        if (a->isSeparator()) {
            before = a;
            break;
        }
    }
    auto* button = new QAction(PrinterIcon(), QString(), toolBar_);
    const QString key = QString::fromUtf8("印刷");
    button->setObjectName(QStringLiteral("tbr_") + key);
    button->setData(key);
    button->setToolTip(QStringLiteral("1020"));
    connect(button, &QAction::triggered, printing_, &ListingPrint::PrintListing);
    toolBar_->insertAction(before, button);
}

}  // namespace wrk7
