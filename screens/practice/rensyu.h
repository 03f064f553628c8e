#pragma once
// The character practice screen: a chart of 104 kana, a prompt, and the player clicks the matching kana.
#include "toolkit/screen.h"
#include <cstdint>

class Program;

class Rensyu : public toolkit::Screen {
public:
    explicit Rensyu(Program& program);

    // Closes the practice screen and brings back the main game screen with the chart hidden.
    void leave();

protected:
    toolkit::ScreenWindow* build() override;
    void Form_Load() override;
    void forgetControls() override {}
    void closeRequested() override { leave(); }

private:
    Program& program_;
};
