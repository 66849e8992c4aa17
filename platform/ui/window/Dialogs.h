#pragma once

#include "platform/ui/window/Form.h"

#include <QtCore/QFlags>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <functional>
#include <memory>

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn : unsigned {
  mbYes = 0x1,
  mbNo = 0x2,
  mbOK = 0x4,
  mbCancel = 0x8,
  mbAbort = 0x10,
  mbRetry = 0x20,
  mbIgnore = 0x40,
  mbAll = 0x80,
  mbNoToAll = 0x100,
  mbYesToAll = 0x200,
  mbHelp = 0x400,
  mbClose = 0x800,
};
Q_DECLARE_FLAGS(TMsgDlgButtons, TMsgDlgBtn)
Q_DECLARE_OPERATORS_FOR_FLAGS(TMsgDlgButtons)

inline constexpr TMsgDlgButtons mbYesNo = TMsgDlgButtons(mbYes | mbNo);
inline constexpr TMsgDlgButtons mbYesNoCancel = TMsgDlgButtons(mbYes | mbNo | mbCancel);
inline constexpr TMsgDlgButtons mbYesAllNoAllCancel =
    TMsgDlgButtons(mbYes | mbYesToAll | mbNo | mbNoToAll | mbCancel);
inline constexpr TMsgDlgButtons mbOKCancel = TMsgDlgButtons(mbOK | mbCancel);
inline constexpr TMsgDlgButtons mbAbortRetryIgnore = TMsgDlgButtons(mbAbort | mbRetry | mbIgnore);
inline constexpr TMsgDlgButtons mbAbortIgnore = TMsgDlgButtons(mbAbort | mbIgnore);

// Shows a modal message box with the buttons given, in the fixed order Yes, No,
// OK, Cancel, Abort, Retry, Ignore, All, No to All, Yes to All, Help, Close, and
// returns the modal result of the button pressed (mrCancel when the box is
// closed otherwise). The help context is accepted and not used.
TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx);

// The modal result a message box button gives; mrNone for mbHelp.
TModalResult ModalResultOfButton(TMsgDlgBtn button);

namespace platform {
// Runs an event handler; a fault it raises ends the handling and is shown in
// an error box with its message instead of passing through the event loop. The
// grids and the editors run their input handling through it.
void RunReportingFaults(const std::function<void()>& handling);
}  // namespace platform

enum TOpenOption : unsigned {
  ofReadOnly = 0x1,
  ofOverwritePrompt = 0x2,
  ofHideReadOnly = 0x4,
  ofNoChangeDir = 0x8,
  ofAllowMultiSelect = 0x10,
  ofPathMustExist = 0x20,
  ofFileMustExist = 0x40,
  ofEnableSizing = 0x80,
};
Q_DECLARE_FLAGS(TOpenOptions, TOpenOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TOpenOptions)

namespace platform {

// One entry of a file filter: "Text (*.txt)" with its patterns {"*.txt"}.
struct FileFilterEntry {
  QString description;
  QStringList patterns;
};

// Splits a filter written as "Description|*.a;*.b|Description|*.c" into its
// entries; a trailing description without patterns is dropped.
QList<FileFilterEntry> ParseFileFilter(const QString& filter);
// The same filter as Qt file dialogs take it ("Description (*.a *.b)"), one entry
// per element. "*.*" matches every file name, with or without a dot.
QStringList ToQtNameFilters(const QString& filter);
// The default extension ("txt", also given as ".txt" or "*.txt") appended to a
// file name whose last part has no extension; any other name is returned as is.
QString ApplyDefaultExt(const QString& fileName, const QString& defaultExt);

}  // namespace platform

// The file choice dialog for opening. Execute shows it and returns true when the
// user confirmed a name; FileName then holds the full path.
class TOpenDialog {
 public:
  TOpenDialog();
  virtual ~TOpenDialog();
  TOpenDialog(const TOpenDialog&) = delete;
  TOpenDialog& operator=(const TOpenDialog&) = delete;

  QString Filter() const;
  void SetFilter(const QString& filter);
  // 1-based index of the filter entry shown first.
  int FilterIndex() const;
  void SetFilterIndex(int index);
  QString DefaultExt() const;
  void SetDefaultExt(const QString& ext);
  QString FileName() const;
  void SetFileName(const QString& name);
  QStringList Files() const;
  QString InitialDir() const;
  void SetInitialDir(const QString& dir);
  QString Title() const;
  void SetTitle(const QString& title);
  TOpenOptions Options() const;
  void SetOptions(TOpenOptions options);

  bool Execute();

 protected:
  explicit TOpenDialog(bool save);

 private:
  struct Data;
  std::unique_ptr<Data> d;
};

// The file choice dialog for saving; it asks before overwriting only with
// ofOverwritePrompt.
class TSaveDialog : public TOpenDialog {
 public:
  TSaveDialog();
};
