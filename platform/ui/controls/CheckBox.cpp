#include "platform/ui/controls/CheckBox.h"

#include <QtGui/QFocusEvent>

struct TCheckBox::Data {
  QString caption;
};

TCheckBox::TCheckBox(QWidget* parent)
    : QCheckBox(parent), platform::TControl(*this, clBtnFace), d(std::make_unique<Data>()) {
  resize(97, 17);
  connect(this, &QCheckBox::stateChanged, this, [this](int) {
    if (OnClick) OnClick(this);
  });
}

TCheckBox::~TCheckBox() = default;

QString TCheckBox::Caption() const { return d->caption; }

void TCheckBox::SetCaption(const QString& caption) {
  d->caption = caption;
  setText(caption);
}

bool TCheckBox::Checked() const { return checkState() == Qt::Checked; }
void TCheckBox::SetChecked(bool checked) { setCheckState(checked ? Qt::Checked : Qt::Unchecked); }

TCheckBoxState TCheckBox::State() const {
  switch (checkState()) {
    case Qt::Checked:
      return cbChecked;
    case Qt::PartiallyChecked:
      return cbGrayed;
    case Qt::Unchecked:
      break;
  }
  return cbUnchecked;
}

void TCheckBox::SetState(TCheckBoxState state) {
  if (state == cbGrayed) setTristate(true);
  setCheckState(state == cbChecked ? Qt::Checked : state == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
}

bool TCheckBox::AllowGrayed() const { return isTristate(); }
void TCheckBox::SetAllowGrayed(bool allow) { setTristate(allow); }

void TCheckBox::focusInEvent(QFocusEvent* event) {
  QCheckBox::focusInEvent(event);
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason && OnEnter)
    OnEnter(this);
}

void TCheckBox::focusOutEvent(QFocusEvent* event) {
  QCheckBox::focusOutEvent(event);
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason && OnExit)
    OnExit(this);
}
