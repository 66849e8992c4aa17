#pragma once

#include "platform/core/TObject.h"
#include "platform/ui/paint/Colors.h"

#include <QtWidgets/QDialog>

#include <memory>

class TFont;

using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrClose = 8;
inline constexpr TModalResult mrHelp = 9;
inline constexpr TModalResult mrTryAgain = 10;
inline constexpr TModalResult mrContinue = 11;
inline constexpr TModalResult mrAll = 12;
inline constexpr TModalResult mrNoToAll = 13;
inline constexpr TModalResult mrYesToAll = 14;

enum TCloseAction { caNone, caHide, caFree, caMinimize };
// bsSingle and bsDialog windows keep the size the program gives them.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition { poDesigned, poScreenCenter, poMainFormCenter };

namespace platform {

// A push button that takes part in the dialog keys of its window: Enter clicks
// the default button and Escape the cancel button, unless a push button has the
// focus (it then takes the key itself). Any button class can implement it.
class DialogButton {
 public:
  virtual ~DialogButton();
  virtual bool Default() const = 0;
  virtual bool Cancel() const = 0;
  // Called for the dialog key; the button decides whether it runs its action
  // (a disabled default button swallows Enter without acting).
  virtual void Click() = 0;
};

}  // namespace platform

// A window of the program. Derived windows build their controls in their
// constructor; FormCreate runs once afterwards (see platform::CreateForm),
// FormShow at every showing and FormClose when the window closes.
class TForm : public QDialog, public TObject {
 public:
  explicit TForm(QWidget* parent = nullptr);
  ~TForm() override;

  // Runs the window modally and returns its modal result. Under the test seams
  // (platform/ui/window/ModalSeams.h) the registered handler works the window instead.
  TModalResult ShowModal();
  // Setting a result other than mrNone closes a modally shown window.
  TModalResult ModalResult() const;
  void SetModalResult(TModalResult result);
  bool IsModalShowing() const;

  void Show();
  // Asks the window to close; FormClose may refuse by setting caNone.
  void Close();

  QString Caption() const;
  void SetCaption(const QString& caption);
  int ClientWidth() const;
  void SetClientWidth(int width);
  int ClientHeight() const;
  void SetClientHeight(int height);
  int Left() const;
  int Top() const;
  void SetBounds(int left, int top, int width, int height);
  TFormBorderStyle BorderStyle() const;
  void SetBorderStyle(TFormBorderStyle style);
  TPosition Position() const;
  void SetPosition(TPosition position);
  // Tahoma of 8 points until a window names its own.
  TFont& Font();
  TColor Color() const;
  void SetColor(TColor color);
  QWidget* ActiveControl() const;
  void SetActiveControl(QWidget* control);
  // Whether the window sees the keys of its controls first; no window of the
  // program asks for it.
  bool KeyPreview() const;
  void SetKeyPreview(bool value);

  // Runs FormCreate once; platform::CreateForm calls it after construction.
  void Created();

 protected:
  virtual void FormCreate(TObject* Sender);
  virtual void FormShow(TObject* Sender);
  virtual void FormClose(TObject* Sender, TCloseAction& Action);
  virtual void FormResize(TObject* Sender);

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void done(int result) override;

 private:
  friend class ModalFormRunner;
  TModalResult runModalLoop();
  void beginModal();
  void endModal();
  bool modalOpen() const;
  void forceClose(TModalResult result);
  bool routeDialogKey(QKeyEvent* event);
  void applyFixedSize();
  struct Data;
  std::unique_ptr<Data> d;
};

namespace platform {

// Creates a window and runs its FormCreate, as the program does at start-up.
template <class Form, class... Args>
Form* CreateForm(Args&&... args) {
  auto* form = new Form(std::forward<Args>(args)...);
  form->Created();
  return form;
}

}  // namespace platform
