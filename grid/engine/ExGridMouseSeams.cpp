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

bool TExStringGrid::HasRadioButton(int, int) { return false; }
int TExStringGrid::GetRadioIdx(int, int) { return -1; }
void TExStringGrid::SelectNextRadioOption(int, int) {}
void TExStringGrid::SetRadioButtonColumnIndex(int, int) {}
bool TExStringGrid::IsNode(int) { return false; }
void TExStringGrid::ExpandNode(int) {}
void TExStringGrid::ContractNode(int) {}

bool TExStringGrid::FocusNextCellControl(int, int, const QString&) { return false; }
void TExStringGrid::CutSelectionToClipboard() {}
bool TExStringGrid::FilterActive() const { return false; }
void TExStringGrid::SetFilterActive(bool) {}
QScrollBar* TExStringGrid::CellScrollBarWithAutoRange(int, int) { return nullptr; }
int TExStringGrid::SearchPanelHeight() const { return 0; }
void TExStringGrid::FocusSearchEdit() {}
