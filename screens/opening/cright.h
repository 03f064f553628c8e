#pragma once
// The opening screen: a ball hops along a trail of footprints for about two seconds, turns into a globe,
// uncovers the title, and the screen closes itself and brings up the main game screen.
#include "toolkit/controlarray.h"
#include "toolkit/controls.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"
#include <cstdint>

class ScreenPeers;

struct CrightControls {
    toolkit::PictureBox* Picture7 = nullptr;                         // background
    toolkit::PictureBox* Picture2 = nullptr;                         // title cover
    toolkit::ControlArray<toolkit::PictureBox> Picture8{"Picture8"}; // balls 0..11
    toolkit::ControlArray<toolkit::PictureBox> Picture1{"Picture1"}; // footprint covers 0..11
    toolkit::Timer* Timer1 = nullptr;
};

class Cright : public toolkit::Screen {
public:
    explicit Cright(ScreenPeers& peers);

    void Timer1_Timer();
    const CrightControls& controls() const { return c; }

    std::int16_t tickCounter = 0;

protected:
    toolkit::ScreenWindow* build() override;
    bool visibleAtCreation() const override { return true; }
    void Form_Load() override;
    void forgetControls() override { c = CrightControls{}; }
    void closeRequested() override;

private:
    // Hides and closes the opening and makes the main game screen visible, creating it if it was closed.
    void finish();
    ScreenPeers& peers_;
    CrightControls c;
};
