#pragma once

#include <QPalette>
#include <QStringList>

namespace orvanta::ui {

/// A dark colour scheme like the ones dark desktop themes hand to Qt: light
/// text on dark window and box backgrounds. The desktop supplies the real one;
/// this one lets the screenshot tools and the tests look at the windows under it.
QPalette darkPalette();

/// Takes "--dark" out of a tool's arguments and, when it was there, puts the
/// application under the dark scheme (the Fusion style, which follows the
/// palette throughout).
void useDarkSchemeIfAsked(QStringList& arguments);

}  // namespace orvanta::ui
