#pragma once

#include "platform/ui/controls/Edit.h"
#include "platform/ui/paint/Geometry.h"
#include "platform/ui/controls/InputTypes.h"

using TKeyEvent = std::function<void(TObject* Sender, Word& Key, TShiftState Shift)>;

enum TEditBorderStyle { bsEditNone, bsEditSingle };

// A one-line edit with an optional edit mask, the base of the edits that add
// buttons or filters of their own. A key runs through stages a descendant can
// take over: the key message (WMKeyDown), the key-down hook (KeyDown, which
// raises OnKeyDown), the typed character (KeyPress, which raises OnKeyPress)
// and the edit's own handling; clearing the key or the character at any stage
// ends it there. Tab reaches the edit only when WantsKey asks for it.
class TMaskEdit : public TEdit {
 public:
  explicit TMaskEdit(QWidget* parent = nullptr);
  ~TMaskEdit() override;

  // The mask in the platform's notation ("!99/99/0000;1;_"); empty for none.
  QString EditMask() const;
  void SetEditMask(const QString& mask);
  // On entering by keyboard or from code the whole text is selected.
  bool AutoSelect() const;
  void SetAutoSelect(bool value);
  TEditBorderStyle BorderStyle() const;
  void SetBorderStyle(TEditBorderStyle style);
  TAlignment Alignment() const;
  void SetAlignment(TAlignment alignment);

  int SelStart() const;
  // Moves the caret and empties the selection.
  void SetSelStart(int start);
  int SelLength() const;
  // Selects from SelStart on.
  void SetSelLength(int length);
  QString SelText() const;
  // Replaces the selection (or inserts at the caret).
  void SetSelText(const QString& text);

  // The rectangle of the client area the text is laid out in.
  TRect FormattingRect() const;
  void SetFormattingRect(const TRect& rect);

  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TNotifyEvent OnDblClick;

 protected:
  // The key message; the base hands the key to KeyDown.
  virtual void WMKeyDown(Word& Key, TShiftState Shift);
  virtual void KeyDown(Word& Key, TShiftState Shift);
  // A typed character, Backspace included; the base raises OnKeyPress.
  virtual void KeyPress(QChar& Key);
  virtual void KeyUp(Word& Key, TShiftState Shift);
  // Whether a key the window would take for itself (Tab) goes to the edit.
  virtual bool WantsKey(Word Key, TShiftState Shift);
  // The clipboard commands of the edit's keys and menu; the base versions act.
  virtual void ClipboardCut();
  virtual void ClipboardPaste();
  // The focus came; the base selects all under AutoSelect and raises OnEnter.
  virtual void DoEnter(Qt::FocusReason reason);
  virtual void DoExit();
  // The modifiers of the key being handled (the keypad flag among them).
  Qt::KeyboardModifiers KeyModifiers() const;

  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void typeCharacter(QKeyEvent* event, QChar typed, QChar key);
  void applyFormattingRect();
  struct MaskData;
  std::unique_ptr<MaskData> m;
};

namespace platform {
// The toolkit's input mask for an edit mask in the platform's notation.
QString InputMaskFromEditMask(const QString& mask);
}  // namespace platform
