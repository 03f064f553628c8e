// SPDX-License-Identifier: MIT
#pragma once

namespace artgen {

class Output;

// Each draws one family of pictures into the output folder, at the output's scale, under the names the
// game loads.
void drawCreatures(Output& out); // creatures/creature00 … creature11
void drawSigns(Output& out);     // main/stamp, main/stop, main/eaten
void drawBalls(Output& out);     // opening/ball00 … ball10, opening/globe
void drawOpening(Output& out);   // opening/background
void drawIcons(Output& out);     // icon/pokuraku and its desktop sizes, cursors/creature, cursors/tile

} // namespace artgen
