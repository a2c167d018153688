#pragma once
// The system beep, the program's only way of refusing input. Every beep is
// counted so that tests can tell how often the program refused something.

namespace platform {

void Beep();
int beepCount();
void resetBeepCount();

} // namespace platform
