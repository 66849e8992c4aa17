#include "grid/foundation/styles/ExStyleIF.h"

#include "platform/core/Events.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/paint/ThemeRegistry.h"
#include "platform/ui/paint/VisualStyles.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QPointer>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace {

const QString kOffice11 = QStringLiteral("Software\\Microsoft\\Office\\11.0\\Common\\General");
const QString kOffice12 = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common\\General");
const QString kOffice14 = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common\\General");
const QString kTheme12 = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common");
const QString kTheme14 = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");
const QString kCurrentUser = QStringLiteral("HKEY_CURRENT_USER");

TThemeNotifier* gNotifier = nullptr;

}  // namespace

// ---- THandleList

void THandleList::Add(TWindowHandle handle) { items_.push_back(handle); }

void THandleList::Insert(int index, TWindowHandle handle) {
  items_.insert(items_.begin() + std::clamp(index, 0, Count()), handle);
}

void THandleList::Delete(int index) {
  if (index >= 0 && index < Count()) items_.erase(items_.begin() + index);
}

void THandleList::DeleteValue(TWindowHandle handle) {
  const auto it = std::find(items_.begin(), items_.end(), handle);
  if (it != items_.end()) items_.erase(it);
}

bool THandleList::HasValue(TWindowHandle handle) const {
  return std::find(items_.begin(), items_.end(), handle) != items_.end();
}

TWindowHandle THandleList::GetInteger(int index) const {
  return index >= 0 && index < Count() ? items_[std::size_t(index)] : nullptr;
}

void THandleList::SetInteger(int index, TWindowHandle handle) {
  if (index >= 0 && index < Count()) items_[std::size_t(index)] = handle;
}

// ---- the office theme change message

TOfficeThemeChangeEvent::TOfficeThemeChangeEvent(const QString& rootKey, const QString& key)
    : QEvent(EventType()), RootKey(rootKey), Key(key) {}

QEvent::Type TOfficeThemeChangeEvent::EventType() {
  return QEvent::Type(QEvent::User + (WM_OFFICETHEMECHANGE - 0x0400));
}

// ---- desktop inspection

// The platform is a current desktop with the version 6 common controls.
bool RunningOnXPOrNewer() { return true; }
bool RunningOnVistaOrNewer() { return true; }
bool RunningOnWin7OrNewer() { return true; }
bool IsComCtl6OrNewer() { return true; }

int DetectXPColorScheme() {
  // Without a visual-style library there is no active colour scheme.
  if (!RunningOnXPOrNewer() || !platform::VisualStylesActive() || !IsComCtl6OrNewer()) return 0;
  return 0;
}

int DetectOfficeVersion() {
  int version = 0;
  if (platform::ThemeRegistry::KeyExists(kOffice11)) version = 0;
  if (platform::ThemeRegistry::KeyExists(kOffice12)) version = 1;
  if (platform::ThemeRegistry::KeyExists(kOffice14)) version = 2;
  return version;
}

int ReadOfficeThemeValue(const QString& key) {
  int value = -1;
  if (!platform::ThemeRegistry::ReadInteger(key, QStringLiteral("Theme"), value)) return -1;
  return value;
}

TOfficeTheme DetectOfficeTheme() {
  static constexpr TOfficeTheme k2010[] = {ot2010Blue, ot2010Silver, ot2010Black};
  static constexpr TOfficeTheme k2007[] = {ot2007Blue, ot2007Silver, ot2007Black};
  int value = ReadOfficeThemeValue(kTheme14);
  if (value != -1) return value >= 1 && value <= 3 ? k2010[value - 1] : ot2003Blue;
  value = ReadOfficeThemeValue(kTheme12);
  if (value != -1) return value >= 1 && value <= 3 ? k2007[value - 1] : ot2003Blue;
  switch (DetectXPColorScheme()) {
    case 1: return ot2003Blue;
    case 2: return ot2003Olive;
    case 3: return ot2003Silver;
    default: return ot2003Classic;
  }
}

void PickDefaultFontName(QString& name) {
  name = RunningOnVistaOrNewer() ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma");
}

// ---- the watcher thread

struct TRegMonitorThread::Data {
  mutable std::mutex lock;  // guards the fields below against the watcher thread
  QString key;
  QString rootKey = kCurrentUser;
  bool watchSub = false;
  int filter = 0;
  QPointer<QObject> wnd;
  std::vector<QPointer<QObject>> windows;
  QString error;
  TEvent event{true, false};  // private to this watcher
  std::atomic<bool> terminated{false};
  std::atomic<bool> running{false};
  std::thread thread;

  bool arm();
  void execute();
  void notifyWindows();
};

void TRegMonitorThread::Data::notifyWindows() {
  std::vector<QPointer<QObject>> targets;
  QString root, watched;
  {
    std::lock_guard guard(lock);
    if (wnd) targets.push_back(wnd);
    targets.insert(targets.end(), windows.begin(), windows.end());
    root = rootKey;
    watched = key;
  }
  // Posted, not sent: the main thread may be waiting for this thread to end.
  for (const auto& target : targets)
    if (target) QCoreApplication::postEvent(target, new TOfficeThemeChangeEvent(root, watched));
}

// The key is opened and the first watch armed before the thread starts, so that
// no change made after Start is missed.
bool TRegMonitorThread::Data::arm() {
  std::lock_guard guard(lock);
  if (!platform::ThemeRegistry::KeyExists(key)) {
    error = QStringLiteral("Unable to open registry key ") + key;
    return false;
  }
  platform::ThemeRegistry::NotifyChange(key, &event);
  return true;
}

