#include "screens/main/form1.h"

// Judging the answer and the score: written with the score rules.
void Form1::Command1_Click() {}
