#include "app/pages/grid_clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTableView>

#include "app/commands/commands.h"
#include "app/document/clone_document.h"
#include "app/pages/memory_page.h"
#include "app/translation/said.h"
#include "app/support/prompter.h"
#include "app/pages/vfo_table_model.h"
#include "edit/bank.h"
#include "edit/memory_ops.h"
#include "lists/channel_records_text.h"
#include "lists/channel_tsv.h"

namespace wrk7 {

namespace {

QString MimeType() {
    return QString::fromLatin1(kChannelRecordsMimeType.data(), static_cast<qsizetype>(kChannelRecordsMimeType.size()));
}

std::vector<PasteRecord> MemoryRecords(const CloneImage& image, const std::vector<int>& slotList) {
    std::vector<PasteRecord> records;
    for (int s : slotList) records.push_back({image.memory.slot[s], image.memory.enabled[s], {}});
    return records;
}

std::vector<PasteRecord> VfoRecords(const CloneImage& image, const std::vector<int>& bands) {
    std::vector<PasteRecord> records;
    for (int b : bands) records.push_back({image.vfo.bands[b], true, {}});
    return records;
}

void PutOnClipboard(const std::string& text, const std::vector<PasteRecord>& records) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(text));
    data->setData(MimeType(), QByteArray::fromStdString(EncodeChannelRecords(records)));
    QApplication::clipboard()->setMimeData(data);
}

}  // namespace

GridClipboard::GridClipboard(CloneDocument& document, Prompter& prompter, MemoryPage* memory, QTableView* vfoGrid,
                             QWidget* window)
    : QObject(window),
      document_(document),
      image_(document.Image()),
      prompter_(prompter),
      memory_(memory),
      vfoGrid_(vfoGrid),
      window_(window) {
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &GridClipboard::LookAtClipboard);
    LookAtClipboard();
}

QTableView* GridClipboard::View(GridKind grid) const { return grid == GridKind::kMemory ? memory_->Grid() : vfoGrid_; }

void GridClipboard::Copy(GridKind grid) {
    const std::vector<int> rows = SelectedGridRows(View(grid));
    if (grid == GridKind::kMemory) {
        PutOnClipboard(MemoryRowsAsTsv(image_, rows), MemoryRecords(image_, rows));
    } else {
        PutOnClipboard(VfoRowsAsTsv(image_, rows), VfoRecords(image_, rows));
    }
}

void GridClipboard::Cut() {
    const std::vector<int> rows = memory_->SelectedRows();
    Copy(GridKind::kMemory);
    document_.Edit(tr("Cut %1").arg(RowsName(document_.Image(), rows)), [&](CloneImage& image) { ClearRows(image, rows); });
}

std::vector<PasteRecord> GridClipboard::ClipboardRecords(GridKind grid) const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data) return {};
    if (data->hasFormat(MimeType())) {
        if (auto records = DecodeChannelRecords(data->data(MimeType()).toStdString())) return *records;
    }
    const std::string text = data->text().toStdString();
    if (!LooksLikeChannelTsv(text)) return {};
    return ParseChannelTsv(text, grid == GridKind::kMemory ? TsvRows::kMemory : TsvRows::kVfoBands);
}

void GridClipboard::LookAtClipboard() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    canPaste_ = data && (data->hasFormat(MimeType()) ||
                         (data->hasText() && LooksLikeChannelTsv(data->text().toStdString())));
    emit canPasteChanged();
}

void GridClipboard::Paste(GridKind grid) {
    const std::vector<PasteRecord> records = ClipboardRecords(grid);
    if (records.empty()) return;
    if (grid == GridKind::kMemory) {
        PasteIntoMemory(records);
    } else {
        PasteIntoVfo(records);
    }
}

void GridClipboard::PasteIntoMemory(const std::vector<PasteRecord>& records) {
    // From the top of the selection, as a spreadsheet pastes.
    const int first = SelectedGridRows(memory_->Grid()).front();
    const PastePlan plan = PlanMemoryPaste(image_, first, records);
    if (!ConfirmReplacingUsedChannels(prompter_, window_, QStringLiteral("paste"), plan.overwrites)) return;
    std::vector<int> targets;
    for (const PastePlan::Write& w : plan.writes) targets.push_back(w.target + 1);
    SlotRange changed;
    if (!targets.empty())
        document_.Edit(tr("Paste %1").arg(RowsName(document_.Image(), targets)),
                       [&](CloneImage& image) { changed = ApplyMemoryPaste(image, plan); });
    // The rows the paste filled, not the refused ones between them.
    if (!changed.Empty()) memory_->SelectOnly(targets);
    const auto labels = BuildRowLabels(image_);
    ReportRefusals(plan, {labels.begin(), labels.end()});
}

void GridClipboard::PasteIntoVfo(const std::vector<PasteRecord>& records) {
    const int first = SelectedGridRows(vfoGrid_).front();
    const PastePlan plan = PlanVfoPaste(image_, first, records);
    if (!plan.writes.empty()) {
        const QString bands = plan.writes.size() == 1 ? QStringLiteral("VFO %1").arg(plan.writes.front().target)
                                                      : tr("%n VFO Bands", nullptr, static_cast<int>(plan.writes.size()));
        document_.Edit(tr("Paste %1").arg(bands), [&](CloneImage& image) { ApplyVfoPaste(image, plan); });
    }
    std::vector<std::string> labels;
    for (int b = 0; b < kBandCount; ++b) labels.push_back(std::to_string(b));
    ReportRefusals(plan, labels);
}

void GridClipboard::ReportRefusals(const PastePlan& plan, const std::vector<std::string>& labels) {
    const std::vector<Message> summary = RefusalSummary(plan, labels);
    if (!summary.empty()) prompter_.Error(window_, ErrorTitle(), Said(summary));
}

}  // namespace wrk7
