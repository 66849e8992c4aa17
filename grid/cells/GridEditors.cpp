// The grid's in-cell editor controls.

#include "grid/cells/GridEditors.h"

#include "grid/engine/ExGridPrivate.h"

TGridCombo::TGridCombo(TExStringGrid* AGrid) : TComboBox(AGrid->viewport(), csDropDown), grid_(AGrid)
{
    hide();
}

TGridCombo* TExStringGrid::EditCombo()
{
    if (!p->editCombo)
        p->editCombo = new TGridCombo(this);
    return p->editCombo;
}
