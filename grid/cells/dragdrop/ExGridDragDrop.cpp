// The grid's drags of cells and columns when no other drag runner is set:
// the toolkit's drag and drop, copy and move allowed. A cancelled drag
// performs nothing.

#include "grid/cells/dragdrop/esgdd.h"
#include "grid/engine/ExGrid.h"

namespace {

TDragEffect effectOf(int Result, int Effect)
{
    if (Result != DRAGDROP_S_DROP)
        return deNone;
    if (Effect & DROPEFFECT_MOVE)
        return deMove;
    return (Effect & DROPEFFECT_COPY) ? deCopy : deNone;
}

}  // namespace

TDragEffect TExStringGrid::defaultTextDragDrop(const QString& SelectedText, const QString& CellText)
{
    TESGDropSource source;
    int effect = DROPEFFECT_NONE;
    const int result = RunTextDragDrop(&source, SelectedText, CellText, nullptr, DROPEFFECT_COPY | DROPEFFECT_MOVE,
                                       effect);
    return effectOf(result, effect);
}

TDragEffect TExStringGrid::defaultColumnDragDrop(int ACol)
{
    TESGDropSource source;
    int effect = DROPEFFECT_NONE;
    const int result = RunColumnDragDrop(&source, ACol, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
    return effectOf(result, effect);
}
