#include "codecs/vfo_codec.h"

#include "codecs/record_layout.h"
#include "core/hex.h"

namespace wrk7 {

namespace {

// One row of a default table. Where the two 14-band models differ, the K70E
// value is given second.
struct VfoDefault {
    std::string_view freq;
    std::string_view freqK70E;
    int mode;
    int step;
    int stepK70E;
    std::string_view offset;
};

constexpr int kFM = 0, kAM = 1, kWFM = 2;

// WR-K7J and WR-K70E: all 14 bands.
constexpr std::array<VfoDefault, 14> kWideDefaults{{
    {"0.100000", "0.100000", kAM, 16, 16, "0.250000"},
    {"0.531000", "0.522000", kAM, 17, 17, "1.000000"},
    {"2.000000", "1.625000", kAM, 0, 0, "1.000000"},
    {"51.000000", "51.000000", kFM, 0, 0, "1.000000"},
    {"76.000000", "87.600000", kWFM, 10, 10, "1.000000"},
    {"118.000000", "118.000000", kAM, 7, 7, "1.000000"},
    {"145.000000", "145.000000", kFM, 6, 4, "0.600000"},
    {"175.750000", "180.750000", kWFM, 9, 9, "6.000000"},
    {"270.000000", "270.000000", kFM, 4, 4, "9.000000"},
    {"380.000000", "380.000000", kFM, 4, 4, "16.500000"},
    {"433.000000", "433.000000", kFM, 6, 4, "16.500000"},
    {"475.750000", "476.750000", kWFM, 9, 9, "6.000000"},
    {"806.000000", "806.000000", kWFM, 6, 6, "55.000000"},
    {"1295.000000", "1295.000000", kFM, 6, 6, "20.000000"},
}};

// WR-K70T and WR-K70K: bands 0..7.
constexpr std::array<VfoDefault, 8> kNarrowDefaults{{
    {"0.100000", "0.100000", kAM, 16, 16, "0.250000"},
    {"0.530000", "0.530000", kAM, 3, 3, "1.000000"},
    {"29.000000", "29.000000", kFM, 3, 3, "1.000000"},
    {"59.750000", "59.750000", kWFM, 3, 3, "1.000000"},
    {"145.000000", "145.000000", kFM, 3, 3, "0.600000"},
    {"216.000000", "216.000000", kFM, 3, 3, "9.000000"},
    {"400.000000", "400.000000", kFM, 3, 3, "5.000000"},
    {"960.000000", "960.000000", kFM, 3, 3, "20.000000"},
}};

// Values every band of a table shares.
struct VfoCommon {
    int secret;
    int carrier;
    int tone;
};
constexpr VfoCommon kWideCommon{11, kCarrierJR, 8};
constexpr VfoCommon kNarrowCommon{8, kCarrierJR, 8};

template <std::size_t N>
void ApplyDefaults(CloneImage& image, const std::array<VfoDefault, N>& table, const VfoCommon& common,
                   bool k70e) {
    for (std::size_t b = 0; b < N; ++b) {
        const VfoDefault& d = table[b];
        SlotFields& band = image.Vfo[b];
        band.Set(kFreq, ParseDecimal(k70e ? d.freqK70E : d.freq));
        band.Set(kMode, d.mode);
        band.Set(kStep, k70e ? d.stepK70E : d.step);
        band.Set(kOption, 0);
        band.Set(kSecret, common.secret);
        band.Set(kCarrier, common.carrier);
        band.Set(kTone, common.tone);
        band.Set(kShift, 0);
        band.Set(kOffset, ParseDecimal(d.offset));
    }
}

}  // namespace

bool DecodeVfoBand(CloneImage& image, std::string_view reply, int band) {
    if (!IsValidBand(band)) return false;
    return detail::DecodeRecord(image.Vfo[band], reply, kVfoRecordBytes, kVfoFieldCount);
}

std::string EncodeVfoBand(const CloneImage& image, int band) {
    if (!IsValidBand(band)) return std::string(2 * kVfoRecordBytes, '0');
    return detail::EncodeRecord(image.Vfo[band], kVfoRecordBytes, image.RegionIndex);
}

void SetVfoDefaults(CloneImage& image) {
    if (image.RegionIndex == 0 || image.RegionIndex == 1)
        ApplyDefaults(image, kWideDefaults, kWideCommon, image.RegionIndex == 1);
    else
        ApplyDefaults(image, kNarrowDefaults, kNarrowCommon, false);
}

}  // namespace wrk7
