#include "platform/ui/window/Dialogs.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TextEncoding.h"
#include "platform/ui/window/ModalSeams.h"

#include <QtCore/QDir>
#include <QtWidgets/QApplication>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPushButton>

#include <map>

namespace {

struct ButtonInfo {
  TMsgDlgBtn button;
  const char* caption;
  TModalResult result;
};

// In the order the buttons appear in the box.
constexpr ButtonInfo kButtons[] = {
    {mbYes, "&Yes", mrYes},          {mbNo, "&No", mrNo},
    {mbOK, "OK", mrOk},              {mbCancel, "Cancel", mrCancel},
    {mbAbort, "&Abort", mrAbort},    {mbRetry, "&Retry", mrRetry},
    {mbIgnore, "&Ignore", mrIgnore}, {mbAll, "&All", mrAll},
    {mbNoToAll, "N&o to All", mrNoToAll}, {mbYesToAll, "Yes to &All", mrYesToAll},
    {mbHelp, "&Help", mrNone},       {mbClose, "&Close", mrClose},
};

QString boxTitle(TMsgDlgType type) {
  switch (type) {
    case mtWarning:
      return QStringLiteral("Warning");
    case mtError:
      return QStringLiteral("Error");
    case mtInformation:
      return QStringLiteral("Information");
    case mtConfirmation:
      return QStringLiteral("Confirmation");
    case mtCustom:
      break;
  }
  return QApplication::applicationName();
}

QMessageBox::Icon boxIcon(TMsgDlgType type) {
  switch (type) {
    case mtWarning:
      return QMessageBox::Warning;
    case mtError:
      return QMessageBox::Critical;
    case mtInformation:
      return QMessageBox::Information;
    case mtConfirmation:
      return QMessageBox::Question;
    case mtCustom:
      break;
  }
  return QMessageBox::NoIcon;
}

TModalResult showMessageBox(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
  QMessageBox box(boxIcon(type), boxTitle(type), text, QMessageBox::NoButton, QApplication::activeWindow());
  std::map<QAbstractButton*, TModalResult> results;
  QPushButton* defaultButton = nullptr;
  QPushButton* escapeButton = nullptr;
  for (const ButtonInfo& info : kButtons) {
    if (!buttons.testFlag(info.button)) continue;
    // One role for all keeps the fixed order of the buttons.
    QPushButton* button = box.addButton(QString::fromLatin1(info.caption), QMessageBox::ActionRole);
    results[button] = info.result;
    if (!defaultButton || info.button == mbOK) defaultButton = button;
    if (info.button == mbCancel || (info.button == mbNo && !escapeButton)) escapeButton = button;
  }
  if (results.empty()) {
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::ActionRole);
    results[ok] = mrOk;
    defaultButton = ok;
  }
  if (results.size() == 1) escapeButton = defaultButton;
  box.setDefaultButton(defaultButton);
  if (escapeButton) box.setEscapeButton(escapeButton);
  box.exec();
  const auto found = results.find(box.clickedButton());
  return found == results.end() ? mrCancel : found->second;
}

QString normalizedExt(const QString& ext) {
  qsizetype start = 0;
  while (start < ext.size() && (ext[start] == u'*' || ext[start] == u'.')) ++start;
  return ext.mid(start);
}

}  // namespace

TModalResult ModalResultOfButton(TMsgDlgBtn button) {
  for (const ButtonInfo& info : kButtons)
    if (info.button == button) return info.result;
  return mrNone;
}

TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons, int /*helpCtx*/) {
  if (platform::ModalSeamsActive()) return platform::MessageUnderSeams(text, type, buttons);
  return showMessageBox(text, type, buttons);
}

namespace platform {

QList<FileFilterEntry> ParseFileFilter(const QString& filter) {
  QList<FileFilterEntry> entries;
  const QStringList parts = filter.split(u'|');
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    FileFilterEntry entry;
    entry.description = parts[i];
    for (const QString& pattern : parts[i + 1].split(u';')) {
      const QString trimmed = pattern.trimmed();
      if (!trimmed.isEmpty()) entry.patterns << trimmed;
    }
    entries << entry;
  }
  return entries;
}

QStringList ToQtNameFilters(const QString& filter) {
  QStringList result;
  for (const FileFilterEntry& entry : ParseFileFilter(filter)) {
    QStringList patterns;
    for (const QString& pattern : entry.patterns)
      patterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    if (patterns.isEmpty()) patterns << QStringLiteral("*");
    result << QStringLiteral("%1 (%2)").arg(entry.description, patterns.join(u' '));
  }
  return result;
}

