#include <gtest/gtest.h>

#include "app/widgets/system_font.h"

namespace wrk7 {
namespace {

TEST(SystemFontTest, AFamilyQtCannotDrawIsReplacedByTheFirstInstalledDialogFont) {
    const QStringList wine{"DejaVu Math TeX Gyre", "DejaVu Sans", "IPAGothic", "Liberation Sans", "MS Shell Dlg"};
    const QStringList windows{"Arial", "Microsoft Sans Serif", "Segoe UI", "Tahoma"};
    const struct {
        const char* requested;
        const char* resolved;
        QStringList installed;
        const char* replacement;
    } cases[] = {
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

}  // namespace
}  // namespace wrk7
