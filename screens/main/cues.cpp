#include "screens/main/main_screen.h"
#include "screens/peers.h"

// Each cue asks for its sound and goes on at once; the player decides nothing from the result.
void MainScreen::playCorrect() {
    peers_.services().sound.play(Cue::Correct);
}
void MainScreen::playCorrect100() {
    peers_.services().sound.play(Cue::Correct100);
}
void MainScreen::playWrong() {
    peers_.services().sound.play(Cue::Wrong);
}
void MainScreen::playHint() {
    peers_.services().sound.play(Cue::Hint);
}
void MainScreen::playClick() {
    peers_.services().sound.play(Cue::Click);
}
void MainScreen::playEaten() {
    peers_.services().sound.play(Cue::Eaten);
}
void MainScreen::playGameOver() {
    peers_.services().sound.play(Cue::GameOver);
}
