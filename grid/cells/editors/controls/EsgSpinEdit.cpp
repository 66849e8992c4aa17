// The spin edit: its value kinds, steps, character filter and layout.

#include "grid/cells/editors/controls/EsgSpinEdit.h"

#include "grid/foundation/util/ExUtilDate.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/window/Beep.h"
#include "platform/ui/paint/Font.h"

#include <QtCore/QDateTime>
#include <QtGui/QFontMetrics>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QApplication>

#include <cmath>

namespace {

// A range whose ends are equal does not clamp.
template <typename T>
T clamped(T value, T low, T high)
{
    if (low == high)
        return value;
    return std::min(std::max(value, low), high);
}

TDateTime currentDateTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    TDateTime date = 0, time = 0;
    platform::TryEncodeDate(now.date().year(), now.date().month(), now.date().day(), date);
    platform::TryEncodeTime(now.time().hour(), now.time().minute(), now.time().second(), now.time().msec(), time);
    return date + time;
}

// Whether the month comes before the day in the locale's short date format.
bool monthFirst()
{
    const QString format = FormatSettings().ShortDateFormat.toUpper();
    const int m = format.indexOf(u'M');
    const int d = format.indexOf(u'D');
    return m >= 0 && (d < 0 || m < d);
}

}  // namespace

TRect SpinEditFormattingRect(int ClientWidth, int ClientHeight, int ButtonWidth, bool Bordered)
{
    const int b = Bordered ? 0 : 3;
    return TRect{b, b, ClientWidth - ButtonWidth - b - 2, ClientHeight + 1};
}

struct TEsgSpinEdit::Private {
    TEsgSpinType spinType = sptNormal;
    int minValue = 0, maxValue = 100;
    double minFloat = 0, maxFloat = 100;
    TDateTime minDate = 0, maxDate = 0;
    TDateTime dateValue = 0, timeValue = 0;
    int increment = 1;
    double incrementFloat = 0.1, incrementFloatPage = 1.0;
    int incHours = 1, incMinutes = 1, incSeconds = 1;
    int precision = 0;
    bool showSeconds = true;
    bool editorEnabled = true;
    bool returnIsTab = false;
    bool excelDecimal = false;
    bool allowEmpty = false;
    TSpinDirection direction = spVertical;
    TEditAlign editAlign = eaLeft;
    bool spinFlat = false;
};

TEsgSpinEdit::TEsgSpinEdit(QWidget* AOwner)
    : TMaskEdit(AOwner), p(std::make_unique<Private>()), button_(new TEsgSpinButton(this))
{
    button_->SetBounds(0, 0, 15, 17);
    button_->SetFocusControl(this);
    button_->OnUpClick = [this](TObject* sender) { UpClick(sender); };
    button_->OnDownClick = [this](TObject* sender) { DownClick(sender); };
    SetText(QStringLiteral("0"));
    layout();
}

TEsgSpinEdit::~TEsgSpinEdit() = default;

// ---- values --------------------------------------------------------------------------------

TEsgSpinType TEsgSpinEdit::SpinType() const { return p->spinType; }

