// The grid's spin editor: the cell's value in and out by spin kind, its grid
// keys and the spin events it raises. The value goes back as an integer, a
// float, a time text or a date by spin kind. Home sets the range's upper end and
// End its lower end, both reported through OnSpinClick; Esc puts back the text
// the cell had when the edit began; Tab and Enter commit with validation. Each
// spin raises the event of its spin type (OnSpinClick, OnFloatSpinClick, ...).

#include "grid/cells/editors/GridEditors.h"

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/util/ExUtilDate.h"
#include "grid/foundation/util/ExUtilNumber.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/SysUtils.h"

#include <QtCore/QDateTime>

TGridSpin::TGridSpin(TExStringGrid* AGrid) : TEsgSpinEdit(AGrid->viewport()), grid_(AGrid), protocol_(*AGrid)
{
    SetMinValue(0);
    SetMaxValue(100);
    SetIncrement(1);
    SetBorderStyle(bsEditNone);
    hide();
    setEnabled(false);
    OnChange = [this](TObject*) {
        if (isVisible())
            protocol_.TextChanged(Text());
    };
}

TGridSpin* TExStringGrid::SpinEdit()
{
    if (!p->editSpin)
        p->editSpin = new TGridSpin(this);
    return p->editSpin;
}

namespace {

TDateTime nowValue()
{
    const QDateTime now = QDateTime::currentDateTime();
    TDateTime date = 0, time = 0;
    platform::TryEncodeDate(now.date().year(), now.date().month(), now.date().day(), date);
    platform::TryEncodeTime(now.time().hour(), now.time().minute(), now.time().second(), 0, time);
    return date + time;
}

}  // namespace

void TGridSpin::OpenInCell(int ACol, int ARow, const TRect& Box)
{
    const int realCol = grid_->DisplayToRealCol(ACol);
    const TEditorType kind = grid_->EditControl();
    grid_->p->editMode = true;
    setGeometry(Box.Left, Box.Top, Box.Right - Box.Left, Box.Bottom - Box.Top);
    show();
    setEnabled(true);
    SetExcelStyleDecimalSeparator(grid_->ExcelStyleDecimalSeparator());
    grid_->QueryEditorProperties(realCol, ARow, this);
    const QString text = grid_->QueryEditText(ACol, ARow);
    switch (kind) {
    case edFloatSpinEdit: {
        double v = 0;
        SetText(TryStrToFloat(ExtractNumericText(text), v) ? FloatToStr(v) : QString());
        SetSpinType(sptFloat);
        break;
    }
    case edTimeSpinEdit:
        SetText(text);
        SetSpinType(sptTime);
        break;
    case edDateSpinEdit: {
        TDateTime date = 0;
        if (text.trimmed().isEmpty() || !ParseLocaleDateTime(text, date))
            date = nowValue();
        SetSpinType(sptDate);
        SetDateValue(date);
        break;
    }
    default:
        SetText(IntToStr(StrToIntDef(text.trimmed(), 0)));
        SetSpinType(sptNormal);
    }
    setFocus(Qt::OtherFocusReason);
    grid_->p->editCtrl = this;
}

// The value goes back by kind through the grid's typed cells: an integer, a
// float in the grid's float format, the date in the user's short date; the
// time goes back as its text, and an allowed empty text empties the cell.
void TGridSpin::CloseInCell(int ACol, int ARow)
{
    grid_->p->editMode = false;
    const int realCol = grid_->DisplayToRealCol(ACol);
    if (AllowEmptyValue() && Trim(Text()).isEmpty()) {
        grid_->StoreEditorValue(realCol, ARow, QString());
    } else {
        switch (grid_->EditControl()) {
        case edSpinEdit: grid_->SetInts(realCol, ARow, Value()); break;
        case edFloatSpinEdit: grid_->SetFloats(realCol, ARow, FloatValue()); break;
        case edDateSpinEdit: grid_->SetDates(realCol, ARow, DateValue()); break;
        default: grid_->StoreEditorValue(realCol, ARow, Text()); break;
        }
    }
    setEnabled(false);
    hide();
}

// ---- keys ----------------------------------------------------------------------------------

bool TGridSpin::WantsKey(Word Key, TShiftState) { return Key == VK_TAB && grid_->Options().testFlag(goTabs); }

void TGridSpin::rangeEnd(Word Key)
{
    if (SpinType() == sptNormal)
        SetValue(Key == VK_END ? MinValue() : MaxValue());
    else if (SpinType() == sptFloat)
        SetFloatValue(Key == VK_END ? MinFloatValue() : MaxFloatValue());
    if (grid_->OnSpinClick)
        grid_->OnSpinClick(grid_, grid_->Col(), grid_->Row(), Value(), false);
}

void TGridSpin::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_HOME || Key == VK_END) {
        rangeEnd(Key);
        TEsgSpinEdit::KeyDown(Key, Shift);
        return;
    }
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE) {
        TEsgSpinEdit::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        SetText(grid_->p->cellCache);
        if (SpinType() == sptNormal)
            SetValue(Value());
        else if (SpinType() == sptFloat)
            SetFloatValue(FloatValue());
    } else if (!protocol_.CommitWithValidation(Text())) {
        SetText(grid_->CurrentCell());
        end(false);
        Key = 0;
        return;
    }
    if (Key == VK_TAB && grid_->Options().testFlag(goTabs)) {
        grid_->HideInplaceEdit();
        grid_->setFocus(Qt::TabFocusReason);
        grid_->MoveByTab(Shift.testFlag(ssShift));
        Key = 0;
        return;
    }
    protocol_.Finish(Key, Shift);
    Key = 0;
}

void TGridSpin::KeyPress(QChar& Key)
{
    if (Key == QChar(27) || Key == QChar(9) || Key == QChar(13)) {
        Key = QChar();
        return;
    }
    TEsgSpinEdit::KeyPress(Key);
}

void TGridSpin::DoExit()
{
    if (isVisible())
        grid_->HideInplaceEdit();
    TEsgSpinEdit::DoExit();
}

// ---- spin buttons --------------------------------------------------------------------------

void TGridSpin::UpClick(TObject* Sender)
{
    TEsgSpinEdit::UpClick(Sender);
    fireSpinClick(true);
}

void TGridSpin::DownClick(TObject* Sender)
{
    TEsgSpinEdit::DownClick(Sender);
    fireSpinClick(false);
}

void TGridSpin::fireSpinClick(bool Up)
{
    const int col = grid_->Col(), row = grid_->Row();
    switch (SpinType()) {
    case sptNormal:
        if (grid_->OnSpinClick)
            grid_->OnSpinClick(grid_, col, row, Value(), Up);
        break;
    case sptFloat:
        if (grid_->OnFloatSpinClick)
            grid_->OnFloatSpinClick(grid_, col, row, FloatValue(), Up);
        break;
    case sptDate:
        if (grid_->OnDateSpinClick)
            grid_->OnDateSpinClick(grid_, col, row, DateValue(), Up);
        break;
    case sptTime:
        if (grid_->OnTimeSpinClick)
            grid_->OnTimeSpinClick(grid_, col, row, TimeValue(), Up);
        break;
    }
}
