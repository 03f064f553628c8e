// SPDX-License-Identifier: MIT
#pragma once
// The practice screen's controls, built from its definition: the 104-label kana chart, the prompt, count,
// time and level labels, the START and begin buttons, the two timers and the menu bar, each in the state it
// has when the window is created.
#include "toolkit/controlarray.h"
#include "toolkit/controls.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"
#include <QAction>

struct PracticeScreenControls {
    toolkit::ControlArray<toolkit::Label> chartLabels{"Label1"}; // kana chart 0..103
    toolkit::Label* promptLabel = nullptr;                       // prompt
    toolkit::Label* instructionLabel = nullptr;                  // instruction
    toolkit::Label* countLabel = nullptr;                        // count of correct answers
    toolkit::Label* statusLabel = nullptr;  // level question, level confirmation, time left
    toolkit::Label* levelLabel = nullptr;   // level name or cheer
    toolkit::Button* startButton = nullptr; // START
    toolkit::Button* beginButton = nullptr; // begin an untimed run
    toolkit::Timer* targetTimer = nullptr;  // target timer
    toolkit::Timer* runClock = nullptr;     // run clock
    QAction* beginnerMenuItem = nullptr;
    QAction* intermediateMenuItem = nullptr;
    QAction* advancedMenuItem = nullptr;
    toolkit::ControlArray<QAction> noTimeMenuItems{"bb"}; // "no time", element 0 only
    QAction* quitPracticeMenuItem = nullptr;
};

// Builds the window and every control; the screen connects the events.
toolkit::ScreenWindow* buildPracticeScreen(PracticeScreenControls& c);
