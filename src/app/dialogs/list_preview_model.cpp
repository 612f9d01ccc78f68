#include "app/dialogs/list_preview_model.h"

#include <cmath>

#include "app/translation/said.h"
#include "core/channel_options.h"
#include "core/hex.h"
#include "core/tables.h"

namespace wrk7 {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Where a row comes from in its list: its tag, agency, group and county.
QString Source(const ListRow& row) {
    QStringList parts;
    for (const std::string* part : {&row.tag, &row.agency, &row.group, &row.county})
        if (!part->empty()) parts << Q(*part);
    return parts.join(QStringLiteral(" / "));
}

}  // namespace

ListPreviewModel::ListPreviewModel(ChannelList list, std::vector<ListMapping> rows,
                                   std::array<std::string, kSlotCount> labels, QObject* parent)
    : QAbstractTableModel(parent),
      list_(std::move(list)),
      rows_(std::move(rows)),
      labels_(std::move(labels)),
      chosen_(rows_.size(), true),
      slotOf_(rows_.size(), -1) {}

int ListPreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ListPreviewModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant ListPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case kUse: return tr("Import");
        case kLine: return tr("Line");
        case kSlot: return tr("Row");
        case kFrequency: return tr("Frequency");
        case kMode: return tr("Mode");
        case kTone: return tr("Tone");
        case kName: return tr("Name");
        case kNote: return tr("Note");
        case kSource: return tr("Source");
        case kOutcome: return tr("Outcome");
        default: return {};
    }
}

Qt::ItemFlags ListPreviewModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == kUse && rows_[static_cast<std::size_t>(index.row())].outcome == ListMapping::Outcome::kImported)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QString ListPreviewModel::Written(const ListRow& row, int column) const {
    switch (column) {
        case kFrequency: {
            // In MHz like the rows taken, whatever unit the list writes.
            bool number = false;
            const double value = Q(row.frequency).trimmed().toDouble(&number);
            if (!number || !std::isfinite(value)) return Q(row.frequency);
            return Q(FormatFrequency(row.hertz ? value / 1e6 : value));
        }
        case kMode: return Q(row.mode);
        case kTone: return Q(row.tone);
        case kName: return Q(row.name);
        case kNote: return Q(row.note);
        default: return {};
    }
}

QString ListPreviewModel::Becomes(const ListMapping& mapping, int column) const {
    // The columns share their names with the channel's fields: the fields
    // are named whole.
    const SlotFields& c = mapping.channel;
    switch (column) {
        case kFrequency: return Q(FormatFrequency(c.Value(Field::kFreq)));
        case kMode: return Q(c.Text(Field::kMode));
        case kTone:
            return static_cast<int>(c.Value(Field::kOption)) == static_cast<int>(ChannelOption::kTone)
                       ? Q(c.Text(Field::kTone))
                       : QString();
        case kName: return Q(c.Text(Field::kName));
        case kNote: return Q(c.Text(Field::kNote));
        default: return {};
    }
}

QString ListPreviewModel::Outcome(int row) const {
    const ListMapping& mapping = rows_[static_cast<std::size_t>(row)];
    if (mapping.outcome == ListMapping::Outcome::kNoChannel) return tr("no frequency");
    if (mapping.outcome == ListMapping::Outcome::kLeftOut) return mapping.reason ? Said(*mapping.reason) : QString();
    if (!chosen_[static_cast<std::size_t>(row)]) return tr("not chosen");
    QStringList lines;
    const auto said = reportByLine_.find(mapping.line);
    if (said != reportByLine_.end())
        for (const Message& m : said->second) lines << Said(m);
    return lines.join(QStringLiteral("; "));
}

QVariant ListPreviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto row = static_cast<std::size_t>(index.row());
    const ListMapping& mapping = rows_[row];
    const bool imported = mapping.outcome == ListMapping::Outcome::kImported;
    if (role == Qt::CheckStateRole && index.column() == kUse && imported)
        return chosen_[row] ? Qt::Checked : Qt::Unchecked;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    switch (index.column()) {
        case kUse: return {};
        case kLine: return mapping.line;
        case kSlot: return slotOf_[row] >= 0 ? Q(labels_[static_cast<std::size_t>(slotOf_[row])]) : QString();
        case kSource: return Source(list_.rows[row]);
        case kOutcome: return Outcome(index.row());
        default: return imported ? Becomes(mapping, index.column()) : Written(list_.rows[row], index.column());
    }
}

bool ListPreviewModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || index.column() != kUse || !(flags(index) & Qt::ItemIsUserCheckable)) return false;
    SetChosen({index.row()}, value.toInt() == Qt::Checked);
    return true;
}

void ListPreviewModel::SetChosen(const std::vector<int>& rows, bool chosen) {
    bool changed = false;
    for (const int row : rows) {
        const auto r = static_cast<std::size_t>(row);
        if (r >= rows_.size() || rows_[r].outcome != ListMapping::Outcome::kImported || chosen_[r] == chosen) continue;
        chosen_[r] = chosen;
        changed = true;
    }
    if (!changed) return;
    emit dataChanged(index(0, kUse), index(rowCount() - 1, kUse), {Qt::CheckStateRole});
    emit choiceChanged();
}

void ListPreviewModel::SetRows(std::vector<ListMapping> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void ListPreviewModel::ShowPlan(const ListImportPlan& plan) {
    std::fill(slotOf_.begin(), slotOf_.end(), -1);
    for (const PlacedRow& placed : plan.placed) slotOf_[static_cast<std::size_t>(placed.row)] = placed.slot;
    reportByLine_.clear();
    for (const ImportIssue& issue : plan.report) reportByLine_[issue.line].push_back(issue.reason);
    if (rowCount() > 0) emit dataChanged(index(0, kSlot), index(rowCount() - 1, kOutcome));
}

void ListPreviewFilter::SetFilter(Field field, const QString& text) {
    field_ = field;
    text_ = text.trimmed();
    invalidateFilter();
}

std::vector<int> ListPreviewFilter::ShownRows() const {
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(rowCount()));
    for (int r = 0; r < rowCount(); ++r) rows.push_back(mapToSource(index(r, 0)).row());
    return rows;
}

bool ListPreviewFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    if (text_.isEmpty()) return true;
    const auto* model = static_cast<const ListPreviewModel*>(sourceModel());
    const ListRow& row = model->List().rows[static_cast<std::size_t>(sourceRow)];
    auto holds = [this](const std::string& field) { return Q(field).contains(text_, Qt::CaseInsensitive); };
    switch (field_) {
        case Field::kTag: return holds(row.tag);
        case Field::kAgency: return holds(row.agency);
        case Field::kGroup: return holds(row.group);
        case Field::kMode: return holds(row.mode);
        case Field::kCounty: return holds(row.county);
        case Field::kAny: break;
    }
    for (int column = 0; column < ListPreviewModel::kColumnCount; ++column)
        if (model->index(sourceRow, column).data().toString().contains(text_, Qt::CaseInsensitive)) return true;
    return holds(row.tag) || holds(row.agency) || holds(row.group) || holds(row.county) || holds(row.mode);
}

}  // namespace wrk7
