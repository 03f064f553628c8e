// SPDX-License-Identifier: MIT
#pragma once
// How the game looks and moves for the player who asks (the 見え方 menu, or the system's own wish), and the
// colours a front end draws each control in. The screens always set their own colours; with clear colours
// on, every front end draws text, lines and the edges of what can be pressed in the nearest colour of the
// same hue that stands out from what lies behind it (toolkit/colour.h). With less motion on, the screens
// keep still what only moves for show. Off, everything is drawn and moves exactly as the screens say.
#include "toolkit/colour.h"
#include "toolkit/controls.h"
#include <optional>

namespace toolkit {

struct Look {
    bool clearColours = false;
    bool lessMotion = false;
    friend bool operator==(const Look&, const Look&) = default;
};

// The contrast text of this font needs: large text (18 points and up, bold from 14) gets by with less.
double contrastFor(const Font& font);

// The grey edges the front ends draw round a picture box with a border (a slot) and round a button.
inline constexpr Colour pictureEdge{160, 160, 160};
inline constexpr Colour buttonEdge{128, 128, 128};
// The colour a button's caption is meant in; in the default look the front end draws its own.
inline constexpr Colour buttonCaption{0, 0, 0};

// The colour that lies behind a control: the back of the label or picture box it lies on, or its window's.
Colour behind(const Control& control);

// A label as it is drawn: its text and back colour, and an edge round it. In clear colours a label that
// can be pressed (a tile) and whose back does not stand out from what lies behind it gets an edge that does.
struct LabelColours {
    Colour fore;
    Colour back;
    std::optional<Colour> edge;
};
LabelColours drawnColours(const Label& label, const Look& look);
// A button's caption colour; none: the front end's own, as in the default look.
std::optional<Colour> drawnCaption(const Button& button, const Look& look);
Colour drawnEdge(const Button& button, const Look& look);
// The edge of a picture box with a border.
Colour drawnEdge(const PictureBox& box, const Look& look);
Colour drawnColour(const Line& line, const Look& look);

} // namespace toolkit
