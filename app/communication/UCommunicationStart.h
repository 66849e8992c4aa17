#pragma once

// The communication part of the program block: creates the Set Communication
// and Update Device windows after the shell's windows, registers them with
// the main window's registry, and registers the bank image build.
void Create_Communication_Windows();
void Destroy_Communication_Windows();
