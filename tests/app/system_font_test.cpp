#include <gtest/gtest.h>

#include "app/support/system_font.h"

namespace wrk7 {
namespace {

TEST(SystemFontTest, AFamilyQtCannotDrawIsReplacedByTheFirstInstalledDialogFont) {
    const QStringList wine{"DejaVu Math TeX Gyre", "DejaVu Sans", "IPAGothic", "Liberation Sans", "MS Shell Dlg"};
    const QStringList windows{"Arial", "Microsoft Sans Serif", "Segoe UI", "Tahoma"};
    const struct { const char *requested, *resolved; QStringList installed; const char* replacement; } cases[] = {
        {"MS Shell Dlg", "DejaVu Math TeX Gyre", wine, "Liberation Sans"},  // Wine's system font
        {"MS Shell Dlg", "DejaVu Math TeX Gyre", {"DejaVu Sans"}, "DejaVu Sans"},
        {"Segoe UI", "Segoe UI", windows, ""},              // found: kept
        {"segoe ui", "Segoe UI", windows, ""},              // letter case is no difference
        {"MS Shell Dlg 2", "Arial", windows, "Segoe UI"},   // Windows' own fonts first
        {"Missing", "Fallback", {"Fallback", "Courier"}, ""},  // nothing better: kept
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplacementUiFamily(c.requested, c.resolved, c.installed), QString::fromLatin1(c.replacement))
            << c.requested << " -> " << c.resolved;
}

TEST(SystemFontTest, AJapaneseWindowAsksForALatinFamilyFirstAndAJapaneseOneAfter) {
    const QStringList japanese{"IPAGothic", "Noto Sans CJK JP"};
    const QStringList installed{"DejaVu Sans", "IPAGothic", "Liberation Sans", "Noto Sans CJK JP"};
    const struct { const char* own; QStringList installed, japanese, families; } cases[] = {
        {"DejaVu Sans", installed, japanese, {"DejaVu Sans", "IPAGothic"}},     // a Latin system font stays first
        {"IPAGothic", installed, japanese, {"Liberation Sans", "IPAGothic"}},  // a Japanese one goes behind
        {"ipagothic", installed, japanese, {"Liberation Sans", "ipagothic"}},  // letter case is no difference
        {"IPAGothic", {"IPAGothic", "Noto Sans CJK JP"}, japanese, {"IPAGothic"}},  // no Latin family: kept
        {"DejaVu Sans", {"DejaVu Sans"}, {}, {"DejaVu Sans"}},                 // nothing writes Japanese
    };
    for (const auto& c : cases)
        EXPECT_EQ(JapaneseWindowFamilies(c.own, c.installed, c.japanese), c.families) << c.own;
}

}  // namespace
}  // namespace wrk7
