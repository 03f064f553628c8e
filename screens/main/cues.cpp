// SPDX-License-Identifier: MIT
#include "screens/main/main_screen.h"
#include "screens/navigator.h"

void MainScreen::play(Cue cue) {
    navigator_.services().sound.play(cue);
}
