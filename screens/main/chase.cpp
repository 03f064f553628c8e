#include "screens/main/form1.h"

// The chase tick: written with the chase field.
void Form1::Timer1_Timer() {}
