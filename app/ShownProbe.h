#pragma once

class QWidget;

// Start-up measurement and smoke checks: while CONFIGURATOR_CLOSE_WHEN_SHOWN is
// set, the first time the window has been painted the program prints "shown"
// on standard output and then closes the window as a user would. Without the
// variable nothing is watched.
void Close_When_Shown_If_Asked(QWidget* window);
