#include "platform/ui/controls/DateTimePicker.h"

#include "platform/core/FormatSettings.h"

#include <QtGui/QKeyEvent>
#include <QtWidgets/QCalendarWidget>

#include <cmath>

namespace {

const QDate DateZero(1899, 12, 30);

}  // namespace

namespace platform {

QDateTime DateTimeFromValue(TDateTime value) {
  const double days = std::floor(value);
  const qint64 ms = std::llround((value - days) * 86400000.0);
  return QDateTime(DateZero.addDays(qint64(days)), QTime(0, 0)).addMSecs(ms);
}

TDateTime ValueFromDateTime(const QDateTime& value) {
  return double(DateZero.daysTo(value.date())) + value.time().msecsSinceStartOfDay() / 86400000.0;
}

// Letters of the runtime notation become the toolkit's; runs keep their length.
QString DisplayFormatFromRuntime(const QString& format) {
  const TFormatSettings fs = FormatSettings();
  QString out;
  for (int i = 0; i < format.size(); ++i) {
    const QChar c = format[i];
    switch (c.toLower().unicode()) {
      case 'm': out += QLatin1Char('M'); break;
      case 'h': out += QLatin1Char('H'); break;
      case 'n': out += QLatin1Char('m'); break;
      case 'd':
      case 'y':
      case 's': out += c.toLower(); break;
      case 'z': out += QLatin1Char('z'); break;
      case '/': out += QLatin1Char('\'') + QString(fs.DateSeparator) + QLatin1Char('\''); break;
      case ':': out += QLatin1Char('\'') + QString(fs.TimeSeparator) + QLatin1Char('\''); break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace platform

struct TDateTimePicker::Data {
  TDateTimeKind kind = dtkDate;
  TDTDateMode mode = dmComboBox;
  QString format;
  TDateTime minDate = 0, maxDate = 0;
  bool showCheckbox = false;
  bool checked = true;
  bool settingValue = false;
};

TDateTimePicker::TDateTimePicker(QWidget* parent)
    : QDateTimeEdit(parent), platform::TControl(*this, clWindow), d(std::make_unique<Data>()) {
  resize(186, 21);
  setCalendarPopup(true);
  setDateTime(QDateTime::currentDateTime());
  applyFormat();
  calendarWidget()->installEventFilter(this);
  connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] {
    if (!d->settingValue && OnChange) OnChange(this);
  });
}

TDateTimePicker::~TDateTimePicker() = default;

TDateTimeKind TDateTimePicker::Kind() const { return d->kind; }

void TDateTimePicker::SetKind(TDateTimeKind kind) {
  d->kind = kind;
  setCalendarPopup(kind == dtkDate && d->mode == dmComboBox);
  applyFormat();
}

TDTDateMode TDateTimePicker::DateMode() const { return d->mode; }

void TDateTimePicker::SetDateMode(TDTDateMode mode) {
  d->mode = mode;
  setCalendarPopup(d->kind == dtkDate && mode == dmComboBox);
}

QString TDateTimePicker::Format() const { return d->format; }

void TDateTimePicker::SetFormat(const QString& format) {
  d->format = format;
  applyFormat();
}

void TDateTimePicker::applyFormat() {
  const TFormatSettings fs = FormatSettings();
  const QString format = !d->format.isEmpty() ? d->format : d->kind == dtkDate ? fs.ShortDateFormat : fs.LongTimeFormat;
  setDisplayFormat(platform::DisplayFormatFromRuntime(format));
}

TDateTime TDateTimePicker::MinDate() const { return d->minDate; }

void TDateTimePicker::SetMinDate(TDateTime value) {
  d->minDate = value;
  if (value != 0)
    setMinimumDateTime(platform::DateTimeFromValue(value));
  else
    clearMinimumDateTime();
}

TDateTime TDateTimePicker::MaxDate() const { return d->maxDate; }

void TDateTimePicker::SetMaxDate(TDateTime value) {
  d->maxDate = value;
  if (value != 0)
    setMaximumDateTime(platform::DateTimeFromValue(value));
  else
    clearMaximumDateTime();
}

TDateTime TDateTimePicker::DateTime() const { return platform::ValueFromDateTime(dateTime()); }

void TDateTimePicker::SetDateTime(TDateTime value) {
  d->settingValue = true;
  setDateTime(platform::DateTimeFromValue(value));
  d->settingValue = false;
}

bool TDateTimePicker::ShowCheckbox() const { return d->showCheckbox; }
void TDateTimePicker::SetShowCheckbox(bool show) { d->showCheckbox = show; }
bool TDateTimePicker::Checked() const { return !d->showCheckbox || d->checked; }
void TDateTimePicker::SetChecked(bool checked) { d->checked = checked; }

bool TDateTimePicker::DroppedDown() const { return calendarPopup() && calendarWidget()->isVisible(); }

QString TDateTimePicker::Text() const { return text(); }

// Typing replaces the field, as the platform's picker does.
void TDateTimePicker::SelectField(int index) {
  setCurrentSectionIndex(index);
  setSelectedSection(currentSection());
}

// Left and Right move one field; the toolkit would move the caret.
void TDateTimePicker::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) && event->modifiers() == Qt::NoModifier) {
    const int next = currentSectionIndex() + (event->key() == Qt::Key_Right ? 1 : -1);
    if (next >= 0 && next < sectionCount()) SelectField(next);
    event->accept();
    return;
  }
  QDateTimeEdit::keyPressEvent(event);
}

bool TDateTimePicker::eventFilter(QObject* watched, QEvent* event) {
  if (watched == calendarWidget()) {
    if (event->type() == QEvent::Show && OnDropDown) OnDropDown(this);
    if (event->type() == QEvent::Hide && OnCloseUp) OnCloseUp(this);
  }
  return QDateTimeEdit::eventFilter(watched, event);
}
