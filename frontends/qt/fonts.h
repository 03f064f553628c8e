// SPDX-License-Identifier: MIT
#pragma once
// The screens name the fonts of a Japanese Windows desktop; on Debian they are drawn with the IPA fonts,
// falling back to Noto CJK JP.
#include "toolkit/font.h"
#include <QFont>

namespace frontend {

// Called once at start-up, before any screen is built.
void registerFontSubstitutes();
// The desktop's font for a screen's font, at its size in pixels at 96 dots per inch times the zoom, so text
// keeps its place on the twip grid at any zoom; HiDPI scaling then enlarges text and geometry alike.
QFont makeFont(const toolkit::Font& font, double zoom = 1);

} // namespace frontend
