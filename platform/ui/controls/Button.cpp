#include "platform/ui/controls/Button.h"

TButton::TButton(QWidget* parent) : QPushButton(parent), platform::TControl(*this, clBtnFace) {
  resize(75, 25);
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] { Click(); });
}

TButton::~TButton() = default;

QString TButton::Caption() const { return text(); }
void TButton::SetCaption(const QString& caption) { setText(caption); }

void TButton::Click() {
  if (OnClick) OnClick(this);
}