void TEsgSpinEdit::SetSpinType(TEsgSpinType Value)
{
    p->spinType = Value;
    switch (Value) {
    case sptNormal: SetValue(this->Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
    }
}

int TEsgSpinEdit::Value()
{
    const QString text = Trim(Text());
    if (text.isEmpty())
        return 0;
    int value = 0;
    return TryStrToInt(text, value) ? value : p->minValue;
}

void TEsgSpinEdit::SetValue(int Value)
{
    SetText(IntToStr(clamped(Value, p->minValue, p->maxValue)));
    if (!p->editorEnabled)
        selectAll();
}

// A text that is no number reads the lower end of the float range.
double TEsgSpinEdit::FloatValue()
{
    double value = 0;
    return TryStrToFloat(Text(), value) ? value : p->minFloat;
}

void TEsgSpinEdit::SetFloatValue(double Value)
{
    const double v = clamped(Value, p->minFloat, p->maxFloat);
    if (p->precision > 0) {
        QString text = QString::number(v, 'f', p->precision);
        text.replace(u'.', FormatSettings().DecimalSeparator);
        SetText(text);
    } else {
        SetText(FloatToStr(v));
    }
}

TDateTime TEsgSpinEdit::DateValue()
{
    const QString text = Trim(Text());
    if (text.isEmpty() || text == QLatin1String("0"))
        return currentDateTime();
    TDateTime value = 0;
    return ParseLocaleDateTime(text, value) ? value : p->minDate;
}

void TEsgSpinEdit::SetDateValue(TDateTime Value)
{
    p->dateValue = clamped(Value, p->minDate, p->maxDate);
    const int caret = cursorPosition();
    SetText(FormatDateTimeText(FormatSettings().ShortDateFormat, p->dateValue));
    setCursorPosition(caret);
}

TDateTime TEsgSpinEdit::TimeValue()
{
    TDateTime value = 0;
    return ParseLocaleTime(Text(), value) ? value : 0;
}

void TEsgSpinEdit::SetTimeValue(TDateTime Value)
{
    p->timeValue = clamped(Value, p->minDate, p->maxDate);
    writeTime(p->timeValue);
}

void TEsgSpinEdit::writeTime(TDateTime Value)
{
    const int caret = cursorPosition();
    const QString format = p->showSeconds ? FormatSettings().LongTimeFormat : QStringLiteral("h:nn");
    SetText(FormatDateTimeText(format, Value));
    setCursorPosition(caret);
}

#define SPIN_PROPERTY(Type, Name, field)                                                                              \
    Type TEsgSpinEdit::Name() const { return p->field; }                                                              \
    void TEsgSpinEdit::Set##Name(Type Value) { p->field = Value; }

SPIN_PROPERTY(int, MinValue, minValue)
SPIN_PROPERTY(int, MaxValue, maxValue)
SPIN_PROPERTY(double, MinFloatValue, minFloat)
SPIN_PROPERTY(double, MaxFloatValue, maxFloat)
SPIN_PROPERTY(TDateTime, MinDateValue, minDate)
SPIN_PROPERTY(TDateTime, MaxDateValue, maxDate)
SPIN_PROPERTY(int, Increment, increment)
SPIN_PROPERTY(double, IncrementFloat, incrementFloat)
SPIN_PROPERTY(double, IncrementFloatPage, incrementFloatPage)
SPIN_PROPERTY(int, IncrementHours, incHours)
SPIN_PROPERTY(int, IncrementMinutes, incMinutes)
SPIN_PROPERTY(int, IncrementSeconds, incSeconds)
SPIN_PROPERTY(bool, EditorEnabled, editorEnabled)
SPIN_PROPERTY(bool, ReturnIsTab, returnIsTab)
SPIN_PROPERTY(bool, ExcelStyleDecimalSeparator, excelDecimal)
SPIN_PROPERTY(bool, AllowEmptyValue, allowEmpty)

int TEsgSpinEdit::Precision() const { return p->precision; }

void TEsgSpinEdit::SetPrecision(int Value)
{
    p->precision = Value;
    if (p->spinType == sptFloat)
        SetFloatValue(FloatValue());
}

bool TEsgSpinEdit::ShowSeconds() const { return p->showSeconds; }
void TEsgSpinEdit::SetShowSeconds(bool Value) { p->showSeconds = Value; }

TSpinDirection TEsgSpinEdit::Direction() const { return p->direction; }

void TEsgSpinEdit::SetDirection(TSpinDirection Value)
{
    p->direction = Value;
    button_->SetDirection(Value);
    layout();
}

TEditAlign TEsgSpinEdit::EditAlign() const { return p->editAlign; }

void TEsgSpinEdit::SetEditAlign(TEditAlign Value)
{
    p->editAlign = Value;
    SetAlignment(Value == eaRight ? taRightJustify : Value == eaCenter ? taCenter : taLeftJustify);
}

bool TEsgSpinEdit::SpinFlat() const { return p->spinFlat; }

void TEsgSpinEdit::SetSpinFlat(bool Value)
{
    p->spinFlat = Value;
    button_->SetFlat(Value);
}

void TEsgSpinEdit::SetIsWinXP(bool Value) { button_->SetIsWinXP(Value); }

// ---- steps ---------------------------------------------------------------------------------

void TEsgSpinEdit::IncrementValue(bool Page) { step(1, Page); }
void TEsgSpinEdit::DecrementValue(bool Page) { step(-1, Page); }
void TEsgSpinEdit::UpClick(TObject*) { IncrementValue(false); }
void TEsgSpinEdit::DownClick(TObject*) { DecrementValue(false); }

void TEsgSpinEdit::step(int Sign, bool Page)
{
    if (ReadOnly()) {
        platform::MessageBeep();
        return;
    }
    switch (p->spinType) {
    case sptNormal: SetValue(Value() + Sign * p->increment); break;
    case sptFloat: SetFloatValue(FloatValue() + Sign * (Page ? p->incrementFloatPage : p->incrementFloat)); break;
    case sptDate: stepDate(Sign); break;
    case sptTime: stepTime(Sign); break;
    }
}

// The field under the caret: before the first date separator the first
// field of the locale's order, before the second the other, then the year.
// A year step from 29 February lands on 28 February.
void TEsgSpinEdit::stepDate(int Sign)
{
    const QString text = Text();
    const QChar sep = FormatSettings().DateSeparator;
    const int caret = cursorPosition();
    const int first = text.indexOf(sep);
    const int second = first < 0 ? -1 : text.indexOf(sep, first + 1);
    const TDateTime date = DateValue();
    enum { Day, Month, Year } field = Year;
    if (first < 0 || caret <= first)
        field = monthFirst() ? Month : Day;
    else if (second < 0 || caret <= second)
        field = monthFirst() ? Day : Month;
    if (field == Day)
        SetDateValue(date + Sign);
    else
        SetDateValue(IncMonth(date, Sign * (field == Month ? 1 : 12)));
}

// Decrements wrap around midnight through one day added and taken away.
void TEsgSpinEdit::stepTime(int Sign)
{
    const QString text = Text();
    const QChar sep = FormatSettings().TimeSeparator;
    const int caret = cursorPosition();
    const int first = text.indexOf(sep);
    const int second = first < 0 ? -1 : text.indexOf(sep, first + 1);
    TDateTime stepValue = 0;
    if (first >= 0 && caret <= first)
        platform::TryEncodeTime(std::clamp(p->incHours, 0, 23), 0, 0, 0, stepValue);
    else if (p->showSeconds && second >= 0 && caret > second)
        platform::TryEncodeTime(0, 0, std::clamp(p->incSeconds, 0, 59), 0, stepValue);
    else
        platform::TryEncodeTime(0, std::clamp(p->incMinutes, 0, 59), 0, 0, stepValue);
    TDateTime time = TimeValue();
    if (Sign > 0) {
        time += stepValue;
    } else {
        time = time + 1 - stepValue;
        if (time > 1)
            time -= 1;
    }
    SetTimeValue(time - std::floor(time));
}

// ---- keys ----------------------------------------------------------------------------------

void TEsgSpinEdit::WMKeyDown(Word& Key, TShiftState Shift)
{
    switch (Key) {
    case VK_UP: IncrementValue(false); Key = 0; return;
    case VK_PRIOR: IncrementValue(true); Key = 0; return;
    case VK_DOWN: DecrementValue(false); Key = 0; return;
    case VK_NEXT: DecrementValue(true); Key = 0; return;
    default: break;
    }
    if (Key == VK_RETURN && p->returnIsTab) {
        Key = VK_TAB;
        QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
    }
    if (Key == VK_DELETE && !p->editorEnabled)
        Key = 0;
    TMaskEdit::WMKeyDown(Key, Shift);
}

void TEsgSpinEdit::KeyPress(QChar& Key)
{
    if (Key == u'.' && p->excelDecimal && KeyModifiers().testFlag(Qt::KeypadModifier))
        Key = FormatSettings().DecimalSeparator;
    if (!IsValidChar(Key)) {
        Key = QChar();
        platform::MessageBeep();
        return;
    }
    TMaskEdit::KeyPress(Key);
}

bool TEsgSpinEdit::IsValidChar(QChar Key)
{
    const TFormatSettings fs = FormatSettings();
    if (Key == QChar(8))
        return p->editorEnabled;
    const char16_t c = Key.unicode();
    const bool control = c < 32;
    bool valid = Key == fs.DecimalSeparator || Key == fs.ThousandSeparator || Key == fs.TimeSeparator ||
                 Key == fs.DateSeparator || Key.isDigit() || Key == u'-' || (control && c != 13);
    const auto separatorOutsideKind = [&](QChar sep) {
        const bool numberLike =
            sep == fs.DecimalSeparator || sep == fs.ThousandSeparator || sep == u'-' || sep == u'+';
        return numberLike && (p->spinType == sptNormal || p->spinType == sptFloat);
    };
    if (valid && Key == fs.TimeSeparator && p->spinType != sptTime)
        valid = separatorOutsideKind(fs.TimeSeparator);
    if (valid && Key == fs.DateSeparator && p->spinType != sptDate)
        valid = separatorOutsideKind(fs.DateSeparator);
    const QString text = Text();
    if (valid && Key == u'-')
        valid = SelStart() == 0 && (!text.contains(u'-') || SelText().contains(u'-'));
    if (valid && p->spinType == sptNormal)
        valid = Key.isDigit() || Key == u'-';
    if (valid && p->spinType == sptFloat && c != 27 && c != 13) {
        const int dec = text.indexOf(fs.DecimalSeparator);
        if (Key == fs.ThousandSeparator && Key != fs.DecimalSeparator)
            valid = false;
        else if (Key == fs.DecimalSeparator)
            valid = dec < 0 || SelText().contains(fs.DecimalSeparator);
        else if (p->precision > 0 && dec >= 0 && SelStart() > dec && SelLength() == 0)
            valid = text.size() < dec + 1 + p->precision;
    }
    if (valid && p->spinType == sptTime && Key == fs.TimeSeparator)
        valid = text.count(fs.TimeSeparator) < 2;
    if (valid && !p->editorEnabled && !control)
        valid = false;
    return valid;
}

void TEsgSpinEdit::ClipboardCut()
{
    if (p->editorEnabled)
        TMaskEdit::ClipboardCut();
}

void TEsgSpinEdit::ClipboardPaste()
{
    if (p->editorEnabled)
        TMaskEdit::ClipboardPaste();
}

// ---- entering and leaving ------------------------------------------------------------------

void TEsgSpinEdit::DoEnter(Qt::FocusReason Reason)
{
    TMaskEdit::DoEnter(Reason);
    // A click into an edit that cannot be typed into selects all the same.
    if (AutoSelect() && !p->editorEnabled)
        selectAll();
}

void TEsgSpinEdit::DoExit()
{
    clampOnExit();
    TMaskEdit::DoExit();
}

// An out-of-range typed value is replaced by the nearest limit.
void TEsgSpinEdit::clampOnExit()
{
    switch (p->spinType) {
    case sptNormal: {
        const int v = Value();
        if (clamped(v, p->minValue, p->maxValue) != v)
            SetValue(v);
        break;
    }
    case sptFloat: {
        const double v = FloatValue();
        if (clamped(v, p->minFloat, p->maxFloat) != v)
            SetFloatValue(v);
        break;
    }
    case sptDate: {
        const TDateTime v = DateValue();
        if (clamped(v, p->minDate, p->maxDate) != v)
            SetDateValue(v);
        break;
    }
    case sptTime: {
        const TDateTime v = TimeValue();
        if (clamped(v, p->minDate, p->maxDate) != v)
            SetTimeValue(v);
        break;
    }
    }
}

// ---- layout --------------------------------------------------------------------------------

void TEsgSpinEdit::resizeEvent(QResizeEvent* e)
{
    TMaskEdit::resizeEvent(e);
    layout();
}

// A height below the font's least is raised to it; otherwise the spin
// buttons go to the right edge and the text ends before them.
void TEsgSpinEdit::layout()
{
    const bool bordered = BorderStyle() == bsEditSingle;
    const int h = QFontMetrics(font()).height();
    const int systemH = QFontMetrics(QApplication::font()).height();
    const int minHeight = h + std::min(h, systemH) / 4 + 2 + (bordered ? 4 * 1 : 0);
    if (height() < minHeight) {
        resize(width(), minHeight);
        return;
    }
    const int e = bordered ? 0 : 4;
    button_->SetBounds(width() + e - button_->Width() - 5, 0, button_->Width(), height() + e - 5);
    SetFormattingRect(SpinEditFormattingRect(width(), height(), button_->Width(), bordered));
}
