// Operations the mouse and keyboard handling call that later parts of the grid
// fill in: the clipboard, the filter switch and the search panel (a height of
// 0: no panel shown). Until then they copy and filter nothing. Tests override
// them in a recording subclass to see what the mouse and the keys asked for.

#include "grid/engine/ExGridPrivate.h"

void TExStringGrid::CopySelectionToClipboard() {}
void TExStringGrid::PasteSelectionFromClipboard() {}

void TExStringGrid::CutSelectionToClipboard() {}
bool TExStringGrid::FilterActive() const { return false; }
void TExStringGrid::SetFilterActive(bool) {}
int TExStringGrid::SearchPanelHeight() const { return 0; }
void TExStringGrid::FocusSearchEdit() {}
