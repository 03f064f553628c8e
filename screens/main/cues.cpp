#include "app/program.h"
#include "screens/main/form1.h"

// Each cue asks for its sound and goes on at once; the player decides nothing from the result.
void Form1::PlayCorrect() { program_.services().sound.play(cue::correct); }
void Form1::PlayCorrect100() { program_.services().sound.play(cue::correct100); }
void Form1::PlayWrong() { program_.services().sound.play(cue::wrong); }
void Form1::PlayHint() { program_.services().sound.play(cue::hint); }
void Form1::PlayClick() { program_.services().sound.play(cue::click); }
void Form1::PlayEaten() { program_.services().sound.play(cue::eaten); }
void Form1::PlayGameOver() { program_.services().sound.play(cue::gameOver); }
