#include "grid/foundation/styles/ExStyleIF.h"

#include "platform/ui/paint/ThemeRegistry.h"
#include "tests/support/EventWait.h"

#include <QtCore/QCoreApplication>

#include <gtest/gtest.h>

namespace {

namespace reg = platform::ThemeRegistry;

const QString k11 = QStringLiteral("Software\\Microsoft\\Office\\11.0\\Common\\General");
const QString k12 = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common\\General");
const QString k14 = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common\\General");
const QString t12 = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common");
const QString t14 = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");

class OfficeTheme : public ::testing::Test {
 protected:
  OfficeTheme() { reg::Clear(); }
  ~OfficeTheme() override { reg::Clear(); }
};

TEST(ColourStyles, OrdinalsAreTheStoredFormat) {
  EXPECT_EQ(int(tsOffice2003Blue), 0);
  EXPECT_EQ(int(tsWhidbey), 7);
  EXPECT_EQ(int(tsCustom), 8);
  EXPECT_EQ(int(tsOffice2007Silver), 9);
  EXPECT_EQ(int(tsWindows7), 11);
  EXPECT_EQ(int(tsTerminal), 12);
  EXPECT_EQ(int(tsOffice2010Black), 15);
  EXPECT_EQ(int(otUnknown), 10);
}

TEST(HandleListTest, AddInsertDeleteAndFind) {
  QObject a, b, c;
  THandleList list;
  list.Add(&a);
  list.Add(&b);
  list.Insert(1, &c);
  EXPECT_EQ(list.GetInteger(1), &c);
  list.DeleteValue(&c);
  list.DeleteValue(&c);  // not listed: nothing happens
  EXPECT_EQ(list.Count(), 2);
  EXPECT_TRUE(list.HasValue(&b));
  list.SetInteger(0, &c);
  list.Delete(1);
  EXPECT_FALSE(list.HasValue(&b));
  EXPECT_EQ(list.GetInteger(0), &c);
}

TEST_F(OfficeTheme, EmptyStandInGivesTheClassicThemeAndNoWatcher) {
  EXPECT_EQ(DetectOfficeVersion(), 0);
  EXPECT_EQ(DetectXPColorScheme(), 0);
  EXPECT_EQ(DetectOfficeTheme(), ot2003Classic);
  TThemeNotifier notifier(nullptr);
  EXPECT_EQ(notifier.RegMonitorThread(), nullptr);
  EXPECT_EQ(notifier.Notifier(), nullptr);
  QObject window;
  notifier.RegisterWindow(&window);  // nothing to register with: no effect, no crash
}

TEST_F(OfficeTheme, VersionIsTheLastExistingKey) {
  reg::CreateKey(k14);
  reg::CreateKey(k11);
  EXPECT_EQ(DetectOfficeVersion(), 2);
  reg::DeleteKey(k14);
  reg::CreateKey(k12);
  EXPECT_EQ(DetectOfficeVersion(), 1);
}

TEST_F(OfficeTheme, ThemeValuesOfTheTwoKeys) {
  struct Case {
    int theme14;  // -1: no value
    int theme12;
    TOfficeTheme expected;
  };
  const Case cases[] = {
      {1, -1, ot2010Blue},  {2, 3, ot2010Silver}, {3, -1, ot2010Black}, {0, 2, ot2003Blue},
      {-1, 1, ot2007Blue},  {-1, 2, ot2007Silver}, {-1, 3, ot2007Black}, {-1, 7, ot2003Blue},
      {-1, -1, ot2003Classic},
  };
  for (const Case& c : cases) {
    reg::Clear();
    if (c.theme14 != -1) reg::WriteInteger(t14, "Theme", c.theme14);
    if (c.theme12 != -1) reg::WriteInteger(t12, "Theme", c.theme12);
    EXPECT_EQ(DetectOfficeTheme(), c.expected) << c.theme14 << " " << c.theme12;
  }
  EXPECT_EQ(ReadOfficeThemeValue(QStringLiteral("Software\\None")), -1);
}

TEST(DesktopLooks, DefaultFontOfACurrentDesktop) {
  QString name;
  PickDefaultFontName(name);
  EXPECT_EQ(name, QStringLiteral("Segoe UI"));
}

class Listener : public QObject {
 public:
  int changes = 0;
  QString key;

 protected:
  bool event(QEvent* e) override {
    if (e->type() != TOfficeThemeChangeEvent::EventType()) return QObject::event(e);
    ++changes;
    key = static_cast<TOfficeThemeChangeEvent*>(e)->Key;
    return true;
  }
};

TEST_F(OfficeTheme, WatcherTellsItsWindowsOfAChangeAndStopsWhenDestroyed) {
  reg::CreateKey(k14);
  reg::WriteInteger(t14, "Theme", 1);
  Listener grid;
  int notified = 0;
  TThemeNotifier* notifier = GetThemeNotifier(&grid);
  ASSERT_NE(notifier->RegMonitorThread(), nullptr);
  EXPECT_EQ(notifier->RegMonitorThread()->Key(), t14);
  EXPECT_EQ(notifier->RegMonitorThread()->Filter(), 4);
  notifier->OnOfficeThemeChange = [&](TObject*) { ++notified; };
  notifier->RegisterWindow(&grid);
  notifier->RegisterWindow(&grid);
  EXPECT_EQ(notifier->RegMonitorThread()->WindowCount(), 1);

  reg::WriteInteger(t14, "Theme", 3);
  ASSERT_TRUE(testsupport::WaitFor([&] { return grid.changes == 1 && notified == 1; }));
  EXPECT_EQ(grid.key, t14);
  EXPECT_EQ(DetectOfficeTheme(), ot2010Black);

  // A second change is heard too: the watch is armed again.
  reg::WriteInteger(t14 + "\\Sub", "Other", 1);
  ASSERT_TRUE(testsupport::WaitFor([&] { return grid.changes == 2; }));

  notifier->UnRegisterWindow(&grid);
  EXPECT_EQ(notifier->RegMonitorThread()->WindowCount(), 0);
  delete notifier;  // stops and joins the watcher
  TThemeNotifier* fresh = GetThemeNotifier(&grid);
  EXPECT_NE(fresh, nullptr);
  delete fresh;
}

TEST_F(OfficeTheme, AWatchedKeyThatCannotBeOpenedEndsTheWatcherQuietly) {
  TRegMonitorThread watcher;
  watcher.SetKey(QStringLiteral("Software\\Missing"));
  EXPECT_EQ(watcher.Filter(), 15);
  watcher.Start();
  EXPECT_FALSE(watcher.Running());
  EXPECT_EQ(watcher.ErrorMessage(), QStringLiteral("Unable to open registry key Software\\Missing"));
}

}  // namespace
