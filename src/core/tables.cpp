#include "core/tables.h"

#include "core/models.h"

namespace wrk7 {

const std::array<std::string, 26>& ScanTimeName() {
    static const auto list = [] {
        std::array<std::string, 26> l;
        l[0] = "BUSY";
        for (int i = 1; i < 26; ++i) l[i] = std::to_string(i) + " SEC";
        return l;
    }();
    return list;
}

const std::array<std::string, 24>& ChargeTimeName() {
    static const auto list = [] {
        std::array<std::string, 24> l;
        for (int i = 0; i < 24; ++i) l[i] = std::to_string(i + 1) + " hrs.";
        return l;
    }();
    return list;
}

const std::array<std::string, 22>& SetModeTimeName() {
    static const auto list = [] {
        std::array<std::string, 22> l;
        l[0] = "MANUAL";
        for (int i = 1; i < 22; ++i) {
            const int sec = i + 4;
            // Built by appending: gcc 12 misreports the prepend of a literal
            // (-Wrestrict) at -O2.
            l[i] = std::to_string(sec);
            if (sec < 10) l[i].insert(0, 1, ' ');
            l[i] += " SEC";
        }
        return l;
    }();
    return list;
}

std::string CarrierName(int code) {
    if (code == kCarrierJR) return "JR";
    return std::to_string((code + 3) * 100) + "Hz";
}

const Band& BandPlan(int model, int band) {
    static const Band none{};
    if (band < 0 || band >= kBandCount) return none;
    return (*NearestModel(model).bands)[static_cast<std::size_t>(band)];
}

double BandEdge(int model, int band, int edge) {
    const Band& b = BandPlan(model, band);
    return edge == 0 ? b.low : b.high;
}

int VfoBandCount(int model) { return NearestModel(model).vfoBands; }

}  // namespace wrk7
