// Operations the mouse handling calls that later parts of the grid fill in:
// the sort runs, column auto-sizing, scrolling a cell into view and the cell
// content a press reaches. Until then they sort nothing and find no content.

#include "grid/engine/ExGridPrivate.h"

void TExStringGrid::QSort() {}
void TExStringGrid::QSortIndexed() {}
void TExStringGrid::QSortGroup() {}
void TExStringGrid::QSortGroupIndexed() {}
void TExStringGrid::QUnSort() {}
void TExStringGrid::InitSortXRef() {}

void TExStringGrid::AutoSizeCol(int, int) {}

void TExStringGrid::ShowInplaceEdit() { ShowEditor(); }
void TExStringGrid::HideInplaceEdit() { HideEditor(); }

void TExStringGrid::ScrollInView(int ACol, int ARow) { ClampInView(ACol, ARow); }

bool TExStringGrid::HasRating(int, int) { return false; }
bool TExStringGrid::IsRadio(int, int) { return false; }
bool TExStringGrid::GetRadioOptions(int, int, QStringList&, bool&) { return false; }
bool TExStringGrid::HasButton(int, int) { return false; }
TRect TExStringGrid::GetCellButtonRect(int, int) { return TRect{}; }
bool TExStringGrid::HasExpand(int, int) { return false; }
TRect TExStringGrid::GetExpandButtonRect(int, int) { return TRect{}; }
bool TExStringGrid::ToggleExpand(int, int) { return false; }
void TExStringGrid::PushButton(int, int, bool) {}
void TExStringGrid::CopySelectionToClipboard() {}
void TExStringGrid::PasteSelectionFromClipboard() {}
