#include "core/tables.h"

#include <algorithm>

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

const std::array<std::string, 100>& ScanPairLabel() {
    static const auto list = [] {
        std::array<std::string, 100> l;
        for (int i = 0; i < 100; ++i) {
            l[i].assign(1, 'P');
            l[i] += std::to_string(i / 2);
            l[i] += i % 2 == 0 ? 'A' : 'B';
        }
        return l;
    }();
    return list;
}

std::string CarrierName(int code) {
    if (code == kCarrierJR) return "JR";
    return std::to_string((code + 3) * 100) + "Hz";
}

namespace {

using Plan = std::array<Band, kBandCount>;

// clang-format off
constexpr Plan kPlanK7J{{
    {0.1, 0.53, "(0.1-0.530MHz)"},          {0.531, 1.62, "(0.531-1.620MHz)"},
    {1.625, 49.995, "(1.625-49.995MHz)"},   {50.0, 75.995, "(50.000-75.995MHz)"},
    {76.0, 107.995, "(76.000-107.995MHz)"}, {108.0, 141.995, "(108.000-141.995MHz)"},
    {142.0, 169.995, "(142.000-169.995MHz)"}, {170.0, 221.995, "(170.000-221.995MHz)"},
    {222.0, 335.995, "(222.000-335.995MHz)"}, {336.0, 429.995, "(336.000-429.995MHz)"},
    {430.0, 469.995, "(430.000-469.995MHz)"}, {470.0, 769.995, "(470.000-769.995MHz)"},
    {770.0, 959.995, "(770.000-959.995MHz)"}, {960.0, 1299.995, "(960.000-1299.995MHz)"},
}};
constexpr Plan kPlanK70E{{
    {0.1, 0.521, "(0.1-0.521MHz)"},         {0.522, 1.62, "(0.522-1.620MHz)"},
    {1.625, 49.995, "(1.625-49.995MHz)"},   {50.0, 75.995, "(50.000-75.995MHz)"},
    {76.0, 107.995, "(76.000-107.995MHz)"}, {108.0, 141.995, "(108.000-141.995MHz)"},
    {142.0, 169.995, "(142.000-169.995MHz)"}, {170.0, 229.995, "(170.000-229.995MHz)"},
    {230.0, 335.995, "(230.000-335.995MHz)"}, {336.0, 429.995, "(336.000-429.995MHz)"},
    {430.0, 469.995, "(430.000-469.995MHz)"}, {470.0, 869.995, "(470.000-869.995MHz)"},
    {870.0, 959.995, "(870.000-959.995MHz)"}, {960.0, 1299.995, "(960.000-1299.995MHz)"},
}};
// WR-K70T: entries 8 and 9 are the cellular ranges the receiver must not be set to.
constexpr Plan kPlanK70T{{
    {0.1, 0.529, "(0.1-0.529MHz)"},         {0.53, 28.995, "(0.530-28.995MHz)"},
    {29.0, 59.745, "(29.000-59.745MHz)"},   {59.75, 107.995, "(59.750-107.995MHz)"},
    {108.0, 215.995, "(108.000-215.995MHz)"}, {216.0, 399.995, "(216.000-399.995MHz)"},
    {400.0, 959.995, "(400.000-959.995MHz)"}, {960.0, 1299.995, "(960.000-1299.995MHz)"},
    {824.0, 849.995, ""},                   {869.0, 894.995, ""},
    {}, {}, {}, {},
}};
constexpr Plan kPlanK70K{{
    {0.1, 0.529, "(0.1-0.529MHz)"},         {0.53, 28.995, "(0.530-28.995MHz)"},
    {29.0, 59.745, "(29.000-59.745MHz)"},   {59.75, 107.995, "(59.750-107.995MHz)"},
    {108.0, 215.995, "(108.000-215.995MHz)"}, {216.0, 399.995, "(216.000-399.995MHz)"},
    {400.0, 959.995, "(400.000-959.995MHz)"}, {960.0, 1299.995, "(960.000-1299.995MHz)"},
    {}, {}, {}, {}, {}, {},
}};
// clang-format on

constexpr std::array<const Plan*, kModelCount> kPlans{&kPlanK7J, &kPlanK70E, &kPlanK70T, &kPlanK70K};

int ClampModel(int model) { return std::clamp(model, 0, kModelCount - 1); }

}  // namespace

const Band& BandPlan(int model, int band) {
    static const Band none{};
    if (band < 0 || band >= kBandCount) return none;
    return (*kPlans[ClampModel(model)])[band];
}

double BandEdge(int model, int band, int edge) {
    const Band& b = BandPlan(model, band);
    return edge == 0 ? b.low : b.high;
}

int VfoBandCount(int model) { return ClampModel(model) <= 1 ? 14 : 8; }

}  // namespace wrk7
