#include "grid/foundation/objects/ExObjMouseActions.h"

#include "platform/core/StringList.h"

struct TMouseActions::Data {
    bool AllColumnSize = false;
    bool AllRowSize = false;
    bool AllSelect = false;
    bool AutoSizeColOnDblClick = true;
    bool CaretPositioning = false;
    bool CheckAllCheck = false;
    bool ColSelect = false;
    bool DirectComboClose = false;
    bool DirectComboDrop = false;
    bool DirectDateClose = false;
    bool DirectDateDrop = false;
    bool DirectEdit = false;
    bool DisjunctRowSelect = false;
    bool DisjunctRowSelectNoCtrl = false;
    bool DisjunctColSelect = false;
    bool DisjunctCellSelect = false;
    bool EditOnDblClickOnly = false;
    bool HotmailRowSelect = false;
    bool MoveRowOnNodeClick = false;
    bool NoAutoRangeScroll = false;
    bool NodeAllExpandContract = false;
    bool NoScrollOnPartialRow = false;
    bool PreciseCheckBoxCheck = false;
    bool PreciseNodeClick = true;
    bool RangeSelectAndEdit = false;
    bool RowSelect = false;
    bool RowSelectPersistent = false;
    bool SelectOnRightClick = false;
    bool SizeFixedCol = false;
    bool SizeFixedRow = false;
    int WheelIncrement = 0;
    TWheelAction WheelAction = waMoveSelection;
    TGridFixedCellEdit FixedRowsEdit = fceNone;
    TGridFixedCellEdit FixedColsEdit = fceNone;
    TGridFixedCellEditor FixedRowsEditor = fceEdit;
    TGridFixedCellEditor FixedColsEditor = fceEdit;
};

TMouseActions::TMouseActions(QObject* AOwner)
    : d(std::make_unique<Data>()), m_owner(AOwner), m_fixedComboValues(std::make_unique<TStringList>())
{
}

TMouseActions::~TMouseActions() = default;

QObject* TMouseActions::Owner() const
{
    return m_owner;
}

void TMouseActions::changed()
{
    if (OnChange)
        OnChange(this);
}

bool TMouseActions::isDesigning()
{
    bool designing = false;
    if (OnIsDesigning)
        OnIsDesigning(this, designing);
    return designing;
}

void TMouseActions::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TMouseActions*>(Source);
    if (!source || source == this)
        return;
    const Data kept = *d;
    *d = *source->d;
    d->EditOnDblClickOnly = kept.EditOnDblClickOnly;
    d->HotmailRowSelect = kept.HotmailRowSelect;
    d->SizeFixedRow = kept.SizeFixedRow;
}

TStringList* TMouseActions::FixedComboValues() const
{
    return m_fixedComboValues.get();
}

void TMouseActions::SetFixedComboValues(const TStringList* Value)
{
    if (Value)
        m_fixedComboValues->Assign(*Value);
    else
        m_fixedComboValues->Clear();
}

bool TMouseActions::DisjunctRowSelectDirect() const
{
    return d->DisjunctRowSelect;
}

void TMouseActions::SetDisjunctRowSelectDirect(bool Value)
{
    d->DisjunctRowSelect = Value;
}

// Only one kind of disjunct selection makes sense at a time; the designer
// enforces that, while run-time code may combine them.
void TMouseActions::setDisjunct(bool& flag, bool value, bool& other1, bool& other2)
{
    flag = value;
    if (value && isDesigning()) {
        other1 = false;
        other2 = false;
    }
}

void TMouseActions::SetDisjunctRowSelect(bool Value)
{
    setDisjunct(d->DisjunctRowSelect, Value, d->DisjunctColSelect, d->DisjunctCellSelect);
}

void TMouseActions::SetDisjunctColSelect(bool Value)
{
    setDisjunct(d->DisjunctColSelect, Value, d->DisjunctRowSelect, d->DisjunctCellSelect);
}

void TMouseActions::SetDisjunctCellSelect(bool Value)
{
    setDisjunct(d->DisjunctCellSelect, Value, d->DisjunctRowSelect, d->DisjunctColSelect);
}

