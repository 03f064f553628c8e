#include "screens/main/form1.h"

// Catching creatures: written with the chase field.
void Form1::Timer2_Timer() {}
void Form1::Picture1_Click(std::int16_t) {}
void Form1::Picture2_Click(std::int16_t) {}
