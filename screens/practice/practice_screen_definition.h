// SPDX-License-Identifier: MIT
#pragma once
// The practice screen's controls, built from its definition: the 104-label kana chart, the prompt, count,
// time and level labels, the START and begin buttons, the two timers and the menu bar, each in the state it
// has when the window is created.
#include "toolkit/controlarray.h"
#include "toolkit/guard.h"
#include "toolkit/window.h"
#include <memory>

struct PracticeScreenControls {
    toolkit::ControlArray<toolkit::Label> chartLabels{"Label1"}; // kana chart 0..103
    toolkit::Label* promptLabel = nullptr;                       // prompt
    toolkit::Label* instructionLabel = nullptr;                  // instruction
    toolkit::Label* countLabel = nullptr;                        // count of correct answers
    toolkit::Label* statusLabel = nullptr;  // level question, level confirmation, time left
    toolkit::Label* levelLabel = nullptr;   // level name or cheer
    toolkit::Label* typingLabel = nullptr;  // the keyboard's help and the letters typed so far
    toolkit::Button* startButton = nullptr; // START
    toolkit::Button* beginButton = nullptr; // begin an untimed run
    toolkit::Timer* targetTimer = nullptr;  // target timer
    toolkit::Timer* runClock = nullptr;     // run clock
    toolkit::MenuItem* beginnerMenuItem = nullptr;
    toolkit::MenuItem* intermediateMenuItem = nullptr;
    toolkit::MenuItem* advancedMenuItem = nullptr;
    toolkit::ControlArray<toolkit::MenuItem> noTimeMenuItems{"bb"}; // "no time", element 0 only
    toolkit::MenuItem* weakMenuItem = nullptr; // にがてを れんしゅう: the kana missed often come more often
    toolkit::MenuItem* quitPracticeMenuItem = nullptr;
};

class PracticeScreen;

// The help line's words, on two lines; the letters typed so far follow them.
inline constexpr char typingHelp[] = "ローマ字を打つと\nかなを選べます：";

// Builds the window and every control, and connects each control's event to its handler of the screen.
std::unique_ptr<toolkit::Window> buildPracticeScreen(PracticeScreenControls& c, PracticeScreen& screen,
                                                     toolkit::Guard& guard);
