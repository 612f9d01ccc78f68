#include "codecs/vfo_codec.h"

#include "codecs/record_layout.h"
#include "core/hex.h"
#include "core/models.h"

namespace wrk7 {

namespace {

void ApplyDefault(SlotFields& band, const VfoDefault& d, const VfoCommon& common) {
    band.Set(kFreq, ParseDecimal(d.freq));
    band.Set(kMode, d.mode);
    band.Set(kStep, d.step);
    band.Set(kOption, 0);
    band.Set(kSecret, common.secret);
    band.Set(kCarrier, common.carrier);
    band.Set(kTone, common.tone);
    band.Set(kShift, 0);
    band.Set(kOffset, ParseDecimal(d.offset));
}

}  // namespace

bool DecodeVfoBand(CloneImage& image, std::string_view reply, int band) {
    if (!IsValidBand(band)) return false;
    return detail::DecodeRecord(image.vfo.bands[band], reply, kVfoRecordBytes, kVfoFieldCount);
}

std::string EncodeVfoBand(const CloneImage& image, int band) {
    if (!IsValidBand(band)) return std::string(2 * kVfoRecordBytes, '0');
    return detail::EncodeRecord(image.vfo.bands[band], kVfoRecordBytes, image.model);
}

void SetVfoDefaults(CloneImage& image) {
    const ModelInfo& model = Model(image.model);
    for (std::size_t b = 0; b < model.vfoDefaults.size(); ++b)
        ApplyDefault(image.vfo.bands[b], model.vfoDefaults[b], model.vfoCommon);
}

}  // namespace wrk7
