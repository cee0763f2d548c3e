#pragma once
// The global look, set once at launch: the navigation bar background and title, the bar
// buttons and the rest of the application's style sheet.

#include <QString>

namespace Appearance {
// The style sheet of the global look; rules whose image is missing are left out, so the
// element keeps the default look.
QString styleSheet();
// Sets the sheet on the application, and again whenever the desktop's palette changes.
void apply();
} // namespace Appearance
