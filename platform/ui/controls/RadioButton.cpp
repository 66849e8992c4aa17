#include "platform/ui/controls/RadioButton.h"

struct TRadioButton::Data {
  QString caption;
};

TRadioButton::TRadioButton(QWidget* parent)
    : QRadioButton(parent), platform::TControl(*this, clBtnFace), d(std::make_unique<Data>()) {
  resize(113, 17);
  connect(this, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked && OnClick) OnClick(this);
  });
}

TRadioButton::~TRadioButton() = default;

QString TRadioButton::Caption() const { return d->caption; }

void TRadioButton::SetCaption(const QString& caption) {
  d->caption = caption;
  setText(caption);
}

bool TRadioButton::Checked() const { return isChecked(); }

void TRadioButton::SetChecked(bool checked) {
  if (checked) {
    setChecked(true);
    return;
  }
  // Qt refuses to uncheck the checked button of an exclusive set.
  setAutoExclusive(false);
  setChecked(false);
  setAutoExclusive(true);
}
