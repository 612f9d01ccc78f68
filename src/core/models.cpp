#include "core/models.h"

#include <algorithm>

namespace wrk7 {

namespace {

// clang-format off
constexpr BandTable kPlanK7J{{
    {0.1, 0.53, "(0.1-0.530MHz)"},          {0.531, 1.62, "(0.531-1.620MHz)"},
    {1.625, 49.995, "(1.625-49.995MHz)"},   {50.0, 75.995, "(50.000-75.995MHz)"},
    {76.0, 107.995, "(76.000-107.995MHz)"}, {108.0, 141.995, "(108.000-141.995MHz)"},
    {142.0, 169.995, "(142.000-169.995MHz)"}, {170.0, 221.995, "(170.000-221.995MHz)"},
    {222.0, 335.995, "(222.000-335.995MHz)"}, {336.0, 429.995, "(336.000-429.995MHz)"},
    {430.0, 469.995, "(430.000-469.995MHz)"}, {470.0, 769.995, "(470.000-769.995MHz)"},
    {770.0, 959.995, "(770.000-959.995MHz)"}, {960.0, 1299.995, "(960.000-1299.995MHz)"},
}};
constexpr BandTable kPlanK70E{{
    {0.1, 0.521, "(0.1-0.521MHz)"},         {0.522, 1.62, "(0.522-1.620MHz)"},
    {1.625, 49.995, "(1.625-49.995MHz)"},   {50.0, 75.995, "(50.000-75.995MHz)"},
    {76.0, 107.995, "(76.000-107.995MHz)"}, {108.0, 141.995, "(108.000-141.995MHz)"},
    {142.0, 169.995, "(142.000-169.995MHz)"}, {170.0, 229.995, "(170.000-229.995MHz)"},
    {230.0, 335.995, "(230.000-335.995MHz)"}, {336.0, 429.995, "(336.000-429.995MHz)"},
    {430.0, 469.995, "(430.000-469.995MHz)"}, {470.0, 869.995, "(470.000-869.995MHz)"},
    {870.0, 959.995, "(870.000-959.995MHz)"}, {960.0, 1299.995, "(960.000-1299.995MHz)"},
}};
// WR-K70T: entries 8 and 9 are not bands but its cellular ranges.
constexpr BandTable kPlanK70T{{
    {0.1, 0.529, "(0.1-0.529MHz)"},         {0.53, 28.995, "(0.530-28.995MHz)"},
    {29.0, 59.745, "(29.000-59.745MHz)"},   {59.75, 107.995, "(59.750-107.995MHz)"},
    {108.0, 215.995, "(108.000-215.995MHz)"}, {216.0, 399.995, "(216.000-399.995MHz)"},
    {400.0, 959.995, "(400.000-959.995MHz)"}, {960.0, 1299.995, "(960.000-1299.995MHz)"},
    {824.0, 849.995, ""},                   {869.0, 894.995, ""},
    {}, {}, {}, {},
}};
// WR-K70K: the WR-K70T's bands without its cellular ranges.
constexpr BandTable kPlanK70K = [] {
    BandTable plan = kPlanK70T;
    plan[8] = plan[9] = Band{};
    return plan;
}();
constexpr std::span<const Band> kCellularK70T{kPlanK70T.data() + 8, 2};

constexpr int kFM = 0, kAM = 1, kWFM = 2;

constexpr std::array<VfoDefault, 14> kVfoK7J{{
    {"0.100000", kAM, 16, "0.250000"},   {"0.531000", kAM, 17, "1.000000"},
    {"2.000000", kAM, 0, "1.000000"},    {"51.000000", kFM, 0, "1.000000"},
    {"76.000000", kWFM, 10, "1.000000"}, {"118.000000", kAM, 7, "1.000000"},
    {"145.000000", kFM, 6, "0.600000"},  {"175.750000", kWFM, 9, "6.000000"},
    {"270.000000", kFM, 4, "9.000000"},  {"380.000000", kFM, 4, "16.500000"},
    {"433.000000", kFM, 6, "16.500000"}, {"475.750000", kWFM, 9, "6.000000"},
    {"806.000000", kWFM, 6, "55.000000"}, {"1295.000000", kFM, 6, "20.000000"},
}};
constexpr std::array<VfoDefault, 14> kVfoK70E{{
    {"0.100000", kAM, 16, "0.250000"},   {"0.522000", kAM, 17, "1.000000"},
    {"1.625000", kAM, 0, "1.000000"},    {"51.000000", kFM, 0, "1.000000"},
    {"87.600000", kWFM, 10, "1.000000"}, {"118.000000", kAM, 7, "1.000000"},
    {"145.000000", kFM, 4, "0.600000"},  {"180.750000", kWFM, 9, "6.000000"},
    {"270.000000", kFM, 4, "9.000000"},  {"380.000000", kFM, 4, "16.500000"},
    {"433.000000", kFM, 4, "16.500000"}, {"476.750000", kWFM, 9, "6.000000"},
    {"806.000000", kWFM, 6, "55.000000"}, {"1295.000000", kFM, 6, "20.000000"},
}};
// WR-K70T and WR-K70K: New leaves bands 8..13 as they are.
constexpr std::array<VfoDefault, 8> kVfoK70TK{{
    {"0.100000", kAM, 16, "0.250000"},   {"0.530000", kAM, 3, "1.000000"},
    {"29.000000", kFM, 3, "1.000000"},   {"59.750000", kWFM, 3, "1.000000"},
    {"145.000000", kFM, 3, "0.600000"},  {"216.000000", kFM, 3, "9.000000"},
    {"400.000000", kFM, 3, "5.000000"},  {"960.000000", kFM, 3, "20.000000"},
}};
constexpr VfoCommon kVfoCommon14{11, kCarrierJR, 8};
constexpr VfoCommon kVfoCommon8{8, kCarrierJR, 8};

constexpr std::string_view kBlock0K7J   = "A5000000000100000000000100000000010200010C0401010208000100141403";
constexpr std::string_view kBlock0K70   = "A5000000000100000000000100000000010200000C0401020208000100141403";
constexpr std::string_view kBlock1K7J   = "0B0600010202000100000000000000001400000000000000FFFFFFFFFFFFFFFF";
constexpr std::string_view kBlock1K70E  = "0B060001020200010000000000000000140000000000000000FFFFFFFFFFFFFF";
constexpr std::string_view kBlock1K70TK = "0B040001020200010000000000000000140000000000000000FFFFFFFFFFFFFF";

constexpr ListingHeadings kNoCodes{"  -  ", "  -  "};

const std::array<ModelInfo, kModelCount> kModels{{
    {.name = ModelName[0], .identification = "KV~WR-K7J",
     .hasTrain = true, .hasScr = false, .carrierList = true, .secretList = false,
     .bands = &kPlanK7J, .vfoBands = 14, .cellularGap = {}, .band1OneStep = true,
     .vfoDefaults = kVfoK7J, .vfoCommon = kVfoCommon14,
     .settingsBlock0 = kBlock0K7J, .settingsBlock1 = kBlock1K7J,
     .codeColumn = CodeColumn::kCarrier, .gridHeading = "Carrier",
     .vfoListing = {"  -  ", "Carrier"}, .memoryListing = {"Skip", "Carrier"}, .wrK7Frames = true},
    {.name = ModelName[1], .identification = "KV~WR-K70E",
     .hasTrain = false, .hasScr = true, .carrierList = false, .secretList = true,
     .bands = &kPlanK70E, .vfoBands = 14, .cellularGap = {}, .band1OneStep = true,
     .vfoDefaults = kVfoK70E, .vfoCommon = kVfoCommon14,
     .settingsBlock0 = kBlock0K70, .settingsBlock1 = kBlock1K70E,
     .codeColumn = CodeColumn::kSecret, .gridHeading = "Scr",
     .vfoListing = {"Secret", "  -  "}, .memoryListing = {"Secret", "Skip"}, .wrK7Frames = false},
    {.name = ModelName[2], .identification = "KV~WR-K70T",
     .hasTrain = false, .hasScr = false, .carrierList = false, .secretList = false,
     .bands = &kPlanK70T, .vfoBands = 8, .cellularGap = kCellularK70T, .band1OneStep = false,
     .vfoDefaults = kVfoK70TK, .vfoCommon = kVfoCommon8,
     .settingsBlock0 = kBlock0K70, .settingsBlock1 = kBlock1K70TK,
     .codeColumn = CodeColumn::kNone, .gridHeading = "-",
     .vfoListing = kNoCodes, .memoryListing = {"Skip", "  -  "}, .wrK7Frames = false},
    {.name = ModelName[3], .identification = "KV~WR-K70K",
     .hasTrain = false, .hasScr = false, .carrierList = false, .secretList = false,
     .bands = &kPlanK70K, .vfoBands = 8, .cellularGap = {}, .band1OneStep = false,
     .vfoDefaults = kVfoK70TK, .vfoCommon = kVfoCommon8,
     .settingsBlock0 = kBlock0K70, .settingsBlock1 = kBlock1K70TK,
     .codeColumn = CodeColumn::kNone, .gridHeading = "-",
     .vfoListing = kNoCodes, .memoryListing = {"Skip", "  -  "}, .wrK7Frames = false},
}};
// clang-format on

}  // namespace

const ModelInfo* FindModel(int modelIndex) {
    if (modelIndex < 0 || modelIndex >= kModelCount) return nullptr;
    return &kModels[static_cast<std::size_t>(modelIndex)];
}

const ModelInfo& Model(int modelIndex) {
    const ModelInfo* known = FindModel(modelIndex);
    return known ? *known : kModels.back();
}

const ModelInfo& NearestModel(int modelIndex) {
    return kModels[static_cast<std::size_t>(std::clamp(modelIndex, 0, kModelCount - 1))];
}

bool InCellularGap(const ModelInfo& model, double mhz) {
    return std::any_of(model.cellularGap.begin(), model.cellularGap.end(),
                       [mhz](const Band& gap) { return mhz >= gap.low && mhz <= gap.high; });
}

}  // namespace wrk7
