#include "platform/ui/panels/GroupBox.h"

struct TGroupBox::Data {
  QString caption;
};

TGroupBox::TGroupBox(QWidget* parent)
    : QGroupBox(parent), platform::TControl(*this, clBtnFace), d(std::make_unique<Data>()) {
  resize(185, 105);
}

TGroupBox::~TGroupBox() = default;

QString TGroupBox::Caption() const { return d->caption; }

void TGroupBox::SetCaption(const QString& caption) {
  d->caption = caption;
  setTitle(caption);
}
