#include "app/dialogs/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/tables.h"

namespace wrk7 {

AboutBox::AboutBox(const QString& backupFolder, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    const QString title = QString::fromUtf8(AppTitle.data(), static_cast<qsizetype>(AppTitle.size()));
    setWindowTitle(tr("About %1").arg(title));
    auto* name = new QLabel(QStringLiteral("<b>%1</b>").arg(title.toHtmlEscaped()));
    name->setObjectName(QStringLiteral("lblTitle"));
    auto* version = new QLabel(tr("Version %1").arg(QString::fromLatin1(kProgramVersion)));
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* backups = new QLabel(tr("Every completed read from the receiver is also kept as a clone file in:\n%1\n"
                                  "(the newest 20 are kept).")
                                   .arg(backupFolder));
    backups->setObjectName(QStringLiteral("lblBackups"));
    backups->setWordWrap(true);
    backups->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* notice = new QLabel(tr("This program is provided as is, without warranty of any kind. Writing to a receiver "
                                 "replaces its memory; keep a backup of what it held before you write."));
    notice->setObjectName(QStringLiteral("lblDisclaimer"));
    notice->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addSpacing(8);
    layout->addWidget(backups);
    layout->addWidget(notice);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

}  // namespace wrk7
