#pragma once
#include <array>
#include <string>
#include <string_view>

namespace wrk7 {

// Fixed reference tables. Record codes are indexes into these lists.

// The models' names in model-number order; all else that differs between
// them is in the model table (models.h).
inline constexpr int kModelCount = 4;  // model numbers 0..3
inline constexpr std::array<std::string_view, kModelCount> ModelName{
    "WR-K7J", "WR-K70E", "WR-K70T", "WR-K70K"};

inline constexpr std::array<std::string_view, 3> ModeName{"FM", "AM", "WFM"};

inline constexpr std::array<std::string_view, 20> StepName{
    "5KHz",   "6.25KHz", "8.33KHz", "10KHz",  "12.5KHz", "15KHz",  "20KHz",
    "25KHz",  "30KHz",   "50KHz",   "100KHz", "125KHz",  "150KHz", "200KHz",
    "500KHz", "1MHz",    "1KHz",    "9KHz",   "",        ""};
// The code of the step named name, -1 for none.
constexpr int StepCode(std::string_view name) {
    for (std::size_t code = 0; code < StepName.size(); ++code)
        if (!name.empty() && StepName[code] == name) return static_cast<int>(code);
    return -1;
}

inline constexpr std::array<std::string_view, 39> ToneName{
    "67.0Hz",  "69.3Hz",  "71.9Hz",  "74.4Hz",  "77.0Hz",  "79.7Hz",  "82.5Hz",
    "85.4Hz",  "88.5Hz",  "91.5Hz",  "94.8Hz",  "97.4Hz",  "100.0Hz", "103.5Hz",
    "107.2Hz", "110.9Hz", "114.8Hz", "118.8Hz", "123.0Hz", "127.3Hz", "131.8Hz",
    "136.5Hz", "141.3Hz", "146.2Hz", "151.4Hz", "156.7Hz", "162.2Hz", "167.9Hz",
    "173.8Hz", "179.9Hz", "186.2Hz", "192.8Hz", "203.5Hz", "210.7Hz", "218.1Hz",
    "225.7Hz", "233.6Hz", "241.8Hz", "250.3Hz"};

inline constexpr std::array<std::string_view, 5> OptionName{"OFF", "Train", "Tone", "Rev.", "Scr"};
// Codes 8..12: an option with the skip bit a CSV row adds for SKIP #TRUE#,
// named so that an export and an import give the same code back.
inline constexpr int kOptionSkipBit = 8;
inline constexpr std::array<std::string_view, 5> SkippedOptionName{"OFF+Skip", "Train+Skip", "Tone+Skip",
                                                                   "Rev.+Skip", "Scr+Skip"};
inline constexpr std::string_view kUnknownOptionName = "None";  // any other code

inline constexpr std::array<std::string_view, 3> ShiftName{"OFF", "+Shift", "-Shift"};

inline constexpr std::array<std::string_view, 29> SetModeKeyword{
    "ATT",    "ANTENA", "ABAR",   "SBAR",   "LAMP",   "SCANTP", "PRIO",   "TIMESP",
    "TIMEPR", "BAND",   "APO",    "BS",     "BEEP",   "BELL",   "MONTYP", "MONFNC",
    "LOCBUG", "BUGSNS", "BUGTYP", "CHARGE", "CHGTIM", "SETMOD", "PROTCT", "SKIP",
    "WILDKY", "RMCN-A", "RMCN-B", "RMCN-C", "RMCN-D"};

inline constexpr std::array<std::string_view, 20> KeyFunctionName{
    "UP",   "DOWN",  "V/P/M",  "AUX IN", "TONE", "REVTON", "TRAIN", "MONI", "BAND", "PRIO",
    "SPEED", "AFTONE", "PLAY", "REC",    "ATT",  "ANTENA", "ABAR",  "SBAR", "BEEP", "BELL"};

inline constexpr std::array<std::string_view, 8> TimeSpName{
    " 5-SEC", "10-SEC", "15-SEC", "20-SEC", "25-SEC", "30-SEC", "45-SEC", "60-SEC"};

// Lists that count: built once from their pattern.
const std::array<std::string, 26>& ScanTimeName();     // "BUSY", "1 SEC" .. "25 SEC"
const std::array<std::string, 24>& ChargeTimeName();   // "1 hrs." .. "24 hrs."
const std::array<std::string, 22>& SetModeTimeName();  // "MANUAL", " 5 SEC" .. "25 SEC"

// Carrier list: codes 0..27 are (code + 3) * 100 Hz, 28 is "JR".
inline constexpr int kCarrierJR = 28;
std::string CarrierName(int code);

// Band plans per model (rows of the model table, models.h): 14 entries
// each; unused entries hold 0 and "". A model number outside 0..3 reads the
// nearest model's plan.
struct Band {
    double low = 0;
    double high = 0;
    std::string_view label;
};
inline constexpr int kBandCount = 14;
const Band& BandPlan(int model, int band);
inline std::string_view BandLabel(int model, int band) { return BandPlan(model, band).label; }
double BandEdge(int model, int band, int edge);  // edge 0 lowest, 1 highest
int VfoBandCount(int model);                      // bands the VFO uses, from 0

inline constexpr std::string_view AppTitle = "Korvan WR-K7/K70 Clone Utility";
inline constexpr std::string_view FileHeaderLine = "Korvan  WR-K7  Clone  File Start";
inline constexpr std::string_view FileFooterLine = "Korvan  WR-K7  Clone  File   End";

}  // namespace wrk7
