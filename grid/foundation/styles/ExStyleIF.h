#pragma once

// The style vocabulary of the grid family: the colour styles and office themes
// a control follows, and the colour tones it takes through IExStyle/IExTones.
// The operating-system checks report a current system; the office theme
// detection reads platform::ThemeRegistry, the in-memory stand-in of the
// registry, which is empty unless tests fill it, so by default the classic 2003
// theme is detected. TRegMonitorThread watches a theme key on its own thread
// and posts TOfficeThemeChangeEvent to the registered windows on the main
// thread; the process-wide TThemeNotifier (GetThemeNotifier) owns it.

#include "platform/ui/paint/Colors.h"

#include <QtCore/QEvent>
#include <QtCore/QObject>
#include <QtCore/QString>

#include <functional>
#include <memory>
#include <vector>

#include "platform/core/TObject.h"

// The named colour styles; settings store the ordinal, so the order is fixed.
enum TExStyle {
  tsOffice2003Blue,
  tsOffice2003Silver,
  tsOffice2003Olive,
  tsOffice2003Classic,
  tsOffice2007Luna,
  tsOffice2007Obsidian,
  tsWindowsXP,
  tsWhidbey,
  tsCustom,
  tsOffice2007Silver,
  tsWindowsVista,
  tsWindows7,
  tsTerminal,
  tsOffice2010Blue,
  tsOffice2010Silver,
  tsOffice2010Black,
};

enum TOfficeTheme {
  ot2003Blue,
  ot2003Silver,
  ot2003Olive,
  ot2003Classic,
  ot2007Blue,
  ot2007Silver,
  ot2007Black,
  ot2010Blue,
  ot2010Silver,
  ot2010Black,
  otUnknown,
};

struct TColorTone {
  TColor BrushColor = clNone;
  TColor BorderColor = clNone;
  TColor TextColor = clNone;
};

struct TColorTones {
  TColorTone Background;
  TColorTone Foreground;
  TColorTone Selected;
  TColorTone Hover;
  TColorTone Disabled;
};

class IExStyle {
 public:
  virtual ~IExStyle() = default;
  virtual void SetComponentStyle(TExStyle style) = 0;
};

class IExTones {
 public:
  virtual ~IExTones() = default;
  virtual void SetColorTones(const TColorTones& tones) = 0;
};

// A window that hears of office theme changes.
using TWindowHandle = QObject*;

class THandleList {
 public:
  int Count() const { return int(items_.size()); }
  void Add(TWindowHandle handle);
  void Insert(int index, TWindowHandle handle);
  void Delete(int index);
  void DeleteValue(TWindowHandle handle);
  bool HasValue(TWindowHandle handle) const;
  TWindowHandle GetInteger(int index) const;
  void SetInteger(int index, TWindowHandle handle);

 private:
  std::vector<TWindowHandle> items_;
};

// The office theme change message: what a registered window receives.
inline constexpr int WM_OFFICETHEMECHANGE = 2993;
class TOfficeThemeChangeEvent : public QEvent {
 public:
  TOfficeThemeChangeEvent(const QString& rootKey, const QString& key);
  static QEvent::Type EventType();
  QString RootKey;
  QString Key;
};

bool RunningOnXPOrNewer();
bool RunningOnVistaOrNewer();
bool RunningOnWin7OrNewer();
bool IsComCtl6OrNewer();
// 0 none, 1 NormalColor, 2 HomeStead, 3 Metallic.
int DetectXPColorScheme();
// 0 office 2003 (or none), 1 office 2007, 2 office 2010.
int DetectOfficeVersion();
// The "Theme" value of key, or -1.
int ReadOfficeThemeValue(const QString& key);
TOfficeTheme DetectOfficeTheme();
void PickDefaultFontName(QString& name);

// Watches an office theme key on its own thread and tells its windows, on the
// main thread, when a value below the key changes. Stopped and joined when
// destroyed.
class TRegMonitorThread {
 public:
  TRegMonitorThread();
  ~TRegMonitorThread();
  TRegMonitorThread(const TRegMonitorThread&) = delete;
  TRegMonitorThread& operator=(const TRegMonitorThread&) = delete;

  QString Key() const;
  void SetKey(const QString& key);
  QString RootKey() const;
  void SetRootKey(const QString& rootKey);
  bool WatchSub() const;
  void SetWatchSub(bool watchSub);
  // Reading a filter of 0 sets it to 15.
  int Filter();
  void SetFilter(int filter);
  TWindowHandle Wnd() const;
  void SetWnd(TWindowHandle wnd);

  void RegisterWindow(TWindowHandle handle);
  void UnRegisterWindow(TWindowHandle handle);
  bool HasWindow(TWindowHandle handle) const;
  int WindowCount() const;

  void Start();
  void Stop();
  bool Running() const;
  // The message of the error that ended the thread, empty when none.
  QString ErrorMessage() const;

 private:
  struct Data;
  std::unique_ptr<Data> d;
};

// The hidden window through which the watcher reaches the notifier.
class TThemeNotifierWindow : public QObject, public TObject {
 public:
  explicit TThemeNotifierWindow(QObject* parent);
  std::function<void(TObject* Sender)> OnOfficeThemeChange;

 protected:
  bool event(QEvent* e) override;
};

// The process-wide notifier of office theme changes.
class TThemeNotifier : public QObject, public TObject {
 public:
  explicit TThemeNotifier(QObject* owner);
  ~TThemeNotifier() override;

  void RegisterWindow(TWindowHandle handle);
  void UnRegisterWindow(TWindowHandle handle);
  // nullptr when no office 2007 or 2010 key exists.
  TRegMonitorThread* RegMonitorThread() const;
  TThemeNotifierWindow* Notifier() const;

  std::function<void(TObject* Sender)> OnOfficeThemeChange;

 private:
  std::unique_ptr<TRegMonitorThread> thread_;
  TThemeNotifierWindow* window_ = nullptr;
};

// Created on the first call, owned by grid (the notifier goes with it).
TThemeNotifier* GetThemeNotifier(QObject* grid);
