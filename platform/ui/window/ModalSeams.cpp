#include "platform/ui/window/ModalSeams.h"

#include "platform/ui/window/Form.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtGui/QGuiApplication>
#include <QtGui/QPixmap>
#include <QtWidgets/QMenu>
#include <QtWidgets/QWidget>

#include <deque>
#include <optional>

// Gives the seams the modal steps of a window without making them public.
class ModalFormRunner {
 public:
  static void Begin(TForm& form) { form.beginModal(); }
  static bool StillOpen(const TForm& form) { return form.modalOpen(); }
  static void ForceClose(TForm& form, TModalResult result) { form.forceClose(result); }
};

namespace platform {

namespace {

enum class AnswerKind { Message, File, Form, Menu };

struct Answer {
  explicit Answer(AnswerKind k) : kind(k) {}
  AnswerKind kind;
  TModalResult result = mrNone;
  QString file;
  bool cancelled = false;
  TForm* form = nullptr;
  std::function<void()> work;
};

ModalFailureHook& failureHook() {
  static ModalFailureHook hook;
  return hook;
}

ModalSeams*& installedSeams() {
  static ModalSeams* seams = nullptr;
  return seams;
}

void fail(const QString& message) {
  if (failureHook()) {
    failureHook()(message);
    return;
  }
  throw UnexpectedModal(message.toStdString());
}

QString describe(const ShownModal& shown) {
  switch (shown.kind) {
    case ModalKind::MessageBox:
      return QStringLiteral("message box \"%1\"").arg(shown.text);
    case ModalKind::OpenDialog:
      return QStringLiteral("open dialog \"%1\"").arg(shown.text);
    case ModalKind::SaveDialog:
      return QStringLiteral("save dialog \"%1\"").arg(shown.text);
    case ModalKind::PopupMenu:
      return QStringLiteral("pop-up menu \"%1\"").arg(shown.items.join(QLatin1Char('|')));
    case ModalKind::Form:
      break;
  }
  return QStringLiteral("modal window \"%1\"").arg(shown.text);
}

QString describe(AnswerKind kind) {
  switch (kind) {
    case AnswerKind::Message:
      return QStringLiteral("a message box");
    case AnswerKind::File:
      return QStringLiteral("a file dialog");
    case AnswerKind::Menu:
      return QStringLiteral("a pop-up menu");
    case AnswerKind::Form:
      break;
  }
  return QStringLiteral("a modal window");
}

}  // namespace

struct ModalSeams::Data {
  std::deque<Answer> answers;
  std::vector<ShownModal> shown;
  ModalSeams* previous = nullptr;
};

// Records what was shown and takes the answer meant for it; a missing or
// mismatched answer is a failure.
struct SeamAccess {
  static std::optional<Answer> TakeAnswer(AnswerKind kind, const ShownModal& shown) {
    ModalSeams* installed = installedSeams();
    ModalSeams::Data* seams = installed ? installed->d.get() : nullptr;
    if (seams) seams->shown.push_back(shown);
    if (!seams || seams->answers.empty()) {
      fail(QStringLiteral("Unexpected %1").arg(describe(shown)));
      return std::nullopt;
    }
    Answer& next = seams->answers.front();
    if (next.kind != kind || (kind == AnswerKind::Form && next.form != shown.form)) {
      const QString expected = next.kind == AnswerKind::Form && next.form
                                   ? QStringLiteral("modal window \"%1\"").arg(next.form->Caption())
                                   : describe(next.kind);
      fail(QStringLiteral("Unexpected %1; the next answer is for %2").arg(describe(shown), expected));
      return std::nullopt;
    }
    Answer answer = std::move(next);
    seams->answers.pop_front();
    return answer;
  }
};

namespace {
std::optional<Answer> takeAnswer(AnswerKind kind, const ShownModal& shown) {
  return SeamAccess::TakeAnswer(kind, shown);
}
}  // namespace

void SetModalFailureHook(ModalFailureHook hook) { failureHook() = std::move(hook); }

ModalSeams::ModalSeams() : d(std::make_unique<Data>()) {
  d->previous = installedSeams();
  installedSeams() = this;
}

ModalSeams::~ModalSeams() {
  installedSeams() = d->previous;
  if (d->answers.empty()) return;
  const QString message = QStringLiteral("%1 modal answer(s) not used").arg(d->answers.size());
  if (failureHook())
    failureHook()(message);
  else
    qWarning("%s", qPrintable(message));
}

void ModalSeams::AnswerMessage(TModalResult result) {
  Answer answer(AnswerKind::Message);
  answer.result = result;
  d->answers.push_back(std::move(answer));
}

void ModalSeams::ChooseFile(const QString& name) {
  Answer answer(AnswerKind::File);
  answer.file = name;
  d->answers.push_back(std::move(answer));
}

void ModalSeams::CancelFile() {
  Answer answer(AnswerKind::File);
  answer.cancelled = true;
  d->answers.push_back(std::move(answer));
}

void ModalSeams::HandleModal(TForm& form, std::function<void()> work) {
  Answer answer(AnswerKind::Form);
  answer.form = &form;
  answer.work = std::move(work);
  d->answers.push_back(std::move(answer));
}

void ModalSeams::PickMenuItem(int id) {
  Answer answer(AnswerKind::Menu);
  answer.result = id;
  d->answers.push_back(std::move(answer));
}

int ModalSeams::Pending() const { return int(d->answers.size()); }

const std::vector<ShownModal>& ModalSeams::Shown() const { return d->shown; }

QStringList ModalSeams::Messages() const {
  QStringList texts;
  for (const ShownModal& shown : d->shown)
    if (shown.kind == ModalKind::MessageBox) texts << shown.text;
  return texts;
}

bool ModalSeamsActive() {
  return installedSeams() != nullptr || QGuiApplication::platformName() == QLatin1String("offscreen") ||
         qEnvironmentVariable("CONFIGURATOR_MODAL_SEAMS") == QLatin1String("1");
}

TModalResult MessageUnderSeams(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
  ShownModal shown;
  shown.kind = ModalKind::MessageBox;
  shown.text = text;
  shown.type = type;
  shown.buttons = buttons;
  const std::optional<Answer> answer = takeAnswer(AnswerKind::Message, shown);
  if (!answer) return mrCancel;
  for (unsigned bit = mbYes; bit <= mbClose; bit <<= 1)
    if (buttons.testFlag(TMsgDlgBtn(bit)) && ModalResultOfButton(TMsgDlgBtn(bit)) == answer->result)
      return answer->result;
  fail(QStringLiteral("Answer %1 is not a button of %2").arg(answer->result).arg(describe(shown)));
  return mrCancel;
}

bool FileDialogUnderSeams(bool save, const ShownModal& shownIn, QString& fileName) {
  ShownModal shown = shownIn;
  shown.kind = save ? ModalKind::SaveDialog : ModalKind::OpenDialog;
  const std::optional<Answer> answer = takeAnswer(AnswerKind::File, shown);
  if (!answer || answer->cancelled) return false;
  QString name = answer->file;
  if (QFileInfo(name).isRelative()) {
    const QString folder = shown.initialDir.isEmpty() ? QDir::currentPath() : shown.initialDir;
    name = QDir(folder).filePath(name);
  }
  fileName = ApplyDefaultExt(QDir::cleanPath(name), shown.defaultExt);
  return true;
}

TModalResult RunFormUnderSeams(TForm& form) {
  ShownModal shown;
  shown.kind = ModalKind::Form;
  shown.text = form.Caption();
  shown.form = &form;
  std::optional<Answer> answer = takeAnswer(AnswerKind::Form, shown);
  if (!answer) return mrCancel;
  ModalFormRunner::Begin(form);
  try {
    if (answer->work) answer->work();
  } catch (...) {
    if (ModalFormRunner::StillOpen(form)) ModalFormRunner::ForceClose(form, mrCancel);
    throw;
  }
  if (ModalFormRunner::StillOpen(form)) {
    ModalFormRunner::ForceClose(form, mrCancel);
    fail(QStringLiteral("The handler left modal window \"%1\" open").arg(form.Caption()));
    return mrCancel;
  }
  return form.ModalResult();
}

QString SaveScreenshot(QWidget& widget, const QString& name) {
  const QString folder = qEnvironmentVariable("SCREENSHOT_DIR");
  if (folder.isEmpty()) return QString();
  QDir().mkpath(folder);
  widget.ensurePolished();
  const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
  return widget.grab().save(path, "PNG") ? path : QString();
}

}  // namespace platform

namespace platform {

int TrackPopupMenu(const QStringList& items, const QPoint& screenPoint, QWidget* owner) {
  if (ModalSeamsActive()) {
    ShownModal shown;
    shown.kind = ModalKind::PopupMenu;
    shown.items = items;
    shown.screenPoint = screenPoint;
    const std::optional<Answer> answer = takeAnswer(AnswerKind::Menu, shown);
    return answer && answer->result >= 0 && answer->result <= items.size() ? answer->result : 0;
  }
  QMenu menu(owner);
  for (int i = 0; i < items.size(); ++i) menu.addAction(items[i])->setData(i + 1);
  QAction* picked = menu.exec(screenPoint);
  return picked ? picked->data().toInt() : 0;
}

}  // namespace platform
