// The edit with button, its button part and the unit edit.

#include "grid/cells/editors/controls/EsgEditBtn.h"

#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/DrawText.h"
#include "platform/ui/paint/FrameControls.h"
#include "platform/ui/window/ModalSeams.h"

#include <QtGui/QFontMetrics>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QApplication>

TRect EditBtnFormattingRect(int ClientWidth, int ClientHeight, int ButtonWidth, int UnitSize, bool Bordered)
{
    const int inset = Bordered ? 1 : 3;
    const int right = ClientWidth - (ButtonWidth + UnitSize + 5) - (UnitSize > 0 ? 3 : 0);
    return TRect{inset, inset, right, ClientHeight + 1};
}

// ---- speed button --------------------------------------------------------------------------

TExSpeedButton::TExSpeedButton(QWidget* AOwner, const TButtonColors* Colors) : TSpeedButton(AOwner), colors_(Colors)
{
}

void TExSpeedButton::enterEvent(QEnterEvent* e)
{
    TSpeedButton::enterEvent(e);
    hot_ = true;
    update();
}

void TExSpeedButton::leaveEvent(QEvent* e)
{
    TSpeedButton::leaveEvent(e);
    hot_ = false;
    update();
}

void TExSpeedButton::paintEvent(QPaintEvent*)
{
    TCanvas canvas(this);
    TRect r{0, 0, width(), height()};
    const bool pressed = isDown();
    if (colors_ && colors_->Coloured()) {
        PaintColouredButtonFace(&canvas, r, *colors_, pressed, hot_);
    } else {
        platform::FrameStates states;
        if (pressed)
            states |= platform::fsPushed;
        if (Flat())
            states |= platform::fsFlat;
        platform::DrawFrameControl(&canvas, r, platform::FrameKind::PushButton, states);
        r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
    if (pressed)
        r = TRect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
    canvas.SetFont(Font());
    canvas.Font()->SetColor(clBlack);
    canvas.Brush()->SetStyle(bsClear);
    QString caption = Caption();
    DrawText(&canvas, caption, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

// ---- button part ---------------------------------------------------------------------------

TEsgEditButton::TEsgEditButton(QWidget* AOwner)
    : QWidget(AOwner), platform::TControl(*this, clBtnFace), button_(new TExSpeedButton(this, &colors_))
{
    resize(20, 25);
    button_->installEventFilter(this);
    button_->setGeometry(0, 0, width(), height());
}

void TEsgEditButton::resizeEvent(QResizeEvent*) { button_->setGeometry(0, 0, width(), height()); }

// The action runs on the left release after a press on the button; then the
// focus goes back to the edit.
bool TEsgEditButton::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == button_ && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton && button_->isDown()) {
        button_->setDown(false);
        if (OnClick)
            OnClick(this);
        QWidget* target = focusControl_.data();
        if (target && target->focusPolicy() != Qt::NoFocus && target->isEnabled() && !target->hasFocus())
            target->setFocus(Qt::MouseFocusReason);
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

// ---- edit with button ----------------------------------------------------------------------

TEsgEditBtn::TEsgEditBtn(QWidget* AOwner) : TMaskEdit(AOwner), button_(new TEsgEditButton(this))
{
    button_->SetBounds(0, 0, 18, 18);
    button_->SetFocusControl(this);
    button_->OnClick = [this](TObject* sender) { ButtonClick(sender); };
    SetText(QStringLiteral("0"));
    layout();
}

TEsgEditBtn::~TEsgEditBtn() = default;

QString TEsgEditBtn::ButtonCaption() const { return button_->Button()->Caption(); }
void TEsgEditBtn::SetButtonCaption(const QString& Value) { button_->Button()->SetCaption(Value); }

int TEsgEditBtn::ButtonWidth() const { return buttonWidth_; }

void TEsgEditBtn::SetButtonWidth(int Value)
{
    buttonWidth_ = Value;
    button_->SetWidth(Value);
    layout();
}

bool TEsgEditBtn::RightAlign() const { return rightAlign_; }

void TEsgEditBtn::SetRightAlign(bool Value)
{
    rightAlign_ = Value;
    SetAlignment(Value ? taRightJustify : taLeftJustify);
}

bool TEsgEditBtn::EditorEnabled() const { return editorEnabled_; }
void TEsgEditBtn::SetEditorEnabled(bool Value) { editorEnabled_ = Value; }
void TEsgEditBtn::SetIsWinXP(bool Value) { button_->Button()->IsWinXP = Value; }

void TEsgEditBtn::ButtonClick(TObject* Sender)
{
    if (OnClickBtn)
        OnClickBtn(Sender);
}

void TEsgEditBtn::KeyDown(Word& Key, TShiftState Shift)
{
    TMaskEdit::KeyDown(Key, Shift);
    if (Key == VK_F4 && !Shift.testFlag(ssCtrl) && !Shift.testFlag(ssAlt))
        ButtonClick(this);
}

void TEsgEditBtn::KeyPress(QChar& Key)
{
    if (!editorEnabled_) {
        Key = QChar();
        return;
    }
    TMaskEdit::KeyPress(Key);
}

void TEsgEditBtn::ClipboardCut()
{
    if (editorEnabled_)
        TMaskEdit::ClipboardCut();
}

void TEsgEditBtn::ClipboardPaste()
{
    if (editorEnabled_)
        TMaskEdit::ClipboardPaste();
}

void TEsgEditBtn::resizeEvent(QResizeEvent* e)
{
    TMaskEdit::resizeEvent(e);
    layout();
}

// A height below the font's least is raised to it; otherwise the button goes
// to the right edge and the text ends before it and the unit.
void TEsgEditBtn::layout()
{
    const bool bordered = BorderStyle() == bsEditSingle;
    const int h = QFontMetrics(font()).height();
    const int systemH = QFontMetrics(QApplication::font()).height();
    const int minHeight = h + std::min(h, systemH) / 4;
    if (height() < minHeight) {
        resize(width(), minHeight);
        return;
    }
    const int e = bordered ? 0 : 4;
    button_->SetBounds(width() + e - button_->Width() - 5, 0, button_->Width(), height() + e - 5);
    SetFormattingRect(EditBtnFormattingRect(width(), height(), button_->Width(), UnitSize(), bordered));
}

// ---- unit edit -----------------------------------------------------------------------------

TEsgUnitEditBtn::TEsgUnitEditBtn(QWidget* AOwner) : TEsgEditBtn(AOwner)
{
    SetRightAlign(true);
    layout();
}

void TEsgUnitEditBtn::SetUnits(const TStringList* Value)
{
    if (Value)
        units_.Assign(*Value);
}

void TEsgUnitEditBtn::SetUnitID(const QString& Value)
{
    unitID_ = Value;
    update();
}

void TEsgUnitEditBtn::SetUnitSpace(int Value)
{
    unitSpace_ = Value;
    layout();
    update();
}

QString TEsgUnitEditBtn::TextAndUnit() const { return Text() + unitID_; }

void TEsgUnitEditBtn::SetTextAndUnit(const QString& Value)
{
    for (int i = 0; i < units_.Count(); ++i) {
        const QString unit = units_.Strings(i);
        const int at = unit.isEmpty() ? -1 : Value.indexOf(unit);
        if (at >= 0 && at + unit.size() == Value.size()) {
            SetText(Value.left(at));
            SetUnitID(unit);
            return;
        }
    }
}

// The menu opens below the edit's right end; picking another unit than the
// current one is reported once.
void TEsgUnitEditBtn::ButtonClick(TObject* Sender)
{
    if (OnClickBtn)
        OnClickBtn(this);
    (void)Sender;
    QStringList items;
    for (int i = 0; i < units_.Count(); ++i)
        items << units_.Strings(i);
    const int id = platform::TrackPopupMenu(items, mapToGlobal(QPoint(width() - 15, height())), this);
    if (id < 1 || id > units_.Count())
        return;
    const QString previous = unitID_;
    SetUnitID(units_.Strings(id - 1));
    if (unitID_ != previous && OnUnitChanged)
        OnUnitChanged(this, unitID_);
}

void TEsgUnitEditBtn::paintEvent(QPaintEvent* e)
{
    TEsgEditBtn::paintEvent(e);
    if (unitID_.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Text));
    const int right = width() - Button()->Width() - 3;
    const QRect area(right - unitSpace_, 2, unitSpace_, height() - 2);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, unitID_);
}
