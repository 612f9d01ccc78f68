#pragma once
#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "core/image.h"
#include "lists/channel_list.h"
#include "lists/list_import.h"

namespace wrk7 {

// Every row of a channel list with what it becomes (its slot, frequency,
// mode, tone, name and note) or why it is left out, and a check box that
// chooses it.
class ListPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kUse, kLine, kSlot, kFrequency, kMode, kTone, kName, kNote, kSource, kOutcome, kColumnCount };

    ListPreviewModel(ChannelList list, std::vector<ListMapping> rows, std::array<std::string, kSlotCount> labels,
                     QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const ChannelList& List() const { return list_; }
    const std::vector<ListMapping>& Rows() const { return rows_; }
    // Rows that cannot become a channel stay chosen, so the summary counts
    // them as left out.
    const std::vector<bool>& Chosen() const { return chosen_; }
    void SetChosen(const std::vector<int>& rows, bool chosen);
    // The same rows mapped anew (a CHIRP list placed at its Locations or
    // not); the choice stays.
    void SetRows(std::vector<ListMapping> rows);
    // Shows where the plan puts each row and why it leaves others out.
    void ShowPlan(const ListImportPlan& plan);

signals:
    void choiceChanged();

private:
    QString Written(const ListRow& row, int column) const;
    QString Becomes(const ListMapping& mapping, int column) const;
    QString Outcome(int row) const;

    ChannelList list_;
    std::vector<ListMapping> rows_;
    std::array<std::string, kSlotCount> labels_;
    std::vector<bool> chosen_;
    std::vector<int> slotOf_;                           // per row: its planned slot, -1 for none
    std::map<int, std::vector<Message>> reportByLine_;  // the plan's report lines of each file line
};

// The rows whose chosen field holds the text, without case.
class ListPreviewFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    enum class Field { kAny, kTag, kAgency, kGroup, kMode, kCounty };
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void SetFilter(Field field, const QString& text);
    // The list's rows shown now.
    std::vector<int> ShownRows() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    Field field_ = Field::kAny;
    QString text_;
};

}  // namespace wrk7
