#pragma once

// The start of the program: the windows of the shell, created in the
// program's fixed order (the main window first, so that its start-up
// prepares what the others rely on) and registered by name.

// Creates and registers the main window, the new and open configuration
// dialogs, the about box and the options dialog.
void Create_Shell_Windows();
// Forgets every registered window and command and deletes the shell windows
// (the program's end, tests).
void Destroy_Shell_Windows();