QString ApplyDefaultExt(const QString& fileName, const QString& defaultExt) {
  const QString ext = normalizedExt(defaultExt);
  if (ext.isEmpty()) return fileName;
  const qsizetype slash = std::max(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\'));
  const QString base = fileName.mid(slash + 1);
  if (base.isEmpty() || base.contains(u'.')) return fileName;
  return fileName + u'.' + ext;
}

}  // namespace platform

struct TOpenDialog::Data {
  bool save = false;
  QString filter;
  int filterIndex = 1;
  QString defaultExt;
  QString fileName;
  QStringList files;
  QString initialDir;
  QString title;
  TOpenOptions options = ofHideReadOnly | ofEnableSizing;
};

TOpenDialog::TOpenDialog() : TOpenDialog(false) {}
TOpenDialog::TOpenDialog(bool save) : d(std::make_unique<Data>()) { d->save = save; }
TOpenDialog::~TOpenDialog() = default;

QString TOpenDialog::Filter() const { return d->filter; }
void TOpenDialog::SetFilter(const QString& filter) { d->filter = filter; }
int TOpenDialog::FilterIndex() const { return d->filterIndex; }
void TOpenDialog::SetFilterIndex(int index) { d->filterIndex = index; }
QString TOpenDialog::DefaultExt() const { return d->defaultExt; }
void TOpenDialog::SetDefaultExt(const QString& ext) { d->defaultExt = ext; }
QString TOpenDialog::FileName() const { return d->fileName; }
void TOpenDialog::SetFileName(const QString& name) { d->fileName = name; }
QStringList TOpenDialog::Files() const { return d->files; }
QString TOpenDialog::InitialDir() const { return d->initialDir; }
void TOpenDialog::SetInitialDir(const QString& dir) { d->initialDir = dir; }
QString TOpenDialog::Title() const { return d->title; }
void TOpenDialog::SetTitle(const QString& title) { d->title = title; }
TOpenOptions TOpenDialog::Options() const { return d->options; }
void TOpenDialog::SetOptions(TOpenOptions options) { d->options = options; }

bool TOpenDialog::Execute() {
  const QString title = !d->title.isEmpty() ? d->title
                        : d->save          ? QStringLiteral("Save As")
                                           : QStringLiteral("Open");
  if (platform::ModalSeamsActive()) {
    platform::ShownModal shown;
    shown.text = title;
    shown.filter = d->filter;
    shown.initialDir = d->initialDir;
    shown.fileName = d->fileName;
    shown.defaultExt = d->defaultExt;
    QString chosen;
    if (!platform::FileDialogUnderSeams(d->save, shown, chosen)) return false;
    d->fileName = chosen;
    d->files = QStringList{chosen};
    return true;
  }

  QFileDialog dialog(QApplication::activeWindow(), title, d->initialDir);
  dialog.setAcceptMode(d->save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (d->save)
    dialog.setFileMode(QFileDialog::AnyFile);
  else if (d->options.testFlag(ofAllowMultiSelect))
    dialog.setFileMode(QFileDialog::ExistingFiles);
  else
    dialog.setFileMode(d->options.testFlag(ofFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !d->options.testFlag(ofOverwritePrompt));
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  const QStringList filters = platform::ToQtNameFilters(d->filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(std::clamp(d->filterIndex, 1, int(filters.size())) - 1));
  }
  dialog.setDefaultSuffix(normalizedExt(d->defaultExt));
  if (!d->fileName.isEmpty()) dialog.selectFile(d->fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  d->files.clear();
  for (const QString& file : dialog.selectedFiles()) d->files << platform::ApplyDefaultExt(file, d->defaultExt);
  d->fileName = d->files.first();
  d->filterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
  return true;
}

TSaveDialog::TSaveDialog() : TOpenDialog(true) {}

namespace platform {

void RunReportingFaults(const std::function<void()>& handling) {
  try {
    handling();
  } catch (const Exception& e) {
    MessageDlg(e.Message(), mtError, mbOK, 0);
  } catch (const std::exception& e) {
    MessageDlg(StringFromUtf8(e.what()), mtError, mbOK, 0);
  }
}

}  // namespace platform
