#pragma once
// The practice screen's controls, built from its definition: the 104-label kana chart, the prompt, count,
// time and level labels, the START and begin buttons, the two timers and the menu bar, each in the state it
// has when the window is created.
#include "toolkit/controlarray.h"
#include "toolkit/controls.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"
#include <QAction>

struct RensyuControls {
    toolkit::ControlArray<toolkit::Label> Label1{"Label1"}; // kana chart 0..103
    toolkit::Label* Label2 = nullptr;                       // prompt
    toolkit::Label* Label3 = nullptr;                       // instruction
    toolkit::Label* Label4 = nullptr;                       // count of correct answers
    toolkit::Label* Label5 = nullptr;                       // level question, level confirmation, time left
    toolkit::Label* Label6 = nullptr;                       // level name or cheer
    toolkit::Button* Command1 = nullptr;                    // START
    toolkit::Button* Command2 = nullptr;                    // begin an untimed run
    toolkit::Timer* Timer1 = nullptr;                       // target timer
    toolkit::Timer* Timer2 = nullptr;                       // run clock
    QAction* syokyuu = nullptr;
    QAction* tyuukyuu = nullptr;
    QAction* jyoukyuu = nullptr;
    toolkit::ControlArray<QAction> bb{"bb"}; // "no time", element 0 only
    QAction* rowaru = nullptr;
};

// Builds the window and every control; the screen connects the events.
toolkit::ScreenWindow* buildRensyu(RensyuControls& c);
