#pragma once

#include "app/shell/buttons/LbButtons.h"
#include "platform/ui/controls/Control.h"
#include "platform/ui/window/Form.h"

#include <QtWidgets/QWidget>

#include <memory>

class QImage;
class QMenu;

// The owner-drawn push button of every window: paints its own face, highlights
// itself while the pointer is over it (optionally fading the highlight out),
// carries a glyph strip of up to four frames (normal, disabled, pressed, hot),
// offers preset kinds and colour styles, and handles Enter and Space, "&x"
// accelerators (Alt+x) and the dialog keys of its window (Default, Cancel).
//
// A mouse click comes on the release of a press on the button, wherever the
// pointer is then. Enter and Space act on the release of a press the button
// received itself (platform::KeyPressTracker), once for a held key. After
// OnClick the button gives its ModalResult to its window. The fade runs on one
// timer that ticks only while fading. The face is painted by DrawLbButtonFace
// (LbButtons.h) on a TCanvas; assistive tools see a push button.
class TLbButton : public QWidget, public platform::TControl, public TObject, public platform::DialogButton {
  Q_OBJECT

 public:
  explicit TLbButton(QWidget* owner = nullptr);
  ~TLbButton() override;

  TAlignment Alignment() const;
  void SetAlignment(TAlignment alignment);
  bool Cancel() const override;
  void SetCancel(bool cancel);
  QString Caption() const;
  void SetCaption(const QString& caption);
  // Reading gives lcsCustom always; setting applies the style's colours.
  TLbColorStyle ColorStyle() const;
  void SetColorStyle(TLbColorStyle style);
  TColor ColorWhenDown() const;
  void SetColorWhenDown(TColor color);
  bool Default() const override;
  void SetDefault(bool isDefault);
  bool Flat() const;
  void SetFlat(bool flat);
  // Frames of equal width side by side; setting it makes the kind custom.
  const QImage& Glyph() const;
  void SetGlyph(const QImage& glyph);
  TColor HotTrackColor() const;
  void SetHotTrackColor(TColor color);
  TFont& HotTrackFont();
  void SetHotTrackFont(const TFont& font);
  TLbButtonKind Kind() const;
  void SetKind(TLbButtonKind kind);
  TLbButtonLayout Layout() const;
  void SetLayout(TLbButtonLayout layout);
  TColor LightColor() const;
  void SetLightColor(TColor color);
  // Given to the window on click (which closes a modal window); setting it
  // makes the kind custom.
  TModalResult ModalResult() const;
  void SetModalResult(TModalResult result);
  int NumGlyphs() const;
  void SetNumGlyphs(int count);
  TColor ShadowColor() const;
  void SetShadowColor(TColor color);
  // Fade the highlight out in eight steps of 30 ms when the pointer leaves.
  bool SlowDecease() const;
  void SetSlowDecease(bool slow);
  TLbButtonStyle Style() const;
  void SetStyle(TLbButtonStyle style);
  bool UseHotTrackFont() const;
  void SetUseHotTrackFont(bool use);
  bool WordWrap() const;
  void SetWordWrap(bool wrap);
  // Opened below the button after a click; the button does not own it.
  QMenu* PopupMenu() const;
  void SetPopupMenu(QMenu* menu);

  // Presses and releases the button: OnClick, modal result, pop-up menu.
  void Click() override;
  // One step of the fade; the fade timer calls it every 30 ms.
  void HotTrackTick();
  // Highlight intensity: 8 full, 0 none.
  int HotTrackStep() const;
  // Held down by the mouse or a key.
  bool Down() const;

  TNotifyEvent OnClick;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseExit;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  void ApplyFont(const QFont& font, TColor textColor) override;
  void ApplyColor(TColor color) override;

 private:
  void runClickAction();
  void setDown(bool down);
  void updateAccelerator();
  bool interactive() const;
  TLbButtonFace currentFace(bool focused);
  void paintOldFocused(QImage& bitmap, TLbButtonFace face);
  struct Data;
  std::unique_ptr<Data> d;
};
