#pragma once
// The main screen's controls, built from its definition: every label, tile, picture box, button, the line,
// the two timers and the menu bar, with the state they have when the window is created.
#include "toolkit/controlarray.h"
#include "toolkit/controls.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"
#include <QAction>
#include <QMenu>

struct Form1Controls {
    toolkit::ControlArray<toolkit::Label> Label1{"Label1"};          // letter tiles 0..23
    toolkit::Label* Label2 = nullptr;                                // answer line, never shown
    toolkit::Label* Label3 = nullptr;                                // question word
    toolkit::Label* Label4 = nullptr;                                // score
    toolkit::Label* Label5 = nullptr;                                // marked line
    toolkit::Label* Label6 = nullptr;                                // author credit line
    toolkit::Label* Label7 = nullptr;                                // plain line
    toolkit::Label* Label8 = nullptr;                                // hint
    toolkit::ControlArray<toolkit::Label> Label9{"Label9"};          // vowel reminders 0..4
    toolkit::ControlArray<toolkit::PictureBox> Picture1{"Picture1"}; // creatures 0..11
    toolkit::ControlArray<toolkit::PictureBox> Picture2{"Picture2"}; // slots 0..11
    toolkit::PictureBox* Picture3 = nullptr; // blank: copying its picture clears a box
    toolkit::PictureBox* Picture4 = nullptr; // correct-answer mark
    toolkit::PictureBox* Picture5 = nullptr; // cliff sign
    toolkit::PictureBox* Picture6 = nullptr; // eaten mark
    toolkit::Button* Command1 = nullptr;     // OK
    toolkit::Button* Command2 = nullptr;     // retry
    toolkit::Button* Command3 = nullptr;     // hint
    toolkit::Line* Line1 = nullptr;
    toolkit::Timer* Timer1 = nullptr; // chase tick
    toolkit::Timer* Timer2 = nullptr; // catch animation
    QAction* hyou = nullptr;
    QAction* moren = nullptr;
    QAction* owaru = nullptr;
    QMenu* asobikata = nullptr;
    QMenu* saku = nullptr;
    QAction* zxcv = nullptr;
    QAction* sakusya = nullptr;
};

// Twelve creatures, in index order: the tooltip names the animal and the score above which it appears.
struct CreatureDef {
    const char* toolTip;
    const char* picture;
    int threshold;
};
extern const CreatureDef creatureDefs[12];

// Builds the window and every control; the screen connects the events.
toolkit::ScreenWindow* buildForm1(Form1Controls& c);
