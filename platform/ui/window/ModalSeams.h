#pragma once

#include "platform/ui/window/Dialogs.h"

#include <QtCore/QPoint>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

class QWidget;
class TForm;

// Test seams for everything modal. While a ModalSeams object lives, message
// boxes, file dialogs and modally shown windows do not wait for a user: each
// takes the next answer queued on the seams, in order, and is recorded. A modal
// that finds no fitting answer is a failure reported at once (see
// SetModalFailureHook), never a hang. The offscreen platform, where no user can
// answer, and the environment variable CONFIGURATOR_MODAL_SEAMS=1 make every
// unexpected modal a failure too. Otherwise the real dialogs show.
namespace platform {

enum class ModalKind { MessageBox, OpenDialog, SaveDialog, Form, PopupMenu };

// What a modal showed.
struct ShownModal {
  ModalKind kind = ModalKind::MessageBox;
  QString text;                  // message text, dialog title or window caption
  TMsgDlgType type = mtCustom;   // message boxes
  TMsgDlgButtons buttons;        // message boxes
  QString filter;                // file dialogs
  QString initialDir;            // file dialogs
  QString fileName;              // file dialogs: the name before the answer
  QString defaultExt;            // file dialogs
  TForm* form = nullptr;         // windows
  QStringList items;             // pop-up menus: the item captions in order
  QPoint screenPoint;            // pop-up menus: where it opened
};

class UnexpectedModal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The failure report of the seams. Without a hook, a failure throws
// UnexpectedModal; with one (a test harness reporting to its framework), the hook
// is called and the modal gives up with a neutral answer (mrCancel, no file, the
// window closed with mrCancel).
using ModalFailureHook = std::function<void(const QString& message)>;
void SetModalFailureHook(ModalFailureHook hook);

class ModalSeams {
 public:
  ModalSeams();
  ~ModalSeams();
  ModalSeams(const ModalSeams&) = delete;
  ModalSeams& operator=(const ModalSeams&) = delete;

  // The next message box returns this result; it must be one of its buttons.
  void AnswerMessage(TModalResult result);
  // The next open or save dialog is confirmed with this name as typed: a relative
  // name is taken in the dialog's initial folder and the default extension is
  // applied as the real dialog does.
  void ChooseFile(const QString& name);
  void CancelFile();
  // While `form` is shown modally next, `work` runs; it fills the window in and
  // closes it (a button with a modal result, SetModalResult, Close). A window
  // the handler leaves open is a failure and closes with mrCancel.
  void HandleModal(TForm& form, std::function<void()> work);
  // The next pop-up menu picks the item with this identifier; 0 closes it
  // without a pick.
  void PickMenuItem(int id);

  // Answers not used yet.
  int Pending() const;
  // Every modal shown since the seams were installed, in order.
  const std::vector<ShownModal>& Shown() const;
  // The texts of the message boxes shown, in order.
  QStringList Messages() const;

 private:
  struct Data;
  std::unique_ptr<Data> d;
  friend struct SeamAccess;
};

// True when modals go through the seams (see above).
bool ModalSeamsActive();

// Saves a picture of the widget as SCREENSHOT_DIR/name.png when that environment
// variable is set (scripts/screenshot.sh sets it); returns the path written, or
// an empty text when nothing was written.
QString SaveScreenshot(QWidget& widget, const QString& name);

// Used by the modal code of this library.
TModalResult RunFormUnderSeams(TForm& form);
TModalResult MessageUnderSeams(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);
// A pop-up menu of items with the identifiers 1, 2, ... in order, opened at a
// screen point and tracked until it closes: the identifier picked, or 0.
int TrackPopupMenu(const QStringList& items, const QPoint& screenPoint, QWidget* owner);

// Returns true with `fileName` set to the chosen name, or false when cancelled.
bool FileDialogUnderSeams(bool save, const ShownModal& shown, QString& fileName);

}  // namespace platform
