// The neutral cell checker and the grid's link to it.

#include "grid/cells/content/ExGridCheck.h"

#include "grid/engine/ExGridPrivate.h"

QString TExStringGridCheck::MarkError(int, int, const QString& Value) { return Value; }
QString TExStringGridCheck::Correct(int, int, const QString& Value) { return Value; }
void TExStringGridCheck::StartCheck() {}
void TExStringGridCheck::StopCheck() {}

// The link is a guarded pointer: a checker that is freed leaves none behind.
TExStringGridCheck* TExStringGrid::CellChecker() const
{
    return static_cast<TExStringGridCheck*>(p->cellChecker.data());
}

void TExStringGrid::SetCellChecker(TExStringGridCheck* Value) { p->cellChecker = Value; }
