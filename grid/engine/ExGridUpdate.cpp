// The update lock that batches changes and the coloured border.

#include "grid/engine/ExGridPrivate.h"

#include <QtGui/QPainter>

void TExStringGrid::BeginUpdate()
{
    ++p->updateCount;
    if (p->updateCount == 1 && isVisible())
        viewport()->setUpdatesEnabled(false);
}

void TExStringGrid::EndUpdate()
{
    if (p->updateCount <= 0)
        return;
    --p->updateCount;
    if (p->updateCount > 0 || p->destroying)
        return;
    p->selectionChanged = false;
    viewport()->setUpdatesEnabled(true);
    if (isVisible()) {
        viewport()->update();
        PaintBorder();
    }
}

void TExStringGrid::StartUpdate() { ++p->updateCount; }

void TExStringGrid::ResetUpdate() { p->updateCount = 0; }

bool TExStringGrid::LockUpdate() const { return p->updateCount > 0; }

void TExStringGrid::SetLockUpdate(bool Value)
{
    if (Value)
        BeginUpdate();
    else
        EndUpdate();
}

int TExStringGrid::UpdateCount() const { return p->updateCount; }

void TExStringGrid::PaintBorder() { update(); }
