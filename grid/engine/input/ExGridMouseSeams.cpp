// Operations the mouse and keyboard handling call that later parts of the grid
// fill in: the sort runs, the cell content a press or key reaches, moving
// rows, the clipboard, the filter switch, footer sums and the search panel.
// Until then they sort, move and filter nothing and find no content.

#include "grid/engine/ExGridPrivate.h"

void TExStringGrid::QSort() {}
void TExStringGrid::QSortIndexed() {}
void TExStringGrid::QSortGroup() {}
void TExStringGrid::QSortGroupIndexed() {}
void TExStringGrid::QUnSort() {}
void TExStringGrid::InitSortXRef() {}

void TExStringGrid::CopySelectionToClipboard() {}
void TExStringGrid::PasteSelectionFromClipboard() {}

void TExStringGrid::CutSelectionToClipboard() {}
bool TExStringGrid::FilterActive() const { return false; }
void TExStringGrid::SetFilterActive(bool) {}
int TExStringGrid::SearchPanelHeight() const { return 0; }
void TExStringGrid::FocusSearchEdit() {}
