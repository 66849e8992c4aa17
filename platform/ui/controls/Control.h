#pragma once

#include "platform/core/TObject.h"
#include "platform/ui/paint/Colors.h"

#include <QtCore/QString>
#include <QtCore/qnamespace.h>

#include <functional>
#include <memory>

class QChar;
class QFont;
class QObject;
class QRect;
class QWidget;
class TFont;

// Event types of the controls. Sender is the control that raises the event; every
// control, window and timer is also a TObject, so handlers compare it with their
// controls.
using TNotifyEvent = std::function<void(TObject* Sender)>;
// Key may be replaced by another character, or set to 0 to drop the key.
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;

// How a control sits in its parent: alTop and alBottom controls take the full
// width at the top or bottom edge, alLeft and alRight the remaining height at the
// sides, and alClient fills what is left, in that order.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Mouse pointer shapes by number: the platform's standard shapes are negative,
// the program's own cursors keep their positive resource numbers.
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crHandPoint = -21;

namespace platform {

// Captions mark an accelerator with "&x"; "&&" stands for a literal "&".
// The caption as shown, without the accelerator marks.
QString StripAccelerator(const QString& caption);
// The accelerator character of a caption, or a null character when it has none.
QChar AcceleratorChar(const QString& caption);
// The accelerator as accessibility tools name it ("Alt+X"), empty when there is none.
QString AcceleratorKeyText(const QString& caption);
// The part of a hint shown as tool tip: the text before the first "|".
QString ShortHint(const QString& hint);

// The properties that every control shares. A control class derives from its Qt
// widget, from this class, which works on that widget, and from TObject: positions and sizes in
// pixels of the parent's client area, visibility, enabling, tab order, hint,
// font and colour. A control placed on a parent comes last in its tab order. A
// control given the font and text colour its container already shows keeps
// following the container (see ApplyTextFont).
class TControl {
 public:
  TControl(QWidget& widget, TColor defaultColor);
  virtual ~TControl();
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  QString Name() const;
  void SetName(const QString& name);

  int Left() const;
  void SetLeft(int left);
  int Top() const;
  void SetTop(int top);
  int Width() const;
  void SetWidth(int width);
  int Height() const;
  void SetHeight(int height);
  void SetBounds(int left, int top, int width, int height);
  int ClientWidth() const;
  int ClientHeight() const;

  // The control's own visibility; it is seen when its parents are seen too.
  bool Visible() const;
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const;
  void SetEnabled(bool enabled);

  QString Hint() const;
  void SetHint(const QString& hint);
  bool ShowHint() const;
  void SetShowHint(bool show);

  // Position in the Tab key order among the controls of the same parent,
  // counted from 0; setting it moves the others up or down.
  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const;
  void SetTabStop(bool stop);

  // The control's font; until it is changed the control follows its parent's.
  TFont& Font();
  TColor Color() const;
  void SetColor(TColor color);

  TAlign Align() const;
  void SetAlign(TAlign align);

  // The pointer shown over the control; crDefault follows the parent.
  TCursor Cursor() const;
  void SetCursor(TCursor cursor);

  QWidget* Parent() const;
  // Moves the control to another parent, keeping its visibility.
  void SetParent(QWidget* parent);
  bool Focused() const;
  void SetFocus();
  bool CanFocus() const;

  QWidget& Widget() const;

 protected:
  // Hooks for controls whose geometry or visibility others depend on.
  virtual void ChangeBounds(const QRect& bounds);
  virtual void ChangeVisible(bool visible);
  virtual void ApplyFont(const QFont& font, TColor textColor);
  virtual void ApplyColor(TColor color);

 private:
  struct Data;
  std::unique_ptr<Data> d;
};

// Re-arranges the aligned controls inside a widget; widgets that are not shown
// get no resize events, so a change of their size calls this.
void RealignControls(QWidget* parent);

// The pointer shape of a cursor number; the program's own cursors have no
// pictures here and show as the arrow.
Qt::CursorShape CursorShape(TCursor cursor);

// Gives a widget a font and a text colour the way a control's Font does; a
// container given them hands both down to the controls it holds.
void ApplyTextFont(QWidget& widget, const QFont& font, TColor textColor);

// The control behind a widget, or nullptr when the widget is not one of ours.
TControl* AsControl(QObject* object);

}  // namespace platform
