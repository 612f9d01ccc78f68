#include "codecs/grid_text.h"

namespace wrk7 {

namespace {

// Grid columns are field + 1; these are 0-based positions in a GridRow.
constexpr int kOptionColumn = kOption;
constexpr int kSkipColumn = kSecret;  // the Skip heading sits over the secret code
constexpr int kCarrierColumn = kCarrier;

constexpr std::string_view kTrainText = "Train";
constexpr std::string_view kScrText = "Scr";
constexpr char kNotApplicable = '-';  // a column the model has no use for

// An option the model lacks is shown as OFF.
void HideMissingOption(GridRow& row, int model) {
    std::string& option = row[kOptionColumn];
    const bool hideScr = model != 1;
    const bool hideTrain = model != 0;
    if ((hideScr && option == kScrText) || (hideTrain && option == kTrainText)) option.assign(OptionName[0]);
}

GridRow Texts(const SlotFields& slot) {
    GridRow row;
    for (int f = 0; f < static_cast<int>(row.size()); ++f) row[f] = slot.Text(f);
    return row;
}

}  // namespace

void UpDateMemData(CloneImage& image) {
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (!image.ChannelEnable[slot]) image.Mem[slot].ClearAll();
}

GridRow MemoryGridRow(const CloneImage& image, int slot) {
    if (!IsValidSlot(slot)) return {};
    const SlotFields& fields = image.Mem[slot];
    GridRow row = Texts(fields);
    const std::string secretText = row[kSkipColumn];
    row[kSkipColumn].assign(fields.Value(kSkip) != 0 ? 1 : 0, '*');
    switch (image.RegionIndex) {
        case 0: break;
        case 1: row[kCarrierColumn] = secretText; break;
        default: row[kCarrierColumn].assign(1, kNotApplicable); break;
    }
    HideMissingOption(row, image.RegionIndex);
    return row;
}

GridRow VfoGridRow(const CloneImage& image, int band) {
    if (!IsValidBand(band)) return {};
    const int model = image.RegionIndex;
    if (model == 0 || model == 1) {
        GridRow row = Texts(image.Vfo[band]);
        if (model == 1) row[kCarrierColumn] = row[kSkipColumn];
        HideMissingOption(row, model);
        return row;
    }
    GridRow row;
    if (band >= VfoBandCount(model)) {
        row.fill(std::string(1, kNotApplicable));
        return row;
    }
    row = Texts(image.Vfo[band]);
    row[kSkipColumn].assign(1, kNotApplicable);
    row[kCarrierColumn].assign(1, kNotApplicable);
    HideMissingOption(row, model);
    return row;
}

}  // namespace wrk7
