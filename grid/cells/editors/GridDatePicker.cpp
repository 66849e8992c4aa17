// The grid's date and time editor: the cell's date in and out, its grid keys
// and the move to the next field after a typed field. Esc puts the cell's date
// back, Enter first takes a half-typed field, and a changed field moves on once,
// through a call the grid posts after the key.

#include "grid/cells/editors/GridEditors.h"

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/util/ExUtilDate.h"
#include "platform/core/FormatSettings.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QKeyEvent>

TGridDatePicker::TGridDatePicker(TExStringGrid* AGrid)
    : TEsgDateTimePicker(AGrid->viewport()), grid_(AGrid), protocol_(*AGrid)
{
    hide();
    setEnabled(false);
    OnChange = [this](TObject*) {
        if (!isVisible() || !grid_->OnEditChange)
            return;
        grid_->OnEditChange(grid_, grid_->Col(), grid_->Row(), Text());
    };
}

TGridDatePicker* TExStringGrid::DateTimePicker()
{
    if (!p->editDate)
        p->editDate = new TGridDatePicker(this);
    return p->editDate;
}

namespace {

TDateTime nowValue() { return platform::ValueFromDateTime(QDateTime::currentDateTime()); }

}  // namespace

// The cell's text as a date (or time); an empty or unreadable text opens at
// the current date and time, a date beyond a set limit just inside it.
void TGridDatePicker::resetFromCell()
{
    const QString text = grid_->CurrentCell().trimmed();
    TDateTime value = nowValue();
    if (Kind() == dtkTime) {
        TDateTime time = 0;
        if (ParseLocaleTime(text, time))
            value = std::floor(value) + time;
    } else if (!text.isEmpty()) {
        TDateTime date = value;
        if (grid_->OnCustomStrToDate)
            grid_->OnCustomStrToDate(grid_, text, date);
        else if (!ParseLocaleDateTime(text, date))
            date = value;
        if (MaxDate() != 0 && date > MaxDate())
            date = MaxDate() - 1;
        if (MinDate() != 0 && date <= MinDate())
            date = MinDate() + 1;
        value = date;
    }
    SetDateTime(value);
}

void TGridDatePicker::OpenInCell(int ACol, int ARow, const TRect& Box)
{
    const TEditorType kind = grid_->EditControl();
    grid_->p->editMode = true;
    SetKind(kind == edTimeEdit ? dtkTime : dtkDate);
    SetDateMode(kind == edDateEditUpDown ? dmUpDown : dmComboBox);
    resetFromCell();
    grid_->QueryEditorProperties(grid_->DisplayToRealCol(ACol), ARow, this);
    setGeometry(Box.Left, Box.Top, Box.Right - Box.Left, Box.Bottom - Box.Top);
    setEnabled(true);
    show();
    setFocus(Qt::OtherFocusReason);
    SelectField(0);
    grid_->p->editCtrl = this;
}

QString TGridDatePicker::CellText() const { return Checked() ? Text() : QString(); }

void TGridDatePicker::CloseInCell(int ACol, int ARow)
{
    grid_->StoreEditorValue(grid_->DisplayToRealCol(ACol), ARow, CellText());
    grid_->p->editMode = false;
    setEnabled(false);
    hide();
}

bool TGridDatePicker::event(QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && protocol_.CapturesTab()) {
            keyPressEvent(key);
            return true;
        }
    }
    return TEsgDateTimePicker::event(e);
}

void TGridDatePicker::keyPressEvent(QKeyEvent* e)
{
    const Word key = platform::VirtualKeyFromQt(e->key());
    const TShiftState shift = platform::ShiftStateFromQt(e->modifiers());
    if (key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_PRIOR || key == VK_NEXT || key == VK_END) {
        e->accept();
        gridKey(key, shift);
        return;
    }
    const QString typed = e->text();
    if (typed.size() == 1 && typed[0].isDigit()) {
        const QDateTime now = dateTime();
        fy_ = now.date().year(), fm_ = now.date().month(), fd_ = now.date().day();
        fth_ = now.time().hour(), ftm_ = now.time().minute(), fts_ = now.time().second();
        fieldAtDigit_ = currentSectionIndex();
        TEsgDateTimePicker::keyPressEvent(e);
        QPointer<TGridDatePicker> self(this);
        grid_->PostCall([self] {
            if (self)
                self->shiftFocus();
        });
    } else {
        TEsgDateTimePicker::keyPressEvent(e);
    }
    QChar ch = typed.size() == 1 ? typed[0] : QChar();
    if (!ch.isNull() && grid_->OnKeyPress)
        grid_->OnKeyPress(grid_, ch);
}

void TGridDatePicker::gridKey(Word Key, TShiftState Shift)
{
    if (Key == VK_ESCAPE)
        resetFromCell();
    if (Key == VK_RETURN) {
        moveToNextField();
        if (!protocol_.CommitWithValidation(CellText())) {
            update();
            return;
        }
    }
    if (Key == VK_TAB) {
        if (protocol_.CaptureTab(CellText(), Shift.testFlag(ssShift)) != TGridEditorProtocol::TabResult::Posted)
            return;
    }
    if (!DroppedDown())
        grid_->DoneInplaceEdit(Key, Shift);
}

// A half-typed field is taken by moving on, as a Right key does.
void TGridDatePicker::moveToNextField()
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    TEsgDateTimePicker::keyPressEvent(&press);
}

// After a digit: a changed field moves on (once), except the last field of a custom
// date format, recognised by the format's last letter.
void TGridDatePicker::shiftFocus()
{
    // The toolkit may have moved on by itself after a complete field.
    if (currentSectionIndex() != fieldAtDigit_)
        return;
    const QDateTime now = dateTime();
    bool moved = false;
    if (Kind() == dtkTime) {
        moved = now.time().hour() != fth_ || now.time().minute() != ftm_ || now.time().second() != fts_;
    } else {
        const bool day = now.date().day() != fd_, month = now.date().month() != fm_, year = now.date().year() != fy_;
        moved = day || month || year;
        const QString format = Format();
        if (!format.isEmpty()) {
            const QChar last = format.back().toUpper();
            if ((last == u'D' && day) || (last == u'M' && month) || (last == u'Y' && year))
                moved = false;
        }
    }
    if (moved)
        moveToNextField();
}

void TGridDatePicker::focusOutEvent(QFocusEvent* e)
{
    TEsgDateTimePicker::focusOutEvent(e);
    if (isVisible() && !DroppedDown() && e->reason() != Qt::PopupFocusReason &&
        e->reason() != Qt::ActiveWindowFocusReason)
        grid_->HideInplaceEdit();
}
