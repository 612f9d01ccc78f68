#pragma once
#include <array>
#include <span>
#include <string_view>

#include "core/tables.h"

namespace wrk7 {

// Everything that differs between the receiver models, one row per model in
// model-number order. Rules that depend on the model read a row instead of
// comparing model numbers; a new model is a new row.

using BandTable = std::array<Band, kBandCount>;

// The value one VFO band gets from New; the texts are read as numbers.
struct VfoDefault {
    std::string_view freq;
    int mode;
    int step;
    std::string_view offset;
};
// Values every default band of a model shares.
struct VfoCommon {
    int secret;
    int carrier;
    int tone;
};

// What grid column 6 (the carrier column) and the listing's matching column
// carry for a model.
enum class CodeColumn { kCarrier, kSecret, kNone };

// Headings of the listing's sixth and seventh columns.
struct ListingHeadings {
    std::string_view sixth;
    std::string_view seventh;
};

struct ModelInfo {
    std::string_view name;            // ModelName entry: model buttons, listing, --model
    std::string_view identification;  // command that opens a transfer, without the CR

    // Channel options the receiver knows; read through OffersOption
    // (channel_options.h), which every rule about a missing option asks.
    bool hasTrain;  // option 1
    bool hasScr;    // option 4, "Secret" in the channel editor
    // Lists the channel editor offers.
    bool carrierList;  // cbbAir
    bool secretList;   // cbbSec

    const BandTable* bands;         // band plan: edges and labels
    int vfoBands;                   // bands the VFO grid and editor use, from 0
    std::span<const Band> cellularGap;  // frequencies the receiver must not be set to
    bool band1OneStep;              // VFO band 1 tunes in 9KHz steps only

    std::span<const VfoDefault> vfoDefaults;  // bands 0.. that New fills
    VfoCommon vfoCommon;
    std::string_view settingsBlock0;  // defaults of the settings blocks, hex
    std::string_view settingsBlock1;

    CodeColumn codeColumn;         // what grid column 6 shows
    std::string_view gridHeading;  // its heading in both grids
    ListingHeadings vfoListing;
    ListingHeadings memoryListing;
    bool wrK7Frames;  // bug settings and recording rate exist
};

// The row of a model. A number the table does not know gets the last row,
// the model with the fewest options.
const ModelInfo& Model(int modelIndex);
// The row of a known model, nullptr otherwise.
const ModelInfo* FindModel(int modelIndex);
// The row of the nearest known model: below 0 the first, above the last the
// last. The band plans have always been looked up this way.
const ModelInfo& NearestModel(int modelIndex);

// True when mhz lies inside one of the model's cellular ranges (inclusive).
bool InCellularGap(const ModelInfo& model, double mhz);

}  // namespace wrk7
