#pragma once
// A dark desktop theme as such desktops give it, for the theme test and the dark screenshots.

#include <QPalette>

QPalette darkDesktopPalette();
