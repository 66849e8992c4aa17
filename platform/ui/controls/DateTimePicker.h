#pragma once

#include "platform/ui/controls/Control.h"

#include <QtWidgets/QDateTimeEdit>

using TDateTime = double;

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };

// A date or time field edited part by part, with a calendar that drops down
// (dmComboBox) or spin buttons (dmUpDown). Dates are day numbers from
// 30 December 1899 with the time of day as the fraction. Format is in the
// runtime notation (d m y h n s, "/" and ":" for the locale's separators);
// empty shows the locale's short date or long time. Left and Right move one
// field. A Checked check box is kept while ShowCheckbox (no box is drawn).
// OnChange comes only from the user's edits, never from setting the value in
// code; OnDropDown and OnCloseUp bracket the dropped calendar.
class TDateTimePicker : public QDateTimeEdit, public platform::TControl, public TObject {
 public:
  explicit TDateTimePicker(QWidget* parent = nullptr);
  ~TDateTimePicker() override;

  TDateTimeKind Kind() const;
  void SetKind(TDateTimeKind kind);
  TDTDateMode DateMode() const;
  void SetDateMode(TDTDateMode mode);
  QString Format() const;
  void SetFormat(const QString& format);
  // 0 means no limit.
  TDateTime MinDate() const;
  void SetMinDate(TDateTime value);
  TDateTime MaxDate() const;
  void SetMaxDate(TDateTime value);
  TDateTime DateTime() const;
  void SetDateTime(TDateTime value);
  bool ShowCheckbox() const;
  void SetShowCheckbox(bool show);
  bool Checked() const;
  void SetChecked(bool checked);
  bool DroppedDown() const;
  // Makes a field (counted from 0) current, selected so typing replaces it.
  void SelectField(int index);
  // The field text as shown.
  QString Text() const;

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void applyFormat();
  struct Data;
  std::unique_ptr<Data> d;
};

namespace platform {
// The toolkit's display format of a format in the runtime notation.
QString DisplayFormatFromRuntime(const QString& format);
QDateTime DateTimeFromValue(TDateTime value);
TDateTime ValueFromDateTime(const QDateTime& value);
}  // namespace platform
