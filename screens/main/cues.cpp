#include "screens/main/form1.h"
#include "screens/peers.h"

// Each cue asks for its sound and goes on at once; the player decides nothing from the result.
void Form1::PlayCorrect() {
    peers_.services().sound.play(Cue::Correct);
}
void Form1::PlayCorrect100() {
    peers_.services().sound.play(Cue::Correct100);
}
void Form1::PlayWrong() {
    peers_.services().sound.play(Cue::Wrong);
}
void Form1::PlayHint() {
    peers_.services().sound.play(Cue::Hint);
}
void Form1::PlayClick() {
    peers_.services().sound.play(Cue::Click);
}
void Form1::PlayEaten() {
    peers_.services().sound.play(Cue::Eaten);
}
void Form1::PlayGameOver() {
    peers_.services().sound.play(Cue::GameOver);
}
