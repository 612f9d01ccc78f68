#include "app/transfer/restore_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/support/prompter.h"
#include "app/widgets/text_table.h"
#include "core/tables.h"

namespace wrk7 {

namespace {

QString ModelText(int model) {
    const std::string_view name = ModelName[static_cast<std::size_t>(std::clamp(model, 0, kModelCount - 1))];
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// To the second: two backups a minute apart must not read the same.
QString WhenText(const QDateTime& when) {
    return QLocale().toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           when.time().toString(QStringLiteral("HH:mm:ss"));
}

// Which write a "before a write" backup came before and how it ended: three
// such entries of one receiver otherwise read alike.
QString TakenText(const BackupEntry& e) {
    if (e.kind == BackupKind::kRead) return RestoreDialog::tr("after a read");
    if (!e.write) return RestoreDialog::tr("before a write");
    QString what;
    switch (e.write->part) {
        case TransferPart::kAll: what = RestoreDialog::tr("Write All"); break;
        case TransferPart::kSettings: what = RestoreDialog::tr("Write Settings"); break;
        case TransferPart::kMemory: what = RestoreDialog::tr("Write Memory"); break;
        case TransferPart::kBank: what = RestoreDialog::tr("Write Bank"); break;
        case TransferPart::kGroups: what = RestoreDialog::tr("Write Group"); break;
    }
    if (e.write->restore) what = RestoreDialog::tr("a restore");
    QString how;
    switch (e.write->end) {
        case WriteEnd::kWritten: how = RestoreDialog::tr("written"); break;
        case WriteEnd::kNotChecked: how = RestoreDialog::tr("written, not read back"); break;
        case WriteEnd::kHeldOtherwise: how = RestoreDialog::tr("written, read back otherwise"); break;
        case WriteEnd::kPartly: how = RestoreDialog::tr("stopped, the receiver partly written"); break;
        case WriteEnd::kNothing: how = RestoreDialog::tr("failed, nothing written"); break;
    }
    return RestoreDialog::tr("before %1: %2").arg(what, how);
}

}  // namespace

RestoreDialog::RestoreDialog(const QString& folder, int windowModel, Prompter& prompter, QWidget* parent)
    : QDialog(parent), windowModel_(windowModel), prompter_(prompter), entries_(ListBackups(folder)) {
    setObjectName(QStringLiteral("dlgRestore"));
    setWindowTitle(tr("Restore Receiver"));
    const QString where = QDir::toNativeSeparators(folder);
    auto* intro = new QLabel(tr("Backups in %1, newest first.").arg(where) + QLatin1Char('\n') +
                             tr("Restore writes the chosen backup whole to the receiver. "
                                "The window's own image does not change."));
    intro->setWordWrap(true);
    intro->setTextInteractionFlags(Qt::TextSelectableByMouse);
    std::vector<QStringList> rows;
    for (const BackupEntry& e : entries_) {
        const QString kind = TakenText(e);
        if (!e.Usable()) {
            rows.push_back({WhenText(e.when), kind});  // why, once the columns have their widths
            continue;
        }
        rows.push_back({WhenText(e.when), kind, e.model ? ModelText(*e.model) : tr("not recorded"),
                        QString::number(e.channels)});
    }
    list_ = MakeTextTable("grdBackups", {tr("When"), tr("Taken"), tr("Model"), tr("Channels")}, rows);
    list_->setAccessibleName(tr("Backups"));
    // The count stays beside the model rather than at the far edge.
    list_->horizontalHeader()->setStretchLastSection(false);
    list_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    for (int r = 0; r < static_cast<int>(entries_.size()); ++r) {
        const BackupEntry& e = entries_[static_cast<std::size_t>(r)];
        if (e.Usable()) {
            list_->item(r, 3)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            continue;
        }
        // Listed so that it is not missed, but nothing can be done with it.
        const QString why = tr("cannot be loaded: %1").arg(e.problem);
        list_->setItem(r, 2, new QTableWidgetItem(why));
        list_->item(r, 2)->setToolTip(why);
        list_->setSpan(r, 2, 1, 2);
        for (int c = 0; c < 3; ++c) list_->item(r, c)->setFlags(Qt::NoItemFlags);
    }
    const QString none = QDir(folder).exists() ? tr("There are no backups yet: %1 holds none.").arg(where)
                                               : tr("There are no backups yet: %1 does not exist.").arg(where);
    empty_ = new QLabel(none);
    empty_->setObjectName(QStringLiteral("lblNoBackups"));
    empty_->setWordWrap(true);
    empty_->setVisible(entries_.empty());
    list_->setVisible(!entries_.empty());

    auto* buttons = new QDialogButtonBox;
    compare_ = buttons->addButton(tr("&Compare With Window..."), QDialogButtonBox::ActionRole);
    compare_->setObjectName(QStringLiteral("cmdCompare"));
    restore_ = buttons->addButton(tr("&Restore..."), QDialogButtonBox::ActionRole);
    restore_->setObjectName(QStringLiteral("cmdRestore"));
    buttons->addButton(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(compare_, &QPushButton::clicked, this, &RestoreDialog::CompareChosen);
    connect(restore_, &QPushButton::clicked, this, &RestoreDialog::RestoreChosen);
    auto enable = [this] {
        compare_->setEnabled(Chosen() != nullptr);
        restore_->setEnabled(Chosen() != nullptr);
    };
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, enable);
    // The newest that can be written back is the likeliest choice.
    for (int r = 0; r < static_cast<int>(entries_.size()); ++r) {
        if (!entries_[static_cast<std::size_t>(r)].Usable()) continue;
        list_->selectRow(r);
        break;
    }
    enable();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(list_, 1);
    layout->addWidget(empty_);
    layout->addStretch(entries_.empty() ? 1 : 0);
    layout->addWidget(buttons);
    resize(720, 400);
}

const BackupEntry* RestoreDialog::Chosen() const {
    const QList<QTableWidgetSelectionRange> ranges = list_->selectedRanges();
    if (ranges.isEmpty()) return nullptr;
    const int row = ranges.front().topRow();
    if (row < 0 || row >= static_cast<int>(entries_.size())) return nullptr;
    const BackupEntry& entry = entries_[static_cast<std::size_t>(row)];
    return entry.Usable() ? &entry : nullptr;
}

bool RestoreDialog::LoadChosen(CloneImage& image) {
    const BackupEntry* entry = Chosen();
    if (!entry) return false;
    QString why;
    // Loaded again: the file may have gone or changed since the list was made.
    if (LoadBackup(entry->path, entry->model.value_or(windowModel_), image, &why)) return true;
    prompter_.Error(this, windowTitle(), {tr("The backup could not be loaded."), why});
    return false;
}

void RestoreDialog::CompareChosen() {
    CloneImage image;
    if (compare && LoadChosen(image)) compare(image, Chosen()->path, this);
}

void RestoreDialog::RestoreChosen() {
    CloneImage image;
    if (!restore || !LoadChosen(image)) return;
    const BackupEntry& entry = *Chosen();
    const QString model = ModelText(image.model);
    QStringList lines{tr("Write the backup of %1 (%2) to the receiver?").arg(WhenText(entry.when), model),
                      tr("Everything the receiver holds is replaced: the settings, the VFO bands, every memory "
                         "channel, the bank table and the scan groups. What it holds now is backed up first.")};
    if (!entry.model)
        lines << tr("The backup does not record its model; it is written as a %1, the window's.").arg(model);
    else if (*entry.model != windowModel_)
        lines << tr("The backup is of a %1 and is written as one; the window holds a %2.")
                     .arg(model, ModelText(windowModel_));
    lines << tr("The window's own image does not change.");
    if (prompter_.ConfirmAction(this, tr("Restore Receiver"), lines, tr("Restore")) != Prompter::Answer::kOk) return;
    if (restore(image)) accept();
}

}  // namespace wrk7
