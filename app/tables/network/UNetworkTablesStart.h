#pragma once

// The network table editors of the program block: created after the
// communication windows and registered with the main window's registry.
void Create_Network_Table_Windows();
void Destroy_Network_Table_Windows();
