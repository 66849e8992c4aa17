#include "platform/ui/window/Form.h"

#include "platform/ui/controls/Control.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/ui/paint/Font.h"
#include "platform/ui/window/ModalSeams.h"

#include <QtGui/QCloseEvent>
#include <QtGui/QGuiApplication>
#include <QtGui/QKeyEvent>
#include <QtGui/QScreen>
#include <QtWidgets/QPushButton>

namespace platform {
DialogButton::~DialogButton() = default;
}  // namespace platform

struct TForm::Data {
  TModalResult modalResult = mrNone;
  bool modal = false;
  bool inLoop = false;
  bool created = false;
  bool positioned = false;
  TFormBorderStyle borderStyle = bsSizeable;
  TPosition position = poScreenCenter;
  TColor color = clBtnFace;
  std::unique_ptr<TFont> font;
  bool keyPreview = false;
};

TForm::TForm(QWidget* parent) : QDialog(parent), d(std::make_unique<Data>()) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  // A form that names no font shows the one its Font property reports, not
  // the desktop's.
  setFont(TFont().ToQFont());
}

TForm::~TForm() = default;

void TForm::Created() {
  if (d->created) return;
  d->created = true;
  FormCreate(this);
}

void TForm::FormCreate(TObject*) {}
void TForm::FormShow(TObject*) {}
void TForm::FormClose(TObject*, TCloseAction&) {}
void TForm::FormResize(TObject*) {}

TModalResult TForm::ShowModal() {
  d->modalResult = mrNone;
  if (platform::ModalSeamsActive()) return platform::RunFormUnderSeams(*this);
  return runModalLoop();
}

TModalResult TForm::runModalLoop() {
  d->modal = true;
  d->inLoop = true;
  setWindowModality(Qt::ApplicationModal);
  exec();
  d->inLoop = false;
  d->modal = false;
  return d->modalResult;
}

void TForm::beginModal() {
  d->modal = true;
  setWindowModality(Qt::ApplicationModal);
  show();
}

void TForm::endModal() {
  d->modal = false;
  hide();
}

bool TForm::modalOpen() const { return d->modal; }

void TForm::forceClose(TModalResult result) {
  d->modalResult = result;
  endModal();
}

bool TForm::IsModalShowing() const { return d->modal && isVisible(); }

TModalResult TForm::ModalResult() const { return d->modalResult; }

void TForm::SetModalResult(TModalResult result) {
  d->modalResult = result;
  if (!d->modal || result == mrNone) return;
  TCloseAction action = caHide;
  FormClose(this, action);
  if (action == caNone) {
    d->modalResult = mrNone;
    return;
  }
  if (d->inLoop)
    QDialog::done(result);
  else
    endModal();
}

void TForm::done(int result) {
  // Qt's own accept/reject paths end up here; they go through the modal result.
  SetModalResult(result == QDialog::Rejected ? mrCancel : result);
}

void TForm::Show() {
  show();
}

void TForm::Close() { close(); }

void TForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (d->modal) {
    SetModalResult(mrCancel);
    return;
  }
  TCloseAction action = caHide;
  FormClose(this, action);
  if (action == caNone) return;
  event->accept();
  if (action == caFree) deleteLater();
}

void TForm::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    if (!d->positioned && d->position != poDesigned) {
      QScreen* screen = QGuiApplication::primaryScreen();
      if (screen) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
      }
      d->positioned = true;
    }
    FormShow(this);
  }
  QDialog::showEvent(event);
}

void TForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  platform::RunReportingFaults([this] { FormResize(this); });
}

void TForm::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) && routeDialogKey(event)) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool TForm::routeDialogKey(QKeyEvent* event) {
  QWidget* focus = focusWidget();
  if (dynamic_cast<platform::DialogButton*>(focus) || qobject_cast<QPushButton*>(focus)) return false;
  const bool enter = event->key() != Qt::Key_Escape;
  if (!enter && (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) return false;
  for (QWidget* widget : findChildren<QWidget*>()) {
    auto* button = dynamic_cast<platform::DialogButton*>(widget);
    if (!button) continue;
    if (enter && button->Default()) {
      button->Click();
      return true;
    }
    if (!enter && button->Cancel() && widget->isVisible() && widget->isEnabled()) {
      button->Click();
      return true;
    }
  }
  return false;
}

QString TForm::Caption() const { return windowTitle(); }
void TForm::SetCaption(const QString& caption) { setWindowTitle(caption); }

int TForm::ClientWidth() const { return width(); }
int TForm::ClientHeight() const { return height(); }

void TForm::SetClientWidth(int width) { SetBounds(Left(), Top(), width, height()); }
void TForm::SetClientHeight(int height) { SetBounds(Left(), Top(), width(), height); }

int TForm::Left() const { return x(); }
int TForm::Top() const { return y(); }

void TForm::SetBounds(int left, int top, int width, int height) {
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  setGeometry(left, top, width, height);
  applyFixedSize();
  platform::RealignControls(this);
}

void TForm::applyFixedSize() {
  if (d->borderStyle == bsSingle || d->borderStyle == bsDialog || d->borderStyle == bsToolWindow)
    setFixedSize(size());
}

TFormBorderStyle TForm::BorderStyle() const { return d->borderStyle; }

void TForm::SetBorderStyle(TFormBorderStyle style) {
  d->borderStyle = style;
  SetBounds(x(), y(), width(), height());
}

TPosition TForm::Position() const { return d->position; }

void TForm::SetPosition(TPosition position) {
  d->position = position;
  d->positioned = false;
}

TFont& TForm::Font() {
  if (!d->font) {
    d->font = std::make_unique<TFont>();
    d->font->OnChange = [this](TFont* font) {
      setFont(font->ToQFont());
      QPalette pal = palette();
      pal.setColor(QPalette::WindowText, ToQColor(font->Color()));
      setPalette(pal);
    };
  }
  return *d->font;
}

TColor TForm::Color() const { return d->color; }

void TForm::SetColor(TColor color) {
  d->color = color;
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ToQColor(color));
  setPalette(pal);
  setAutoFillBackground(true);
}

QWidget* TForm::ActiveControl() const { return focusWidget(); }

bool TForm::KeyPreview() const { return d->keyPreview; }
void TForm::SetKeyPreview(bool value) { d->keyPreview = value; }

void TForm::SetActiveControl(QWidget* control) {
  if (control) control->setFocus(Qt::OtherFocusReason);
}