void TMouseActions::SetEditOnDblClickOnly(bool Value)
{
    d->EditOnDblClickOnly = Value;
    if (Value && OnDisableEdit)
        OnDisableEdit(this);
}

// Hotmail-style selection is disjunct row selection with a check-all box.
void TMouseActions::SetHotmailRowSelect(bool Value)
{
    d->HotmailRowSelect = Value;
    if (Value) {
        d->DisjunctRowSelect = true;
        d->CheckAllCheck = true;
    }
    if (OnInvalidate)
        OnInvalidate(this);
}

bool TMouseActions::AllColumnSize() const
{
    return d->AllColumnSize;
}

void TMouseActions::SetAllColumnSize(bool Value)
{
    d->AllColumnSize = Value;
}

bool TMouseActions::AllRowSize() const
{
    return d->AllRowSize;
}

void TMouseActions::SetAllRowSize(bool Value)
{
    d->AllRowSize = Value;
}

bool TMouseActions::AllSelect() const
{
    return d->AllSelect;
}

void TMouseActions::SetAllSelect(bool Value)
{
    d->AllSelect = Value;
}

bool TMouseActions::AutoSizeColOnDblClick() const
{
    return d->AutoSizeColOnDblClick;
}

void TMouseActions::SetAutoSizeColOnDblClick(bool Value)
{
    d->AutoSizeColOnDblClick = Value;
}

bool TMouseActions::CaretPositioning() const
{
    return d->CaretPositioning;
}

void TMouseActions::SetCaretPositioning(bool Value)
{
    d->CaretPositioning = Value;
}

bool TMouseActions::CheckAllCheck() const
{
    return d->CheckAllCheck;
}

void TMouseActions::SetCheckAllCheck(bool Value)
{
    d->CheckAllCheck = Value;
}

bool TMouseActions::ColSelect() const
{
    return d->ColSelect;
}

void TMouseActions::SetColSelect(bool Value)
{
    d->ColSelect = Value;
}

bool TMouseActions::DirectComboClose() const
{
    return d->DirectComboClose;
}

void TMouseActions::SetDirectComboClose(bool Value)
{
    d->DirectComboClose = Value;
}

bool TMouseActions::DirectComboDrop() const
{
    return d->DirectComboDrop;
}

void TMouseActions::SetDirectComboDrop(bool Value)
{
    d->DirectComboDrop = Value;
}

bool TMouseActions::DirectDateClose() const
{
    return d->DirectDateClose;
}

void TMouseActions::SetDirectDateClose(bool Value)
{
    d->DirectDateClose = Value;
}

bool TMouseActions::DirectDateDrop() const
{
    return d->DirectDateDrop;
}

void TMouseActions::SetDirectDateDrop(bool Value)
{
    d->DirectDateDrop = Value;
}

bool TMouseActions::DirectEdit() const
{
    return d->DirectEdit;
}

void TMouseActions::SetDirectEdit(bool Value)
{
    d->DirectEdit = Value;
}

bool TMouseActions::DisjunctRowSelect() const
{
    return d->DisjunctRowSelect;
}

bool TMouseActions::DisjunctRowSelectNoCtrl() const
{
    return d->DisjunctRowSelectNoCtrl;
}

void TMouseActions::SetDisjunctRowSelectNoCtrl(bool Value)
{
    d->DisjunctRowSelectNoCtrl = Value;
}

bool TMouseActions::DisjunctColSelect() const
{
    return d->DisjunctColSelect;
}

bool TMouseActions::DisjunctCellSelect() const
{
    return d->DisjunctCellSelect;
}

bool TMouseActions::EditOnDblClickOnly() const
{
    return d->EditOnDblClickOnly;
}

bool TMouseActions::HotmailRowSelect() const
{
    return d->HotmailRowSelect;
}

bool TMouseActions::MoveRowOnNodeClick() const
{
    return d->MoveRowOnNodeClick;
}

