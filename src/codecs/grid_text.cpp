#include "codecs/grid_text.h"

#include "core/channel_options.h"
#include "core/models.h"

namespace wrk7 {

namespace {

// Grid columns are field + 1; these are 0-based positions in a GridRow.
constexpr int kOptionColumn = kOption;
constexpr int kSkipColumn = kSecret;  // the Skip heading sits over the secret code
constexpr int kCarrierColumn = kCarrier;

constexpr char kNotApplicable = '-';  // a column the model has no use for

// An option the model lacks is shown as OFF.
void HideMissingOption(GridRow& row, const ModelInfo& model) {
    std::string& option = row[kOptionColumn];
    for (int code = 0; code < kChannelOptionCount; ++code) {
        const ChannelOption named = *OptionOfCode(code);
        if (option == OptionName[static_cast<std::size_t>(code)] && !OffersOption(model, named))
            option.assign(OptionName[static_cast<std::size_t>(ChannelOption::kOff)]);
    }
}

// Column 6 shows the carrier, the secret code (the text the Skip column
// held) or nothing the model uses.
void ShowCodeColumn(GridRow& row, const ModelInfo& model, const std::string& secretText) {
    switch (model.codeColumn) {
        case CodeColumn::kCarrier: break;
        case CodeColumn::kSecret: row[kCarrierColumn] = secretText; break;
        case CodeColumn::kNone: row[kCarrierColumn].assign(1, kNotApplicable); break;
    }
}

GridRow Texts(const SlotFields& slot) {
    GridRow row;
    for (int f = 0; f < static_cast<int>(row.size()); ++f) row[f] = slot.Text(f);
    return row;
}

}  // namespace

GridRow MemoryGridRow(const CloneImage& image, int slot) {
    if (!IsValidSlot(slot)) return {};
    const SlotFields& fields = image.memory.slot[slot];
    GridRow row = Texts(fields);
    const std::string secretText = row[kSkipColumn];
    row[kSkipColumn].assign(fields.Value(kSkip) != 0 ? 1 : 0, '*');
    const ModelInfo& model = Model(image.model);
    ShowCodeColumn(row, model, secretText);
    HideMissingOption(row, model);
    return row;
}

GridRow VfoGridRow(const CloneImage& image, int band) {
    if (!IsValidBand(band)) return {};
    GridRow row;
    if (band >= VfoBandCount(image.model)) {
        row.fill(std::string(1, kNotApplicable));
        return row;
    }
    const ModelInfo& model = Model(image.model);
    row = Texts(image.vfo.bands[band]);
    // Unlike the memory grid, the Skip column shows the secret code here,
    // where the model uses one of the codes at all.
    if (model.codeColumn == CodeColumn::kNone) row[kSkipColumn].assign(1, kNotApplicable);
    ShowCodeColumn(row, model, row[kSkipColumn]);
    HideMissingOption(row, model);
    return row;
}

}  // namespace wrk7
