#pragma once

#include "grid/foundation/objects/ExObj.h"
#include "platform/core/TObject.h"

#include <functional>
#include <memory>

class QObject;
class TStringList;

// Mouse behaviour options of a grid. Writers with side effects:
// HotmailRowSelect set True also turns on DisjunctRowSelect and CheckAllCheck,
// and always asks for a repaint (OnInvalidate); EditOnDblClickOnly set True
// raises OnDisableEdit; a disjunct selection mode set True while the owner is
// in the designer (OnIsDesigning) clears the other two; WheelAction raises
// OnChange when it changes. All other writers just store.
class TMouseActions : public TObject {
public:
    explicit TMouseActions(QObject* AOwner);
    ~TMouseActions() override;
    TMouseActions(const TMouseActions&) = delete;
    TMouseActions& operator=(const TMouseActions&) = delete;

    bool AllColumnSize() const;
    void SetAllColumnSize(bool Value);
    bool AllRowSize() const;
    void SetAllRowSize(bool Value);
    bool AllSelect() const;
    void SetAllSelect(bool Value);
    bool AutoSizeColOnDblClick() const;
    void SetAutoSizeColOnDblClick(bool Value);
    bool CaretPositioning() const;
    void SetCaretPositioning(bool Value);
    bool CheckAllCheck() const;
    void SetCheckAllCheck(bool Value);
    bool ColSelect() const;
    void SetColSelect(bool Value);
    bool DirectComboClose() const;
    void SetDirectComboClose(bool Value);
    bool DirectComboDrop() const;
    void SetDirectComboDrop(bool Value);
    bool DirectDateClose() const;
    void SetDirectDateClose(bool Value);
    bool DirectDateDrop() const;
    void SetDirectDateDrop(bool Value);
    bool DirectEdit() const;
    void SetDirectEdit(bool Value);
    bool DisjunctRowSelect() const;
    void SetDisjunctRowSelect(bool Value);
    bool DisjunctRowSelectNoCtrl() const;
    void SetDisjunctRowSelectNoCtrl(bool Value);
    bool DisjunctColSelect() const;
    void SetDisjunctColSelect(bool Value);
    bool DisjunctCellSelect() const;
    void SetDisjunctCellSelect(bool Value);
    bool EditOnDblClickOnly() const;
    void SetEditOnDblClickOnly(bool Value);
    bool HotmailRowSelect() const;
    void SetHotmailRowSelect(bool Value);
    bool MoveRowOnNodeClick() const;
    void SetMoveRowOnNodeClick(bool Value);
    bool NoAutoRangeScroll() const;
    void SetNoAutoRangeScroll(bool Value);
    bool NodeAllExpandContract() const;
    void SetNodeAllExpandContract(bool Value);
    bool NoScrollOnPartialRow() const;
    void SetNoScrollOnPartialRow(bool Value);
    bool PreciseCheckBoxCheck() const;
    void SetPreciseCheckBoxCheck(bool Value);
    bool PreciseNodeClick() const;
    void SetPreciseNodeClick(bool Value);
    bool RangeSelectAndEdit() const;
    void SetRangeSelectAndEdit(bool Value);
    bool RowSelect() const;
    void SetRowSelect(bool Value);
    bool RowSelectPersistent() const;
    void SetRowSelectPersistent(bool Value);
    bool SelectOnRightClick() const;
    void SetSelectOnRightClick(bool Value);
    bool SizeFixedCol() const;
    void SetSizeFixedCol(bool Value);
    bool SizeFixedRow() const;
    void SetSizeFixedRow(bool Value);
    int WheelIncrement() const;
    void SetWheelIncrement(int Value);
    TWheelAction WheelAction() const;
    void SetWheelAction(TWheelAction Value);
    TGridFixedCellEdit FixedRowsEdit() const;
    void SetFixedRowsEdit(TGridFixedCellEdit Value);
    TGridFixedCellEdit FixedColsEdit() const;
    void SetFixedColsEdit(TGridFixedCellEdit Value);
    TGridFixedCellEditor FixedRowsEditor() const;
    void SetFixedRowsEditor(TGridFixedCellEditor Value);
    TGridFixedCellEditor FixedColsEditor() const;
    void SetFixedColsEditor(TGridFixedCellEditor Value);
    // The texts offered by the combo editor of fixed cells (owned; the writer copies).
    TStringList* FixedComboValues() const;
    void SetFixedComboValues(const TStringList* Value);

    // The disjunct-row flag without the writer's side effects.
    bool DisjunctRowSelectDirect() const;
    void SetDisjunctRowSelectDirect(bool Value);

    QObject* Owner() const;

    // Copies from another TMouseActions every option except EditOnDblClickOnly,
    // FixedComboValues, HotmailRowSelect and SizeFixedRow; any other source is
    // ignored. Raises no event.
    void Assign(const TObject* Source);

    std::function<void(TObject* Sender)> OnChange;
    TIsDesigningEvent OnIsDesigning;
    std::function<void(TObject* Sender)> OnInvalidate;
    std::function<void(TObject* Sender)> OnDisableEdit;

private:
    void changed();
    bool isDesigning();
    void setDisjunct(bool& flag, bool value, bool& other1, bool& other2);
    struct Data;
    std::unique_ptr<Data> d;
    QObject* m_owner;
    std::unique_ptr<TStringList> m_fixedComboValues;
};