void TMouseActions::SetMoveRowOnNodeClick(bool Value)
{
    d->MoveRowOnNodeClick = Value;
}

bool TMouseActions::NoAutoRangeScroll() const
{
    return d->NoAutoRangeScroll;
}

void TMouseActions::SetNoAutoRangeScroll(bool Value)
{
    d->NoAutoRangeScroll = Value;
}

bool TMouseActions::NodeAllExpandContract() const
{
    return d->NodeAllExpandContract;
}

void TMouseActions::SetNodeAllExpandContract(bool Value)
{
    d->NodeAllExpandContract = Value;
}

bool TMouseActions::NoScrollOnPartialRow() const
{
    return d->NoScrollOnPartialRow;
}

void TMouseActions::SetNoScrollOnPartialRow(bool Value)
{
    d->NoScrollOnPartialRow = Value;
}

bool TMouseActions::PreciseCheckBoxCheck() const
{
    return d->PreciseCheckBoxCheck;
}

void TMouseActions::SetPreciseCheckBoxCheck(bool Value)
{
    d->PreciseCheckBoxCheck = Value;
}

bool TMouseActions::PreciseNodeClick() const
{
    return d->PreciseNodeClick;
}

void TMouseActions::SetPreciseNodeClick(bool Value)
{
    d->PreciseNodeClick = Value;
}

bool TMouseActions::RangeSelectAndEdit() const
{
    return d->RangeSelectAndEdit;
}

void TMouseActions::SetRangeSelectAndEdit(bool Value)
{
    d->RangeSelectAndEdit = Value;
}

bool TMouseActions::RowSelect() const
{
    return d->RowSelect;
}

void TMouseActions::SetRowSelect(bool Value)
{
    d->RowSelect = Value;
}

bool TMouseActions::RowSelectPersistent() const
{
    return d->RowSelectPersistent;
}

void TMouseActions::SetRowSelectPersistent(bool Value)
{
    d->RowSelectPersistent = Value;
}

bool TMouseActions::SelectOnRightClick() const
{
    return d->SelectOnRightClick;
}

void TMouseActions::SetSelectOnRightClick(bool Value)
{
    d->SelectOnRightClick = Value;
}

bool TMouseActions::SizeFixedCol() const
{
    return d->SizeFixedCol;
}

void TMouseActions::SetSizeFixedCol(bool Value)
{
    d->SizeFixedCol = Value;
}

bool TMouseActions::SizeFixedRow() const
{
    return d->SizeFixedRow;
}

void TMouseActions::SetSizeFixedRow(bool Value)
{
    d->SizeFixedRow = Value;
}

int TMouseActions::WheelIncrement() const
{
    return d->WheelIncrement;
}

void TMouseActions::SetWheelIncrement(int Value)
{
    d->WheelIncrement = Value;
}

TWheelAction TMouseActions::WheelAction() const
{
    return d->WheelAction;
}

void TMouseActions::SetWheelAction(TWheelAction Value)
{
    if (d->WheelAction == Value)
        return;
    d->WheelAction = Value;
    changed();
}

TGridFixedCellEdit TMouseActions::FixedRowsEdit() const
{
    return d->FixedRowsEdit;
}

void TMouseActions::SetFixedRowsEdit(TGridFixedCellEdit Value)
{
    d->FixedRowsEdit = Value;
}

TGridFixedCellEdit TMouseActions::FixedColsEdit() const
{
    return d->FixedColsEdit;
}

void TMouseActions::SetFixedColsEdit(TGridFixedCellEdit Value)
{
    d->FixedColsEdit = Value;
}

TGridFixedCellEditor TMouseActions::FixedRowsEditor() const
{
    return d->FixedRowsEditor;
}

void TMouseActions::SetFixedRowsEditor(TGridFixedCellEditor Value)
{
    d->FixedRowsEditor = Value;
}

TGridFixedCellEditor TMouseActions::FixedColsEditor() const
{
    return d->FixedColsEditor;
}

void TMouseActions::SetFixedColsEditor(TGridFixedCellEditor Value)
{
    d->FixedColsEditor = Value;
}
