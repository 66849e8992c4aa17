#include "platform/ui/paint/Font.h"

#include <QtGui/QFont>
#include <QtGui/QFontInfo>
#include <QtGui/QFontMetrics>

#include <gtest/gtest.h>

namespace {

TEST(Font, SizeInPointsAndHeightInPixelsAt96Dpi) {
  TFont font;
  const std::pair<int, int> table[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}, {14, -19}};
  for (const auto& [points, height] : table) {
    font.SetSize(points);
    EXPECT_EQ(font.Height(), height) << points;
    EXPECT_EQ(font.Size(), points) << points;
    EXPECT_EQ(font.ToQFont().pixelSize(), -height) << points;
  }
}

TEST(Font, PositiveHeightIsTheWholeCell) {
  TFont font;
  font.SetHeight(20);
  EXPECT_NEAR(QFontMetrics(font.ToQFont()).height(), 20, 1);
  EXPECT_LT(font.ToQFont().pixelSize(), 20);
}

// The test main registers the window fonts as the program does.
TEST(Font, WindowsNamesFindTheirFacesOrDejaVu) {
  const std::pair<const char*, const char*> table[] = {
      {"Tahoma", "Tahoma"},           {"tahoma", "Tahoma"},        {"MS Shell Dlg 2", "Tahoma"},
      {"MS Sans Serif", "MS Sans Serif"}, {"Verdana", "DejaVu Sans"}, {"Segoe UI", "DejaVu Sans"},
      {"Arial", "DejaVu Sans"},       {"MS Shell Dlg", "DejaVu Sans"}, {"Courier New", "DejaVu Sans Mono"},
  };
  TFont font;
  for (const auto& [name, family] : table) {
    font.SetName(QLatin1String(name));
    EXPECT_EQ(QFontInfo(font.ToQFont()).family(), QLatin1String(family)) << name;
    EXPECT_EQ(font.Name(), QLatin1String(name));
  }
}

TEST(Font, StyleBitsReachTheToolkitFont) {
  TFont font;
  font.SetStyle(fsBold | fsUnderline);
  QFont q = font.ToQFont();
  EXPECT_TRUE(q.bold());
  EXPECT_FALSE(q.italic());
  EXPECT_TRUE(q.underline());
  EXPECT_FALSE(q.strikeOut());
  font.SetStyle(fsItalic | fsStrikeOut);
  q = font.ToQFont();
  EXPECT_FALSE(q.bold());
  EXPECT_TRUE(q.italic());
  EXPECT_TRUE(q.strikeOut());
}

TEST(Font, EveryRealChangeRaisesOnChangeOnce) {
  TFont font;
  int changes = 0;
  font.OnChange = [&](TFont* sender) {
    EXPECT_EQ(sender, &font);
    ++changes;
  };
  font.SetColor(clRed);
  font.SetColor(clRed);
  font.SetHeight(font.Height());
  font.SetName(font.Name());
  font.SetOrientation(900);
  EXPECT_EQ(changes, 2);
}

TEST(Font, AssignCopiesEverythingButTheEventAndRaisesItOnce) {
  TFont source;
  source.SetName(QStringLiteral("Verdana"));
  source.SetSize(12);
  source.SetStyle(fsBold);
  source.SetColor(clBlue);
  source.SetOrientation(450);
  source.SetCharset(ANSI_CHARSET);
  int sourceChanges = 0;
  source.OnChange = [&](TFont*) { ++sourceChanges; };

  TFont target;
  int changes = 0;
  target.OnChange = [&](TFont*) { ++changes; };
  target.Assign(source);
  EXPECT_TRUE(target.SameAs(source));
  EXPECT_EQ(target.Size(), 12);
  EXPECT_EQ(changes, 1);
  target.SetColor(clGreen);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(sourceChanges, 0);
}

TEST(Font, MulDivRoundsHalfAwayFromZero) {
  EXPECT_EQ(platform::MulDiv(8, 96, 72), 11);
  EXPECT_EQ(platform::MulDiv(-11, 72, 96), -8);
  EXPECT_EQ(platform::MulDiv(3, 1, 2), 2);
  EXPECT_EQ(platform::MulDiv(-3, 1, 2), -2);
  EXPECT_EQ(platform::MulDiv(1, 1, 0), -1);
}

}  // namespace
