// SPDX-License-Identifier: MIT
#pragma once
// The opening screen: a ball hops along a trail of footprints for about two seconds, turns into a globe,
// uncovers the title, and the screen closes itself and brings up the main game screen.
#include "toolkit/controlarray.h"
#include "toolkit/screen.h"
#include <cstdint>

class Navigator;

struct OpeningScreenControls {
    toolkit::PictureBox* background = nullptr;                              // background
    toolkit::PictureBox* titleCover = nullptr;                              // title cover
    toolkit::ControlArray<toolkit::PictureBox> balls{"Picture8"};           // balls 0..11
    toolkit::ControlArray<toolkit::PictureBox> footprintCovers{"Picture1"}; // footprint covers 0..11
    toolkit::Timer* animationTimer = nullptr;
};

class OpeningScreen : public toolkit::Screen {
public:
    explicit OpeningScreen(Navigator& navigator);

    void onAnimationTick();
    const OpeningScreenControls& controls() const { return c; }
    // How far the animation has gone: the hops made, then the quiet ticks after the last one.
    std::int16_t ticks() const { return tickCounter; }

protected:
    std::unique_ptr<toolkit::Window> build() override;
    bool visibleAtCreation() const override { return true; }
    void onLoad() override;
    void forgetControls() override { c = OpeningScreenControls{}; }
    void closeRequested() override;

private:
    // Hides and closes the opening and makes the main game screen visible, creating it if it was closed.
    void finish();
    void showLastPicture();
    Navigator& navigator_;
    OpeningScreenControls c;
    std::int16_t tickCounter = 0;
};
