#pragma once
// The romaji chart window: a reference card of kana and their romaji beside the game. It has no handlers
// of its own; other screens show, hide and close it.
#include "toolkit/screen.h"

class Program;

class Form2 : public toolkit::Screen {
public:
    explicit Form2(Program& program);

protected:
    toolkit::ScreenWindow* build() override;
    void forgetControls() override {}
};