void TRegMonitorThread::Data::execute() {
  try {
    QString watched;
    {
      std::lock_guard guard(lock);
      watched = key;
    }
    while (!terminated) {
      if (!event.WaitFor(-1)) continue;
      if (terminated) break;
      // Armed again before the windows hear of it: a change they make or cause
      // once told must wake this thread once more.
      event.ResetEvent();
      platform::ThemeRegistry::NotifyChange(watched, &event);
      notifyWindows();
    }
  } catch (const std::exception& e) {
    std::lock_guard guard(lock);
    error = QString::fromUtf8(e.what());
  } catch (...) {
    std::lock_guard guard(lock);
    error = QStringLiteral("Unknown error");
  }
  platform::ThemeRegistry::CancelNotify(&event);
  running = false;
}

TRegMonitorThread::TRegMonitorThread() : d(std::make_unique<Data>()) {}

TRegMonitorThread::~TRegMonitorThread() {
  Stop();
  if (d->thread.joinable()) d->thread.join();
}

QString TRegMonitorThread::Key() const {
  std::lock_guard guard(d->lock);
  return d->key;
}
void TRegMonitorThread::SetKey(const QString& key) {
  std::lock_guard guard(d->lock);
  d->key = key;
}
QString TRegMonitorThread::RootKey() const {
  std::lock_guard guard(d->lock);
  return d->rootKey;
}
void TRegMonitorThread::SetRootKey(const QString& rootKey) {
  std::lock_guard guard(d->lock);
  d->rootKey = rootKey;
}
bool TRegMonitorThread::WatchSub() const {
  std::lock_guard guard(d->lock);
  return d->watchSub;
}
void TRegMonitorThread::SetWatchSub(bool watchSub) {
  std::lock_guard guard(d->lock);
  d->watchSub = watchSub;
}
int TRegMonitorThread::Filter() {
  std::lock_guard guard(d->lock);
  if (d->filter == 0) d->filter = 15;
  return d->filter;
}
void TRegMonitorThread::SetFilter(int filter) {
  std::lock_guard guard(d->lock);
  d->filter = filter;
}
TWindowHandle TRegMonitorThread::Wnd() const {
  std::lock_guard guard(d->lock);
  return d->wnd;
}
void TRegMonitorThread::SetWnd(TWindowHandle wnd) {
  std::lock_guard guard(d->lock);
  d->wnd = wnd;
}

void TRegMonitorThread::RegisterWindow(TWindowHandle handle) {
  std::lock_guard guard(d->lock);
  if (std::find(d->windows.begin(), d->windows.end(), handle) == d->windows.end())
    d->windows.emplace_back(handle);
}

void TRegMonitorThread::UnRegisterWindow(TWindowHandle handle) {
  std::lock_guard guard(d->lock);
  const auto it = std::find(d->windows.begin(), d->windows.end(), handle);
  if (it != d->windows.end()) d->windows.erase(it);
}

bool TRegMonitorThread::HasWindow(TWindowHandle handle) const {
  std::lock_guard guard(d->lock);
  return std::find(d->windows.begin(), d->windows.end(), handle) != d->windows.end();
}

int TRegMonitorThread::WindowCount() const {
  std::lock_guard guard(d->lock);
  return int(d->windows.size());
}

void TRegMonitorThread::Start() {
  if (d->thread.joinable() || !d->arm()) return;
  d->running = true;
  d->thread = std::thread([data = d.get()] { data->execute(); });
}

void TRegMonitorThread::Stop() {
  d->terminated = true;
  d->event.SetEvent();
}

bool TRegMonitorThread::Running() const { return d->running; }

QString TRegMonitorThread::ErrorMessage() const {
  std::lock_guard guard(d->lock);
  return d->error;
}

// ---- the notifier

TThemeNotifierWindow::TThemeNotifierWindow(QObject* parent) : QObject(parent) {}

bool TThemeNotifierWindow::event(QEvent* e) {
  if (e->type() == TOfficeThemeChangeEvent::EventType()) {
    if (OnOfficeThemeChange) OnOfficeThemeChange(this);
    return true;
  }
  return QObject::event(e);
}

TThemeNotifier::TThemeNotifier(QObject* owner) : QObject(owner) {
  const int version = DetectOfficeVersion();
  if (version != 1 && version != 2) return;
  window_ = new TThemeNotifierWindow(this);
  window_->OnOfficeThemeChange = [this](TObject*) {
    if (OnOfficeThemeChange) OnOfficeThemeChange(this);
  };
  thread_ = std::make_unique<TRegMonitorThread>();
  thread_->SetWnd(window_);
  thread_->SetFilter(4);
  thread_->SetKey(version == 2 ? kTheme14 : kTheme12);
  thread_->SetRootKey(kCurrentUser);
  thread_->SetWatchSub(true);
  thread_->Start();
}

TThemeNotifier::~TThemeNotifier() {
  thread_.reset();
  if (gNotifier == this) gNotifier = nullptr;
}

void TThemeNotifier::RegisterWindow(TWindowHandle handle) {
  if (thread_) thread_->RegisterWindow(handle);
}

void TThemeNotifier::UnRegisterWindow(TWindowHandle handle) {
  if (thread_) thread_->UnRegisterWindow(handle);
}

TRegMonitorThread* TThemeNotifier::RegMonitorThread() const { return thread_.get(); }
TThemeNotifierWindow* TThemeNotifier::Notifier() const { return window_; }

TThemeNotifier* GetThemeNotifier(QObject* grid) {
  if (!gNotifier) gNotifier = new TThemeNotifier(grid);
  return gNotifier;
}
