#pragma once

// The default beep of a refused keystroke. Every beep is counted, so that
// tests can tell a refusal that beeps from one that is silent.
namespace platform {

// Sounds the default beep (the type is the system's sound kind; only the
// default sound exists here).
void MessageBeep(unsigned type = 0);
// The beeps sounded since the program started.
int BeepCount();

}  // namespace platform
