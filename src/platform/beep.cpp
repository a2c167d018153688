#include "platform/beep.h"

#include <QApplication>

namespace platform {

namespace {
int g_beeps = 0;
}

void Beep()
{
    ++g_beeps;
    QApplication::beep();
}

int beepCount() { return g_beeps; }

void resetBeepCount() { g_beeps = 0; }

} // namespace platform
