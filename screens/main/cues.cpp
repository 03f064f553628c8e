// SPDX-License-Identifier: MIT
#include "screens/main/main_screen.h"
#include "screens/navigator.h"

// Each cue asks for its sound and goes on at once; the player decides nothing from the result.
void MainScreen::playCorrect() {
    navigator_.services().sound.play(Cue::Correct);
}
void MainScreen::playCorrect100() {
    navigator_.services().sound.play(Cue::Correct100);
}
void MainScreen::playWrong() {
    navigator_.services().sound.play(Cue::Wrong);
}
void MainScreen::playHint() {
    navigator_.services().sound.play(Cue::Hint);
}
void MainScreen::playClick() {
    navigator_.services().sound.play(Cue::Click);
}
void MainScreen::playEaten() {
    navigator_.services().sound.play(Cue::Eaten);
}
void MainScreen::playGameOver() {
    navigator_.services().sound.play(Cue::GameOver);
}
