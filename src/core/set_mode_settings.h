#pragma once
#include <array>

namespace wrk7 {

// The set-mode options as the two settings pages show them: one member per
// window control, named after it. Option groups hold the index of the selected
// button (-1: none selected), lists the selected position (-1: none), check
// boxes their state, sliders their position. The windows bind their controls
// to this value; the settings codec moves it to and from the two blocks.
struct SetModeSettings {
    // Block 0 (receiver address 00000)
    bool chkATT = false;          // Attenuator
    int optAntenna = 0;           // 0 SMA, 1 EAR
    bool chkBarAM = false;        // AM bar antenna (stored inverted)
    bool chkBarSW = false;        // SW bar antenna (stored inverted)
    int optLamp = 0;              // 0 OFF, 1 5sec, 2 ON, 3 ALL OFF
    int cbbScan = 0;              // ScanTimeName position
    int cbbTimePr = 0;            // ScanTimeName position
    int optBand = 0;              // 0 Rotate, 1 Across
    int opbAPO = 0;               // 0 Off, 1 30, 2 60, 3 90
    bool chkBS = false;           // Battery Save
    bool chkBeep = false;         // Beep (stored inverted)
    bool chkBell = false;         // Bell
    int opbKeyFunc = 0;           // MONI key Function: 0 Push, 1 Hold
    int opbMONI = 0;              // MONI key: 0 Monitor, 1 Mute
    int optLockBug = 0;           // 0 ENABLE, 1 DISABLE
    int opbBug = 0;               // Bug Sensitive Level 0..4 ("1".."5")
    int optBugType = 0;           // 0 SILENT, 1 SOUND
    bool chkCharge = false;       // Charge
    int cbbChargeTime = 11;       // ChargeTimeName position (byte - 1)
    int cbbSetMode = 0;           // SetModeTimeName position (byte - 4)
    int optSkip = 0;              // Scan TYPE: 0 No SKIP, 1 SKIP
    int cbbWildKey = 0;           // SetModeKeyword position (byte - 1)
    std::array<int, 4> cbbRemocon{-1, -1, -1, -1};  // KeyFunctionName positions, A..D
    int afVolume = 0;              // AF volume level 0..30 (lblVol shows it)
    int squelchLevel = 0;              // Squelch level 0..9 (lblSql shows it)

    // Block 1 (receiver address 00020)
    int opbOpMode = 0;            // Operating Mode: 0 VFO, 1 Preset, 2 Memory
    int optRecRate = 0;           // 0 LONG, 1 NORMAL, 2 CLEAR, 3 HIGH-Q
    int optVscanSpeed = 0;        // 0..4 ("1".."5")
    int optMscanSpeed = 0;        // 0..4 ("1".."5")
    int opbKeyLock = 0;           // 0 NON, 1 QUICK, 2 NORMAL
    bool chkAutoWave = false;     // Auto Wave (stored inverted)
    bool chkAutoStep = false;     // Auto Step (stored inverted)
    int optAfTone = 0;            // 0 Low, 1 High
    int cbbTimeSp = 0;            // TimeSpName position

    // Controls with no byte in either block: kept only while the program runs.
    bool chkTxEx = false;         // TX Extension
    bool chkWP = false;           // Write Protect
    bool chkLoVolume = false;     // Lo Volume
    bool chkAutoProg = false;     // Auto Program
    // No byte holds the tone burst, so no read can choose one: it starts on
    // the usual 1750 Hz rather than on no choice at all.
    int opbBurst = 0;             // Tone Burst: 0 1750Hz, 1 2100Hz, 2 1000Hz, 3 1450Hz
    bool chkFlg1None = false;     // chkFlg1 "None"
    bool chkFlg1DoReMi = false;   // chkFlg1 "DoReMi"

    bool operator==(const SetModeSettings&) const = default;
};

}  // namespace wrk7
