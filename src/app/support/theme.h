#pragma once
#include <QPalette>
#include <QString>
#include <optional>

namespace wrk7 {

// The colours of the whole program: the desktop's own, or light or dark
// whatever the desktop uses.
enum class Theme { kSystem, kLight, kDark };

// "system", "light", "dark" as the settings store keeps them.
QString ThemeKey(Theme theme);
std::optional<Theme> ThemeFromKey(const QString& key);

// A dark palette in which every role keeps a readable contrast: text on
// base, on buttons, on the highlight, disabled text.
QPalette DarkPalette();
QPalette LightPalette();

// Applies the theme to the running application. The desktop's palette is
// taken the first time this runs, so System can return to it.
void ApplyTheme(Theme theme);

}  // namespace wrk7
