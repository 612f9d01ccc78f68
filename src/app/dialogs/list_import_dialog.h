#pragma once
#include <QDialog>
#include <memory>

#include "lists/channel_list.h"
#include "lists/list_import.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;

namespace wrk7 {

class ListPreviewFilter;
class MemoryRowBox;
class ListPreviewModel;

// The import of a channel list: every row with what it becomes or why it is
// left out, filtered and chosen by check boxes; where the chosen rows go (a
// CHIRP list's at their own Locations first) and what a row already held
// does; and, before anything changes, the summary of what Import will do.
class ListImportDialog : public QDialog {
    Q_OBJECT
public:
    ListImportDialog(const CloneImage& image, ChannelList list, const QString& fileName, int offeredSlot,
                     QWidget* parent = nullptr);
    ~ListImportDialog() override;

    const std::vector<ListMapping>& Rows() const;
    const ListImportPlan& Plan() const { return plan_; }
    ListImportChoice Choice() const;

    // What the heading calls a list of type ("gqrx bookmarks"): the table's
    // title in the window's language.
    static QString ListTitle(ListFileType type);

    ListPreviewModel* Preview() const { return model_; }
    ListPreviewFilter* Filter() const { return filter_; }

private:
    void Replan();
    void SizeColumns();
    void MeasureOutcomes();
    void SizeOutcomeColumn();
    void resizeEvent(QResizeEvent* event) override;
    int outcomeWidth_ = 0;
    QWidget* BuildFilterBar();
    QWidget* BuildTarget(int offeredSlot, bool ownLocations);

    std::unique_ptr<CloneImage> image_;  // the window's image as the dialog opened: what the plan is made on
    ListPreviewModel* model_ = nullptr;
    ListPreviewFilter* filter_ = nullptr;
    QTableView* table_ = nullptr;
    QComboBox* filterField_ = nullptr;
    QLineEdit* filterText_ = nullptr;
    QRadioButton* fromRow_ = nullptr;
    QRadioButton* intoBank_ = nullptr;
    QRadioButton* emptySlots_ = nullptr;
    QRadioButton* atLocations_ = nullptr;  // CHIRP's lists only
    MemoryRowBox* firstRow_ = nullptr;
    QSpinBox* bank_ = nullptr;
    QCheckBox* growBank_ = nullptr;
    QComboBox* duplicates_ = nullptr;
    bool mappedAtLocations_ = false;  // what the rows shown were mapped for
    QLabel* summary_ = nullptr;
    QPushButton* importButton_ = nullptr;
    ListImportPlan plan_;
};

}  // namespace wrk7
