// The seam through which the drop-down editors, which live with the drop-down
// family, join the grid: one factory per kind, one editor per grid and kind
// made on first use, opened and closed by the editing flow. A new editor joins
// the grid's list of drop-down editors, so it follows the grid's style and tone
// set.

#include "grid/cells/editors/GridEditors.h"

#include "grid/engine/ExGridPrivate.h"

#include <map>

namespace {

std::map<int, TGridDropDownEditorFactory>& factories()
{
    static std::map<int, TGridDropDownEditorFactory> registered;
    return registered;
}

IGridDropDownEditor* asEditor(QWidget* control) { return dynamic_cast<IGridDropDownEditor*>(control); }

}  // namespace

bool IsGridDropDownKind(TEditorType Kind)
{
    return Kind == edDateTimeEdit || (Kind >= edTrackbarDropDown && Kind <= edExGridDropDown);
}

void RegisterGridDropDownEditor(TEditorType Kind, TGridDropDownEditorFactory Factory)
{
    if (!IsGridDropDownKind(Kind))
        return;
    if (Factory)
        factories()[Kind] = std::move(Factory);
    else
        factories().erase(Kind);
}

bool GridDropDownEditorRegistered(TEditorType Kind) { return factories().count(Kind) > 0; }

// A new editor follows the grid's style and tones as the grid's other
// drop-down editors do.
IGridDropDownEditor* TExStringGrid::DropDownEditor(TEditorType Kind)
{
    QPointer<QWidget>& control = p->dropDownControls[Kind];
    if (!control) {
        const auto found = factories().find(Kind);
        if (found == factories().end())
            return nullptr;
        control = found->second(*this);
        if (!control || !asEditor(control))
            return nullptr;
        control->hide();
        control->setEnabled(false);
        auto* style = dynamic_cast<IExStyle*>(control.data());
        auto* tones = dynamic_cast<IExTones*>(control.data());
        if (style || tones)
            AddDropDownEditor(style, tones);
    }
    return asEditor(control);
}

void TGridEditorOpening::ShowDropDown(TExStringGrid& Grid, TEditorType Kind, int ACol, int ARow, const TRect& Box)
{
    IGridDropDownEditor* editor = Grid.DropDownEditor(Kind);
    if (!editor)
        return;
    Grid.p->editMode = true;
    Grid.QueryEditorProperties(Grid.DisplayToRealCol(ACol), ARow, nullptr);
    QWidget* control = editor->Control();
    control->setEnabled(true);
    editor->ShowInCell(Kind, Box, Grid.QueryEditText(ACol, ARow));
    if (Kind != edDateTimeEdit)
        Grid.p->editCtrl = control;
}

void TGridEditorOpening::HideDropDown(TExStringGrid& Grid, TEditorType Kind, int ACol, int ARow)
{
    IGridDropDownEditor* editor = Grid.DropDownEditor(Kind);
    if (!editor || !Grid.p->editMode)
        return;
    Grid.p->editMode = false;
    Grid.StoreEditorValue(Grid.DisplayToRealCol(ACol), ARow, editor->CellValue(Kind));
    editor->HideFromCell();
    editor->Control()->setEnabled(false);
    editor->Control()->hide();
}
