// Form controls in cell markup: the grid's editors over EDIT, PASSWORD, MASK
// and COMBO controls, writing the value back into the control's VALUE, and
// moving from one control of a cell to the next.

#include "grid/cells/editors/ControlEditors.h"
#include "grid/cells/editors/GridEditors.h"
#include "grid/engine/paint/ExGridControlLook.h"
#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/markup/EsgHTMLE.h"
#include "grid/foundation/markup/EsgHTMLEUtilControls.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/Font.h"

#include <QtGui/QImage>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QLineEdit>

TControlEdit* TExStringGrid::ControlEdit()
{
    if (!p->controlEdit) {
        p->controlEdit = new TControlEdit(this);
        p->controlEdit->OnExit = [this](TObject*) { EndCellControlEdit(); };
    }
    return p->controlEdit;
}

TControlCombo* TExStringGrid::ControlCombo()
{
    if (!p->comboControl) {
        p->comboControl = new TControlCombo(this);
        // The focus going into the combo's own list is no end of the edit.
        p->comboControl->OnExit = [this](TObject*) {
            if (!p->comboControl->view()->isVisible())
                EndCellControlEdit();
        };
        connect(p->comboControl, &QComboBox::activated, this,
                [this] { CellControlComboSelected(p->comboControl); });
    }
    return p->comboControl;
}

bool TExStringGrid::CtrlEditing() const { return p->ctrlEditing; }

namespace {

bool isType(const QString& CtrlType, const char* Name) { return CtrlType.compare(QLatin1String(Name), Qt::CaseInsensitive) == 0; }

}  // namespace

void TExStringGrid::ShowCellControlEditor(const QString& CellText, const QString& CtrlType, int ARow, int,
                                          int ACol2, const TRect& R, const QString& CtrlValue,
                                          const QString& CtrlID)
{
    const bool edit = isType(CtrlType, "EDIT") || isType(CtrlType, "PASSWORD") || isType(CtrlType, "MASK");
    const bool combo = isType(CtrlType, "COMBO");
    if (!edit && !combo)
        return;
    p->ctrlXY = TPoint{ACol2, ARow};
    p->ctrlID = CtrlID;
    p->ctrlType = CtrlType;
    p->ctrlEditing = true;
    const int maxLength = GetControlTagMaxLen(CellText, CtrlID);
    if (edit) {
        TControlEdit* editor = ControlEdit();
        editor->SetPasswordChar(isType(CtrlType, "PASSWORD") ? QChar(u'*') : QChar());
        editor->SetEditMask(isType(CtrlType, "MASK") ? GetControlTagProp(CellText, CtrlID) : QString());
        editor->SetText(CtrlValue);
        editor->setGeometry(R.Left + 1, R.Top + 8, R.Right - R.Left - 4, 14);
        editor->SetMaxLength(maxLength);
        editor->show();
        editor->raise();
        editor->setFocus(Qt::OtherFocusReason);
        return;
    }
    TControlCombo* box = ControlCombo();
    box->SetIsWinXP(EditCombo()->IsWinXP());
    box->SetFlat(false);
    bool editable = true;
    int dropCount = 8;
    // Cleared first, so that no other control's items stay in the list.
    box->Items().Clear();
    if (OnControlComboList) {
        TStringList values;
        OnControlComboList(this, ARow, ACol2, CtrlID, CtrlType, CtrlValue, &values, editable, dropCount);
        for (int i = 0; i < values.Count(); ++i)
            box->Items().Add(values.Strings(i));
    }
    box->SetStyle(editable ? csDropDown : csDropDownList);
    box->setGeometry(R.Left - 1, R.Top + 4, R.Right - R.Left, box->sizeHint().height());
    box->SetItemIndex(box->Items().ToStringList().indexOf(CtrlValue));
    if (editable)
        box->SetText(CtrlValue);
    box->SetDropDownCount(dropCount);
    box->SetDropHeight(box->ItemHeight() * (dropCount + 2));
    if (box->lineEdit())
        box->lineEdit()->setMaxLength(maxLength > 0 ? maxLength : 32767);
    box->show();
    box->raise();
    box->setFocus(Qt::OtherFocusReason);
    box->showPopup();
}

void TExStringGrid::EndCellControlEdit()
{
    if (!p->ctrlEditing)
        return;
    p->ctrlEditing = false;
    const bool combo = isType(p->ctrlType, "COMBO");
    QWidget* editor = combo ? static_cast<QWidget*>(ControlCombo()) : static_cast<QWidget*>(ControlEdit());
    const QString value = combo ? ControlCombo()->Text() : ControlEdit()->Text();
    QString text = Cells(p->ctrlXY.X, p->ctrlXY.Y);
    if (SetControlTagValue(text, p->ctrlID, value))
        SetCells(p->ctrlXY.X, p->ctrlXY.Y, text);
    if (combo)
        ControlCombo()->hidePopup();
    editor->hide();
    if (OnControlEditDone)
        OnControlEditDone(this, p->ctrlXY.Y, p->ctrlXY.X, p->ctrlID, p->ctrlType, value);
    p->ctrlType.clear();
}

void TExStringGrid::CellControlComboSelected(QObject*)
{
    if (!OnControlComboSelect)
        return;
    TControlCombo* box = ControlCombo();
    OnControlComboSelect(this, p->ctrlXY.Y, p->ctrlXY.X, box->ItemIndex(), p->ctrlID, box->currentText());
}

// The next editable control is found where the cell draws it: the markup is
// laid out in the cell's text rectangle and reports the control's rectangle,
// value and type.
bool TExStringGrid::FocusNextCellControl(int ACol, int ARow, const QString& PreviousControl)
{
    const int realCol = DisplayToRealCol(ACol);
    const QString text = Cells(realCol, ARow);
    const QString next = NextEditableControlId(text, PreviousControl);
    if (next.isEmpty()) {
        setFocus(Qt::OtherFocusReason);
        return false;
    }
    TRect r = CellRect(ACol, ARow);
    r.Left += p->xyOffset.X + 1;
    r.Top += p->xyOffset.Y + 1;
    if (HasCheckBox(realCol, ARow))
        r.Left += p->controlLook->CheckSize();
    QImage surface(1, 1, QImage::Format_ARGB32_Premultiplied);
    TCanvas canvas(&surface);
    canvas.Font()->Assign(*GetCellFont(ACol, ARow));
    QString anchor, plain, focusAnchor, title, controlValue, controlType;
    QString controlID = next;
    int width = 0, height = 0, anchors = 0, hitIndex = 0;
    TRect hitRect, controlRect;
    RenderMarkupText(&canvas, text, r, nullptr, -1, -1, -1, -1, 1, true, false, false, false, true, false, false,
                     false, 1.0, URLColor(), clNone, clNone, clGray, anchor, plain, focusAnchor, title, width, height,
                     anchors, hitIndex, hitRect, controlRect, controlID, controlValue, controlType,
                     p->imageCache.get(), nullptr, this, bdLeftToRight);
    ShowCellControlEditor(text, controlType, ARow, ACol, realCol, controlRect, controlValue, next);
    return true;
}
