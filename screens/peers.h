#pragma once
// What a screen is given: the services, and the other screens as screens it may show, hide, load and close.
// The program object provides it; no screen sees the program object itself or another screen's class.
#include "screens/services.h"
#include "toolkit/screen.h"
#include <QString>

class ScreenPeers : public toolkit::ScreenHost {
public:
    virtual const Services& services() const = 0;

    virtual toolkit::Screen& mainScreen() = 0;     // the main game screen
    virtual toolkit::Screen& chartWindow() = 0;    // the romaji chart window
    virtual toolkit::Screen& practiceScreen() = 0; // the practice screen
    virtual toolkit::Screen& openingScreen() = 0;  // the opening screen

    // The practice screen's leaving steps offer the chart again in the main screen's menu, without touching
    // the main screen's chart toggle.
    virtual void setChartMenuCaption(const QString& caption) = 0;
};
