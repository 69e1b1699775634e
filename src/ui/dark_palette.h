#pragma once

#include <QPalette>

namespace orvanta::ui {

/// A dark colour scheme like the ones dark desktop themes hand to Qt: light
/// text on dark window and box backgrounds. The desktop supplies the real one;
/// this one lets the screenshot tools and the tests look at the windows under it.
QPalette darkPalette();

} // namespace orvanta::ui
