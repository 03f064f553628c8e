// SPDX-License-Identifier: MIT
#pragma once
// The screens name the fonts of a Japanese Windows desktop; on Debian they are drawn with the IPA fonts,
// falling back to Noto CJK JP. Called once at start-up, before any screen is built.
void registerFontSubstitutes();
