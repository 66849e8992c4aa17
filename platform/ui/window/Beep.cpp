#include "platform/ui/window/Beep.h"

#include <QtWidgets/QApplication>

namespace platform {

namespace {
int beeps = 0;
}

void MessageBeep(unsigned)
{
    ++beeps;
    QApplication::beep();
}

int BeepCount() { return beeps; }

}  // namespace platform
